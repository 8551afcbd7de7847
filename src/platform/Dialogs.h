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
    // Shows the box without blocking the caller; callable from any thread. The
    // answer arrives on the UI thread.
    virtual void messageBoxAsync(QWidget* owner, const QString& text, const QString& caption,
                                 Style style, std::function<void(Answer)> onAnswer) = 0;
};

} // namespace platform
