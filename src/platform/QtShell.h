#pragma once

#include "platform/Shell.h"

#include <QStringList>
#include <QUrl>

namespace platform {

// Hands pages and files to the desktop's default programs (xdg-open behind
// QDesktopServices) and asks polkit's pkexec for administrator rights.
class QtShell final : public Shell {
public:
    bool open(const QString& urlOrPath) override;
    // Waits, keeping the windows alive, while polkit asks the user; false
    // without pkexec, when the user declines, or when no answer comes within
    // five minutes.
    bool runElevated(const QString& program) override;

    // What open() hands on: http, https and file addresses as written (a
    // query with spaces or Cyrillic words is encoded, not rejected), anything
    // else as a local file path; invalid for an empty target.
    static QUrl targetUrl(const QString& urlOrPath);
    // What a copy started as administrator needs of this session, as
    // NAME=value: the display, the user's folders (resolved here, since
    // root's defaults would be root's own) and the program's own switches.
    static QStringList sessionEnvironment();
};

} // namespace platform
