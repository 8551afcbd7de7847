#pragma once

#include "platform/Shell.h"

#include <QStringList>

#include <functional>

// Remembers every page and program the program asked to open, and every
// restart as administrator, which it grants as a test says.
class RecordingShell final : public platform::Shell {
public:
    bool open(const QString& urlOrPath) override
    {
        m_opened << urlOrPath;
        return !urlOrPath.isEmpty();
    }
    bool runElevated(const QString& program) override
    {
        m_elevated << program;
        if (onElevate)
            onElevate();
        return m_elevationGranted;
    }

    QStringList m_opened;
    QStringList m_elevated;
    bool m_elevationGranted = false;
    // Runs while the user would be answering polkit's question.
    std::function<void()> onElevate;
};
