#pragma once

#include <QCheckBox>

// A check box whose caption wraps at word ends within the box's width, for
// captions the layouts give two lines. The caption sits in the middle of the
// control's height; the box itself sits level with the caption's first line.
class WrappingCheckBox final : public QCheckBox {
    Q_OBJECT
public:
    explicit WrappingCheckBox(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    int indicatorSize() const;
    // Where the caption starts, right of the box.
    int captionLeft() const;
    // The height the caption takes, wrapped at the control's width.
    int captionHeight() const;
    // Where the box and the caption start, down from the control's top.
    int blockTop() const;
    // Where the caption goes: right of the box, to the control's right edge.
    QRect captionRect() const;
    QStyleOptionButton indicatorOption() const;
};
