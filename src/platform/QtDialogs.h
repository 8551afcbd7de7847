#pragma once

#include "platform/Dialogs.h"

namespace platform {

class QtDialogs final : public Dialogs {
public:
    Answer messageBox(QWidget* owner, const QString& text, const QString& caption,
                      Style style) override;
};

} // namespace platform
