#pragma once

#include <QImage>
#include <QLineF>

#include <map>
#include <random>
#include <utility>
#include <vector>

class QPainter;

// Paints the frost that creeps over the screen while the user is away: feathery
// ice ferns, small crystals and hoarfrost grown in from the edges, thickest in
// the corners, with sparkles. The middle stays clear, because the picture is
// finally shown fully opaque and the desktop must stay readable through it.
//
// The design is laid out on a screen 768 units high, so every size gets the
// same frost drawn at its own resolution rather than a scaled copy.
class FrostPainter final {
public:
    explicit FrostPainter(QSize size);

    QImage paint();

private:
    struct Stroke {
        int widthStep; // pen width in quarter pixels
        int alphaStep; // opacity in 1/32 steps
        bool operator<(const Stroke& other) const
        {
            return std::pair(widthStep, alphaStep) < std::pair(other.widthStep, other.alphaStep);
        }
    };

    double uniform();
    double uniform(double low, double high);

    // How thick the frost is at a pixel: 0 clear glass, 1 solid hoarfrost.
    double coverage(double x, double y) const;
    // Smooth noise in 0..1 at design-unit coordinates, the same on every size.
    double smoothNoise(double u, double v, int octaves) const;

    QPointF randomPoint();
    void seedFerns();
    void plantFern(QPointF start, double angle, double length, double width, double curl);
    void seedCrystals();
    void growFern(QPointF start, double angle, double length, double width, double curl, int depth);
    void growCrystal(QPointF centre, double radius, double turn);
    void addNeedle(QPointF from, QPointF to, double width, double alpha);

    QImage paintHaze() const;
    QImage paintNeedles() const;
    QImage glowAround(const QImage& needles) const;
    void paintSparkles(QPainter& painter);

    QSize m_size;
    double m_unit;
    std::mt19937 m_random;
    unsigned m_plantedFerns = 0;
    std::map<Stroke, std::vector<QLineF>> m_needles;
};
