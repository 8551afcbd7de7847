#include "SettingsWindowFixture.h"

#include "core/CTrayIcon.h"
#include "core/DialogItems.h"
#include "core/TabControl.h"
#include "pages/CDlgTabGeneral.h"
#include "pages/CDlgTabLogon.h"
#include "platform/FileRegistry.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTabBar>
#include <QTest>

namespace {

const QString kSiteCaption = QStringLiteral("Новогодний сайт");

class CZelDlgTest : public SettingsWindowFixture {
protected:
    void SetUp() override
    {
        writeLanguage("German", "Deutsch",
                      {{1, "Über"},
                       {9, "Sprache"},
                       {11, "Allgemein"},
                       {41, "Einstellungen"},
                       {45, "Yulavin beenden"}});
        writeLanguage("Russian", "Русский", {{1, "О программе"}, {11, "Общие"}});
    }

    static QStringList tabCaptions(const CZelDlg& dlg)
    {
        QStringList captions;
        for (int i = 0; i < dlg.m_tab->GetItemCount(); ++i)
            captions << dlg.m_tab->GetItemText(i);
        return captions;
    }
    // The caption of the tab the row shows as selected.
    static std::string highlightedTab(const CZelDlg& dlg)
    {
        return dlg.m_tab->tabBar()->tabText(dlg.m_tab->tabBar()->currentIndex()).toStdString();
    }
    // Which page shows, by its tab position; -1 for none, -2 for several.
    static int shownTab(const CZelDlg& dlg)
    {
        int shown = -1;
        for (int i = 0; i < dlg.m_tab->GetItemCount(); ++i) {
            if (dlg.m_tab->GetItemData(i)->isVisibleTo(dlg.m_tab))
                shown = shown == -1 ? i : -2;
        }
        return shown;
    }
};

struct TabCase {
    int major, minor;
    const char* language;
    QStringList lastTabs;
};

class CZelDlgTabTest : public CZelDlgTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(CZelDlgTabTest, TabsFollowTheVersionAndLanguage)
{
    const TabCase& c = GetParam();
    services.system.setVersion(c.major, c.minor);
    loadLanguage(c.language);
    runWindow([&](CZelDlg& dlg) {
        EXPECT_EQ(tabCaptions(dlg),
                  QStringList({app.m_translate.m_arrText[11], "Lights && Garlands", "Snow",
                               "Wallpapers", "Sound && Music", "Countdown", "Cursor", "Tree"}) +
                      c.lastTabs);
        EXPECT_EQ(shownTab(dlg), 0);
        EXPECT_EQ(dlg.m_pTabLogon->IsWindow(), c.lastTabs.contains("Logon Screen"));
    });
}

INSTANTIATE_TEST_SUITE_P(
    VersionsAndLanguages, CZelDlgTabTest,
    ::testing::Values(
        TabCase{10, 0, "English", {"Frost", "About"}}, TabCase{6, 0, "German", {"Frost", "Über"}},
        TabCase{6, 2, "English", {"Frost", "About"}},
        TabCase{6, 1, "English", {"Logon Screen", "Frost", "About"}},
        TabCase{5, 1, "Russian", {"Logon Screen", kSiteCaption, "Frost", "О программе"}}));

TEST_F(CZelDlgTest, LanguageSwitchChangesEveryTextAtOnceAndKeepsThePageInView)
{
    runWindow([&](CZelDlg& dlg) {
        clickTab(dlg, 2);
        pickLanguage(dlg, "Deutsch");
        EXPECT_EQ(app.m_options.Language, "German");
        EXPECT_EQ(GetDlgItemText(dlg.m_pTabGeneral, 1013), "Sprache");
        // Texts the file lacks are English.
        EXPECT_EQ(GetDlgItemText(dlg.m_pTabGeneral, 1070),
                  "Start at Windows startup (for current user)");
        EXPECT_EQ(tabCaptions(dlg).first(), "Allgemein");
        EXPECT_EQ(tabCaptions(dlg).last(), "Über");
        EXPECT_EQ(shownTab(dlg), 2);

        // Russian brings the site tab once, and it stays when the language changes again.
        pickLanguage(dlg, "Русский");
        pickLanguage(dlg, "Русский");
        EXPECT_EQ(tabCaptions(dlg).mid(8), QStringList({kSiteCaption, "Frost", "О программе"}));
        pickLanguage(dlg, "Deutsch");
        EXPECT_EQ(tabCaptions(dlg).mid(8), QStringList({kSiteCaption, "Frost", "Über"}));
        EXPECT_EQ(shownTab(dlg), 2);
        // The close hint stays hidden.
        EXPECT_TRUE(GetDlgItem(dlg.m_pTabGeneral, 1066)->isHidden());
    });
}

TEST_F(CZelDlgTest, TrayMenuFollowsTheLanguageAndOpensTheLastOrFirstPage)
{
    services.tray.m_choices = {ID_TRAY_ABOUT, ID_TRAY_SETTINGS};
    runWindow(
        [&](CZelDlg& dlg) {
            services.tray.rightClick();
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_EQ(shownTab(dlg), dlg.m_tab->GetItemCount() - 1);
            EXPECT_EQ(highlightedTab(dlg), "About");
            pickLanguage(dlg, "Deutsch");
            services.tray.rightClick();
            EXPECT_EQ(shownTab(dlg), 0);
            EXPECT_EQ(highlightedTab(dlg), "Allgemein");
        },
        true);
    const std::vector<int> ids = {ID_TRAY_SETTINGS, 0, ID_TRAY_HELP, ID_TRAY_UPDATE,
                                  ID_TRAY_ABOUT,    0, ID_TRAY_EXIT};
    const QStringList captions[] = {
        {"Settings", "", "Help", "Check for Update", "About", "", "Exit Yulavin"},
        {"Einstellungen", "", "Help", "Check for Update", "Über", "", "Yulavin beenden"}};
    ASSERT_EQ(services.tray.m_menus.size(), 2u);
    for (size_t menu = 0; menu < 2; ++menu) {
        const FakeTray::Menu& shown = services.tray.m_menus[menu];
        EXPECT_EQ(shown.defaultId, ID_TRAY_SETTINGS);
        std::vector<int> shownIds;
        QStringList shownCaptions;
        for (const auto& item : shown.items) {
            shownIds.push_back(item.id);
            shownCaptions << item.text;
        }
        EXPECT_EQ(shownCaptions, captions[menu]);
        EXPECT_EQ(shownIds, ids);
    }
}

struct PageCase {
    int command;
    const char* language;
    const char* address;
};

class CZelDlgPageTest : public CZelDlgTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(CZelDlgPageTest, MenuOpensTheMakersPage)
{
    loadLanguage(GetParam().language);
    services.tray.m_choices = {GetParam().command};
    runWindow([&](CZelDlg&) { services.tray.rightClick(); });
    EXPECT_EQ(services.shell.m_opened, QStringList{QString::fromLatin1(GetParam().address)});
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CZelDlgPageTest,
    ::testing::Values(PageCase{ID_TRAY_HELP, "English", "https://varnel.example/?p=yulavin_help"},
                      PageCase{ID_TRAY_HELP, "Russian",
                               "https://varnel.example/?lng=ru&p=yulavin_help"},
                      PageCase{ID_TRAY_UPDATE, "German", "https://varnel.example/?p=yulavin"}));

TEST_F(CZelDlgTest, StartedHiddenTheWindowOpensOnlyByTheIconOnItsLastTabAndStaysOpen)
{
    runWindow(
        [&](CZelDlg& dlg) {
            dlg.show();
            dlg.showNormal();
            EXPECT_FALSE(dlg.isVisible());
            services.tray.doubleClick();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
            clickTab(dlg, 2);
            EXPECT_EQ(shownTab(dlg), 2);

            // Minimised and hidden, then opened again: restored, same tab.
            dlg.showMinimized();
            services.scheduler.advance(500);
            EXPECT_FALSE(dlg.isVisible());
            services.tray.doubleClick();
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_FALSE(dlg.isMinimized());
            EXPECT_EQ(shownTab(dlg), 2);

            // Enter does nothing, and Esc inside a page stays there.
            QTest::keyClick(&dlg, Qt::Key_Return);
            QTest::keyClick(dlg.m_pTabGeneral->m_comboLanguage, Qt::Key_Escape);
            QTest::keyClick(dlg.m_pTabGeneral->m_comboLanguage, Qt::Key_Return);
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_FALSE(dlg.isMinimized());
        },
        true);
}

// Esc, the close box and Alt+F4 (which reaches the window as a close request).
class CZelDlgClosingTest : public CZelDlgTest, public ::testing::WithParamInterface<const char*> {
protected:
    bool escape() const { return std::string(GetParam()) == "Escape"; }
    void closeTheWay(CZelDlg& dlg) const
    {
        if (escape())
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            dlg.close();
    }
};

TEST_P(CZelDlgClosingTest, HidesAfterHalfASecondMinimised)
{
    runWindow([&](CZelDlg& dlg) {
        closeTheWay(dlg);
        EXPECT_TRUE(dlg.isMinimized());
        services.scheduler.advance(499);
        EXPECT_TRUE(dlg.isVisible());
        services.scheduler.advance(1);
        EXPECT_FALSE(dlg.isVisible());
        // The icon stays, with the product's name as its tip.
        EXPECT_TRUE(services.tray.m_shown);
        EXPECT_EQ(services.tray.m_tip, "Yulavin");
        EXPECT_FALSE(services.tray.m_icon.isNull());
    });
}

TEST_P(CZelDlgClosingTest, WithoutANotificationAreaEscMinimisesAndCloseExits)
{
    services.tray.m_available = false;
    FakePlatform::writeFile(services.settingsPath(), "<Options><fSnow>0</fSnow></Options>");
    runProgram([&](CZelDlg& dlg) {
        EXPECT_TRUE(dlg.isVisible());
        closeTheWay(dlg);
        if (escape()) {
            services.scheduler.advance(1000);
            EXPECT_TRUE(dlg.isMinimized());
            EXPECT_TRUE(dlg.isVisible());
            app.EndMainLoop();
        }
    });
    EXPECT_TRUE(FakePlatform::readFile(services.settingsPath()).contains("<fSnow>0</fSnow>"));
}

INSTANTIATE_TEST_SUITE_P(Ways, CZelDlgClosingTest, ::testing::Values("Escape", "CloseBox"),
                         [](const auto& testCase) { return std::string(testCase.param); });

TEST_F(CZelDlgTest, ExitWithTheWindowHiddenEndsWithoutShowingIt)
{
    FakePlatform::writeFile(services.settingsPath(), "<Options><uSnowWind>3</uSnowWind></Options>");
    services.tray.m_choices = {ID_TRAY_EXIT};
    EXPECT_FALSE(runProgram([&](CZelDlg& dlg) {
        EXPECT_FALSE(dlg.isVisible());
        services.tray.rightClick();
    }));
    EXPECT_FALSE(services.tray.m_shown);
    EXPECT_TRUE(
        FakePlatform::readFile(services.settingsPath()).contains("<uSnowWind>3</uSnowWind>"));
}

// Started with the window, the weekly check reads the file of the window's
// language from the maker's site, and the window owns the question.
TEST_F(CZelDlgTest, WindowStartsTheUpdateCheckAndOwnsItsQuestion)
{
    platform::Registry& registry = services.registry();
    registry.set(platform::Registry::Root::CurrentUser, "Software\\Varnel\\Yulavin",
                 "LastUpdateCheck", QStringLiteral("0"), true);
    services.http.setReply({platform::Http::Reply::Status::Ok, "4|0|http://dl.example/"});
    loadLanguage("Russian");
    runWindow([&](CZelDlg& dlg) {
        QElapsedTimer elapsed;
        elapsed.start();
        while (services.scheduler.drainPosted() == 0 && elapsed.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_EQ(services.dialogs.m_owners.size(), 1u);
        EXPECT_EQ(services.dialogs.m_owners[0], &dlg);
    });
    EXPECT_EQ(services.http.requested(),
              QStringList{"http://varnel.example/yulavin/update_ru.txt"});
}

} // namespace
