#include "PageTestFixture.h"

#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "pages/CDlgTabCursor.h"
#include "pages/CDlgTabGeneral.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {

using Stacking = FakeOverlaySurface::Stacking;

class CDlgTabCursorTest : public PageTestFixture {
protected:
    // The page in view, with the effect window made as the start makes it
    // when the effect is on.
    void runPage(const std::function<void(CDlgTabCursor&)>& whileShown)
    {
        runWindow([&](CZelDlg& dlg) {
            if (app.m_options.fCursorEnable)
                app.m_pDlgCursor->Create();
            showPage(dlg, dlg.m_pTabCursor);
            whileShown(*dlg.m_pTabCursor);
        });
    }
    bool dependentsEnabled(const CDlgTabCursor& page) const
    {
        return page.m_comboType->isEnabled() && page.m_chkTypeRandom->isEnabled() &&
               page.m_radioDesktop->isEnabled() && page.m_radioTop->isEnabled();
    }
};

TEST_F(CDlgTabCursorTest, EnableBoxMakesAndEndsTheEffectWindowAndTheOtherControlsFollow)
{
    app.m_options.fCursorEnable = false;
    runPage([&](CDlgTabCursor& page) {
        EXPECT_FALSE(page.m_chkEnable->isChecked());
        EXPECT_FALSE(dependentsEnabled(page));
        EXPECT_TRUE(page.m_btnHelp->isEnabled());
        // No window but the stars under the settings window.
        EXPECT_EQ(services.windows.live().size(), 1u);

        click(page.m_chkEnable);
        EXPECT_TRUE(app.m_pDlgCursor->IsWindow());
        EXPECT_EQ(services.scheduler.periodOf(app.m_pDlgCursor.get(), app.m_pDlgCursor->m_nTimer),
                  20u);
        EXPECT_TRUE(dependentsEnabled(page));
        EXPECT_TRUE(savedASecondLater().contains("<fCursorEnable>1</fCursorEnable>"));

        click(page.m_chkEnable);
        EXPECT_FALSE(app.m_pDlgCursor->IsWindow());
        EXPECT_FALSE(dependentsEnabled(page));
        EXPECT_TRUE(savedASecondLater().contains("<fCursorEnable>0</fCursorEnable>"));
    });
}

TEST_F(CDlgTabCursorTest, ChosenEffectRunsAtOnceAndIsStoredByItsKey)
{
    runPage([&](CDlgTabCursor& page) {
        EXPECT_EQ(page.m_comboType->currentText(), "Fairy Dust");
        choose(page.m_comboType, "Rotating Wreath");
        EXPECT_EQ(app.m_pDlgCursor->m_nType, CDlgCursor::SPINNING_WREATH);
        EXPECT_NE(app.m_pDlgCursor->m_pImageSpinningWreath, nullptr);
        EXPECT_TRUE(savedASecondLater().contains("<strCursorType>SPINNING_WREATH</strCursorType>"));
        choose(page.m_comboType, "Euphorbia Pulcherrima");
        EXPECT_EQ(app.m_options.strCursorType, "EUPHORBIA_PULCHERRIMA");
        EXPECT_EQ(app.m_pDlgCursor->m_nType, CDlgCursor::EUPHORBIA_PULCHERRIMA);
    });
}

TEST_F(CDlgTabCursorTest, StoredKeyTheListDoesNotKnowSelectsNothing)
{
    app.m_options.strCursorType = "snow";
    runPage([&](CDlgTabCursor& page) {
        EXPECT_EQ(page.m_comboType->currentIndex(), -1);
        EXPECT_EQ(app.m_options.strCursorType, "snow");
    });
}

TEST_F(CDlgTabCursorTest, RadioButtonsPlaceTheWindowAndStoreThePlace)
{
    app.m_options.fCursorTop = true;
    runPage([&](CDlgTabCursor& page) {
        FakeOverlaySurface* window = services.windows.live().back();
        EXPECT_TRUE(page.m_radioTop->isChecked());
        EXPECT_FALSE(page.m_radioDesktop->isChecked());

        click(page.m_radioDesktop);
        EXPECT_FALSE(page.m_radioTop->isChecked());
        EXPECT_EQ(window->m_stacking, Stacking::Bottom);
        EXPECT_TRUE(savedASecondLater().contains("<fCursorTop>0</fCursorTop>"));

        // The checked button clicked again places the window again.
        click(page.m_radioTop);
        click(page.m_radioTop);
        EXPECT_EQ(window->m_stackingCalls,
                  (std::vector<Stacking>{Stacking::Bottom, Stacking::Top, Stacking::Top}));
        EXPECT_TRUE(page.m_radioTop->isChecked());
        EXPECT_TRUE(savedASecondLater().contains("<fCursorTop>1</fCursorTop>"));
    });
}

TEST_F(CDlgTabCursorTest, RandomBoxOnlyStoresItsState)
{
    runPage([&](CDlgTabCursor& page) {
        const int windowsMade = services.windows.created();
        click(page.m_chkTypeRandom);
        EXPECT_TRUE(savedASecondLater().contains("<fCursorTypeRandom>1</fCursorTypeRandom>"));
        EXPECT_EQ(app.m_pDlgCursor->m_nType, CDlgCursor::FAIRY_DUST);
        EXPECT_EQ(services.windows.created(), windowsMade);
    });
}

TEST_F(CDlgTabCursorTest, ListIsSortedAgainWhenTheLanguageChanges)
{
    copyShippedLanguages();
    app.m_options.strCursorType = "BELLS";
    runPage([&](CDlgTabCursor& page) {
        QComboBox* languages = page.parentWidget()->findChild<CDlgTabGeneral*>()->m_comboLanguage;
        choose(languages, "Deutsch");
        EXPECT_EQ(captions(page.m_comboType).substr(0, 39),
                  "Drehender Kranz; Euphorbia Pulcherrima;");
        EXPECT_EQ(page.m_comboType->currentText(), "Glöckchen");
    });
}

struct SortCase {
    const char* language;
    const char* sorted;
};

class CDlgTabCursorSortTest : public CDlgTabCursorTest,
                              public ::testing::WithParamInterface<SortCase> {};

// The list is in the alphabetical order of the language it is shown in; the
// flower keeps its botanical name.
TEST_P(CDlgTabCursorSortTest, EffectsAreSortedByTheirCaptionsInTheLanguage)
{
    copyShippedLanguages();
    loadLanguage(GetParam().language);
    app.m_options.strCursorType = "STOCKING";
    runPage([&](CDlgTabCursor& page) {
        EXPECT_EQ(captions(page.m_comboType), GetParam().sorted);
        EXPECT_EQ(page.m_comboType->currentData().toString(), "STOCKING");
    });
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CDlgTabCursorSortTest,
    ::testing::Values(SortCase{"English", "Ball; Bells; Bow; Euphorbia Pulcherrima; Fairy Dust; "
                                          "Presents; Rotating Wreath; Snow; Stocking; Wreath"},
                      SortCase{"German", "Drehender Kranz; Euphorbia Pulcherrima; Feenstaub; "
                                         "Geschenke; Glöckchen; Kranz; Kugel; Nikolausstrumpf; "
                                         "Schleife; Schnee"},
                      SortCase{"French", "Boule; Cadeaux; Chaussette; Clochettes; Couronne; "
                                         "Couronne rotative; Euphorbia Pulcherrima; Neige; Nœud; "
                                         "Poussière de fée"},
                      // Ś comes after S.
                      SortCase{"Polish", "Bombka; Dzwonki; Euphorbia Pulcherrima; Kokarda; "
                                         "Magiczny pył; Prezenty; Skarpeta; Śnieg; Wieniec; "
                                         "Wirujący wieniec"},
                      // Cyrillic before Latin.
                      SortCase{"Russian", "Бант; Венок; Венок-вертушка; Колокольчики; Носок; "
                                          "Подарки; Пыльца фей; Снег; Шар; Euphorbia Pulcherrima"}),
    [](const auto& testCase) { return std::string(testCase.param.language); });

} // namespace
