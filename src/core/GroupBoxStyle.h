#pragma once

#include <QProxyStyle>

// Group boxes with their title on the frame's top line, the line broken
// behind it, as the window layouts were drawn for. A style that puts the
// title above the line pushes the frame down into the controls at the top of
// the group.
class GroupBoxStyle final : public QProxyStyle {
    Q_OBJECT
public:
    // The one style all group boxes share; it lives as long as the application.
    static QStyle* instance();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};
