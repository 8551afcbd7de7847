#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

#include <cstdint>
#include <vector>

class ArtRandom;

// Where a tree stands in its picture: a cone of drooping branches in tiers.
struct TreeShape {
    double centreX = 0;
    double apexY = 0;        // the very top of the crown, under the star
    double baseY = 0;        // height of the lowest branch roots
    double halfWidth = 0;    // reach of the lowest branches
    double trunkBottomY = 0; // where the trunk disappears into its stand
    int tiers = 5;
};

// What lies on the needles: nothing, fresh snow, or white rime.
enum class TreeCover { None, Snow, Frost };

struct TreePalette {
    QColor shadow; // deep inside the crown and on back branches
    QColor body;   // the usual needle colour
    QColor light;  // sunlit needles on the left and front
    QColor tip;    // young growth at the branch ends
    QColor trunk;
    TreeCover cover = TreeCover::None;
};

// The crown of a fir built from many needle-covered branches, drawn back to
// front so the tree has depth. Every frame of a tree paints the same crown,
// so only the decorations laid over it can move.
class TreeFoliage final {
public:
    TreeFoliage(const TreeShape& shape, const TreePalette& palette, std::uint64_t seed);

    void paint(QPainter& painter) const;

    // Half the width of the crown at a height (0 above the apex).
    double halfWidthAt(double y) const;

    // A spot on the side of the crown facing the viewer, between two
    // heights, no farther out than inset times the crown's half width.
    QPointF spotOnFront(ArtRandom& random, double yMin, double yMax, double inset) const;

    const TreeShape& shape() const { return m_shape; }

private:
    struct Branch {
        QPointF root;
        QPointF bend;
        QPointF tip;
        double depth;  // -1 at the back, +1 facing the viewer
        double order;  // painting order: back first, and upper branches over lower
        double shade;  // 0 dark .. 1 lit
        double needle; // needle length in pixels
        std::uint64_t seed;
    };

    double envelope(double t) const;
    void paintTrunk(QPainter& painter) const;
    void paintCore(QPainter& painter) const;
    void paintBranch(QPainter& painter, const Branch& branch) const;
    void paintSnow(QPainter& painter, const Branch& branch) const;

    TreeShape m_shape;
    TreePalette m_palette;
    std::vector<Branch> m_branches;
};
