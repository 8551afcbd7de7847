#pragma once

#include "platform/Registry.h"

namespace platform {

// The registry as files: a value under the user's Run key is an XDG autostart
// entry (autostartDir/NAME.desktop that starts the stored program path); every
// other value is kept in one INI file.
class FileRegistry final : public Registry {
public:
    FileRegistry(QString valuesFile, QString autostartDir);

    Result get(Root root, const QString& key, const QString& name, Value& out) override;
    Result set(Root root, const QString& key, const QString& name, const Value& value,
               bool createKey, View view) override;
    Result remove(Root root, const QString& key, const QString& name, View view) override;

    // Desktop Entry quoting of one program path for Exec=, and back; empty
    // for a path no entry can start.
    static QString execLineFor(const QString& program);
    static QString programFromExecLine(const QString& exec);

private:
    bool isRunValue(Root root, const QString& key) const;
    QString autostartFile(const QString& name) const;

    QString m_valuesFile;
    QString m_autostartDir;
};

} // namespace platform
