#include "SettingsWindowFixture.h"

#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/LinkLabel.h"
#include "core/ProgramResources.h"
#include "core/TabControl.h"
#include "pages/CDlgTabAbout.h"
#include "pages/CDlgTabCountdown.h"
#include "pages/CDlgTabGeneral.h"
#include "pages/CDlgTabSite.h"
#include "pages/CDlgTabWallpapers.h"

#include <QComboBox>
#include <QTabBar>
#include <QTest>

namespace {

class LinkPagesTest : public SettingsWindowFixture {
protected:
    void SetUp() override
    {
        writeLanguage("German", "Deutsch", {});
        writeLanguage("Polish", "Polski", {});
        writeLanguage("French", "Français", {});
        writeLanguage("Russian", "Русский", {{0, "Версия 3.5"}, {76, "Благодарности"}});
    }

    // Shows the page under that tab and clicks the control with that id.
    static void clickOnPage(CZelDlg& dlg, QWidget* page, int id)
    {
        for (int i = 0; i < dlg.m_tab->GetItemCount(); ++i) {
            if (dlg.m_tab->GetItemData(i) == page)
                clickTab(dlg, i);
        }
        ASSERT_TRUE(page->isVisible());
        QWidget* control = GetDlgItem(page, id);
        if (auto* link = qobject_cast<LinkLabel*>(control)) {
            // On the first letter of the link, wherever its blanks put it.
            const QString text = link->LinkText();
            const QString blanks = text.left(text.indexOf(QLatin1Char('<')));
            const QFontMetrics metrics = link->fontMetrics();
            QTest::mouseClick(link, Qt::LeftButton, {},
                              QPoint(metrics.horizontalAdvance(blanks) + 3, metrics.height() / 2));
        } else {
            QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        }
    }
    // How many pixels of the button's shape differ from the bitmap.
    static int pixelsUnlike(CxSkinButton* button, unsigned bitmap)
    {
        const QImage shot = button->grab().toImage();
        const std::unique_ptr<QImage> expected = LoadBitmapResource(bitmap);
        int unlike = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (button->GetClipRegion()->contains(QPoint(x, y)) &&
                    (shot.pixel(x, y) & 0xFFFFFF) != (expected->pixel(x, y) & 0xFFFFFF))
                    ++unlike;
            }
        }
        return unlike;
    }
};

struct AddressCase {
    const char* language;
    const char* site;
    const char* countdown;
    const char* wallpapers;
    const char* credits;
};

class LinkPagesAddressTest : public LinkPagesTest,
                             public ::testing::WithParamInterface<AddressCase> {};

TEST_P(LinkPagesAddressTest, EachPageOpensItsAddressInTheLanguage)
{
    const AddressCase& c = GetParam();
    loadLanguage(c.language);
    runWindow([&](CZelDlg& dlg) {
        clickOnPage(dlg, dlg.m_pTabAbout, 1035);
        clickOnPage(dlg, dlg.m_pTabCountdown, 1038);
        clickOnPage(dlg, dlg.m_pTabWallpapers, 1038);
        clickOnPage(dlg, dlg.m_pTabAbout, 1060);
    });
    EXPECT_EQ(services.shell.m_opened, QStringList({c.site, c.countdown, c.wallpapers,
                                                    services.programDir() + "/" + c.credits}));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LinkPagesAddressTest,
    ::testing::Values(
        AddressCase{"English", "https://varnel.example/", "http://countdown.example/xmascountdown",
                    "http://wallpapers.example/?tag=christmas", "credits_en.html"},
        AddressCase{"Russian", "https://varnel.example/?lng=ru",
                    "http://countdown.example/xmascountdown/?lng=ru",
                    "http://wallpapers.example/?tag=новый+год&lng=ru", "credits_ru.html"},
        AddressCase{"German", "https://varnel.example/",
                    "http://countdown.example/xmascountdown/?lng=de",
                    "http://wallpapers.example/?tag=christmas", "credits_en.html"},
        AddressCase{"Polish", "https://varnel.example/",
                    "http://countdown.example/xmascountdown/?lng=pl",
                    "http://wallpapers.example/?tag=christmas", "credits_en.html"},
        AddressCase{"French", "https://varnel.example/", "http://countdown.example/xmascountdown",
                    "http://wallpapers.example/?tag=christmas", "credits_en.html"}),
    [](const auto& testCase) { return std::string(testCase.param.language); });

// Picture and button follow every change of language; French has its own
// although its countdown page is the English one.
TEST_F(LinkPagesTest, CountdownPictureAndButtonFollowTheLanguage)
{
    const struct {
        const char* native;
        unsigned picture;
        unsigned button;
    } steps[] = {{"", 265, 277},        {"Deutsch", 570, 564},  {"Polski", 575, 574},
                 {"Deutsch", 570, 564}, {"Français", 571, 567}, {"Русский", 276, 281}};
    runWindow([&](CZelDlg& dlg) {
        CDlgTabCountdown* page = dlg.m_pTabCountdown;
        for (const auto& step : steps) {
            SCOPED_TRACE(step.native);
            // First as the window starts, in English.
            if (*step.native)
                pickLanguage(dlg, step.native);
            ASSERT_TRUE(page->m_pImageBack);
            EXPECT_EQ(*page->m_pImageBack, *LoadPngResource(step.picture));
            EXPECT_EQ(pixelsUnlike(page->m_btnCountdown, step.button), 0);
            EXPECT_GT(pixelsUnlike(page->m_btnCountdown, step.button == 277 ? 564 : 277), 0);
        }
    });
}

TEST_F(LinkPagesTest, CreditsLinkIsIndentedInRussianOnly)
{
    loadLanguage("Russian");
    runWindow([&](CZelDlg& dlg) {
        const CDlgTabAbout* about = dlg.m_pTabAbout;
        EXPECT_EQ(GetDlgItemText(about, 1032), "Версия 3.5");
        EXPECT_EQ(GetDlgItemText(about, 1060), QString(19, ' ') + "<A>Благодарности</A>");
        EXPECT_EQ(about->m_linkSite->Links(), QStringList{"varnel.example"});
        pickLanguage(dlg, "Deutsch");
        EXPECT_EQ(GetDlgItemText(about, 1032), "Version 3.5");
        EXPECT_EQ(GetDlgItemText(about, 1060), "<A>Acknowledgements and Attribution List</A>");
    });
}

TEST_F(LinkPagesTest, SitePageComesOnceWithRussianAndStays)
{
    runWindow([&](CZelDlg& dlg) {
        EXPECT_EQ(dlg.m_pTabSite, nullptr);
        pickLanguage(dlg, "Русский");
        CDlgTabSite* site = dlg.m_pTabSite;
        ASSERT_NE(site, nullptr);
        pickLanguage(dlg, "Deutsch");
        pickLanguage(dlg, "Русский");
        EXPECT_EQ(dlg.m_pTabSite, site);
        EXPECT_EQ(dlg.findChildren<CDlgTabSite*>().size(), 1);
        ASSERT_TRUE(site->m_pImageBack);
        EXPECT_EQ(*site->m_pImageBack, *LoadPngResource(290));
        // Whatever the language now, the button opens the Russian site.
        pickLanguage(dlg, "Polski");
        clickOnPage(dlg, site, 1038);
    });
    EXPECT_EQ(services.shell.m_opened, QStringList{"http://novyi-god.example"});
}

TEST_F(LinkPagesTest, ButtonsSitWhereTheLayoutPutsThemAtTheirBitmapsSize)
{
    loadLanguage("Russian");
    runWindow([&](CZelDlg& dlg) {
        EXPECT_EQ(dlg.m_pTabCountdown->m_btnCountdown->geometry(), QRect(192, 138, 106, 40));
        EXPECT_EQ(dlg.m_pTabWallpapers->m_btnWallpapers->geometry(), QRect(122, 31, 220, 220));
        EXPECT_EQ(dlg.m_pTabSite->m_btnSite->geometry(), QRect(95, 140, 106, 40));
        EXPECT_EQ(GetDlgItem(dlg.m_pTabAbout, 1060)->geometry(), QRect(141, 229, 188, 23));
    });
}

} // namespace
