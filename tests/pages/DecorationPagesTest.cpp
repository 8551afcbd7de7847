#include "DecorationPageFixture.h"

#include "core/COptions.h"
#include "core/WrappingCheckBox.h"
#include "pages/CDlgTabLights.h"
#include "pages/CDlgTabSnow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QStyleOptionComboBox>

#include <functional>

namespace {

class DecorationPageCaptionTest : public DecorationPageFixture,
                                  public ::testing::WithParamInterface<const char*> {
protected:
    // Every caption on the page and every choice of its lists, whole.
    static void expectCaptionsFit(const QWidget* page)
    {
        for (const QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
            const std::string name = button->text().toStdString();
            if (qobject_cast<const WrappingCheckBox*>(button)) {
                EXPECT_LE(button->sizeHint().height(), button->height()) << name;
            } else if (qobject_cast<const QCheckBox*>(button) ||
                       qobject_cast<const QRadioButton*>(button)) {
                EXPECT_LE(button->sizeHint().width(), button->width()) << name;
            }
        }
        for (const QGroupBox* group : page->findChildren<QGroupBox*>())
            EXPECT_LT(group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width())
                << group->title().toStdString();
        for (QComboBox* list : page->findChildren<QComboBox*>()) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = false;
            const int room = list->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, list)
                                 .width();
            for (int i = 0; i < list->count(); ++i)
                EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)), room)
                    << list->itemText(i).toStdString();
        }
    }
};

TEST_P(DecorationPageCaptionTest, CaptionsAndChoicesFitTheirControls)
{
    installShippedLanguages();
    loadLanguage(GetParam());
    runWindow([&](CZelDlg& dlg) {
        for (QWidget* page :
             {static_cast<QWidget*>(dlg.m_pTabLights), static_cast<QWidget*>(dlg.m_pTabSnow)}) {
            showPage(dlg, page);
            expectCaptionsFit(page);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, DecorationPageCaptionTest,
                         ::testing::Values("English", "Russian", "German", "Polish", "French"),
                         [](const auto& testCase) { return std::string(testCase.param); });

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
    {"Garland", [](auto& lights, auto&) { F::chooseKey(lights.m_comboGarland, "snowflake"); },
     "<strGarland>snowflake<",
     [](CZelApp& app, auto&, auto&) { return app.m_pDlgLights->m_nType == 10; }},
    {"FlashMode", [](auto& lights, auto&) { F::choose(lights.m_comboFlash, 3); }, "<iFlash>3<",
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
    {"SnowType", [](auto&, auto& snow) { F::chooseKey(snow.m_comboType, "thick"); },
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
        app.m_pDlgLights->Create();
        app.m_pDlgSnow->Create();
        const auto& windows = services.windows.live();
        ASSERT_EQ(windows.size(), 2u);
        showPage(dlg, dlg.m_pTabLights);
        showPage(dlg, dlg.m_pTabSnow);
        c.choose(*dlg.m_pTabLights, *dlg.m_pTabSnow);
        EXPECT_TRUE(c.runs(app, *windows[0], *windows[1]));
        EXPECT_TRUE(savedASecondLater().contains(c.saved));
    });
}

INSTANTIATE_TEST_SUITE_P(Choices, DecorationPageChoiceTest, ::testing::ValuesIn(kChoices),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
