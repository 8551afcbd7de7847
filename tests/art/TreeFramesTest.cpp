#include "PaintedPictures.h"
#include "PictureMeasures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace PictureMeasures;

namespace {

struct TreeCycle {
    const char* name;
    std::vector<int> frames; // the distinct pictures in the order the window shows them
};

void PrintTo(const TreeCycle& cycle, std::ostream* out)
{
    *out << cycle.name;
}

// Middle of the pixels that are fully solid: the tree's body, without the
// soft glow of its lights.
QPointF solidCentre(const QImage& frame)
{
    double sx = 0, sy = 0, count = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (qAlpha(frame.pixel(x, y)) >= 250) {
                sx += x;
                sy += y;
                ++count;
            }
    return count > 0 ? QPointF(sx / count, sy / count) : QPointF(-1, -1);
}

// Share of the tree's pixels that turn from mostly opaque to mostly clear or back.
double solidFlips(const QImage& a, const QImage& b)
{
    long covered = 0, flipped = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const bool inA = qAlpha(a.pixel(x, y)) >= 128, inB = qAlpha(b.pixel(x, y)) >= 128;
            covered += inA || inB;
            flipped += inA != inB;
        }
    return covered > 0 ? double(flipped) / covered : 1.0;
}

class TreeFrames : public ::testing::TestWithParam<TreeCycle> {};

TEST_P(TreeFrames, OnlyTheLightsChangeFromFrameToFrame)
{
    // The window swaps pictures in place: if the tree itself moved between
    // frames it would jump on the desktop.
    const auto& frames = GetParam().frames;
    for (size_t i = 0; i < frames.size(); ++i) {
        const int from = frames[i], to = frames[(i + 1) % frames.size()];
        SCOPED_TRACE(::testing::Message() << "from " << from << " to " << to);
        const QImage a = paintedPicture("tree", from), b = paintedPicture("tree", to);
        ASSERT_FALSE(a.isNull());
        ASSERT_EQ(a.size(), b.size());
        // Lights, glints and sweeps of light may change; most of the picture may not.
        EXPECT_LT(changedShare(a, b, 24), 0.15);
        // The solid body of the tree stays where it is.
        EXPECT_LT(solidFlips(a, b), 0.03);
        const QPointF ca = solidCentre(a), cb = solidCentre(b);
        EXPECT_NEAR(ca.x(), cb.x(), 1.0);
        EXPECT_NEAR(ca.y(), cb.y(), 1.0);
    }
}

TEST_P(TreeFrames, BorderIsClear)
{
    // The window is the picture's rectangle; anything on its border would
    // show as a cut edge on the desktop.
    for (int id : GetParam().frames) {
        const QImage frame = paintedPicture("tree", id);
        ASSERT_FALSE(frame.isNull()) << "picture " << id;
        const int last = frame.width() - 1, bottom = frame.height() - 1;
        EXPECT_EQ(alphaSum(alphaRow(frame, 0)), 0) << "top of " << id;
        EXPECT_EQ(alphaSum(alphaRow(frame, bottom)), 0) << "bottom of " << id;
        EXPECT_EQ(alphaSum(alphaColumn(frame, 0)), 0) << "left of " << id;
        EXPECT_EQ(alphaSum(alphaColumn(frame, last)), 0) << "right of " << id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryTree, TreeFrames,
    ::testing::Values(TreeCycle{"Bow", {311, 312}},
                      TreeCycle{"Hoarfrost", {321, 322, 323, 324, 325}},
                      TreeCycle{"Joy", {313, 314, 315, 316, 317, 318}},
                      TreeCycle{"Silver", {295, 296, 297, 298, 299, 300, 301, 302, 303, 304}},
                      TreeCycle{"Snowy", {319, 320}}),
    [](const ::testing::TestParamInfo<TreeCycle>& tree) { return std::string(tree.param.name); });

} // namespace
