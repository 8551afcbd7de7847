#include "SettingsWindowFixture.h"

#include "core/DialogItems.h"
#include "core/DialogUnits.h"
#include "core/TabControl.h"
#include "pages/CDlgTabGeneral.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace {

TEST(DialogUnits, MapFourAcrossToSixPixelsAndEightDownToThirteen)
{
    EXPECT_EQ(DialogUnits::ToPixels(QSize(4, 8)), QSize(6, 13));
    EXPECT_EQ(DialogUnits::ToPixels(QSize(333, 200)), QSize(500, 325));
    EXPECT_EQ(DialogUnits::ToPixels(QSize(312, 168)), QSize(468, 273));
    EXPECT_EQ(DialogUnits::ToPixels(QSize(313, 168)), QSize(470, 273));
    EXPECT_EQ(DialogUnits::ToPixelsX(1), 2);
    EXPECT_EQ(DialogUnits::ToPixelsY(1), 2);
    EXPECT_EQ(DialogUnits::ToPixelsX(-1), -2);
}

TEST(DialogUnits, ConvertARectangleByItsEdges)
{
    // Left 10.5 -> 11, right 489; top 11.375 -> 11, bottom 313.625 -> 314.
    EXPECT_EQ(DialogUnits::ToPixels(QRect(7, 7, 319, 186)), QRect(11, 11, 478, 303));
    EXPECT_EQ(DialogUnits::ToPixels(QRect(52, 63, 10, 10)), QRect(78, 102, 15, 17));
}

class DialogLayoutTest : public SettingsWindowFixture {};

TEST_F(DialogLayoutTest, WindowAndTabControlSitWhereTheLayoutPutsThem)
{
    runWindow([&](CZelDlg& dlg) {
        EXPECT_EQ(dlg.size(), QSize(500, 325));
        QWidget* tab = GetDlgItem(&dlg, 1000);
        ASSERT_EQ(tab, dlg.m_tab);
        EXPECT_EQ(tab->geometry(), QRect(11, 11, 478, 303));
        // The page fits the pane below the tabs.
        EXPECT_LE(dlg.m_pTabGeneral->geometry().bottom(), tab->height() - 1);
        EXPECT_EQ(dlg.m_pTabGeneral->size(), QSize(468, 273));
        EXPECT_EQ(dlg.m_pTabGeneral->TemplateId(), 137u);
    });
}

TEST_F(DialogLayoutTest, GeneralPageControlsAreReachableByIdAtTheirPlaces)
{
    runWindow([&](CZelDlg& dlg) {
        const QWidget* page = dlg.m_pTabGeneral;
        EXPECT_EQ(GetDlgItemAs<QComboBox>(page, 1004), dlg.m_pTabGeneral->m_comboLanguage);
        EXPECT_EQ(GetDlgItemAs<QCheckBox>(page, 1006), dlg.m_pTabGeneral->m_chkAutoRun);
        EXPECT_EQ(GetDlgItemAs<QCheckBox>(page, 1009), dlg.m_pTabGeneral->m_chkHighLoad);
        EXPECT_EQ(page->findChild<QWidget*>("1004"), dlg.m_pTabGeneral->m_comboLanguage);
        EXPECT_EQ(GetDlgItem(page, 1004)->geometry().topLeft(), QPoint(138, 62));
        EXPECT_EQ(GetDlgItem(page, 1004)->width(), 90);
        EXPECT_EQ(GetDlgItem(page, 1006)->geometry(), QRect(78, 102, 15, 17));
        EXPECT_EQ(GetDlgItem(page, 1070)->geometry(), QRect(95, 102, 315, 13));
        EXPECT_EQ(GetDlgItem(page, 1069)->geometry(), QRect(95, 135, 315, 39));
        auto* language = GetDlgItemAs<QLabel>(page, 1013);
        ASSERT_NE(language, nullptr);
        EXPECT_EQ(language->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        EXPECT_EQ(GetDlgItem(page, 12345), nullptr);
    });
}

TEST_F(DialogLayoutTest, LabelsShowAmpersandPairsAsOne)
{
    writeLanguage("English", "English", {{9, "Sprache && Text"}});
    loadLanguage();
    runWindow([&](CZelDlg& dlg) {
        EXPECT_EQ(GetDlgItemAs<QLabel>(dlg.m_pTabGeneral, 1013)->text(), "Sprache & Text");
        EXPECT_EQ(GetDlgItemText(dlg.m_pTabGeneral, 1013), "Sprache && Text");
        EXPECT_EQ(dlg.m_tab->GetItemText(1), "Lights && Garlands");
    });
}

} // namespace
