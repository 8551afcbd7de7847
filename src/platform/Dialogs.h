#pragma once

#include <QString>

#include <functional>

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
    // Shows the box and returns at once, so that the windows and the
    // decorations go on while it waits; UI thread only. The answer comes
    // later, on the UI thread; a box that goes with its owner never answers.
    virtual void messageBoxAsync(QWidget* owner, const QString& text, const QString& caption,
                                 Style style, std::function<void(Answer)> onAnswer) = 0;
};

} // namespace platform
