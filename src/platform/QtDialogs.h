#pragma once

#include "platform/Dialogs.h"

namespace platform {

class QtDialogs final : public Dialogs {
public:
    Answer messageBox(QWidget* owner, const QString& text, const QString& caption,
                      Style style) override;
    void messageBoxAsync(QWidget* owner, const QString& text, const QString& caption, Style style,
                         std::function<void(Answer)> onAnswer) override;
};

} // namespace platform
