#include "SettingsWindowFixture.h"

#include "core/DialogItems.h"
#include "core/TabControl.h"
#include "core/WrappingCheckBox.h"
#include "core/WrappingPushButton.h"
#include "pages/CDlgTabGeneral.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

class DialogLayoutTest : public SettingsWindowFixture {};

TEST_F(DialogLayoutTest, WindowTabsAndGeneralPageSitWhereTheLayoutPutsThem)
{
    runWindow([&](CZelDlg& dlg) {
        // Dialog units: 4 across are 6 pixels, 8 down 13, each edge rounded on its own.
        EXPECT_EQ(dlg.size(), QSize(500, 325));
        EXPECT_EQ(GetDlgItem(&dlg, 1000)->geometry(), QRect(11, 11, 478, 303));
        const QWidget* page = dlg.m_pTabGeneral;
        // In the middle of the pane under the tabs (476 x 281 inside its border).
        EXPECT_EQ(page->geometry(), QRect(5, 25, 468, 273));
        // The tray menu is written in the window's letters.
        EXPECT_EQ(QApplication::font("QMenu"), dlg.font());
        EXPECT_EQ(GetDlgItem(page, 1004)->geometry().topLeft(), QPoint(138, 62));
        EXPECT_EQ(GetDlgItem(page, 1004)->width(), 90);
        EXPECT_EQ(GetDlgItem(page, 1006)->geometry(), QRect(78, 102, 15, 17));
        EXPECT_EQ(GetDlgItem(page, 1070)->geometry(), QRect(95, 102, 315, 13));
        EXPECT_EQ(GetDlgItem(page, 1069)->geometry(), QRect(95, 135, 315, 39));
        EXPECT_EQ(GetDlgItemAs<QLabel>(page, 1013)->alignment() & Qt::AlignHorizontal_Mask,
                  Qt::AlignHCenter);
    });
}

TEST_F(DialogLayoutTest, LabelsShowAmpersandPairsAsOne)
{
    writeLanguage("English", "English", {{9, "Sprache && Text"}});
    loadLanguage("English");
    runWindow([&](CZelDlg& dlg) {
        EXPECT_EQ(GetDlgItemAs<QLabel>(dlg.m_pTabGeneral, 1013)->text(), "Sprache & Text");
        EXPECT_EQ(dlg.m_tab->GetItemText(1), "Lights && Garlands");
    });
}

// Every caption and list item fits its control in every shipped language.
class DialogCaptionTest : public SettingsWindowFixture,
                          public ::testing::WithParamInterface<const char*> {};

TEST_P(DialogCaptionTest, CaptionsFitTheirControls)
{
    // The language files the build puts beside the program.
    const QDir shipped(QStringLiteral(YULAVIN_BIN_DIR));
    for (const QString& name : shipped.entryList({QStringLiteral("*.lng")}, QDir::Files))
        QFile::copy(shipped.filePath(name), services.programDir() + "/" + name);
    loadLanguage(GetParam());
    // Windows 7 adds the Logon page.
    services.system.setVersion(6, 1);
    runWindow([&](CZelDlg& dlg) {
        for (const QLabel* label : dlg.findChildren<QLabel*>()) {
            if (label->isHidden() || label->text().isEmpty())
                continue;
            EXPECT_LE(label->heightForWidth(label->width()), label->height())
                << label->objectName().toStdString() << ": " << label->text().toStdString();
        }
        for (const QAbstractButton* button : dlg.findChildren<QAbstractButton*>()) {
            const bool choice =
                qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button);
            if (!choice || button->text().isEmpty())
                continue;
            EXPECT_TRUE(qobject_cast<const WrappingCheckBox*>(button)
                            ? button->sizeHint().height() <= button->height()
                            : button->sizeHint().width() <= button->width())
                << button->objectName().toStdString() << ": " << button->text().toStdString();
        }
        // A group's title, on its frame line, ends well before the frame does.
        for (const QGroupBox* group : dlg.findChildren<QGroupBox*>())
            EXPECT_LT(group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width())
                << group->objectName().toStdString() << ": " << group->title().toStdString();
        // A closed list shows its choice whole, whichever the user picks.
        for (const QComboBox* list : dlg.findChildren<QComboBox*>()) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            const int room = list->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, list)
                                 .width();
            for (int i = 0; i < list->count(); ++i)
                EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)), room)
                    << list->objectName().toStdString() << ": " << list->itemText(i).toStdString();
        }
        // Room for a push button's frame and a frame's corners.
        for (const QPushButton* button : dlg.findChildren<QPushButton*>()) {
            // A caption that wraps is checked by its height, below.
            if (qobject_cast<const WrappingPushButton*>(button))
                continue;
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width())
                << button->objectName().toStdString() << ": " << button->text().toStdString();
        }
        for (const QGroupBox* group : dlg.findChildren<QGroupBox*>())
            EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width())
                << group->objectName().toStdString() << ": " << group->title().toStdString();
        for (const WrappingPushButton* button : dlg.findChildren<WrappingPushButton*>())
            EXPECT_LE(button->sizeHint().height(), button->height())
                << button->objectName().toStdString() << ": " << button->text().toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogCaptionTest,
                         ::testing::Values("English", "Russian", "German", "Polish", "French"),
                         [](const auto& testCase) { return std::string(testCase.param); });

} // namespace
