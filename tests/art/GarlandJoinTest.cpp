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
const std::vector<WiredPiece> kWiredPieces = {
    {141, 139}, {142, 140}, {143, 149}, {144, 150}, {145, 151}, {146, 152}, {147, 153},
    {148, 154}, {157, 155}, {158, 156}, {162, 164}, {163, 165}, {173, 180}, {172, 179},
    {171, 178}, {170, 177}, {169, 176}, {168, 161}, {167, 175}, {166, 174}, {544, 497},
    {545, 499}, {504, 502}, {505, 503}, {508, 506}, {509, 507}, {512, 510}, {513, 511}};

// Unlit and lit twins of every garland picture that lights up: straight
// pieces, corners, and pictures that meet no neighbour.
using Twins = std::vector<std::pair<int, int>>;
const Twins kStraightTwins = {{141, 142}, {143, 144}, {145, 146}, {147, 148}, {157, 158},
                              {159, 160}, {162, 163}, {173, 172}, {171, 170}, {169, 168},
                              {167, 166}, {544, 545}, {504, 505}, {508, 509}, {512, 513}};
const Twins kCornerTwins = {{139, 140}, {149, 150}, {151, 152}, {153, 154}, {155, 156},
                            {164, 165}, {180, 179}, {178, 177}, {176, 161}, {175, 174},
                            {497, 499}, {502, 503}, {506, 507}, {510, 511}};
const Twins kSingleTwins = {{183, 184}, {185, 186}, {234, 235}, {236, 237}, {238, 239},
                            {240, 241}, {242, 243}, {519, 515}, {523, 521}};

QImage picture(int id)
{
    const QImage image = packedPicture(unsigned(id));
    EXPECT_FALSE(image.isNull()) << "picture " << id;
    return image;
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
    QImage run(piece.size() + QSize(step.x(), step.y()) * (count - 1),
               QImage::Format_ARGB32_Premultiplied);
    run.fill(Qt::transparent);
    QPainter p(&run);
    for (int i = 0; i < count; ++i)
        p.drawImage(step * i, piece);
    return run;
}

TEST(GarlandPieces, StraightPiecesJoinEdgeToEdge)
{
    for (const auto& [unlit, lit] : kStraightTwins) {
        for (int id : {unlit, lit}) {
            SCOPED_TRACE(::testing::Message() << "straight piece " << id);
            const QImage image = picture(id);
            const auto left = alphaColumn(image, 0);
            expectSameCrossing(left, alphaColumn(image, image.width() - 1));
            // The wire runs along the inner side, the bulb hangs towards the screen edge.
            EXPECT_LT(alphaCentre(left), image.height() / 3.0);
        }
    }
}

TEST(GarlandPieces, CornersMeetTheTurnedStraightPieces)
{
    for (const WiredPiece& piece : kWiredPieces) {
        SCOPED_TRACE(::testing::Message()
                     << "corner " << piece.corner << ", straight " << piece.straight);
        const QImage corner = picture(piece.corner);
        const QImage bottomEdge = picture(piece.straight);
        const QImage leftEdge = turned(bottomEdge, 1);
        // A corner reaches further along the edges than a straight piece; its
        // sides are compared where a straight piece would lie against the
        // screen edge: the start of a side along the left or top edge, the end
        // of one along the bottom edge.
        const int side = bottomEdge.width();
        const auto start = [side](std::vector<int> profile) {
            profile.resize(size_t(side));
            return profile;
        };
        const auto end = [side](const std::vector<int>& profile) {
            return std::vector<int>(profile.end() - side, profile.end());
        };
        const int last = corner.width() - 1;
        // Up into the last piece of the left edge, right into the first of the bottom edge.
        expectSameCrossing(start(alphaRow(corner, 0)), alphaRow(leftEdge, side - 1));
        expectSameCrossing(end(alphaColumn(corner, last)), alphaColumn(bottomEdge, 0));
        // The other corners are this one turned with the straight pieces; one
        // more check that the turn keeps the join: the top-left corner.
        const QImage topLeft = turned(corner, 1);
        const QImage topEdge = turned(bottomEdge, 2);
        expectSameCrossing(start(alphaColumn(topLeft, last)), alphaColumn(topEdge, 0));
        expectSameCrossing(start(alphaRow(topLeft, last)), alphaRow(leftEdge, 0));
        // Stored as the bottom-left corner: the light points there.
        const QPointF light = alphaCentroid(corner);
        EXPECT_LT(light.x(), corner.width() / 2.0);
        EXPECT_GT(light.y(), corner.height() / 2.0);
    }
}

// Where the layout leaves room between pieces (the globes and the snowflakes
// are spread with gaps, the white string's side columns stop short of its
// rows) the garland window stretches a short piece of the same wire over it:
// its cross-section must be the one the pieces show where they end.
TEST(GarlandPieces, JoiningWiresContinueThePiecesWire)
{
    const std::vector<std::pair<int, int>> joins = {{600, 159}, {600, 160}, {603, 544},
                                                    {603, 513}, {604, 521}, {604, 523}};
    for (const auto& [join, piece] : joins) {
        SCOPED_TRACE(::testing::Message() << "join " << join << ", piece " << piece);
        const QImage wire = picture(join);
        const QImage image = picture(piece);
        for (const int x : {0, image.width() - 1})
            expectSameCrossing(alphaColumn(wire, 0), alphaColumn(image, x));
    }
    // The white string's bends come down a side column's line from the
    // square's inner side: the bottom-left one down the left column, the
    // bottom-right one down the right.
    const QImage white = picture(159);
    const int last = white.width() - 1;
    expectSameCrossing(alphaRow(picture(601), 0), alphaRow(turned(white, 1), last));
    expectSameCrossing(alphaRow(picture(602), 0), alphaRow(turned(white, 3), last));
}

TEST(GarlandPieces, LitTwinsOutshineTheUnlitAndFadeBeforeTheSides)
{
    for (const Twins* twins : {&kStraightTwins, &kCornerTwins, &kSingleTwins}) {
        for (const auto& [unlitId, litId] : *twins) {
            SCOPED_TRACE(::testing::Message() << "unlit " << unlitId << ", lit " << litId);
            const QImage unlit = picture(unlitId);
            const QImage lit = picture(litId);
            ASSERT_EQ(unlit.size(), lit.size());
            EXPECT_GT(light(lit), light(unlit) * 1.1);
            if (twins == &kSingleTwins)
                continue;
            // A straight piece has neighbours left and right and the desktop above;
            // a corner has its neighbours above and to the right.
            const int last = lit.width() - 1;
            std::vector<std::pair<std::vector<int>, std::vector<int>>> sides = {
                {alphaRow(unlit, 0), alphaRow(lit, 0)},
                {alphaColumn(unlit, last), alphaColumn(lit, last)}};
            if (twins != &kCornerTwins)
                sides.push_back({alphaColumn(unlit, 0), alphaColumn(lit, 0)});
            for (const auto& [off, on] : sides) {
                int largest = 0;
                for (size_t i = 0; i < off.size(); ++i)
                    largest = std::max(largest, on[i] - off[i]);
                EXPECT_LE(largest, 3) << "the light is cut off at a side";
            }
        }
    }
    // The unlit glow is there to show nothing.
    const QImage glow = picture(519);
    EXPECT_EQ(meanAlpha(glow, glow.rect()), 0.0);
}

TEST(GarlandPieces, PineRepeatsAlongTheScreenEdge)
{
    const QImage branch = picture(181);
    // Stored as a left-edge piece: tiles run down the screen 36 pixels apart.
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(largestRowDifference(branch, row, branch, 36 + row), 0) << "row " << row;
    // The rope runs down the middle so that it lies on the screen edge's line
    // 12 pixels in, whichever way the tile is turned.
    EXPECT_NEAR(alphaCentroid(branch).x(), 24.0, 3.0);
    const QImage section = picture(182);
    for (int column = 0; column < 36; ++column)
        EXPECT_LE(largestColumnDifference(section, column, section, 444 + column), 12)
            << "column " << column;
    for (int id : {185, 186}) {
        // The lights lie on the section's middle part only, so overlays never
        // meet and a light never ends in a straight cut.
        const QImage lights = picture(id);
        EXPECT_EQ(alphaSum(alphaColumn(lights, 0)), 0) << "overlay " << id;
        EXPECT_EQ(alphaSum(alphaColumn(lights, lights.width() - 1)), 0) << "overlay " << id;
    }
}

TEST(GarlandPieces, IcicleStringsFollowEachOtherEveryEightyPixels)
{
    // Strings of any variant, lit or not, follow each other 80 pixels apart:
    // the wire of one goes on at the same height in the next.
    const auto wireAt = [](const QImage& string, int x) {
        std::vector<int> profile = alphaColumn(string, x);
        profile.resize(14);
        return profile;
    };
    for (int left = 234; left <= 243; ++left) {
        const QImage string = picture(left);
        // They hang from the top.
        EXPECT_LT(alphaCentroid(string).y(), string.height() / 2.0) << "string " << left;
        for (int right = 234; right <= 243; ++right) {
            SCOPED_TRACE(::testing::Message() << "string " << left << " then " << right);
            expectSameCrossing(wireAt(string, 79), wireAt(picture(right), 0));
        }
        // Where two strings overlap the run looks like one string there, not a
        // denser band where two layers of soft edges add up.
        const QImage run = laidInARun(string, QPoint(80, 0), 3);
        int largest = 0;
        for (int i = 0; i < 20; ++i)
            largest = std::max(largest, largestColumnDifference(string, i, run, 80 + i));
        EXPECT_LE(largest, 12) << "string " << left;
    }
}

} // namespace
