#include "core/WrappingPushButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

WrappingPushButton::WrappingPushButton(QWidget* parent) : QPushButton(parent) {}

QRect WrappingPushButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2 +
                       style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    return rect().adjusted(margin, margin, -margin, -margin);
}

QSize WrappingPushButton::sizeHint() const
{
    const QRect caption = captionRect();
    const QRect needed = fontMetrics().boundingRect(
        QRect(0, 0, std::max(1, caption.width()), 10000), kTextFlags, text());
    return {width(), std::max(height(), needed.height() + height() - caption.height())};
}

QSize WrappingPushButton::minimumSizeHint() const
{
    return sizeHint();
}

void WrappingPushButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the bevel and the focus; the caption comes wrapped.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    initStyleOption(&option);
    style()->drawItemText(&painter, captionRect(), kTextFlags, option.palette, isEnabled(), text(),
                          QPalette::ButtonText);
}
