#include "GarlandHarness.h"

#include "platform/RuntimeLibrary.h"

#include <map>
#include <ostream>

namespace {

// The eleven garlands laid out on a 1920x1040 window (a 1080-line screen less
// its panel) and on an odd 1366x767 one, steady on. A run is a stretch of
// pictures of one kind turned the same way, that is one edge or one corner:
// straight pieces hang from the top edge turned twice, down the right edge
// three times, along the bottom as stored and up the left edge once; corners
// turn once at the top left, twice at the top right, three times at the
// bottom right and not at all at the bottom left. The pine pieces are stored
// for the left edge, so their turns are one less.

struct Run {
    Group group;
    int turns;
    int count;
    QPoint first;
    QPoint last;
    bool operator==(const Run&) const = default;
};

void PrintTo(const Run& run, std::ostream* out)
{
    *out << "{group " << static_cast<int>(run.group) << ", turns " << run.turns << ", count "
         << run.count << ", first (" << run.first.x() << ", " << run.first.y() << "), last ("
         << run.last.x() << ", " << run.last.y() << ")}";
}

struct PainterCase {
    const char* name;
    int type;
    QSize size;
    std::vector<Run> runs;
    // The bulbs' sections in drawing order: {section, how many bulbs in a row}.
    std::vector<std::pair<int, int>> sections;
};

void PrintTo(const PainterCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

// The bulb garlands with corner pieces (multicolor, blue and their
// strawberry kinds) share one layout per window size.
const std::vector<Run> kCornered1920 = {{Group::Corner, 1, 1, {0, 0}, {0, 0}},
                                        {Group::Straight, 2, 38, {48, 0}, {1824, 0}},
                                        {Group::Corner, 2, 1, {1872, 0}, {1872, 0}},
                                        {Group::Straight, 3, 19, {1872, 64}, {1872, 928}},
                                        {Group::Corner, 3, 1, {1872, 992}, {1872, 992}},
                                        {Group::Straight, 0, 38, {1824, 992}, {48, 992}},
                                        {Group::Corner, 0, 1, {0, 992}, {0, 992}},
                                        {Group::Straight, 1, 19, {0, 928}, {0, 64}}};
const std::vector<Run> kCornered1366 = {{Group::Corner, 1, 1, {0, 0}, {0, 0}},
                                        {Group::Straight, 2, 26, {59, 0}, {1259, 0}},
                                        {Group::Corner, 2, 1, {1318, 0}, {1318, 0}},
                                        {Group::Straight, 3, 13, {1318, 71}, {1318, 647}},
                                        {Group::Corner, 3, 1, {1318, 719}, {1318, 719}},
                                        {Group::Straight, 0, 26, {1259, 719}, {59, 719}},
                                        {Group::Corner, 0, 1, {0, 719}, {0, 719}},
                                        {Group::Straight, 1, 13, {0, 648}, {0, 72}}};
const std::vector<std::pair<int, int>> kCorneredSections1920 = {{1, 39}, {2, 20}, {3, 39}, {4, 20}};
const std::vector<std::pair<int, int>> kCorneredSections1366 = {{1, 27}, {2, 14}, {3, 27}, {4, 14}};

const std::vector<PainterCase>& painterCases()
{
    static const std::vector<PainterCase> cases = {
        {"Multicolor1920x1040", 0, {1920, 1040}, kCornered1920, kCorneredSections1920},
        {"Multicolor1366x767", 0, {1366, 767}, kCornered1366, kCorneredSections1366},
        {"Blue1920x1040", 1, {1920, 1040}, kCornered1920, kCorneredSections1920},
        {"Blue1366x767", 1, {1366, 767}, kCornered1366, kCorneredSections1366},
        {"White1920x1040",
         2,
         {1920, 1040},
         {{Group::Straight, 2, 60, {0, 0}, {1888, 0}},
          {Group::Straight, 3, 30, {1888, 40}, {1888, 968}},
          {Group::Straight, 0, 60, {1888, 1008}, {0, 1008}},
          {Group::Straight, 1, 30, {0, 968}, {0, 40}}},
         {{1, 60}, {2, 30}, {3, 60}, {4, 30}}},
        {"White1366x767",
         2,
         {1366, 767},
         {{Group::Straight, 2, 42, {11, 0}, {1323, 0}},
          {Group::Straight, 3, 21, {1334, 47}, {1334, 687}},
          {Group::Straight, 0, 42, {1323, 735}, {11, 735}},
          {Group::Straight, 1, 21, {0, 688}, {0, 48}}},
         {{1, 42}, {2, 21}, {3, 42}, {4, 21}}},
        {"MulticolorStrawberry1920x1040", 3, {1920, 1040}, kCornered1920, kCorneredSections1920},
        {"MulticolorStrawberry1366x767", 3, {1366, 767}, kCornered1366, kCorneredSections1366},
        {"BlueStrawberry1920x1040", 4, {1920, 1040}, kCornered1920, kCorneredSections1920},
        {"BlueStrawberry1366x767", 4, {1366, 767}, kCornered1366, kCorneredSections1366},
        {"Pine1920x1040",
         5,
         {1920, 1040},
         {{Group::Branch, 1, 55, {-12, -12}, {1932, -12}},
          {Group::Branch, 2, 30, {1884, -12}, {1884, 1032}},
          {Group::Branch, 3, 55, {-12, 1004}, {1932, 1004}},
          {Group::Branch, 0, 30, {-12, 1052}, {-12, 8}},
          {Group::PineLight, 1, 40, {0, -12}, {1872, -12}},
          {Group::PineLight, 2, 21, {1884, 16}, {1884, 976}},
          {Group::PineLight, 3, 40, {1872, 1004}, {0, 1004}},
          {Group::PineLight, 0, 21, {-12, 976}, {-12, 16}}},
         {{1, 40}, {2, 21}, {3, 40}, {4, 21}}},
        {"Pine1366x767",
         5,
         {1366, 767},
         {{Group::Branch, 1, 39, {-12, -12}, {1356, -12}},
          {Group::Branch, 2, 22, {1330, -12}, {1330, 744}},
          {Group::Branch, 3, 39, {-12, 731}, {1356, 731}},
          {Group::Branch, 0, 22, {-12, 779}, {-12, 23}},
          {Group::PineLight, 1, 28, {11, -12}, {1307, -12}},
          {Group::PineLight, 2, 15, {1330, 23}, {1330, 695}},
          {Group::PineLight, 3, 28, {1307, 731}, {11, 731}},
          {Group::PineLight, 0, 15, {-12, 696}, {-12, 24}}},
         {{1, 28}, {2, 15}, {3, 28}, {4, 15}}},
        {"ChristmasPine1920x1040",
         6,
         {1920, 1040},
         {{Group::Branch, 0, 60, {-12, -12}, {1884, 1032}},
          {Group::Branch, 3, 55, {-12, 1004}, {1932, 1004}},
          {Group::PineSection, 0, 5, {-150, -24}, {1626, -24}},
          {Group::SectionLights, 0, 5, {-150, -24}, {1626, -24}},
          {Group::PineLight, 0, 22, {1884, 0}, {1884, 1008}},
          {Group::PineLight, 3, 40, {1872, 1004}, {0, 1004}},
          {Group::PineLight, 0, 22, {-12, 992}, {-12, -16}}},
         {{1, 5}, {2, 22}, {3, 40}, {4, 22}}},
        {"ChristmasPine1366x767",
         6,
         {1366, 767},
         {{Group::Branch, 0, 44, {-12, -12}, {1330, 744}},
          {Group::Branch, 3, 39, {-12, 731}, {1356, 731}},
          {Group::PineSection, 0, 4, {-205, -24}, {1127, -24}},
          {Group::SectionLights, 0, 4, {-205, -24}, {1127, -24}},
          {Group::PineLight, 0, 16, {1330, 0}, {1330, 720}},
          {Group::PineLight, 3, 28, {1307, 731}, {11, 731}},
          {Group::PineLight, 0, 16, {-12, 719}, {-12, -1}}},
         {{1, 4}, {2, 16}, {3, 28}, {4, 16}}},
        {"Icicle1920x1040",
         7,
         {1920, 1040},
         {{Group::Icicle, 0, 23, {20, 0}, {1780, 0}}},
         {{1, 5}, {2, 6}, {3, 4}, {4, 8}}},
        {"Icicle1366x767",
         7,
         {1366, 767},
         {{Group::Icicle, 0, 16, {23, 0}, {1223, 0}}},
         {{1, 4}, {2, 4}, {3, 4}, {4, 4}}},
        {"Ball1920x1040",
         8,
         {1920, 1040},
         {{Group::Corner, 1, 1, {0, 0}, {0, 0}},
          {Group::Straight, 2, 18, {96, 0}, {1728, 0}},
          {Group::Corner, 2, 1, {1824, 0}, {1824, 0}},
          {Group::Straight, 3, 8, {1824, 104}, {1824, 832}},
          {Group::Corner, 3, 1, {1824, 944}, {1824, 944}},
          {Group::Straight, 0, 18, {1728, 944}, {96, 944}},
          {Group::Corner, 0, 1, {0, 944}, {0, 944}},
          {Group::Straight, 1, 8, {0, 840}, {0, 112}}},
         {{4, 1}, {1, 18}, {2, 10}, {3, 18}, {4, 9}}},
        {"Ball1366x767",
         8,
         {1366, 767},
         {{Group::Corner, 1, 1, {0, 0}, {0, 0}},
          {Group::Straight, 2, 12, {97, 0}, {1164, 0}},
          {Group::Corner, 2, 1, {1270, 0}, {1270, 0}},
          {Group::Straight, 3, 5, {1270, 111}, {1270, 555}},
          {Group::Corner, 3, 1, {1270, 671}, {1270, 671}},
          {Group::Straight, 0, 12, {1173, 671}, {106, 671}},
          {Group::Corner, 0, 1, {0, 671}, {0, 671}},
          {Group::Straight, 1, 5, {0, 560}, {0, 116}}},
         {{4, 1}, {1, 12}, {2, 7}, {3, 12}, {4, 6}}},
        {"Backlight1920x1040",
         9,
         {1920, 1040},
         {{Group::Straight, 2, 21, {-48, 0}, {1872, 0}},
          {Group::Straight, 3, 10, {1824, 56}, {1824, 992}},
          {Group::Straight, 0, 20, {1776, 944}, {-48, 944}},
          {Group::Straight, 1, 9, {0, 888}, {0, 56}}},
         {{4, 1}, {1, 19}, {2, 11}, {3, 19}, {4, 10}}},
        {"Backlight1366x767",
         9,
         {1366, 767},
         {{Group::Straight, 2, 15, {-48, 0}, {1318, 0}},
          {Group::Straight, 3, 7, {1270, 61}, {1270, 719}},
          {Group::Straight, 0, 14, {1221, 671}, {-48, 671}},
          {Group::Straight, 1, 6, {0, 610}, {0, 65}}},
         {{4, 1}, {1, 13}, {2, 8}, {3, 13}, {4, 7}}},
        {"Snowflake1920x1040",
         10,
         {1920, 1040},
         {{Group::Straight, 2, 10, {124, 0}, {1636, 0}},
          {Group::Straight, 3, 7, {1764, -44}, {1764, 928}},
          {Group::Straight, 0, 10, {1640, 884}, {128, 884}},
          {Group::Straight, 1, 7, {0, 928}, {0, -44}}},
         {{1, 10}, {2, 7}, {3, 10}, {4, 7}}},
        {"Snowflake1366x767",
         10,
         {1366, 767},
         {{Group::Straight, 2, 7, {118, 0}, {1090, 0}},
          {Group::Straight, 3, 5, {1210, -44}, {1210, 655}},
          {Group::Straight, 0, 7, {1092, 611}, {120, 611}},
          {Group::Straight, 1, 5, {0, 655}, {0, -44}}},
         {{1, 7}, {2, 5}, {3, 7}, {4, 5}}},
    };
    return cases;
}

const char* keyOf(int type)
{
    return kGarlandKeys.at(static_cast<size_t>(type));
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

std::vector<int> sectionsOf(const PainterCase& testCase)
{
    std::vector<int> sections;
    for (const auto& [section, count] : testCase.sections)
        sections.insert(sections.end(), count, section);
    return sections;
}

class GarlandPainter : public GarlandTest, public ::testing::WithParamInterface<PainterCase> {
protected:
    void SetUp() override
    {
        useWindowSize(GetParam().size);
        createGarland(QString::fromLatin1(keyOf(GetParam().type)));
        ASSERT_EQ(m_lights.m_rcWindow.size(), GetParam().size);
        ASSERT_EQ(m_lights.m_nType, GetParam().type);
    }

    // Every bulb shows the colour its number gives, lit or unlit as expected.
    void expectBulbs(const std::vector<bool>& lit, const std::string& what)
    {
        const std::vector<Drawn> bulbs = bulbsOf(m_lights);
        ASSERT_EQ(bulbs.size(), lit.size()) << what;
        for (size_t i = 0; i < bulbs.size(); ++i) {
            const std::vector<int> palette = litPalette(GetParam().type, groupOf(bulbs[i].slot));
            ASSERT_FALSE(palette.empty()) << what << ", bulb " << i + 1;
            const int litSlot = palette[i % palette.size()];
            EXPECT_EQ(bulbs[i].slot, lit[i] ? litSlot : unlitTwin(litSlot))
                << what << ", bulb " << i + 1;
        }
    }
};

TEST_P(GarlandPainter, LaysOutEveryEdgeAndCorner)
{
    drawAt(0, 0);
    EXPECT_EQ(runsOf(drawsOf(m_lights)), GetParam().runs);
}

TEST_P(GarlandPainter, LightsTheBulbsTheFlashModeAndPhaseChoose)
{
    const std::vector<int> sections = sectionsOf(GetParam());
    struct State {
        int mode;
        int phase;
    };
    const std::vector<State> states = {{0, 0}, {0, 2}, {1, 0}, {1, 1}, {2, 0}, {2, 1},
                                       {2, 3}, {3, 0}, {3, 1}, {3, 2}, {3, 3}, {5, 1}};
    for (const auto& [mode, phase] : states) {
        std::vector<bool> lit;
        for (size_t i = 0; i < sections.size(); ++i) {
            const int number = static_cast<int>(i) + 1;
            switch (mode) {
            case 0:
                lit.push_back(true);
                break;
            case 1:
                lit.push_back(phase != 0);
                break;
            case 2:
                lit.push_back(phase == 0 ? number % 2 == 1 : number % 2 == 0);
                break;
            case 3:
                lit.push_back(sections[i] == phase + 1);
                break;
            default:
                lit.push_back(false);
                break;
            }
        }
        drawAt(mode, phase);
        expectBulbs(lit, "mode " + std::to_string(mode) + " phase " + std::to_string(phase));
    }
}

TEST_P(GarlandPainter, RandomModeDrawsOneNumberPerBulbAfterTheMeasuringPick)
{
    // Every garland measures its pieces by a first pick that draws a number
    // too; the Christmas pine measures its pictures without one.
    const int measuringPicks = GetParam().type == 6 ? 0 : 1;
    const size_t bulbCount = sectionsOf(GetParam()).size();
    for (uint32_t seed : {7u, 2024u}) {
        crt::srand(seed);
        for (int i = 0; i < measuringPicks; ++i)
            crt::rand();
        std::vector<bool> lit;
        for (size_t i = 0; i < bulbCount; ++i)
            lit.push_back(crt::rand() % 2 == 1);
        const int following = crt::rand();

        drawAt(4, 0, seed);
        expectBulbs(lit, "seed " + std::to_string(seed));
        EXPECT_EQ(crt::rand(), following) << "no other numbers drawn";
    }
}

TEST_P(GarlandPainter, LeavesEveryPictureAsStored)
{
    for (int mode = 0; mode <= 4; ++mode) {
        drawAt(mode, 1);
        for (int slot = 0; slot < CDlgLights::kImageCount; ++slot) {
            const TurnablePicture& picture = *m_lights.m_images[slot];
            EXPECT_EQ(picture.turns(), 0) << "slot " << slot;
            EXPECT_EQ(picture.image().cacheKey(), picture.orientation(0).cacheKey())
                << "slot " << slot;
            EXPECT_EQ(picture.image().size(), storedSize(slot)) << "slot " << slot;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Garlands, GarlandPainter, ::testing::ValuesIn(painterCases()),
                         [](const ::testing::TestParamInfo<PainterCase>& testCase) {
                             return std::string(testCase.param.name);
                         });

// ---- Particular layouts a user would count ----

class GarlandLayout : public GarlandTest {};

TEST_F(GarlandLayout, MulticolorOnAFullHdScreenEndsWithBulb118InOrange)
{
    createGarland(QStringLiteral("multicolor"));
    const std::vector<Drawn> bulbs = bulbsOf(m_lights);
    ASSERT_EQ(bulbs.size(), 118u);
    EXPECT_EQ(bulbs.back().slot, 5); // straight orange, lit
    // 38 bulbs along the top between the corners, 19 down the right from y = 64.
    EXPECT_EQ(bulbs[1].position, QPoint(48, 0));
    EXPECT_EQ(bulbs[38].position, QPoint(1824, 0));
    EXPECT_EQ(bulbs[40].position, QPoint(1872, 64));
}

TEST_F(GarlandLayout, SectionsLightTheCornerWithTheEdgeItBelongsTo)
{
    // Phase 0 of the sections: the top edge, with the top-left corner bulb.
    createGarland(QStringLiteral("multicolor"));
    drawAt(3, 0);
    std::vector<Drawn> bulbs = bulbsOf(m_lights);
    EXPECT_TRUE(isLitPicture(bulbs.front().slot));
    EXPECT_TRUE(isLitPicture(bulbs[38].slot));
    EXPECT_FALSE(isLitPicture(bulbs[39].slot)); // the top-right corner starts the right edge

    // Balls and glows light their top-left corner with the left edge, at phase 3.
    for (const char* key : {"ball", "backlight"}) {
        m_lights.SetGarland(QString::fromLatin1(key));
        drawAt(3, 0);
        bulbs = bulbsOf(m_lights);
        EXPECT_FALSE(isLitPicture(bulbs.front().slot)) << key;
        EXPECT_TRUE(isLitPicture(bulbs[1].slot)) << key;
        drawAt(3, 3);
        bulbs = bulbsOf(m_lights);
        EXPECT_TRUE(isLitPicture(bulbs.front().slot)) << key;
        EXPECT_TRUE(isLitPicture(bulbs.back().slot)) << key;
        EXPECT_FALSE(isLitPicture(bulbs[1].slot)) << key;
    }
}

TEST_F(GarlandLayout, ChasingAfterSectionsLightsTheEvenBulbsUntilTheNextTick)
{
    createGarland(QStringLiteral("multicolor"), 3);
    m_platform.scheduler.advance(600); // phase 2
    m_lights.m_nFlash = 2;
    m_lights.RedrawWindow();
    std::vector<Drawn> bulbs = bulbsOf(m_lights);
    EXPECT_FALSE(isLitPicture(bulbs[0].slot));
    EXPECT_TRUE(isLitPicture(bulbs[1].slot));
    m_platform.scheduler.advance(300);
    bulbs = bulbsOf(m_lights);
    EXPECT_TRUE(isLitPicture(bulbs[0].slot));
    EXPECT_FALSE(isLitPicture(bulbs[1].slot));
}

TEST_F(GarlandLayout, BacklightSpreadsItsGlowsWithEvenGaps)
{
    useWindowSize({1600, 900});
    createGarland(QStringLiteral("backlight"));
    const std::vector<Drawn> glows = bulbsOf(m_lights);
    // Corner, 15 along the top 4 pixels apart, corner; 8 down the right.
    ASSERT_EQ(glows.size(), 2u * 15 + 2 * 8 + 4);
    EXPECT_EQ(glows[0].position, QPoint(-48, 0));
    EXPECT_EQ(glows[1].position, QPoint(52, 0));
    EXPECT_EQ(glows[2].position, QPoint(152, 0));
    EXPECT_EQ(glows[15].position, QPoint(52 + 14 * 100, 0));
    EXPECT_EQ(glows[16].position, QPoint(1552, 0));
    EXPECT_EQ(glows[17].position, QPoint(1504, 52));
}

TEST_F(GarlandLayout, IciclesHangInQuartersFromTheTopOnly)
{
    createGarland(QStringLiteral("icicle"));
    drawAt(3, 1);
    const std::vector<Drawn> strings = bulbsOf(m_lights);
    ASSERT_EQ(strings.size(), 23u);
    for (size_t i = 0; i < strings.size(); ++i) {
        EXPECT_EQ(strings[i].position, QPoint(20 + 80 * static_cast<int>(i), 0));
        // Strings 6 to 11 make the second section.
        EXPECT_EQ(isLitPicture(strings[i].slot), i >= 5 && i <= 10) << i;
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

    picture.RotateFlip(1);
    EXPECT_EQ(picture.image().size(), QSize(2, 3));
    EXPECT_EQ(picture.image().pixel(0, 0), qRgba(255, 0, 0, 255)); // to the top-left
    picture.RotateFlip(1);
    EXPECT_EQ(picture.image().size(), QSize(3, 2));
    EXPECT_EQ(picture.image().pixel(2, 0), qRgba(255, 0, 0, 255)); // to the top-right
    picture.RotateFlip(1);
    EXPECT_EQ(picture.image().pixel(1, 2), qRgba(255, 0, 0, 255)); // to the bottom-right
    EXPECT_EQ(picture.turns(), 3);
}

TEST(GarlandPictureTurning, AWholeTurnGivesBackTheVeryPicture)
{
    QImage stored(48, 48, QImage::Format_ARGB32_Premultiplied);
    stored.fill(Qt::green);
    TurnablePicture picture(stored);
    const qint64 storedKey = picture.image().cacheKey();
    picture.RotateFlip(2);
    const qint64 upsideDown = picture.image().cacheKey();
    EXPECT_NE(upsideDown, storedKey);
    picture.RotateFlip(3);
    picture.RotateFlip(1);
    EXPECT_EQ(picture.image().cacheKey(), upsideDown);
    picture.RotateFlip(2);
    EXPECT_EQ(picture.turns(), 0);
    EXPECT_EQ(picture.image().cacheKey(), storedKey);
}

} // namespace
