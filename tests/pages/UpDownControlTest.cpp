#include "core/UpDownControl.h"
#include "core/DialogItems.h"
#include "core/DialogTemplate.h"

#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {1078, Kind::ReadOnlyEdit, {109, 36, 40, 14}},
    {1079, Kind::UpDown, {137, 36, 11, 14}},
};

// A box with arrows made from a layout, as a page makes them.
class UpDownControlTest : public ::testing::Test {
protected:
    UpDownControlTest()
    {
        DialogTemplate::CreateControls(&window, kControls);
        edit = GetDlgItemAs<QLineEdit>(&window, 1078);
        arrows = GetDlgItemAs<UpDownControl>(&window, 1079);
        arrows->SetRange(0, 99);
        arrows->SetPos(10);
        QObject::connect(arrows, &UpDownControl::deltaPos,
                         [this](int pos, int delta) { asked.emplace_back(pos, delta); });
        window.resize(480, 280);
        window.show();
    }
    void clickArrow(bool up)
    {
        const QPoint at(arrows->width() / 2, up ? 2 : arrows->height() - 3);
        QTest::mouseClick(arrows, Qt::LeftButton, {}, at);
    }

    QWidget window;
    QLineEdit* edit = nullptr;
    UpDownControl* arrows = nullptr;
    std::vector<std::pair<int, int>> asked;
};

TEST_F(UpDownControlTest, ArrowsSitInTheBoxsRightEndAndShowTheNumberInIt)
{
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(arrows->GetBuddy(), edit);
    EXPECT_EQ(arrows->geometry().right(), edit->geometry().right());
    EXPECT_EQ(arrows->geometry().top(), edit->geometry().top());
    EXPECT_EQ(arrows->height(), edit->height());
    EXPECT_EQ(edit->text(), "10");
    EXPECT_TRUE(edit->isReadOnly());
}

TEST_F(UpDownControlTest, ArrowsAndKeysStepByOneAndTellBeforeEachStep)
{
    clickArrow(true);
    clickArrow(true);
    clickArrow(false);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClicks(edit, "55");
    EXPECT_EQ(edit->text(), "9");
    EXPECT_EQ(arrows->GetPos(), 9);
    EXPECT_EQ(asked,
              (std::vector<std::pair<int, int>>{{10, 1}, {11, 1}, {12, -1}, {11, -1}, {10, -1}}));
}

TEST_F(UpDownControlTest, StaysWithinItsRangeAndStillTellsAtTheEnds)
{
    arrows->SetPos(250);
    EXPECT_EQ(edit->text(), "99");
    clickArrow(true);
    EXPECT_EQ(arrows->GetPos(), 99);
    arrows->SetPos(0);
    clickArrow(false);
    EXPECT_EQ(edit->text(), "0");
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{99, 1}, {0, -1}}));
}

TEST_F(UpDownControlTest, DisabledArrowsIgnoreClicksAndKeysWhileTheBoxStaysEnabled)
{
    arrows->setEnabled(false);
    clickArrow(true);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_EQ(edit->text(), "10");
    EXPECT_TRUE(asked.empty());
}

} // namespace
