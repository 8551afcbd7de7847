#include "DecorationPageFixture.h"

#include "core/COptions.h"
#include "core/DialogItems.h"
#include "pages/CDlgTabLights.h"

#include <QCheckBox>

#include <functional>

namespace {

const std::vector<int> kDependentControls = {1003, 1010, 1007, 1009, 1008, 1011, 1012};

class CDlgTabLightsTest : public DecorationPageFixture {
protected:
    // The settings window with the garland running when its setting says so,
    // as the program starts it, and the Lights page in front.
    void runPage(const std::function<void(CDlgTabLights&)>& whileRunning)
    {
        runWindow([&](CZelDlg& dlg) {
            if (app.m_options.fGarland)
                lights().Create();
            showPage(dlg, dlg.m_pTabLights);
            whileRunning(*dlg.m_pTabLights);
        });
    }
    CDlgLights& lights() { return *app.m_pDlgLights; }
    uint32_t flashPeriod() { return services.scheduler.periodOf(&lights(), lights().m_nTimer); }
    static std::vector<bool> enabled(const CDlgTabLights& page)
    {
        std::vector<bool> states;
        for (int id : kDependentControls)
            states.push_back(GetDlgItem(&page, id)->isEnabled());
        return states;
    }
    static std::vector<bool> all(bool state) { return std::vector<bool>(7, state); }
};

// The page shows what the settings hold; a hand-edited value as the nearest
// choice the control has, which is also what the garland runs, while the
// settings keep what the file said.
TEST_F(CDlgTabLightsTest, OpensWithTheStoredSettingsOrTheNearestChoice)
{
    const struct {
        int speed, flash;
        const char* garland;
        int shownSpeed;
        const char* shownFlash;
        const char* shownGarland;
        uint32_t period;
    } cases[] = {{7, 3, "icicle", 7, "Sections", "Icicle Lights", 180},
                 {12, 7, "Blue", 9, "Random", "", 60},
                 {-4, -1, "blue", 1, "Steady On", "Blue Lights", 540}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "speed " << c.speed << " flash " << c.flash);
        app.m_options.iFlashSpeed = c.speed;
        app.m_options.iFlash = c.flash;
        app.m_options.strGarland = c.garland;
        runPage([&](CDlgTabLights& page) {
            EXPECT_EQ(page.m_sliderFlashSpeed->value(), c.shownSpeed);
            EXPECT_EQ(page.m_comboFlash->currentText(), c.shownFlash);
            EXPECT_EQ(page.m_comboGarland->currentText(), c.shownGarland);
            EXPECT_EQ(flashPeriod(), c.period);
        });
        EXPECT_EQ(app.m_options.iFlashSpeed, c.speed);
        EXPECT_EQ(app.m_options.iFlash, c.flash);
        EXPECT_EQ(app.m_options.strGarland, c.garland);
    }
}

struct SpeedCase {
    int position;
    uint32_t periodMs;
};

class CDlgTabLightsSpeedTest : public CDlgTabLightsTest,
                               public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(CDlgTabLightsSpeedTest, SpeedSetsTheFlashPeriod)
{
    runPage([&](CDlgTabLights& page) {
        slideTo(page.m_sliderFlashSpeed, GetParam().position);
        EXPECT_EQ(flashPeriod(), GetParam().periodMs);
        EXPECT_EQ(app.m_options.iFlashSpeed, GetParam().position);
    });
}

INSTANTIATE_TEST_SUITE_P(Positions, CDlgTabLightsSpeedTest,
                         ::testing::Values(SpeedCase{1, 540}, SpeedCase{5, 300}, SpeedCase{9, 60}));

TEST_F(CDlgTabLightsTest, BoxRemovesTheGarlandAndBringsItBack)
{
    runPage([&](CDlgTabLights& page) {
        const int windows = services.windows.created();
        click(page.m_chkEnable);
        EXPECT_FALSE(lights().IsWindow());
        EXPECT_EQ(services.windows.log().back(), -windows);
        EXPECT_EQ(app.m_options.fGarland, 0);
        EXPECT_EQ(CDlgTabLightsTest::enabled(page), all(false));
        EXPECT_TRUE(savedASecondLater().contains("<fGarland>0</fGarland>"));

        click(page.m_chkEnable);
        EXPECT_TRUE(lights().IsWindow());
        EXPECT_EQ(services.windows.created(), windows + 1);
        EXPECT_GT(newestWindow()->m_presentCount, 0);
        EXPECT_EQ(app.m_options.fGarland, 1);
        EXPECT_EQ(CDlgTabLightsTest::enabled(page), all(true));
    });
}

TEST_F(CDlgTabLightsTest, GarlandThatCannotBeMadeLeavesTheBoxUncheckedAndNothingElseChanged)
{
    app.m_options.fGarland = 0;
    runPage([&](CDlgTabLights& page) {
        EXPECT_EQ(CDlgTabLightsTest::enabled(page), all(false));
        services.windows.m_failCreation = true;
        click(page.m_chkEnable);
        EXPECT_FALSE(page.m_chkEnable->isChecked());
        EXPECT_FALSE(lights().IsWindow());
        EXPECT_EQ(app.m_options.fGarland, 0);
        EXPECT_EQ(CDlgTabLightsTest::enabled(page), all(false));
        services.scheduler.advance(1000);
        EXPECT_FALSE(QFile::exists(services.settingsPath()));
    });
}

struct SortCase {
    const char* language;
    std::string keys;
};

class CDlgTabLightsSortTest : public CDlgTabLightsTest,
                              public ::testing::WithParamInterface<SortCase> {};

// In the language's alphabetical order of the captions; choosing one still
// stores its key.
TEST_P(CDlgTabLightsSortTest, GarlandsInTheAlphabetOfTheLanguage)
{
    copyShippedLanguages();
    loadLanguage(GetParam().language);
    runPage([&](CDlgTabLights& page) {
        EXPECT_EQ(keysOf(page.m_comboGarland), GetParam().keys);
        EXPECT_EQ(page.m_comboGarland->currentData().toString(), "multicolor");
        pickAt(page.m_comboGarland, 0);
        const std::string& keys = GetParam().keys;
        EXPECT_EQ(app.m_options.strGarland.toStdString(), keys.substr(0, keys.find(' ')));
    });
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CDlgTabLightsSortTest,
    ::testing::Values(
        SortCase{"English", "blue blue_strawberry christmas_pine icicle backlight ball multicolor "
                            "snowflake multicolor_strawberry pine white"},
        SortCase{"Russian", "white christmas_pine icicle backlight multicolor "
                            "multicolor_strawberry snowflake ball blue blue_strawberry pine"},
        SortCase{"German", "blue_strawberry blue multicolor_strawberry backlight ball multicolor "
                           "snowflake icicle pine christmas_pine white"},
        SortCase{"Polish", "white pine ball multicolor multicolor_strawberry backlight snowflake "
                           "icicle blue blue_strawberry christmas_pine"},
        SortCase{"French", "ball snowflake blue_strawberry multicolor_strawberry pine "
                           "christmas_pine white blue multicolor backlight icicle"}),
    [](const auto& testCase) { return std::string(testCase.param.language); });

} // namespace
