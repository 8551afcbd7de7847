#pragma once

#include <QCheckBox>

// A check box whose caption wraps at word ends within the box's width, for
// captions the layouts give two lines. The box itself sits level with the
// caption's first line.
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
    // Where the caption goes: right of the box, to the control's right edge.
    QRect captionRect() const;
    QStyleOptionButton indicatorOption() const;
};
