#include "DecorationPageFixture.h"

#include "core/COptions.h"
#include "core/DialogItems.h"
#include "pages/CDlgTabSnow.h"

#include <QCheckBox>

#include <functional>

namespace {

const std::vector<int> kDependentControls = {1029, 1030, 1009, 1023, 1021,
                                             1022, 1025, 1011, 1012, 1072};
// Those that deep snow, which has no flakes, keeps disabled.
const std::vector<int> kFlakeControls = {1009, 1023, 1021, 1022, 1072};

class CDlgTabSnowTest : public DecorationPageFixture {
protected:
    // The settings window with the snow falling when its setting says so, as
    // the program starts it, and the Snow page in front.
    void runPage(const std::function<void(CDlgTabSnow&)>& whileRunning)
    {
        runWindow([&](CZelDlg& dlg) {
            if (app.m_options.fSnow)
                snow().Create();
            showPage(dlg, dlg.m_pTabSnow);
            whileRunning(*dlg.m_pTabSnow);
        });
    }
    CDlgSnow& snow() { return *app.m_pDlgSnow; }
    uint32_t framePeriod() { return services.scheduler.periodOf(&snow(), snow().m_nTimer); }
    // The ids of the page's dependent controls that are enabled.
    static std::vector<int> enabled(const CDlgTabSnow& page)
    {
        std::vector<int> ids;
        for (int id : kDependentControls)
            if (GetDlgItem(&page, id)->isEnabled())
                ids.push_back(id);
        return ids;
    }
    static std::vector<int> allBut(const std::vector<int>& left)
    {
        std::vector<int> ids;
        for (int id : kDependentControls)
            if (std::find(left.begin(), left.end(), id) == left.end())
                ids.push_back(id);
        return ids;
    }
};

TEST_F(CDlgTabSnowTest, OffDisablesEveryControlButTheBoxAndDeepTheFlakeControls)
{
    const struct {
        bool on;
        const char* type;
        std::vector<int> enabled;
    } cases[] = {{false, "fluffy", {}},
                 {false, "deep", {}},
                 {true, "deep", allBut(kFlakeControls)},
                 {true, "Deep", kDependentControls}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.on << " " << c.type);
        app.m_options.fSnow = c.on;
        app.m_options.strSnowType = c.type;
        runPage([&](CDlgTabSnow& page) {
            EXPECT_EQ(CDlgTabSnowTest::enabled(page), c.enabled);
            EXPECT_TRUE(page.m_chkEnable->isEnabled());
        });
    }
}

// The page shows what the settings hold; a hand-edited number as the nearest
// step the slider has, which is also what the snow runs, while the settings
// keep what the file said.
TEST_F(CDlgTabSnowTest, OpensWithTheStoredSettingsOrTheNearestChoice)
{
    const struct {
        uint32_t density, wind, speed;
        const char* type;
        int shownDensity, shownWind, shownSpeed;
        const char* shownType;
        int flakes;
        uint32_t period;
    } cases[] = {{3, 8, 2, "sparkling", 3, 8, 2, "Sparkling", 30, 128},
                 {0, 4294967295u /* the file's -1 */, 15, "Fluffy", 1, 1, 9, "", 10, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        COptions& options = app.m_options;
        options.uSnowDensity = c.density;
        options.uSnowWind = c.wind;
        options.uSnowSpeed = c.speed;
        options.strSnowType = c.type;
        runPage([&](CDlgTabSnow& page) {
            EXPECT_EQ(page.m_sliderDensity->value(), c.shownDensity);
            EXPECT_EQ(page.m_sliderWind->value(), c.shownWind);
            EXPECT_EQ(page.m_sliderSpeed->value(), c.shownSpeed);
            EXPECT_EQ(page.m_comboType->currentText(), c.shownType);
            EXPECT_EQ(snow().m_nMaxFlakes, c.flakes);
            EXPECT_EQ(framePeriod(), c.period);
        });
        EXPECT_EQ(options.uSnowDensity, c.density);
        EXPECT_EQ(options.uSnowWind, c.wind);
        EXPECT_EQ(options.uSnowSpeed, c.speed);
        EXPECT_EQ(options.strSnowType, c.type);
    }
}

class CDlgTabSnowTypesTest : public CDlgTabSnowTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(CDlgTabSnowTypesTest, TypesInTheSameOrderInEveryLanguage)
{
    copyShippedLanguages();
    loadLanguage(GetParam());
    runPage([&](CDlgTabSnow& page) {
        EXPECT_EQ(keysOf(page.m_comboType), "deep fantasy fine fluffy sparkling thick");
        EXPECT_EQ(page.m_comboType->currentData().toString(), "fluffy");
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, CDlgTabSnowTypesTest,
                         ::testing::Values("English", "Russian", "German", "Polish", "French"),
                         [](const auto& testCase) { return std::string(testCase.param); });

TEST_F(CDlgTabSnowTest, DeepTypeDisablesTheFlakeControlsAndOthersEnableThem)
{
    runPage([&](CDlgTabSnow& page) {
        pickKey(page.m_comboType, "deep");
        EXPECT_EQ(snow().m_nType, CDlgSnow::Deep);
        EXPECT_EQ(app.m_options.strSnowType, "deep");
        EXPECT_EQ(CDlgTabSnowTest::enabled(page), allBut(kFlakeControls));
        EXPECT_TRUE(savedASecondLater().contains("<strSnowType>deep</strSnowType>"));

        pickKey(page.m_comboType, "thick");
        EXPECT_EQ(snow().m_nType, CDlgSnow::Thick);
        EXPECT_EQ(CDlgTabSnowTest::enabled(page), kDependentControls);
    });
}

struct DensityCase {
    const char* type;
    int density;
    size_t flakes;
};

class CDlgTabSnowDensityTest : public CDlgTabSnowTest,
                               public ::testing::WithParamInterface<DensityCase> {};

TEST_P(CDlgTabSnowDensityTest, DensitySetsTheFlakesOfTheNextFrame)
{
    const DensityCase& c = GetParam();
    app.m_options.strSnowType = c.type;
    runPage([&](CDlgTabSnow& page) {
        slideTo(page.m_sliderDensity, c.density);
        services.scheduler.advance(framePeriod());
        EXPECT_EQ(snow().m_flakes.size(), c.flakes);
        EXPECT_EQ(app.m_options.uSnowDensity, static_cast<uint32_t>(c.density));
    });
}

INSTANTIATE_TEST_SUITE_P(Densities, CDlgTabSnowDensityTest,
                         ::testing::Values(DensityCase{"fluffy", 5, 50},
                                           DensityCase{"fluffy", 6, 180},
                                           DensityCase{"fine", 5, 100},
                                           DensityCase{"fine", 6, 360}));

TEST_F(CDlgTabSnowTest, StrongestWindGustsAtOnceAndTheNextStepCalmsIt)
{
    app.m_options.uSnowWind = 5;
    runPage([&](CDlgTabSnow& page) {
        EXPECT_FALSE(snow().m_bGust);
        QTest::keyClick(page.m_sliderWind, Qt::Key_End);
        EXPECT_TRUE(snow().m_bGust);
        EXPECT_EQ(snow().m_nWind, 9u);
        EXPECT_EQ(app.m_options.uSnowWind, 9u);
        // Calm again, counting the seconds to the next gust from the start.
        services.scheduler.advance(3000);
        QTest::keyClick(page.m_sliderWind, Qt::Key_Left);
        EXPECT_FALSE(snow().m_bGust);
        EXPECT_EQ(snow().m_nGustSeconds, 0u);
        EXPECT_TRUE(savedASecondLater().contains("<uSnowWind>8</uSnowWind>"));
    });
}

struct SpeedCase {
    int speed;
    uint32_t periodMs;
};

class CDlgTabSnowSpeedTest : public CDlgTabSnowTest,
                             public ::testing::WithParamInterface<SpeedCase> {};

// The fastest speeds ask for less than the 10 ms the timers can do.
TEST_P(CDlgTabSnowSpeedTest, SpeedSetsTheFramePeriod)
{
    runPage([&](CDlgTabSnow& page) {
        slideTo(page.m_sliderSpeed, GetParam().speed);
        EXPECT_EQ(framePeriod(), GetParam().periodMs);
        EXPECT_EQ(app.m_options.uSnowSpeed, static_cast<uint32_t>(GetParam().speed));
    });
}

INSTANTIATE_TEST_SUITE_P(Speeds, CDlgTabSnowSpeedTest,
                         ::testing::Values(SpeedCase{1, 144}, SpeedCase{4, 96}, SpeedCase{5, 20},
                                           SpeedCase{6, 10}, SpeedCase{9, 10}));

TEST_F(CDlgTabSnowTest, UncheckedAccumulationThrowsThePileAwayAtOnce)
{
    app.m_options.strSnowType = "thick";
    app.m_options.fSnowAcumulate = true;
    runPage([&](CDlgTabSnow& page) {
        for (int second = 0; second < 10 && snow().m_pile.empty(); ++second)
            services.scheduler.advance(1000);
        ASSERT_FALSE(snow().m_pile.empty());
        ASSERT_NE(snow().m_pPileBitmap, nullptr);

        click(page.m_chkAccumulate);
        EXPECT_EQ(snow().m_pile.capacity(), 0u);
        EXPECT_EQ(snow().m_pPileBitmap, nullptr);
        EXPECT_FALSE(app.m_options.fSnowAcumulate);
        services.scheduler.advance(2000);
        EXPECT_TRUE(snow().m_pile.empty());

        click(page.m_chkAccumulate);
        EXPECT_TRUE(snow().m_bAccumulate);
        EXPECT_TRUE(snow().m_pile.empty());
        EXPECT_TRUE(savedASecondLater().contains("<fSnowAcumulate>1</fSnowAcumulate>"));
    });
}

TEST_F(CDlgTabSnowTest, BoxRemovesTheSnowAndBringsItBackAsTheTypeAllows)
{
    app.m_options.strSnowType = "deep";
    runPage([&](CDlgTabSnow& page) {
        click(page.m_chkEnable);
        EXPECT_FALSE(snow().IsWindow());
        EXPECT_FALSE(app.m_options.fSnow);
        EXPECT_EQ(CDlgTabSnowTest::enabled(page), std::vector<int>());
        EXPECT_TRUE(savedASecondLater().contains("<fSnow>0</fSnow>"));

        click(page.m_chkEnable);
        EXPECT_TRUE(snow().IsWindow());
        EXPECT_GT(newestWindow()->m_presentCount, 0);
        EXPECT_TRUE(app.m_options.fSnow);
        EXPECT_EQ(CDlgTabSnowTest::enabled(page), allBut(kFlakeControls));
    });
}

} // namespace
