#include "GarlandOverlap.h"
#include "PaintedPictures.h"
#include "PictureMeasures.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace PictureMeasures;

namespace {

// The garland windows lay these pictures edge to edge or overlapping by a
// fixed step and turn them by quarter turns for the other screen edges, so a
// wire or a rope that does not meet itself shows a break every few pixels
// all round the screen.

struct WiredPiece {
    int straight;
    int corner;
};

// Straight piece and corner piece of one colour and state, as a string pairs
// them: bulbs, strawberries and balls in every colour, unlit then lit.
const std::vector<WiredPiece>& wiredPieces()
{
    static const std::vector<WiredPiece> pieces = {
        {141, 139}, {142, 140}, {143, 149}, {144, 150}, {145, 151}, {146, 152}, {147, 153},
        {148, 154}, {157, 155}, {158, 156}, {162, 164}, {163, 165}, {173, 180}, {172, 179},
        {171, 178}, {170, 177}, {169, 176}, {168, 161}, {167, 175}, {166, 174}, {544, 497},
        {545, 499}, {504, 502}, {505, 503}, {508, 506}, {509, 507}, {512, 510}, {513, 511}};
    return pieces;
}

// Unlit and lit twins of every wired piece, the white string included.
const std::vector<std::pair<int, int>>& litTwins()
{
    static const std::vector<std::pair<int, int>> twins = {
        {141, 142}, {143, 144}, {145, 146}, {147, 148}, {157, 158}, {139, 140},
        {149, 150}, {151, 152}, {153, 154}, {155, 156}, {162, 163}, {173, 172},
        {171, 170}, {169, 168}, {167, 166}, {164, 165}, {180, 179}, {178, 177},
        {176, 161}, {175, 174}, {159, 160}, {544, 545}, {504, 505}, {508, 509},
        {512, 513}, {497, 499}, {502, 503}, {506, 507}, {510, 511}};
    return twins;
}

bool isCorner(int id)
{
    for (const WiredPiece& piece : wiredPieces())
        if (piece.corner == id)
            return true;
    return false;
}

// A wire crossing a side: both sides' alpha profiles agree pixel for pixel
// (the twist of the wire may differ in colour, its shape may not).
void expectSameCrossing(const std::vector<int>& a, const std::vector<int>& b)
{
    ASSERT_EQ(a.size(), b.size());
    int largest = 0;
    for (size_t i = 0; i < a.size(); ++i)
        largest = std::max(largest, std::abs(a[i] - b[i]));
    EXPECT_LE(largest, 8) << "the wire's edge differs by this much alpha";
    EXPECT_NEAR(alphaCentre(a), alphaCentre(b), 0.5) << "the wire crosses at another height";
    EXPECT_GE(alphaSum(a), 255) << "no wire reaches this side";
}

// Pieces laid at a step, each later one over the earlier, as the garland
// window draws a run of them.
QImage laidInARun(const QImage& piece, QPoint step, int count)
{
    const QSize size(piece.width() + step.x() * (count - 1),
                     piece.height() + step.y() * (count - 1));
    QImage run(size, QImage::Format_ARGB32_Premultiplied);
    run.fill(Qt::transparent);
    QPainter p(&run);
    for (int i = 0; i < count; ++i)
        p.drawImage(step * i, piece);
    return run;
}

class GarlandPieces : public ::testing::Test {
protected:
    static QImage picture(int id)
    {
        const QImage image = paintedPicture("garland", id);
        EXPECT_FALSE(image.isNull()) << "picture " << id;
        return image;
    }

    // Where two pieces overlap the run must look like one piece there: the
    // same needles or wire, not a denser band where two layers of soft
    // edges add up.
    static void expectOverlapLooksSingle(const QImage& piece, QPoint step, int overlap)
    {
        const QImage run = laidInARun(piece, step, 3);
        const int along = step.x() + step.y();
        int largest = 0;
        for (int i = 0; i < overlap; ++i)
            largest =
                std::max(largest, step.y() ? largestRowDifference(piece, i, run, along + i)
                                           : largestColumnDifference(piece, i, run, along + i));
        EXPECT_LE(largest, 12) << "where two pieces overlap they differ from one by this much";
    }
};

TEST_F(GarlandPieces, StraightPiecesJoinEdgeToEdge)
{
    std::vector<int> straight = {159, 160};
    for (const WiredPiece& piece : wiredPieces())
        straight.push_back(piece.straight);
    for (int id : straight) {
        SCOPED_TRACE(::testing::Message() << "straight piece " << id);
        const QImage image = picture(id);
        const auto left = alphaColumn(image, 0);
        expectSameCrossing(left, alphaColumn(image, image.width() - 1));
        // The wire runs along the inner side, the bulb hangs towards the screen edge.
        EXPECT_LT(alphaCentre(left), image.height() / 3.0);
    }
}

TEST_F(GarlandPieces, CornersMeetTheTurnedStraightPieces)
{
    for (const WiredPiece& piece : wiredPieces()) {
        SCOPED_TRACE(::testing::Message()
                     << "corner " << piece.corner << ", straight " << piece.straight);
        const QImage corner = picture(piece.corner);
        const QImage bottomEdge = picture(piece.straight);
        const QImage leftEdge = turned(bottomEdge, 1);
        const int last = corner.width() - 1;
        // Up into the last piece of the left edge, right into the first of the bottom edge.
        expectSameCrossing(alphaRow(corner, 0), alphaRow(leftEdge, last));
        expectSameCrossing(alphaColumn(corner, last), alphaColumn(bottomEdge, 0));
        // The other corners are this one turned with the straight pieces; one
        // more check that the turn keeps the join: the top-left corner.
        const QImage topLeft = turned(corner, 1);
        const QImage topEdge = turned(bottomEdge, 2);
        expectSameCrossing(alphaColumn(topLeft, last), alphaColumn(topEdge, 0));
        expectSameCrossing(alphaRow(topLeft, last), alphaRow(leftEdge, 0));
    }
}

TEST_F(GarlandPieces, LitHalosFadeBeforeTheSidesNeighboursTouch)
{
    for (const auto& [unlitId, litId] : litTwins()) {
        SCOPED_TRACE(::testing::Message() << "unlit " << unlitId << ", lit " << litId);
        const QImage unlit = picture(unlitId);
        const QImage lit = picture(litId);
        const int last = lit.width() - 1;
        std::vector<std::pair<std::vector<int>, std::vector<int>>> sides;
        // A straight piece has neighbours left and right and the desktop above;
        // a corner has its neighbours above and to the right.
        sides.push_back({alphaRow(unlit, 0), alphaRow(lit, 0)});
        sides.push_back({alphaColumn(unlit, last), alphaColumn(lit, last)});
        if (!isCorner(unlitId))
            sides.push_back({alphaColumn(unlit, 0), alphaColumn(lit, 0)});
        for (const auto& [off, on] : sides) {
            int largest = 0;
            for (size_t i = 0; i < off.size(); ++i)
                largest = std::max(largest, on[i] - off[i]);
            EXPECT_LE(largest, 3) << "the light is cut off at a side";
        }
    }
}

TEST_F(GarlandPieces, PineBranchTilesRepeatEveryThirtySixPixels)
{
    const QImage branch = picture(181);
    // Stored as a left-edge piece: tiles run down the screen 36 pixels apart.
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(largestRowDifference(branch, row, branch, 36 + row), 0)
            << "row " << row << " is not the same needles as row " << 36 + row;
    // The rope runs down the middle so that it lies on the screen edge's line
    // 12 pixels in, whichever way the tile is turned.
    EXPECT_NEAR(alphaCentroid(branch).x(), 24.0, 3.0);
}

TEST_F(GarlandPieces, PineSectionsRepeatEvery444Pixels)
{
    const QImage section = picture(182);
    for (int column = 0; column < 36; ++column)
        EXPECT_LE(largestColumnDifference(section, column, section, 444 + column), 12)
            << "column " << column << " differs from column " << 444 + column;
    for (int id : {185, 186}) {
        // The lights lie on the section's middle part only, so overlays never
        // meet and a light never ends in a straight cut.
        const QImage lights = picture(id);
        EXPECT_EQ(alphaSum(alphaColumn(lights, 0)), 0) << "overlay " << id;
        EXPECT_EQ(alphaSum(alphaColumn(lights, lights.width() - 1)), 0) << "overlay " << id;
    }
}

TEST_F(GarlandPieces, IcicleWiresLineUpEveryEightyPixels)
{
    const int wireBand = 14;
    auto wireAt = [&](const QImage& string, int x) {
        std::vector<int> profile;
        for (int y = 0; y < wireBand; ++y)
            profile.push_back(qAlpha(string.pixel(x, y)));
        return profile;
    };
    // Strings of any variant, lit or not, follow each other 80 pixels apart:
    // the wire of one goes on at the same height in the next.
    for (int left = 234; left <= 243; ++left) {
        for (int right = 234; right <= 243; ++right) {
            SCOPED_TRACE(::testing::Message() << "string " << left << " then " << right);
            expectSameCrossing(wireAt(picture(left), 79), wireAt(picture(right), 0));
        }
    }
    for (int id = 234; id <= 243; ++id) {
        SCOPED_TRACE(::testing::Message() << "string " << id);
        expectOverlapLooksSingle(picture(id), QPoint(80, 0), 20);
    }
}

TEST_F(GarlandPieces, OverlappingEndsAddUpToOneLayer)
{
    // A soft stripe across a 48-pixel tile: every alpha from clear to opaque.
    QImage painted(48, 48, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            const int alpha = (x * 255) / 47;
            painted.setPixel(x, y, qRgba(alpha / 3, alpha / 2, alpha / 5, alpha));
        }
    QImage tile = painted;
    shareGarlandOverlap(tile, Qt::Vertical, 12);
    // The ends alone are thinner than painted...
    EXPECT_LT(qAlpha(tile.pixel(24, 0)), qAlpha(painted.pixel(24, 0)));
    EXPECT_EQ(tile.pixel(24, 20), painted.pixel(24, 20));
    // ...and laid over each other, as a run lays them, give the painted rope.
    const QImage run = laidInARun(tile, QPoint(0, 36), 2);
    for (int row = 0; row < 12; ++row)
        EXPECT_LE(largestRowDifference(run, 36 + row, painted, row), 2) << "row " << row;
}

} // namespace
