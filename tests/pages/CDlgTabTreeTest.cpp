#include "PageTestFixture.h"

#include "core/CxSkinButton.h"
#include "pages/CDlgTabTree.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSlider>

namespace {

using Stacking = FakeOverlaySurface::Stacking;

class CDlgTabTreeTest : public PageTestFixture {
protected:
    // The page in view, with the tree made as the start makes it when it is on.
    void runPage(const std::function<void(CDlgTabTree&)>& whileShown)
    {
        runWindow([&](CZelDlg& dlg) {
            if (app.m_options.fTree)
                tree().Create();
            showPage(dlg, dlg.m_pTabTree);
            whileShown(*dlg.m_pTabTree);
        });
    }
    CDlgTree& tree() { return *app.m_pDlgTree; }
    uint32_t framePeriod() { return services.scheduler.periodOf(&tree(), tree().m_nTimer); }
    static std::vector<bool> dependentsEnabled(const CDlgTabTree& page)
    {
        return {page.m_comboTree->isEnabled(),    page.m_chkTypeRandom->isEnabled(),
                page.m_sliderSpeed->isEnabled(),  page.m_chkSpeedRandom->isEnabled(),
                page.m_radioDesktop->isEnabled(), page.m_radioTop->isEnabled()};
    }
    const std::vector<bool> allOn = std::vector<bool>(6, true);
    const std::vector<bool> allOff = std::vector<bool>(6, false);
};

TEST_F(CDlgTabTreeTest, WithTheTreeOffOnlyTheSwitchAndHelpWork)
{
    app.m_options.fTree = false;
    runPage([&](CDlgTabTree& page) {
        EXPECT_EQ(dependentsEnabled(page), allOff);
        EXPECT_TRUE(page.m_chkEnable->isEnabled());
        EXPECT_TRUE(page.m_btnHelp->isEnabled());

        click(page.m_chkEnable);
        EXPECT_TRUE(tree().IsWindow());
        EXPECT_EQ(dependentsEnabled(page), allOn);
        EXPECT_TRUE(savedASecondLater().contains("<fTree>1</fTree>"));

        click(page.m_chkEnable);
        EXPECT_FALSE(tree().IsWindow());
        EXPECT_EQ(dependentsEnabled(page), allOff);
        EXPECT_TRUE(savedASecondLater().contains("<fTree>0</fTree>"));
    });
}

TEST_F(CDlgTabTreeTest, AnotherTreeReplacesTheWindowAtTheStoredPlace)
{
    app.m_options.fTree = true;
    app.m_options.iTree = 2;
    app.m_options.iTreeX = 300;
    app.m_options.iTreeY = 120;
    runPage([&](CDlgTabTree& page) {
        EXPECT_EQ(services.windows.live().back()->m_geometry, QRect(300, 120, 400, 443));
        choose(page.m_comboTree, "Hoarfrost");
        // Window 1 holds the stars under the settings window.
        EXPECT_EQ(services.windows.log(), (std::vector<int>{1, 2, -2, 3}));
        EXPECT_EQ(services.windows.live().back()->m_geometry, QRect(300, 120, 300, 431));
        EXPECT_TRUE(savedASecondLater().contains("<iTree>1</iTree>"));
    });
}

TEST_F(CDlgTabTreeTest, TreesAreListedInTheirOwnOrderInEveryLanguage)
{
    copyShippedLanguages();
    runPage([&](CDlgTabTree& page) {
        EXPECT_EQ(captions(page.m_comboTree), "Bow; Hoarfrost; Joy; Silver; Snowy");
        EXPECT_EQ(page.m_comboTree->currentText(), "Joy");
    });
    loadLanguage("German");
    runPage([&](CDlgTabTree& page) {
        EXPECT_EQ(captions(page.m_comboTree), "Schleife; Raureif; Freude; Silber; Schnee");
    });
}

struct SpeedCase {
    Qt::Key key;
    int speed;
    uint32_t periodMs;
};

class CDlgTabTreeSpeedTest : public CDlgTabTreeTest,
                             public ::testing::WithParamInterface<SpeedCase> {};

// The slider's steps from the keyboard act at once, from the default speed 6.
TEST_P(CDlgTabTreeSpeedTest, SliderSetsTheFramePeriodOfTheRunningTree)
{
    app.m_options.fTree = true;
    runPage([&](CDlgTabTree& page) {
        EXPECT_EQ(framePeriod(), 500u);
        page.m_sliderSpeed->setFocus();
        QTest::keyClick(page.m_sliderSpeed, GetParam().key);
        EXPECT_EQ(framePeriod(), GetParam().periodMs);
        EXPECT_EQ(app.m_options.iTreeSpeed, GetParam().speed);
        EXPECT_TRUE(savedASecondLater().contains(
            QStringLiteral("<iTreeSpeed>%1</iTreeSpeed>").arg(GetParam().speed).toUtf8()));
    });
}

INSTANTIATE_TEST_SUITE_P(Keys, CDlgTabTreeSpeedTest,
                         ::testing::Values(SpeedCase{Qt::Key_Home, 1, 1000},
                                           SpeedCase{Qt::Key_Right, 7, 400},
                                           SpeedCase{Qt::Key_End, 10, 100}),
                         [](const auto& testCase) { return std::to_string(testCase.param.speed); });

TEST_F(CDlgTabTreeTest, ValuesBeyondTheirRangesShowAsTheNearestAndStayStored)
{
    app.m_options.iTree = 9;
    app.m_options.iTreeSpeed = 0;
    runPage([&](CDlgTabTree& page) {
        EXPECT_EQ(page.m_comboTree->currentText(), "Snowy");
        EXPECT_EQ(page.m_sliderSpeed->value(), 1);
    });
    EXPECT_EQ(app.m_options.iTree, 9);
    EXPECT_EQ(app.m_options.iTreeSpeed, 0);
}

TEST_F(CDlgTabTreeTest, RadioButtonsPlaceTheTreeAndRandomBoxesOnlyStore)
{
    app.m_options.fTree = true;
    runPage([&](CDlgTabTree& page) {
        FakeOverlaySurface* window = services.windows.live().back();
        EXPECT_TRUE(page.m_radioDesktop->isChecked());
        click(page.m_radioTop);
        EXPECT_EQ(window->m_stacking, Stacking::Top);
        EXPECT_TRUE(savedASecondLater().contains("<fTreeTop>1</fTreeTop>"));
        click(page.m_radioDesktop);
        EXPECT_EQ(window->m_stacking, Stacking::Bottom);
        EXPECT_TRUE(savedASecondLater().contains("<fTreeTop>0</fTreeTop>"));

        click(page.m_chkTypeRandom);
        click(page.m_chkSpeedRandom);
        const QByteArray saved = savedASecondLater();
        EXPECT_TRUE(saved.contains("<fTreeRandom>1</fTreeRandom>"));
        EXPECT_TRUE(saved.contains("<fTreeSpeedRandom>1</fTreeSpeedRandom>"));
        // The stars under the settings window, and the tree.
        EXPECT_EQ(services.windows.created(), 2);
    });
}

// Enter and Esc inside the page neither close nor hide the settings window.
TEST_F(CDlgTabTreeTest, EnterAndEscDoNothing)
{
    runWindow([&](CZelDlg& dlg) {
        showPage(dlg, dlg.m_pTabTree);
        dlg.m_pTabTree->m_chkEnable->setFocus();
        QTest::keyClick(dlg.m_pTabTree->m_chkEnable, Qt::Key_Escape);
        QTest::keyClick(dlg.m_pTabTree->m_chkEnable, Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(dlg.isMinimized());
        EXPECT_TRUE(dlg.m_pTabTree->isVisible());
    });
}

} // namespace
