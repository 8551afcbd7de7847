#include "PageTestFixture.h"

#include "core/UpDownControl.h"
#include "pages/CDlgTabFrost.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

class CDlgTabFrostTest : public PageTestFixture {
protected:
    void runPage(const std::function<void(CDlgTabFrost&)>& whileShown)
    {
        runWindow([&](CZelDlg& dlg) {
            showPage(dlg, dlg.m_pTabFrost);
            whileShown(*dlg.m_pTabFrost);
        });
    }
    static void clickArrow(CDlgTabFrost& page, bool up)
    {
        UpDownControl* arrows = page.m_spinWait;
        const QPoint at(arrows->width() / 2, up ? 2 : arrows->height() - 3);
        QTest::mouseClick(arrows, Qt::LeftButton, {}, at);
    }
    CDlgFrost& frost() { return *app.m_pDlgFrost; }
    // The user touches the mouse now.
    void input() { services.desktop.m_lastInput = services.clock.tickCount(); }
};

// Minutes the user never touched on the page are the ones the frost waits.
TEST_F(CDlgTabFrostTest, SwitchedOnTheFrostWaitsTheStoredMinutes)
{
    app.m_options.uFrostWaitTime = 7;
    runPage([&](CDlgTabFrost& page) {
        EXPECT_FALSE(page.m_spinWait->isEnabled());
        EXPECT_TRUE(page.m_editWait->isEnabled());
        EXPECT_EQ(page.m_editWait->text(), "7");

        click(page.m_chkEnable);
        EXPECT_TRUE(frost().IsWindow());
        EXPECT_EQ(frost().m_dwWaitTime, 7u * 60000);
        EXPECT_TRUE(page.m_spinWait->isEnabled());
        EXPECT_TRUE(savedASecondLater().contains("<fFrostEnable>1</fFrostEnable>"));

        click(page.m_chkEnable);
        EXPECT_FALSE(frost().IsWindow());
        EXPECT_FALSE(page.m_spinWait->isEnabled());
        EXPECT_TRUE(savedASecondLater().contains("<fFrostEnable>0</fFrostEnable>"));
    });
}

TEST_F(CDlgTabFrostTest, ArrowsChangeTheWaitOfTheRunningFrostWithinNoughtTo99)
{
    app.m_options.uFrostWaitTime = 98;
    app.m_options.fFrostEnable = true;
    runPage([&](CDlgTabFrost& page) {
        frost().Create();
        clickArrow(page, true);
        EXPECT_EQ(frost().m_dwWaitTime, 99u * 60000);
        EXPECT_TRUE(savedASecondLater().contains("<uFrostWaitTime>99</uFrostWaitTime>"));
        // Up from 99 stays at 99, in the box as in the settings.
        clickArrow(page, true);
        EXPECT_EQ(page.m_editWait->text(), "99");
        EXPECT_EQ(app.m_options.uFrostWaitTime, 99u);
        EXPECT_EQ(frost().m_dwWaitTime, 99u * 60000);

        // The keys step too, while the box has the keyboard.
        page.m_editWait->setFocus();
        QTest::keyClick(page.m_editWait, Qt::Key_Down);
        EXPECT_EQ(page.m_editWait->text(), "98");
        EXPECT_EQ(app.m_options.uFrostWaitTime, 98u);
        EXPECT_EQ(frost().m_dwWaitTime, 98u * 60000);
    });
}

TEST_F(CDlgTabFrostTest, MinutesBeyondTheRangeShowAsTheEndAndStayStoredUntilStepped)
{
    app.m_options.uFrostWaitTime = 500;
    runPage([&](CDlgTabFrost& page) {
        EXPECT_EQ(page.m_editWait->text(), "99");
        EXPECT_EQ(app.m_options.uFrostWaitTime, 500u);
        click(page.m_chkEnable);
        EXPECT_EQ(frost().m_dwWaitTime, 500u * 60000);
        clickArrow(page, false);
        EXPECT_EQ(app.m_options.uFrostWaitTime, 98u);
        EXPECT_EQ(page.m_editWait->text(), "98");
    });
}

// No wait at all is a choice on the page; the frost then comes after a quiet
// moment and still goes at the first touch of the mouse.
TEST_F(CDlgTabFrostTest, NoWaitAtAllStillLetsInputClearTheFrost)
{
    app.m_options.uFrostWaitTime = 1;
    runPage([&](CDlgTabFrost& page) {
        click(page.m_chkEnable);
        clickArrow(page, false);
        ASSERT_EQ(page.m_editWait->text(), "0");
        EXPECT_EQ(frost().m_dwWaitTime, 0u);
        input();
        services.scheduler.advance(20000);
        ASSERT_TRUE(frost().m_bShown);
        for (int touch = 0; touch < 20; ++touch) {
            services.scheduler.advance(499);
            input();
            services.scheduler.advance(1);
            ASSERT_FALSE(frost().m_bShown) << "touch " << touch;
        }
    });
}

} // namespace
