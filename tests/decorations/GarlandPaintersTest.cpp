#include "GarlandHarness.h"
#include "decorations/CaseName.h"
#include "decorations/PaintedPixels.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>

namespace {

// The eleven garlands laid out on a 1920x1040 window (a 1080-line screen less
// its panel), steady on. A run is a stretch of pictures of one kind turned the
// same way, that is one edge or one corner: straight pieces hang from the top
// edge turned twice, down the right edge three times, along the bottom as
// stored and up the left edge once; corners turn once at the top left, twice
// at the top right, three times at the bottom right and not at all at the
// bottom left. The pine pieces are stored for the left edge, so their turns
// are one less.

struct Run {
    Group group;
    int turns;
    int count;
    QPoint first;
    QPoint last;
    bool operator==(const Run&) const = default;
};

struct PainterCase {
    const char* name;
    int type;
    // The bulbs' sections in drawing order: {section, how many bulbs in a row}.
    std::vector<std::pair<int, int>> sections;
};

// The bulb garlands with corner pieces (multicolor, blue and their
// strawberry kinds) share one layout.
// The corner pieces are larger than the straight ones and placed by their own size.
const std::vector<Run> kCornered = {{Group::Corner, 1, 1, {0, 0}, {0, 0}},
                                    {Group::Straight, 2, 38, {48, 0}, {1824, 0}},
                                    {Group::Corner, 2, 1, {1848, 0}, {1848, 0}},
                                    {Group::Straight, 3, 19, {1872, 64}, {1872, 928}},
                                    {Group::Corner, 3, 1, {1848, 968}, {1848, 968}},
                                    {Group::Straight, 0, 38, {1824, 992}, {48, 992}},
                                    {Group::Corner, 0, 1, {0, 968}, {0, 968}},
                                    {Group::Straight, 1, 19, {0, 928}, {0, 64}}};
const std::vector<std::pair<int, int>> kCorneredSections = {{1, 39}, {2, 20}, {3, 39}, {4, 20}};

const std::vector<PainterCase>& painterCases()
{
    static const std::vector<PainterCase> cases = {
        {"Multicolor", 0, kCorneredSections},
        {"Blue", 1, kCorneredSections},
        {"White", 2, {{1, 60}, {2, 30}, {3, 60}, {4, 30}}},
        {"MulticolorStrawberry", 3, kCorneredSections},
        {"BlueStrawberry", 4, kCorneredSections},
        {"Pine", 5, {{1, 40}, {2, 21}, {3, 40}, {4, 21}}},
        {"ChristmasPine", 6, {{1, 5}, {2, 22}, {3, 40}, {4, 22}}},
        {"Icicle", 7, {{1, 5}, {2, 6}, {3, 4}, {4, 8}}},
        {"Ball", 8, {{4, 1}, {1, 18}, {2, 10}, {3, 18}, {4, 9}}},
        {"Backlight", 9, {{4, 1}, {1, 19}, {2, 11}, {3, 19}, {4, 10}}},
        {"Snowflake", 10, {{1, 10}, {2, 7}, {3, 10}, {4, 7}}},
    };
    return cases;
}

// The lit picture of each colour along the string, by kind of piece: bulb n
// shows colour (n - 1) modulo the number of colours.
std::vector<int> litPalette(int type, Group group)
{
    using Palettes = std::map<Group, std::vector<int>>;
    static const std::vector<Palettes> palettes = {
        {{Group::Straight, {1, 3, 5, 7, 9}}, {Group::Corner, {11, 13, 15, 17, 19}}},
        {{Group::Straight, {1}}, {Group::Corner, {11}}},
        {{Group::Straight, {21}}},
        {{Group::Straight, {23, 25, 27, 29, 31}}, {Group::Corner, {33, 35, 37, 39, 41}}},
        {{Group::Straight, {23}}, {Group::Corner, {33}}},
        {{Group::PineLight, {44}}},
        {{Group::SectionLights, {47}}, {Group::PineLight, {44}}},
        {{Group::Icicle, {49, 51, 53, 55, 57}}},
        {{Group::Straight, {59, 61, 65, 63}}, {Group::Corner, {67, 69, 73, 71}}},
        {{Group::Straight, {74, 75, 77, 76}}},
        {{Group::Straight, {79, 80, 81, 82}}}};
    const Palettes& palette = palettes.at(type);
    const auto found = palette.find(group);
    return found == palette.end() ? std::vector<int>{} : found->second;
}

int unlitTwin(int litSlot)
{
    if (litSlot >= 74 && litSlot <= 77)
        return 78;
    if (litSlot >= 79 && litSlot <= 82)
        return 83;
    return litSlot - 1;
}

std::vector<Run> runsOf(const std::vector<Drawn>& draws)
{
    std::vector<Run> runs;
    for (const Drawn& drawn : draws) {
        const Group group = groupOf(drawn.slot);
        if (!runs.empty() && runs.back().group == group && runs.back().turns == drawn.turns) {
            ++runs.back().count;
            runs.back().last = drawn.position;
        } else {
            runs.push_back({group, drawn.turns, 1, drawn.position, drawn.position});
        }
    }
    return runs;
}

class GarlandPainter : public GarlandTest, public ::testing::WithParamInterface<PainterCase> {
protected:
    void SetUp() override
    {
        useWindowSize({1920, 1040});
        createGarland(QString::fromLatin1(kGarlandKeys.at(static_cast<size_t>(GetParam().type))));
    }

    // Whether each bulb is lit, checking that it shows the colour its number gives.
    std::vector<bool> litBulbs(const std::string& what)
    {
        std::vector<bool> lit;
        const std::vector<Drawn> bulbs = bulbsOf(m_lights);
        for (size_t i = 0; i < bulbs.size(); ++i) {
            const std::vector<int> palette = litPalette(GetParam().type, groupOf(bulbs[i].slot));
            const int litSlot = palette.empty() ? -2 : palette[i % palette.size()];
            EXPECT_TRUE(bulbs[i].slot == litSlot || bulbs[i].slot == unlitTwin(litSlot))
                << what << ", bulb " << i + 1 << " shows slot " << bulbs[i].slot;
            lit.push_back(bulbs[i].slot == litSlot);
        }
        return lit;
    }
};

TEST_P(GarlandPainter, LightsTheBulbsTheFlashModeAndPhaseChoose)
{
    std::vector<int> sections;
    for (const auto& [section, count] : GetParam().sections)
        sections.insert(sections.end(), count, section);
    const std::vector<std::pair<int, int>> states = {{0, 0}, {0, 2}, {1, 0}, {1, 1},
                                                     {2, 0}, {2, 1}, {2, 3}, {3, 0},
                                                     {3, 1}, {3, 2}, {3, 3}, {5, 1}};
    for (const auto& [mode, phase] : states) {
        std::vector<bool> expected;
        for (size_t i = 0; i < sections.size(); ++i) {
            const bool odd = i % 2 == 0; // bulb numbers start at one
            const bool lit[] = {true, phase != 0, phase == 0 ? odd : !odd,
                                sections[i] == phase + 1};
            expected.push_back(mode < 4 && lit[mode]);
        }
        drawAt(mode, phase);
        const std::string what = "mode " + std::to_string(mode) + " phase " + std::to_string(phase);
        EXPECT_EQ(litBulbs(what), expected) << what;
    }
}

TEST_P(GarlandPainter, RandomModeLightsAMixThatChangesFromFrameToFrame)
{
    drawAt(4, 0, 7);
    const std::vector<bool> first = litBulbs("seed 7");
    drawAt(4, 0, 2024);
    const std::vector<bool> second = litBulbs("seed 2024");
    EXPECT_NE(std::count(first.begin(), first.end(), true), 0);
    EXPECT_NE(std::count(first.begin(), first.end(), false), 0);
    EXPECT_NE(first, second);
}

INSTANTIATE_TEST_SUITE_P(Garlands, GarlandPainter, ::testing::ValuesIn(painterCases()), CaseName());

// Every layout covers each edge (below); this one also pins which way each
// edge's and corner's pictures are turned.
TEST_F(GarlandTest, CorneredBulbsTurnEachEdgeAndCornerItsOwnWay)
{
    useWindowSize({1920, 1040});
    createGarland(QStringLiteral("multicolor"));
    drawAt(0, 0);
    EXPECT_EQ(runsOf(drawsOf(m_lights)), kCornered);
}

// ---- The bulb garlands with corner pieces on a screen they do not fill ----

using CentringCase = std::tuple<const char*, QSize>;

class GarlandCentring : public GarlandTest, public ::testing::WithParamInterface<CentringCase> {};

// The room a row of bulbs leaves between the corners is shared between its
// two ends, so no edge shows a gap at one corner only.
TEST_P(GarlandCentring, EachEdgesRowSitsInTheMiddleOfItsEdge)
{
    const auto& [key, size] = GetParam();
    useWindowSize(size);
    createGarland(QString::fromLatin1(key));
    drawAt(0, 0);
    // The straight bulbs of each edge, told apart by their turn: top, right,
    // bottom, left.
    std::map<int, QRect> rows;
    const std::vector<Drawn> draws = drawsOf(m_lights);
    const auto& items = m_lights.lastDrawing().items();
    for (size_t i = 0; i < items.size(); ++i)
        if (groupOf(draws[i].slot) == Group::Straight)
            rows[draws[i].turns] |= items[i].transform.mapRect(items[i].target).toAlignedRect();
    ASSERT_EQ(rows.size(), 4u);
    for (const auto& [turns, name] : {std::pair{2, "top"}, std::pair{0, "bottom"}}) {
        const QRect& row = rows[turns];
        const int before = row.left(), after = size.width() - 1 - row.right();
        EXPECT_LE(std::abs(before - after), 1)
            << name << " row: " << before << " px left, " << after << " px right";
    }
    for (const auto& [turns, name] : {std::pair{3, "right"}, std::pair{1, "left"}}) {
        const QRect& column = rows[turns];
        const int before = column.top(), after = size.height() - 1 - column.bottom();
        EXPECT_LE(std::abs(before - after), 1)
            << name << " column: " << before << " px above, " << after << " px below";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Garlands, GarlandCentring,
    ::testing::Combine(::testing::Values(kGarlandMulticolor, kGarlandBlue,
                                         kGarlandMulticolorStrawberry, kGarlandBlueStrawberry),
                       ::testing::Values(QSize(1366, 728), QSize(1600, 860), QSize(1023, 767))),
    [](const ::testing::TestParamInfo<CentringCase>& testCase) {
        const QSize size = std::get<1>(testCase.param);
        return KeyCaseName::withoutUnderscores(std::get<0>(testCase.param)) + "On" +
               std::to_string(size.width()) + "x" + std::to_string(size.height());
    });

// ---- Any other size: what holds for every layout ----

class GarlandOddSize : public GarlandTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(GarlandOddSize, LightsEveryEdgeWithinTheWindowWithoutOverlapsEvenly)
{
    const QRect window(0, 0, 1366, 767);
    useWindowSize(window.size());
    createGarland(QString::fromLatin1(GetParam()));
    const bool allEdges = std::string(GetParam()) != "icicle"; // icicles hang from the top only
    for (const int mode : {0, 2}) {
        drawAt(mode, 0);
        const QImage& frame = m_lights.frameImage();
        ASSERT_EQ(frame.size(), window.size());
        const int band = 16;
        EXPECT_GT(paintedPixels(frame, QRect(0, 0, 1366, band)), 0) << "top";
        EXPECT_EQ(paintedPixels(frame, QRect(1366 - band, 200, band, 367)) > 0, allEdges)
            << "right";
        EXPECT_EQ(paintedPixels(frame, QRect(200, 767 - band, 966, band)) > 0, allEdges)
            << "bottom";
        EXPECT_EQ(paintedPixels(frame, QRect(0, 200, band, 367)) > 0, allEdges) << "left";
        EXPECT_EQ(paintedPixels(frame, QRect(400, 350, 566, 67)), 0) << "middle";
    }
    // Every bulb shows at least in part and no two share a place; the left
    // and right halves carry as many bulbs, give or take one corner.
    std::set<std::pair<int, int>> places;
    int leftHalf = 0, rightHalf = 0;
    const std::vector<Drawn> draws = drawsOf(m_lights);
    const auto& items = m_lights.lastDrawing().items();
    for (size_t i = 0; i < items.size(); ++i) {
        const QRect box = items[i].transform.mapRect(items[i].target).toAlignedRect();
        if (!isBulb(draws[i].slot))
            continue;
        EXPECT_TRUE(box.intersects(window)) << "bulb " << i;
        EXPECT_TRUE(places.insert({box.x(), box.y()}).second) << "bulb at " << box.x();
        ++(box.center().x() < window.width() / 2 ? leftHalf : rightHalf);
    }
    EXPECT_LE(std::abs(leftHalf - rightHalf), 2) << leftHalf << " left, " << rightHalf << " right";
}

INSTANTIATE_TEST_SUITE_P(Garlands, GarlandOddSize, ::testing::ValuesIn(kGarlandKeys),
                         KeyCaseName());

// Where the layout leaves room between pieces, or a side column stops short
// of the rows, the garland's wire still runs on: along every edge, a band at
// the wire's depth shows it in every column or row.
TEST_F(GarlandTest, WiresRunUnbrokenAlongEveryEdge)
{
    const QSize size(1366, 767);
    useWindowSize(size);
    struct Wire {
        const char* key;
        int near, far; // depth of the band from the screen edge
        int corner;    // how far from each corner the band is looked at
    };
    for (const Wire wire :
         {Wire{"white", 24, 28, 26}, Wire{"ball", 66, 84, 96}, Wire{"snowflake", 1, 5, 0}}) {
        SCOPED_TRACE(wire.key);
        m_lights.DestroyWindow();
        createGarland(QString::fromLatin1(wire.key));
        drawAt(0, 0);
        const QImage& frame = m_lights.frameImage();
        const int depth = wire.far - wire.near + 1;
        const int w = size.width(), h = size.height();
        int breaks = 0;
        for (int x = wire.corner; x < w - wire.corner; ++x) {
            breaks += paintedPixels(frame, QRect(x, wire.near, 1, depth), 127) == 0;
            breaks += paintedPixels(frame, QRect(x, h - 1 - wire.far, 1, depth), 127) == 0;
        }
        for (int y = wire.corner; y < h - wire.corner; ++y) {
            breaks += paintedPixels(frame, QRect(wire.near, y, depth, 1), 127) == 0;
            breaks += paintedPixels(frame, QRect(w - 1 - wire.far, y, depth, 1), 127) == 0;
        }
        EXPECT_EQ(breaks, 0);
    }
}

// ---- Turning pictures ----

TEST(GarlandPictureTurning, QuarterTurnsGoClockwise)
{
    // A 3x2 picture with one red pixel at its bottom-left.
    QImage stored(3, 2, QImage::Format_ARGB32_Premultiplied);
    stored.fill(Qt::transparent);
    stored.setPixel(0, 1, qRgba(255, 0, 0, 255));
    TurnablePicture picture(stored);
    const qint64 stored0 = picture.orientation(0).cacheKey();
    for (int turns = 1; turns <= 3; ++turns) {
        picture.RotateFlip(1);
        EXPECT_EQ(picture.image(), stored.transformed(QTransform().rotate(90 * turns))) << turns;
    }
    // A whole turn gives back the very picture, not a copy.
    picture.RotateFlip(1);
    EXPECT_EQ(picture.turns(), 0);
    EXPECT_EQ(picture.image().cacheKey(), stored0);
}

} // namespace
