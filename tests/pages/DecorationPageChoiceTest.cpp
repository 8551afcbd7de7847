#include "DecorationPageFixture.h"

#include "core/COptions.h"
#include "pages/CDlgTabLights.h"
#include "pages/CDlgTabSnow.h"

#include <QCheckBox>
#include <QRadioButton>

#include <functional>

namespace {

// A choice on either page: what it does to the running decoration, and the
// settings file holding it a second later.
struct ChoiceCase {
    const char* name;
    std::function<void(CDlgTabLights&, CDlgTabSnow&)> choose;
    const char* saved;
    std::function<bool(CZelApp&, const FakeOverlaySurface& lights, const FakeOverlaySurface& snow)>
        runs;
};

using Stacking = FakeOverlaySurface::Stacking;
using F = DecorationPageFixture;

const ChoiceCase kChoices[] = {
    {"GarlandOnTop", [](auto& lights, auto&) { F::click(lights.m_radioTop); }, "<fGarlandTop>1<",
     [](CZelApp&, auto& lights, auto&) { return lights.m_stacking == Stacking::Top; }},
    {"GarlandOnDesktop",
     [](auto& lights, auto&) {
         F::click(lights.m_radioTop);
         F::click(lights.m_radioDesktop);
     },
     "<fGarlandTop>0<",
     [](CZelApp&, auto& lights, auto&) { return lights.m_stacking == Stacking::Bottom; }},
    {"Garland", [](auto& lights, auto&) { F::pickKey(lights.m_comboGarland, "snowflake"); },
     "<strGarland>snowflake<",
     [](CZelApp& app, auto&, auto&) { return app.m_pDlgLights->m_nType == 10; }},
    {"FlashMode", [](auto& lights, auto&) { F::pickAt(lights.m_comboFlash, 3); }, "<iFlash>3<",
     [](CZelApp& app, auto&, auto&) { return app.m_pDlgLights->m_nFlash == 3; }},
    // The random boxes change nothing before the next start.
    {"GarlandRandom", [](auto& lights, auto&) { F::click(lights.m_chkGarlandRandom); },
     "<fGarlandRandom>1<",
     [](CZelApp& app, auto&, auto&) { return app.m_pDlgLights->m_nType == 0; }},
    {"FlashRandom", [](auto& lights, auto&) { F::click(lights.m_chkFlashRandom); },
     "<fFlashRandom>1<",
     [](CZelApp& app, auto&, auto&) { return app.m_pDlgLights->m_nFlash == 1; }},
    {"SnowOnTop", [](auto&, auto& snow) { F::click(snow.m_radioTop); }, "<fSnowTop>1<",
     [](CZelApp&, auto&, auto& snow) { return snow.m_stacking == Stacking::Top; }},
    {"SnowOnDesktop",
     [](auto&, auto& snow) {
         F::click(snow.m_radioTop);
         F::click(snow.m_radioDesktop);
     },
     "<fSnowTop>0<",
     [](CZelApp&, auto&, auto& snow) { return snow.m_stacking == Stacking::Bottom; }},
    {"SnowType", [](auto&, auto& snow) { F::pickKey(snow.m_comboType, "thick"); },
     "<strSnowType>thick<",
     [](CZelApp& app, auto&, auto&) { return app.m_pDlgSnow->m_nType == CDlgSnow::Thick; }},
    {"SnowTypeRandom", [](auto&, auto& snow) { F::click(snow.m_chkTypeRandom); },
     "<fSnowTypeRandom>1<",
     [](CZelApp& app, auto&, auto&) { return app.m_pDlgSnow->m_nType == CDlgSnow::Fluffy; }},
    {"SnowDensityRandom", [](auto&, auto& snow) { F::click(snow.m_chkDensityRandom); },
     "<fSnowDensityRandom>1<",
     [](CZelApp& app, auto&, auto&) { return app.m_pDlgSnow->m_nMaxFlakes == 50; }},
    {"SnowWindRandom", [](auto&, auto& snow) { F::click(snow.m_chkWindRandom); },
     "<fSnowWindRandom>1<",
     [](CZelApp& app, auto&, auto&) { return app.m_pDlgSnow->m_nWind == 5u; }},
};

class DecorationPageChoiceTest : public DecorationPageFixture,
                                 public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(DecorationPageChoiceTest, ChoiceRunsAtOnceAndIsSavedASecondLater)
{
    const ChoiceCase& c = GetParam();
    runWindow([&](CZelDlg& dlg) {
        // Each decoration's window is the one the window system made last
        // when it was made.
        app.m_pDlgLights->Create();
        const FakeOverlaySurface& lights = *newestWindow();
        app.m_pDlgSnow->Create();
        const FakeOverlaySurface& snow = *newestWindow();
        c.choose(*dlg.m_pTabLights, *dlg.m_pTabSnow);
        EXPECT_TRUE(c.runs(app, lights, snow));
        EXPECT_TRUE(savedASecondLater().contains(c.saved));
    });
}

INSTANTIATE_TEST_SUITE_P(Choices, DecorationPageChoiceTest, ::testing::ValuesIn(kChoices),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
