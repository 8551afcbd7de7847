#pragma once

#include <QString>

class QWidget;

namespace platform {

// Message boxes. The caption is the program's title.
class Dialogs {
public:
    enum class Style { Ok, YesNoInformation };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;

    // Modal; UI thread only.
    virtual Answer messageBox(QWidget* owner, const QString& text, const QString& caption,
                              Style style) = 0;
};

} // namespace platform
