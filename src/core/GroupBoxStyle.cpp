#include "core/GroupBoxStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace {

// The title starts this far in from the frame's left edge, with this much
// room either side of it where the line is broken.
constexpr int kTitleIndent = 8;
constexpr int kTitleGap = 3;
constexpr qreal kCornerRadius = 3;

} // namespace

QStyle* GroupBoxStyle::instance()
{
    // Made again should a new application replace the one it belonged to.
    static QPointer<GroupBoxStyle> style;
    if (!style) {
        style = new GroupBoxStyle;
        style->setParent(qApp);
    }
    return style;
}

QRect GroupBoxStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                    SubControl subControl, const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_GroupBox && subControl == SC_GroupBoxLabel)
        rect.translate(kTitleIndent, 0);
    return rect;
}

void GroupBoxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    const auto* group = qobject_cast<const QGroupBox*>(widget);
    if (element != PE_FrameGroupBox || !group) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A thin line round the group whose top runs through the title's middle.
    QRect title;
    int top = 0;
    if (!group->title().isEmpty()) {
        QStyleOptionGroupBox box;
        box.initFrom(group);
        box.text = group->title();
        box.subControls = SC_GroupBoxFrame | SC_GroupBoxLabel;
        title = subControlRect(CC_GroupBox, &box, SC_GroupBoxLabel, widget);
        top = title.center().y();
    }
    const QRect rect = group->rect();
    painter->save();
    painter->setClipRegion(QRegion(rect).subtracted(title.adjusted(-kTitleGap, 0, kTitleGap, 0)));
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(option->palette.color(QPalette::Mid), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(
        QRectF(rect.left(), top, rect.width(), rect.height() - top).adjusted(0.5, 0.5, -0.5, -0.5),
        kCornerRadius, kCornerRadius);
    painter->restore();
}
