#include "core/WrappingCheckBox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

WrappingCheckBox::WrappingCheckBox(QWidget* parent) : QCheckBox(parent) {}

int WrappingCheckBox::indicatorSize() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
}

int WrappingCheckBox::captionLeft() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this) +
           style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
}

int WrappingCheckBox::captionHeight() const
{
    return fontMetrics()
        .boundingRect(QRect(0, 0, std::max(1, width() - captionLeft()), 10000), kTextFlags, text())
        .height();
}

int WrappingCheckBox::blockTop() const
{
    // The caption, however many lines it takes, sits in the middle of the
    // control's height, as check boxes do on the desktop the layouts were
    // made for: one line under a list stays clear of it.
    const int block = std::max(captionHeight(), indicatorSize());
    return std::max(0, (height() - block) / 2);
}

QStyleOptionButton WrappingCheckBox::indicatorOption() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int size = indicatorSize();
    // Level with the first line of the caption rather than centred on the
    // whole block, so the box reads as belonging to the caption's start.
    const int lineHeight = fontMetrics().height();
    option.rect = QRect(0, blockTop() + std::max(0, (lineHeight - size) / 2), size, size);
    return option;
}

QRect WrappingCheckBox::captionRect() const
{
    return rect().adjusted(captionLeft(), blockTop(), 0, 0);
}

QSize WrappingCheckBox::sizeHint() const
{
    const int lineHeight = fontMetrics().height();
    const int box = std::max(0, (lineHeight - indicatorSize()) / 2) + indicatorSize();
    return {width(), std::max(captionHeight(), box)};
}

QSize WrappingCheckBox::minimumSizeHint() const
{
    return sizeHint();
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QStyleOptionButton option = indicatorOption();
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);

    QStyleOptionButton textOption;
    initStyleOption(&textOption);
    style()->drawItemText(&painter, captionRect(), kTextFlags, textOption.palette, isEnabled(),
                          text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics()
                         .boundingRect(captionRect(), kTextFlags, text())
                         .adjusted(-1, 0, 1, 0)
                         .intersected(rect());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}
