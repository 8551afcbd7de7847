#include "GarlandHarness.h"
#include "decorations/CaseName.h"

#include <set>

namespace {

// ---- Flash timer and phase ----

struct PeriodCase {
    int speed;
    uint32_t period;
};

class GarlandFlashPeriod : public GarlandTest, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(GarlandFlashPeriod, SixtyMillisecondsPerStepBelowTen)
{
    m_options.iFlashSpeed = GetParam().speed;
    createGarland(QStringLiteral("multicolor"));
    EXPECT_EQ(m_platform.scheduler.periodOf(&m_lights, m_lights.m_nTimer), GetParam().period);
    // A hand-edited speed is only read, never corrected in the settings.
    EXPECT_EQ(m_options.iFlashSpeed, GetParam().speed);
}

INSTANTIATE_TEST_SUITE_P(Speeds, GarlandFlashPeriod,
                         ::testing::Values(PeriodCase{5, 300}, PeriodCase{9, 60},
                                           PeriodCase{1, 540}, PeriodCase{0, 540},
                                           PeriodCase{-4, 540}, PeriodCase{10, 60},
                                           PeriodCase{250, 60}));

TEST_F(GarlandTest, EachFlashModeStepsThePhaseItsOwnWayFromWhereItIs)
{
    // The phases after each of the next ticks.
    const auto ticks = [&](size_t count) {
        std::vector<int> phases;
        while (phases.size() < count) {
            m_platform.scheduler.advance(300);
            phases.push_back(m_lights.m_nPhase);
        }
        return phases;
    };
    // Together (1) and chasing (2) alternate 0 and 1, sections (3) run through
    // four phases, steady (0), random (4) and unknown modes keep the phase; a
    // new mode continues from the phase the old one left.
    const struct {
        int flash;
        int ticksBefore; // in sections mode
        int then;
        std::vector<int> phases;
    } cases[] = {{1, 0, 1, {1, 0, 1, 0}}, {1, 0, 2, {1, 0, 1, 0}}, {3, 0, 3, {1, 2, 3, 0, 1, 2}},
                 {3, 2, 0, {2, 2, 2}},    {3, 2, 4, {2, 2, 2}},    {3, 2, 1, {0, 1}},
                 {3, 3, 2, {0}},          {3, 1, 7, {1, 1}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.then << " after " << c.ticksBefore);
        m_lights.DestroyWindow();
        m_lights.m_nPhase = 0;
        createGarland(QStringLiteral("multicolor"), c.flash);
        ticks(static_cast<size_t>(c.ticksBefore));
        m_lights.m_nFlash = c.then;
        EXPECT_EQ(ticks(c.phases.size()), c.phases);
    }
    // An unknown mode shows every bulb unlit.
    for (const Drawn& bulb : bulbsOf(m_lights))
        EXPECT_FALSE(isLitPicture(bulb.slot));
}

// ---- Choosing the garland ----

TEST_F(GarlandTest, EachKeyChoosesItsGarlandExactlyFromTheNextFrame)
{
    // An unknown stored key shows the multicolor garland and stays in the settings.
    createGarland(QStringLiteral("Icicle"));
    EXPECT_EQ(bulbsOf(m_lights).size(), 118u);
    EXPECT_EQ(m_options.strGarland, QStringLiteral("Icicle"));
    m_lights.SetGarland(QStringLiteral("icicle"));
    EXPECT_EQ(bulbsOf(m_lights).size(), 118u);
    m_platform.scheduler.advance(300);
    EXPECT_EQ(bulbsOf(m_lights).size(), 23u);
    m_lights.SetGarland(QStringLiteral("blue"));
    for (const char* unknown : {"BLUE", "blue ", "", "Multicolor", "strawberry"}) {
        m_lights.SetGarland(QString::fromLatin1(unknown));
        EXPECT_EQ(m_lights.m_nType, 1) << unknown;
    }
}

// ---- Life of the window ----

TEST_F(GarlandTest, RecreationKeepsTheFlashAndReloadsThePicturesAndTheGarland)
{
    createGarland(QStringLiteral("multicolor"), 3);
    m_platform.scheduler.advance(600);
    ASSERT_EQ(m_lights.m_nPhase, 2);
    m_lights.SetGarland(QStringLiteral("ball"));
    EXPECT_TRUE(m_lights.DestroyWindow());

    m_options.strGarland = QStringLiteral("pine");
    ASSERT_TRUE(m_lights.Create());
    EXPECT_EQ(m_lights.m_nFlash, 3);
    EXPECT_EQ(m_lights.m_nType, 5);
    m_platform.scheduler.advance(300);
    EXPECT_EQ(m_lights.m_nPhase, 3);
}

// ---- A broken install ----

class GarlandMissingPictures : public GarlandTest,
                               public ::testing::WithParamInterface<const char*> {};

TEST_P(GarlandMissingPictures, DrawsWhatItHasWhereItBelongs)
{
    createGarland(QString::fromLatin1(GetParam()));
    const std::vector<Drawn> complete = drawsOf(m_lights);

    // Every third slot gone, and the pictures each garland measures itself by.
    std::set<int> missing = {1, 21, 23, 42, 44, 45, 46, 47, 49, 59, 74, 79};
    for (int slot = 1; slot < CDlgLights::kImageCount; slot += 3)
        missing.insert(slot);
    for (int slot : missing)
        m_lights.m_images[slot].reset();
    m_lights.RedrawWindow();
    // Where and what, not how far turned: a stand-in is turned its own way.
    std::vector<std::pair<int, QPoint>> expected, partial;
    for (Drawn drawn : complete) {
        // A missing coloured glow or snowflake shows as an unlit one.
        if (missing.count(drawn.slot) && drawn.slot >= 74 && drawn.slot <= 77)
            drawn.slot = 78;
        if (missing.count(drawn.slot) && drawn.slot >= 79 && drawn.slot <= 82)
            drawn.slot = 83;
        if (!missing.count(drawn.slot))
            expected.emplace_back(drawn.slot, drawn.position);
    }
    for (const Drawn& drawn : drawsOf(m_lights))
        partial.emplace_back(drawn.slot, drawn.position);
    EXPECT_EQ(partial, expected);

    for (auto& picture : m_lights.m_images)
        picture.reset();
    for (auto& join : m_lights.m_joins)
        join.reset();
    for (int mode = 0; mode <= 4; ++mode)
        drawAt(mode, 1);
    EXPECT_TRUE(m_lights.lastDrawing().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Garlands, GarlandMissingPictures, ::testing::ValuesIn(kGarlandKeys),
                         KeyCaseName());

TEST_F(GarlandMissingPictures, ATinyWindowDrawsWithoutEndlessRows)
{
    useWindowSize({20, 10});
    for (const char* key : {"multicolor", "white", "pine", "christmas_pine", "icicle", "ball",
                            "backlight", "snowflake"}) {
        m_options.strGarland = QString::fromLatin1(key);
        m_lights.DestroyWindow();
        ASSERT_TRUE(m_lights.Create());
        for (int mode = 0; mode <= 4; ++mode)
            drawAt(mode, 0);
        EXPECT_LT(m_lights.lastDrawing().items().size(), 40u) << key;
    }
}

} // namespace
