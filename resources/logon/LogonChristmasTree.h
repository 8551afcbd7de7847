#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

#include <vector>

class ArtRandom;

// How a decorated tree looks: its needles, baubles, lights and star.
struct ChristmasTreeStyle {
    QColor needleDark;
    QColor needleLight;
    std::vector<QColor> baubles;
    std::vector<QColor> lights;
    QColor star;
    double frost = 0.0; // 0 green needles .. 1 white-tipped with hoarfrost
    int baubleCount = 34;
    int lightCount = 120;
};

// A full decorated fir standing on `base` (the foot of its trunk).
void paintChristmasTree(QPainter& p, ArtRandom& rng, QPointF base, double height,
                        const ChristmasTreeStyle& style);

// A wrapped present with a ribbon and a bow.
void paintPresent(QPainter& p, const QRectF& box, const QColor& paper, const QColor& ribbon);
