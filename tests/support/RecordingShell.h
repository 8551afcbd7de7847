#pragma once

#include "platform/Shell.h"

#include <QStringList>

// Remembers every page and program the program asked to open.
class RecordingShell final : public platform::Shell {
public:
    bool open(const QString& urlOrPath) override
    {
        m_opened << urlOrPath;
        return !urlOrPath.isEmpty();
    }

    QStringList m_opened;
};
