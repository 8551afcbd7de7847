#include "CursorPresents.h"

#include "CursorCanvas.h"
#include "CursorRibbon.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

using CursorRibbon::darker;
using CursorRibbon::lighter;

namespace {

constexpr double kPi = 3.14159265358979323846;

enum class Pattern { Dots, Stripes, Stars, Snowflakes, Checks };

struct Wrapping {
    int width;
    QColor paper;
    QColor ribbon;
    Pattern pattern;
    QColor print;
    bool crossRibbon; // a second band round the box as well as the one over the lid
};

const Wrapping kWrappings[CursorPresents::kCount] = {
    {124, QColor(206, 30, 44), QColor(240, 192, 60), Pattern::Dots, QColor(255, 236, 200), true},
    {128, QColor(30, 136, 70), QColor(214, 32, 44), Pattern::Stripes, QColor(120, 200, 120), false},
    {128, QColor(38, 84, 196), QColor(236, 240, 250), Pattern::Snowflakes, QColor(210, 226, 255),
     true},
    {128, QColor(240, 190, 50), QColor(200, 26, 40), Pattern::Stars, QColor(255, 240, 170), false},
    {128, QColor(150, 50, 170), QColor(60, 190, 120), Pattern::Checks, QColor(200, 120, 220), true},
};

void drawStar(QPainter& p, QPointF centre, double radius)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double r = (i % 2) ? radius * 0.42 : radius;
        const QPointF point = centre + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.drawPath(star);
}

void drawSnowflake(QPainter& p, QPointF centre, double radius)
{
    for (int arm = 0; arm < 6; ++arm) {
        const double a = arm * kPi / 3;
        const QPointF direction(std::cos(a), std::sin(a));
        p.drawLine(centre, centre + direction * radius);
        const QPointF fork = centre + direction * (radius * 0.55);
        for (const double side : {-1.0, 1.0}) {
            const double b = a + side * kPi / 4;
            p.drawLine(fork, fork + QPointF(std::cos(b), std::sin(b)) * (radius * 0.35));
        }
    }
}

void printPattern(QPainter& p, const QRectF& area, const Wrapping& wrap)
{
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(wrap.print);
    const double step = 16;
    switch (wrap.pattern) {
    case Pattern::Dots:
        for (double y = area.top() + 4; y < area.bottom() + step; y += step / 2)
            for (double x = area.left() + (std::fmod(y - area.top(), step) < 1 ? 4 : 12);
                 x < area.right() + step; x += step)
                p.drawEllipse(QPointF(x, y), 2.6, 2.6);
        break;
    case Pattern::Stripes:
        p.setPen(QPen(wrap.print, 5));
        for (double x = area.left() - area.height(); x < area.right(); x += 15)
            p.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
        break;
    case Pattern::Stars:
        for (int row = 0; area.top() + row * 17 < area.bottom() + 17; ++row)
            for (double x = area.left() + (row % 2 ? 14 : 5); x < area.right() + 17; x += 19)
                drawStar(p, QPointF(x, area.top() + 6 + row * 17), 5);
        break;
    case Pattern::Snowflakes:
        p.setPen(QPen(wrap.print, 1.3, Qt::SolidLine, Qt::RoundCap));
        for (int row = 0; area.top() + row * 20 < area.bottom() + 20; ++row)
            for (double x = area.left() + (row % 2 ? 18 : 7); x < area.right() + 20; x += 22)
                drawSnowflake(p, QPointF(x, area.top() + 8 + row * 20), 5.5);
        break;
    case Pattern::Checks: {
        QColor tint = wrap.print;
        tint.setAlpha(150);
        for (double x = area.left(); x < area.right(); x += 16)
            p.fillRect(QRectF(x, area.top(), 8, area.height()), tint);
        for (double y = area.top(); y < area.bottom(); y += 16)
            p.fillRect(QRectF(area.left(), y, area.width(), 8), tint);
        break;
    }
    }
    p.restore();
}

void drawRibbonBand(QPainter& p, const QRectF& band, const QColor& ribbon, bool vertical)
{
    QLinearGradient shine(vertical ? band.topLeft() : band.topLeft(),
                          vertical ? band.topRight() : band.bottomLeft());
    shine.setColorAt(0, darker(ribbon, 0.2));
    shine.setColorAt(0.35, lighter(ribbon, 0.35));
    shine.setColorAt(0.6, ribbon);
    shine.setColorAt(1, darker(ribbon, 0.3));
    p.setPen(QPen(darker(ribbon, 0.45), 0.8));
    p.setBrush(shine);
    p.drawRect(band);
}

} // namespace

namespace CursorPresents {

QImage present(int variant)
{
    const Wrapping& wrap = kWrappings[variant];
    const double w = wrap.width, h = 128;
    CursorCanvas canvas(QSize(wrap.width, 128), 3);
    QPainter& p = canvas.painter();

    const QRectF box(w * 0.11, h * 0.41, w * 0.78, h * 0.55);
    const QRectF lid(w * 0.07, h * 0.29, w * 0.86, h * 0.15);
    const double band = w * 0.14;
    const QColor edge = darker(wrap.paper, 0.55);

    // The box: lit from the top left, its right side turning into shade.
    QLinearGradient paper(box.topLeft(), box.bottomRight());
    paper.setColorAt(0, lighter(wrap.paper, 0.12));
    paper.setColorAt(1, darker(wrap.paper, 0.3));
    p.setPen(QPen(edge, 1.0));
    p.setBrush(paper);
    p.drawRect(box);
    printPattern(p, box.adjusted(0.5, 0.5, -0.5, -0.5), wrap);
    if (wrap.crossRibbon)
        drawRibbonBand(
            p, QRectF(box.left(), box.center().y() - band / 2 + h * 0.04, box.width(), band),
            wrap.ribbon, false);
    drawRibbonBand(p, QRectF(w / 2 - band / 2, box.top(), band, box.height()), wrap.ribbon, true);
    // The lid's shadow on the box.
    QLinearGradient shadow(0, box.top(), 0, box.top() + h * 0.06);
    shadow.setColorAt(0, QColor(0, 0, 0, 110));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawRect(QRectF(box.left(), box.top(), box.width(), h * 0.06));

    QLinearGradient lidPaper(lid.topLeft(), lid.bottomRight());
    lidPaper.setColorAt(0, lighter(wrap.paper, 0.25));
    lidPaper.setColorAt(1, darker(wrap.paper, 0.15));
    p.setPen(QPen(edge, 1.0));
    p.setBrush(lidPaper);
    p.drawRoundedRect(lid, 1.5, 1.5);
    printPattern(p, lid.adjusted(0.5, 0.5, -0.5, -0.5), wrap);
    drawRibbonBand(p, QRectF(w / 2 - band / 2, lid.top(), band, lid.height()), wrap.ribbon, true);
    // A thin highlight along the lid's top edge.
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
    p.drawLine(QPointF(lid.left() + 2, lid.top() + 1.2), QPointF(lid.right() - 2, lid.top() + 1.2));

    CursorRibbon::drawBow(p, QPointF(w / 2, h * 0.28), w * 0.33, h * 0.26, wrap.ribbon);
    return canvas.finish(1.6, 0.55);
}

} // namespace CursorPresents
