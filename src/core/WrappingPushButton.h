#pragma once

#include <QPushButton>

// A push button whose caption wraps at word ends and stays centred in the
// button, for captions the layouts give two lines.
class WrappingPushButton final : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingPushButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the caption goes: inside the button's bevel.
    QRect captionRect() const;
};
