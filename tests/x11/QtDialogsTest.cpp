#include "platform/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

using Answer = platform::Dialogs::Answer;
using Style = platform::Dialogs::Style;

QMessageBox* shownBox(const QWidget* owner)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible() && box->parentWidget() == owner)
            return box;
    }
    return nullptr;
}

// The question waits on the screen while everything else goes on; the
// answer comes with the click.
TEST(QtDialogs, AskingWithoutWaitingReturnsAtOnceAndAnswersOnTheClick)
{
    platform::QtDialogs dialogs;
    QWidget owner;
    owner.show();
    std::optional<Answer> answer;
    dialogs.messageBoxAsync(&owner, "Newer?", "Yulavin", Style::YesNoInformation,
                            [&](Answer given) { answer = given; });
    QMessageBox* box = shownBox(&owner);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(answer.has_value());
    EXPECT_EQ(box->windowTitle(), "Yulavin");
    EXPECT_EQ(box->text(), "Newer?");
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    EXPECT_EQ(answer, Answer::Yes);

    // Esc says no; a box that goes with its owner says nothing.
    answer.reset();
    dialogs.messageBoxAsync(&owner, "Newer?", "Yulavin", Style::YesNoInformation,
                            [&](Answer given) { answer = given; });
    QTest::keyClick(shownBox(&owner), Qt::Key_Escape);
    EXPECT_EQ(answer, Answer::No);
    // The owner still hidden, as the settings window is until the user
    // opens it: the question comes up in the middle of the screen.
    answer.reset();
    QWidget hidden;
    dialogs.messageBoxAsync(&hidden, "Newer?", "Yulavin", Style::YesNoInformation,
                            [&](Answer given) { answer = given; });
    QMessageBox* centred = shownBox(&hidden);
    ASSERT_NE(centred, nullptr);
    const QPoint offCentre =
        centred->geometry().center() - centred->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 8);
    QTest::mouseClick(centred->button(QMessageBox::No), Qt::LeftButton);
    EXPECT_EQ(answer, Answer::No);

    answer.reset();
    auto leaving = std::make_unique<QWidget>();
    dialogs.messageBoxAsync(leaving.get(), "Newer?", "Yulavin", Style::YesNoInformation,
                            [&](Answer given) { answer = given; });
    leaving.reset();
    QApplication::processEvents();
    EXPECT_FALSE(answer.has_value());
}

} // namespace
