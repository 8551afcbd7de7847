#include "SettingsWindowFixture.h"

#include "core/CTrayIcon.h"
#include "core/DialogItems.h"
#include "core/TabControl.h"
#include "pages/CDlgTabAbout.h"
#include "pages/CDlgTabFrost.h"
#include "pages/CDlgTabGeneral.h"
#include "pages/CDlgTabLogon.h"
#include "pages/CDlgTabSite.h"
#include "pages/CDlgTabSnow.h"

#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>

namespace {

const QString kSiteCaption = QStringLiteral("Новогодний сайт");

// Counts how often a widget of the settings window's class was shown.
class ShowCounter final : public QObject {
public:
    ShowCounter() { qApp->installEventFilter(this); }
    ~ShowCounter() override { qApp->removeEventFilter(this); }
    int m_shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<CZelDlg*>(watched))
            ++m_shows;
        return false;
    }
};

class CZelDlgTest : public SettingsWindowFixture {
protected:
    void writeGermanAndRussian() const
    {
        writeLanguage("German", "Deutsch",
                      {{1, "Über"},
                       {9, "Sprache"},
                       {11, "Allgemein"},
                       {41, "Einstellungen"},
                       {43, "Hilfe"},
                       {44, "Nach Updates suchen"},
                       {45, "Yulavin beenden"},
                       {103, "Frost"}});
        writeLanguage("Russian", "Русский",
                      {{1, "О программе"}, {9, "Язык"}, {11, "Общие"}, {45, "Выход"}});
    }

    // Picks a language in the General page's list as the user does.
    static void pickLanguage(CZelDlg& dlg, const QString& native)
    {
        QComboBox* list = dlg.m_pTabGeneral->m_comboLanguage;
        const int index = list->findText(native);
        ASSERT_GE(index, 0) << native.toStdString();
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    static QStringList tabCaptions(const CZelDlg& dlg)
    {
        QStringList captions;
        for (int i = 0; i < dlg.m_tab->GetItemCount(); ++i)
            captions << dlg.m_tab->GetItemText(i);
        return captions;
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
    int logon, site, frost, about;
};

class CZelDlgTabTest : public CZelDlgTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(CZelDlgTabTest, TabsSitWhereTheVersionAndLanguageSay)
{
    const TabCase& c = GetParam();
    services.system.setVersion(c.major, c.minor);
    writeGermanAndRussian();
    app.m_options.Language = QString::fromLatin1(c.language);
    loadLanguage();
    runWindow([&](CZelDlg& dlg) {
        const TabControl& tab = *dlg.m_tab;
        EXPECT_EQ(tab.GetItemCount(), c.about + 1);
        const QStringList captions = tabCaptions(dlg);
        EXPECT_EQ(captions.mid(0, 8),
                  QStringList({app.m_translate.m_arrText[11], "Lights && Garlands", "Snow",
                               "Wallpapers", "Sound && Music", "Countdown", "Cursor", "Tree"}));
        EXPECT_EQ(tab.GetItemData(0), dlg.m_pTabGeneral);
        EXPECT_EQ(tab.GetItemData(2), dlg.m_pTabSnow);
        if (c.logon >= 0) {
            EXPECT_EQ(tab.GetItemData(c.logon), dlg.m_pTabLogon);
            EXPECT_EQ(captions[c.logon], "Logon Screen");
            EXPECT_TRUE(dlg.m_pTabLogon->IsWindow());
        } else {
            EXPECT_FALSE(dlg.m_pTabLogon->IsWindow());
        }
        if (c.site >= 0) {
            ASSERT_NE(dlg.m_pTabSite, nullptr);
            EXPECT_EQ(tab.GetItemData(c.site), dlg.m_pTabSite);
            EXPECT_EQ(captions[c.site], kSiteCaption);
            EXPECT_FALSE(dlg.m_pTabSite->isVisibleTo(dlg.m_tab));
        } else {
            EXPECT_EQ(dlg.m_pTabSite, nullptr);
        }
        EXPECT_EQ(tab.GetItemData(c.frost), dlg.m_pTabFrost);
        EXPECT_EQ(captions[c.frost], "Frost");
        EXPECT_EQ(tab.GetItemData(c.about), dlg.m_pTabAbout);
        EXPECT_EQ(captions[c.about], app.m_translate.m_arrText[1]);
        EXPECT_EQ(tab.GetCurSel(), 0);
        EXPECT_EQ(shownTab(dlg), 0);
        for (int i = 0; i < tab.GetItemCount(); ++i)
            EXPECT_EQ(tab.GetItemData(i)->pos(), QPoint(1, 21)) << i;

        // Again with the same language: no second site tab.
        dlg.ApplyLanguage();
        EXPECT_EQ(tab.GetItemCount(), c.about + 1);

        // About always selects the last tab.
        dlg.OnTrayAbout();
        EXPECT_EQ(tab.GetCurSel(), c.about);
        EXPECT_EQ(shownTab(dlg), c.about);
        // New texts leave the page in view alone.
        dlg.ApplyLanguage();
        EXPECT_EQ(shownTab(dlg), c.about);
        dlg.OnTraySettings();
        EXPECT_EQ(tab.GetCurSel(), 0);
        EXPECT_EQ(shownTab(dlg), 0);
    });
}

INSTANTIATE_TEST_SUITE_P(VersionsAndLanguages, CZelDlgTabTest,
                         ::testing::Values(TabCase{10, 0, "English", -1, -1, 8, 9},
                                           TabCase{10, 0, "Russian", -1, 8, 9, 10},
                                           TabCase{6, 2, "English", -1, -1, 8, 9},
                                           TabCase{6, 0, "German", -1, -1, 8, 9},
                                           TabCase{6, 1, "English", 8, -1, 9, 10},
                                           TabCase{6, 1, "Russian", 8, 9, 10, 11},
                                           TabCase{5, 1, "English", 8, -1, 9, 10},
                                           TabCase{5, 1, "Russian", 8, 9, 10, 11}),
                         [](const auto& testCase) {
                             return "Windows" + std::to_string(testCase.param.major) + "_" +
                                    std::to_string(testCase.param.minor) + testCase.param.language;
                         });

TEST_F(CZelDlgTest, LanguageSwitchChangesEveryTextAtOnce)
{
    writeGermanAndRussian();
    runWindow([&](CZelDlg& dlg) {
        EXPECT_EQ(GetDlgItemText(dlg.m_pTabGeneral, 1013), "Language");
        pickLanguage(dlg, "Deutsch");
        EXPECT_EQ(app.m_options.Language, "German");
        EXPECT_EQ(GetDlgItemText(dlg.m_pTabGeneral, 1013), "Sprache");
        EXPECT_EQ(dlg.m_tab->GetItemText(0), "Allgemein");
        EXPECT_EQ(dlg.m_tab->GetItemText(9), "Über");
        // Texts the file lacks are English.
        EXPECT_EQ(GetDlgItemText(dlg.m_pTabGeneral, 1070),
                  "Start at Windows startup (for current user)");
        EXPECT_EQ(dlg.m_tab->GetItemCount(), 10);

        // Russian brings the site tab, which stays when the language changes again.
        pickLanguage(dlg, "Русский");
        EXPECT_EQ(dlg.m_tab->GetItemCount(), 11);
        EXPECT_EQ(dlg.m_tab->GetItemText(8), kSiteCaption);
        EXPECT_EQ(dlg.m_tab->GetItemText(10), "О программе");
        EXPECT_EQ(shownTab(dlg), 0);
        pickLanguage(dlg, "Deutsch");
        EXPECT_EQ(dlg.m_tab->GetItemCount(), 11);
        EXPECT_EQ(dlg.m_tab->GetItemText(8), kSiteCaption);
        EXPECT_EQ(dlg.m_tab->GetItemText(9), "Frost");
        EXPECT_EQ(dlg.m_tab->GetItemText(10), "Über");
        EXPECT_EQ(GetDlgItemText(dlg.m_pTabGeneral, 1013), "Sprache");
        // The close hint stays hidden.
        EXPECT_TRUE(GetDlgItem(dlg.m_pTabGeneral, 1066)->isHidden());
    });
}

TEST_F(CZelDlgTest, TrayMenuFollowsTheLanguageAndKeepsItsSeparators)
{
    writeGermanAndRussian();
    runWindow([&](CZelDlg& dlg) {
        services.tray.rightClick();
        pickLanguage(dlg, "Deutsch");
        services.tray.rightClick();
    });
    ASSERT_EQ(services.tray.m_menus.size(), 2u);
    const std::vector<int> ids = {ID_TRAY_SETTINGS, 0, ID_TRAY_HELP, ID_TRAY_UPDATE,
                                  ID_TRAY_ABOUT,    0, ID_TRAY_EXIT};
    const QStringList captions[] = {
        {"Settings", "", "Help", "Check for Update", "About", "", "Exit Yulavin"},
        {"Einstellungen", "", "Hilfe", "Nach Updates suchen", "Über", "", "Yulavin beenden"}};
    for (size_t menu = 0; menu < 2; ++menu) {
        const FakeTray::Menu& shown = services.tray.m_menus[menu];
        EXPECT_EQ(shown.defaultId, ID_TRAY_SETTINGS);
        ASSERT_EQ(shown.items.size(), ids.size());
        for (size_t i = 0; i < ids.size(); ++i) {
            EXPECT_EQ(shown.items[i].id, ids[i]) << menu << "/" << i;
            EXPECT_EQ(shown.items[i].text, captions[menu][static_cast<qsizetype>(i)])
                << menu << "/" << i;
        }
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
    writeGermanAndRussian();
    app.m_options.Language = QString::fromLatin1(GetParam().language);
    loadLanguage();
    services.tray.m_choices = {GetParam().command};
    runWindow([&](CZelDlg&) { services.tray.rightClick(); });
    EXPECT_EQ(services.shell.m_opened, QStringList{QString::fromLatin1(GetParam().address)});
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CZelDlgPageTest,
    ::testing::Values(
        PageCase{ID_TRAY_HELP, "English", "https://varnel.example/?p=yulavin_help"},
        PageCase{ID_TRAY_HELP, "Russian", "https://varnel.example/?lng=ru&p=yulavin_help"},
        PageCase{ID_TRAY_HELP, "German", "https://varnel.example/?p=yulavin_help"},
        PageCase{ID_TRAY_UPDATE, "English", "https://varnel.example/?p=yulavin"},
        PageCase{ID_TRAY_UPDATE, "Russian", "https://varnel.example/?lng=ru&p=yulavin"}),
    [](const auto& testCase) {
        return std::string(testCase.param.command == ID_TRAY_HELP ? "Help" : "Update") +
               testCase.param.language;
    });

TEST_F(CZelDlgTest, SiteAddressComesFromTheEnvironmentWhenSet)
{
    qputenv("YULAVIN_SITE_URL", "http://127.0.0.1:8080/");
    services.tray.m_choices = {ID_TRAY_HELP};
    runWindow([&](CZelDlg&) { services.tray.rightClick(); });
    qunsetenv("YULAVIN_SITE_URL");
    EXPECT_EQ(services.shell.m_opened, QStringList{"http://127.0.0.1:8080/?p=yulavin_help"});
}

TEST_F(CZelDlgTest, IconShowsTheProductNameAndLeavesWithTheWindow)
{
    runWindow([&](CZelDlg&) {
        EXPECT_TRUE(services.tray.m_shown);
        EXPECT_EQ(services.tray.m_tip, "Yulavin");
        EXPECT_FALSE(services.tray.m_icon.isNull());
        EXPECT_TRUE(services.tray.onDoubleClick);
    });
    EXPECT_FALSE(services.tray.m_shown);
    EXPECT_FALSE(services.tray.onDoubleClick);
    EXPECT_FALSE(services.tray.onContextMenu);
}

TEST_F(CZelDlgTest, StartHiddenNeverShowsTheWindow)
{
    ShowCounter shows;
    runWindow(
        [&](CZelDlg& dlg) {
            EXPECT_FALSE(dlg.isVisible());
            dlg.show();
            dlg.showNormal();
            EXPECT_FALSE(dlg.isVisible());
        },
        true);
    EXPECT_EQ(shows.m_shows, 0);
}

TEST_F(CZelDlgTest, FirstRunShowsTheWindowInFront)
{
    ShowCounter shows;
    runWindow([&](CZelDlg& dlg) {
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(dlg.isMinimized());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
        EXPECT_EQ(dlg.size(), QSize(500, 325));
    });
    EXPECT_EQ(shows.m_shows, 1);
}

TEST_F(CZelDlgTest, DoubleClickOnTheIconOpensTheWindowOnItsLastTab)
{
    runWindow(
        [&](CZelDlg& dlg) {
            QTabBar* bar = dlg.m_tab->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
            EXPECT_EQ(dlg.m_tab->GetCurSel(), 2);
            EXPECT_EQ(shownTab(dlg), 2);

            services.tray.doubleClick();
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
            EXPECT_EQ(dlg.m_tab->GetCurSel(), 2);
            EXPECT_EQ(shownTab(dlg), 2);

            // Minimised and hidden, then opened again: restored, same tab.
            dlg.showMinimized();
            services.scheduler.advance(500);
            EXPECT_FALSE(dlg.isVisible());
            services.tray.doubleClick();
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_FALSE(dlg.isMinimized());
            EXPECT_EQ(shownTab(dlg), 2);
        },
        true);
}

TEST_F(CZelDlgTest, UserTabChangeSwapsThePages)
{
    runWindow([&](CZelDlg& dlg) {
        QTabBar* bar = dlg.m_tab->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        EXPECT_EQ(shownTab(dlg), 1);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        EXPECT_EQ(shownTab(dlg), 0);
        EXPECT_TRUE(dlg.m_pTabGeneral->isVisible());
    });
}

// Esc, the close box and Alt+F4 (which reaches the window as a close request).
class CZelDlgClosingTest : public CZelDlgTest, public ::testing::WithParamInterface<const char*> {
protected:
    static void closeTheWay(CZelDlg& dlg, const std::string& how)
    {
        if (how == "Escape")
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            dlg.close();
    }
};

TEST_P(CZelDlgClosingTest, HidesAfterHalfASecondMinimised)
{
    runWindow([&](CZelDlg& dlg) {
        const int adds = services.tray.m_addCount;
        closeTheWay(dlg, GetParam());
        EXPECT_TRUE(dlg.isMinimized());
        EXPECT_TRUE(dlg.isVisible());
        services.scheduler.advance(499);
        EXPECT_TRUE(dlg.isVisible());
        services.scheduler.advance(1);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_TRUE(services.tray.m_shown);
        EXPECT_EQ(services.tray.m_addCount, adds + 1);
        EXPECT_EQ(services.tray.m_removeCount, 0);
    });
}

TEST_P(CZelDlgClosingTest, WithoutANotificationAreaEscMinimisesAndCloseExits)
{
    services.tray.m_available = false;
    FakePlatform::writeFile(services.settingsPath(), "<Options><fSnow>0</fSnow></Options>");
    bool stillRunning = false;
    QTimer::singleShot(0, [&] {
        CZelDlg& dlg = *app.m_pMainDlg;
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(dlg.m_bStartHidden);
        closeTheWay(dlg, GetParam());
        if (std::string(GetParam()) == "Escape") {
            services.scheduler.advance(1000);
            EXPECT_TRUE(dlg.isMinimized());
            EXPECT_TRUE(dlg.isVisible());
            stillRunning = app.m_pMainDlg != nullptr;
            app.EndMainLoop();
        }
    });
    app.InitInstance();
    if (std::string(GetParam()) == "Escape") {
        EXPECT_TRUE(stillRunning);
    }
    EXPECT_TRUE(FakePlatform::readFile(services.settingsPath()).contains("<fSnow>0</fSnow>"));
    EXPECT_EQ(app.m_pMainDlg, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ways, CZelDlgClosingTest, ::testing::Values("Escape", "CloseBox"),
                         [](const auto& testCase) { return std::string(testCase.param); });

TEST_F(CZelDlgTest, EnterDoesNothingAndEscInsideAPageStaysThere)
{
    runWindow([&](CZelDlg& dlg) {
        QTest::keyClick(&dlg, Qt::Key_Return);
        QTest::keyClick(dlg.m_pTabGeneral->m_comboLanguage, Qt::Key_Escape);
        QTest::keyClick(dlg.m_pTabGeneral->m_comboLanguage, Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(dlg.isMinimized());
    });
}

TEST_F(CZelDlgTest, ExitWithTheWindowHiddenEndsWithoutShowingIt)
{
    FakePlatform::writeFile(services.settingsPath(), "<Options><uSnowWind>3</uSnowWind></Options>");
    ShowCounter shows;
    services.tray.m_choices = {ID_TRAY_EXIT};
    QTimer::singleShot(0, [&] { services.tray.rightClick(); });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(shows.m_shows, 0);
    EXPECT_FALSE(services.tray.m_shown);
    EXPECT_TRUE(
        FakePlatform::readFile(services.settingsPath()).contains("<uSnowWind>3</uSnowWind>"));
}

TEST_F(CZelDlgTest, MenuSettingsOpensTheGeneralPage)
{
    FakePlatform::writeFile(services.settingsPath(), "<Options/>");
    services.tray.m_choices = {ID_TRAY_ABOUT, ID_TRAY_SETTINGS};
    QTimer::singleShot(0, [&] {
        CZelDlg& dlg = *app.m_pMainDlg;
        EXPECT_FALSE(dlg.isVisible());
        services.tray.rightClick();
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(shownTab(dlg), dlg.m_tab->GetItemCount() - 1);
        services.tray.rightClick();
        EXPECT_EQ(dlg.m_tab->GetCurSel(), 0);
        EXPECT_EQ(shownTab(dlg), 0);
        app.EndMainLoop();
    });
    app.InitInstance();
}

} // namespace
