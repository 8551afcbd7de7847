#include "core/WrappingCheckBox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

WrappingCheckBox::WrappingCheckBox(QWidget* parent) : QCheckBox(parent) {}

QStyleOptionButton WrappingCheckBox::indicatorOption() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int size = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
    // Level with the first line of the caption rather than centred on the
    // whole block, so the box reads as belonging to the caption's start.
    const int lineHeight = fontMetrics().height();
    option.rect = QRect(0, std::max(0, (lineHeight - size) / 2), size, size);
    return option;
}

QRect WrappingCheckBox::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    return rect().adjusted(indicator + spacing, 0, 0, 0);
}

QSize WrappingCheckBox::sizeHint() const
{
    const QRect caption = captionRect();
    const QRect needed = fontMetrics().boundingRect(
        QRect(0, 0, std::max(1, caption.width()), 10000), kTextFlags, text());
    return {width(), std::max(needed.height(), indicatorOption().rect.bottom() + 1)};
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
