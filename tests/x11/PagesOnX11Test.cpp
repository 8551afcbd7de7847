#include "PrivateHome.h"
#include "ProgramUnderTest.h"
#include "X11Fixture.h"

#include "app/CZelApp.h"
#include "app/CZelDlg.h"
#include "core/TabControl.h"
#include "core/UpDownControl.h"
#include "decorations/CDlgFrost.h"
#include "decorations/CDlgSnow.h"
#include "pages/CDlgTabCursor.h"
#include "pages/CDlgTabFrost.h"
#include "pages/CDlgTabLights.h"
#include "pages/CDlgTabSnow.h"
#include "pages/CDlgTabTree.h"
#include "platform/LinuxPlatform.h"
#include "platform/X11Desktop.h"
#include "support/FakeClock.h"
#include "support/FakeScheduler.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QSlider>
#include <QTabBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

#include <cstdlib>
#include <functional>

#include <X11/Xlib.h>
#include <unistd.h>

namespace {

using namespace screen_inspection;

// The program in this process on a real desktop (openbox and xcompmgr, no
// notification area, so the settings window shows at the start), its pages
// worked with the mouse and the keyboard through the X server as a user
// works them, and the decorations looked at on the screen.
class PagesOnX11Test : public X11Fixture {
protected:
    static constexpr unsigned long kDesktopColour = 0x203040;
    const QRect kScreen{0, 0, XServerSession::kWidth, XServerSession::kHeight};

    void SetUp() override
    {
        REQUIRE_X_SERVER(m_session);
        REQUIRE_PROGRAM("openbox");
        REQUIRE_PROGRAM("xcompmgr");
        REQUIRE_PROGRAM("xdotool");
        ASSERT_TRUE(m_session->startWindowManager());
        ASSERT_TRUE(m_session->startCompositor());
        foreignWindow(kScreen, kDesktopColour, "_NET_WM_WINDOW_TYPE_DESKTOP");
    }

    // Runs the program with every decoration off but the given settings;
    // `whileRunning` works its window, shown and active, from inside the main
    // loop, which then ends as Exit ends it.
    void runProgram(const platform::Platform& services, const QString& settings,
                    const std::function<void(CZelApp&, CZelDlg&)>& whileRunning)
    {
        QDir().mkpath(QFileInfo(m_home.settingsPath()).path());
        QFile file(m_home.settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ProgramUnderTest::settingsFile(settings));
        file.close();
        CZelApp app(services);
        QTimer::singleShot(0, [&] {
            CZelDlg& dlg = *app.m_pMainDlg;
            if (waitUntil([&] { return dlg.isActiveWindow(); }))
                whileRunning(app, dlg);
            else
                ADD_FAILURE() << "the settings window never became active";
            app.EndMainLoop();
        });
        app.InitInstance();
    }

    // Where a point of a widget is on the screen, in the screen's pixels.
    static QPoint onScreen(const QWidget* widget, QPoint point)
    {
        return widget->mapToGlobal(point) * widget->devicePixelRatioF();
    }
    // Clicks there until `done` holds, a few times at most: a window the
    // window manager has only just mapped (a decoration over the screen) may
    // catch a click before it lets clicks through, and a user then clicks again.
    bool clickUntil(const QWidget* widget, QPoint point, const std::function<bool()>& done) const
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            m_session->clickAt(onScreen(widget, point));
            if (waitUntil(done, 2000))
                return true;
        }
        return false;
    }
    bool clickUntil(const QWidget* widget, const std::function<bool()>& done) const
    {
        return clickUntil(widget, widget->rect().center(), done);
    }
    // Brings the page into view with its tab, scrolling the row of tabs to it
    // first when it is out of sight.
    void showPage(CZelDlg& dlg, const QWidget* page) const
    {
        QTabBar* bar = dlg.m_tab->tabBar();
        int tab = 0;
        while (dlg.m_tab->GetItemData(tab) != page)
            ++tab;
        auto* scrollRight = bar->findChild<QWidget*>(QStringLiteral("ScrollRightButton"));
        for (int scroll = 0; scroll < 20 && !bar->rect().contains(bar->tabRect(tab)); ++scroll) {
            ASSERT_NE(scrollRight, nullptr);
            const QRect before = bar->tabRect(tab);
            ASSERT_TRUE(clickUntil(scrollRight, [&] { return bar->tabRect(tab) != before; }));
        }
        ASSERT_TRUE(clickUntil(bar, bar->tabRect(tab).center(), [&] { return page->isVisible(); }));
    }
    // Picks a list's item with the keyboard in its open list: `keys` move
    // the highlight there, Return takes it.
    void pickWithKeys(QComboBox* list, const QStringList& keys) const
    {
        ASSERT_TRUE(clickUntil(list, [&] { return list->view()->isVisible(); }));
        ASSERT_TRUE(xdotool(QStringList{"key"} << keys << "Return"));
        ASSERT_TRUE(waitUntil([&] { return !list->view()->isVisible(); }));
    }
    static bool notDesktop(QRgb pixel) { return (pixel & 0xffffffu) != kDesktopColour; }
    // Pixels of the screen that are not the desktop's colour (or as wanted),
    // outside the settings window.
    int decoratedPixels(const QRect& area, const CZelDlg& dlg,
                        bool (*wanted)(QRgb) = notDesktop) const
    {
        QImage shot = screenshot(x(), area);
        // The window manager's frame, title bar and all, as the server has it.
        const QRect window = screenRect(x(), topLevelOf(x(), dlg.winId()));
        QPainter(&shot).fillRect(window.translated(-area.topLeft()),
                                 QColor::fromRgb(kDesktopColour));
        return countPixels(shot, wanted);
    }

    // The window is at the place and of the size given. A screen Qt scales
    // may round an odd size down by a pixel.
    bool standsAt(unsigned long window, const QRect& expected) const
    {
        const QRect shown = screenRect(x(), window);
        return shown.topLeft() == expected.topLeft() &&
               std::abs(shown.width() - expected.width()) <= 1 &&
               std::abs(shown.height() - expected.height()) <= 1;
    }

    // The settings file as the program left it.
    QByteArray savedSettings() const
    {
        QFile file(m_home.settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    PrivateHome m_home;
};

// Picked in the list, the ball hangs under the pointer at once.
TEST_F(PagesOnX11Test, CursorEffectPickedInTheListShowsUnderThePointer)
{
    platform::LinuxPlatform services;
    runProgram(services.services(), "fCursorEnable=1 fCursorTop=1 strCursorType=FAIRY_DUST",
               [&](CZelApp& app, CZelDlg& dlg) {
                   CDlgTabCursor& page = *dlg.m_pTabCursor;
                   showPage(dlg, &page);
                   // Ball is the first effect in English.
                   pickWithKeys(page.m_comboType, {"Home"});
                   EXPECT_EQ(app.m_options.strCursorType, "BALL");

                   // Left of the window, on the desktop: the ball, and no
                   // dust that the way there might have left.
                   const QPoint pointer(40, 60);
                   ASSERT_TRUE(xdotool(
                       {"mousemove", QString::number(pointer.x()), QString::number(pointer.y())}));
                   const QRect below(pointer.x() - 30, pointer.y(), 60, 80);
                   int pixels = 0;
                   EXPECT_TRUE(waitUntil(
                       [&] { return (pixels = decoratedPixels(below, dlg)) > 300; }, 5000))
                       << pixels << " pixels of the ball";
               });
}

// Switched on from the page with no wait at all, the frost covers the screen
// once the user leaves the computer alone, and the next touch of the mouse
// takes it away. Its timers run on a clock of the test's own (its fading
// takes minutes); the idle time is the X server's.
TEST_F(PagesOnX11Test, FrostSwitchedOnFromThePageComesWhenIdleAndGoesAtInput)
{
    platform::LinuxPlatform linux;
    FakeClock clock;
    FakeScheduler scheduler{clock};
    platform::X11Desktop desktop{clock};
    platform::Platform services = linux.services();
    services.clock = &clock;
    services.scheduler = &scheduler;
    services.desktop = &desktop;
    auto idleMs = [&] { return clock.tickCount() - desktop.lastInputTick(); };
    runProgram(services, "uFrostWaitTime=1", [&](CZelApp& app, CZelDlg& dlg) {
        CDlgTabFrost& page = *dlg.m_pTabFrost;
        showPage(dlg, &page);
        ASSERT_TRUE(clickUntil(page.m_chkEnable, [&] { return page.m_spinWait->isEnabled(); }));
        const QPoint downArrow(page.m_spinWait->width() / 2, page.m_spinWait->height() - 3);
        ASSERT_TRUE(
            clickUntil(page.m_spinWait, downArrow, [&] { return page.m_editWait->text() == "0"; }));
        EXPECT_EQ(app.m_pDlgFrost->m_dwWaitTime, 0u);

        ASSERT_TRUE(waitUntil([&] { return idleMs() > 1100; }));
        scheduler.advance(520000);
        EXPECT_EQ(app.m_pDlgFrost->m_nAlpha, 255);
        const int area = kScreen.width() * kScreen.height();
        int frosted = 0;
        EXPECT_TRUE(waitUntil([&] {
            return (frosted = decoratedPixels(kScreen, dlg)) > area / 20;
        })) << frosted
            << " pixels frosted";

        ASSERT_TRUE(xdotool({"mousemove", "20", "20"}));
        ASSERT_TRUE(waitUntil([&] { return idleMs() < 500; }));
        scheduler.advance(500);
        EXPECT_TRUE(waitUntil([&] { return (frosted = decoratedPixels(kScreen, dlg)) == 0; }))
            << frosted << " pixels still frosted";
    });
}

// Another tree picked in the list stands at once where the old one stood,
// in its own size. The tree stays on the desktop, below the settings window
// whose tabs it would cover.
TEST_F(PagesOnX11Test, TreePickedInTheListReplacesTheTreeAtItsPlace)
{
    platform::LinuxPlatform services;
    runProgram(services.services(), "fTree=1 iTree=2 iTreeX=860 iTreeY=120 fTreeTop=0",
               [&](CZelApp& app, CZelDlg& dlg) {
                   const pid_t self = getpid();
                   // The decoration windows but the stars under the settings window.
                   auto trees = [&] {
                       std::vector<unsigned long> found = decorationWindowsOf(x(), self);
                       found.erase(std::remove_if(found.begin(), found.end(),
                                                  [&](unsigned long window) {
                                                      return isFairyDust(x(), window);
                                                  }),
                                   found.end());
                       return found;
                   };
                   ASSERT_TRUE(waitUntil([&] { return trees().size() == 1; }));
                   const unsigned long joy = trees().front();
                   EXPECT_TRUE(waitUntil([&] { return standsAt(joy, QRect(860, 120, 400, 443)); }));

                   CDlgTabTree& page = *dlg.m_pTabTree;
                   showPage(dlg, &page);
                   // "Hoarfrost" is the one above "Joy".
                   pickWithKeys(page.m_comboTree, {"Up"});
                   EXPECT_EQ(app.m_options.iTree, 1);
                   unsigned long hoarfrost = 0;
                   EXPECT_TRUE(waitUntil([&] {
                       const auto shown = trees();
                       hoarfrost = shown.size() == 1 ? shown.front() : 0;
                       return hoarfrost && hoarfrost != joy &&
                              standsAt(hoarfrost, QRect(860, 120, 300, 431));
                   }));
                   // The new tree's own pictures, not an empty window.
                   int pixels = 0;
                   EXPECT_TRUE(waitUntil([&] {
                       pixels = countPixels(windowPixels(x(), hoarfrost),
                                            [](QRgb pixel) { return qGray(pixel) > 40; });
                       return pixels > 300 * 431 / 10;
                   })) << pixels
                       << " pixels of the tree";
               });
}

bool isReddish(QRgb pixel)
{
    return qRed(pixel) > 150 && qRed(pixel) > qBlue(pixel) + 60;
}

bool isBluish(QRgb pixel)
{
    return qBlue(pixel) > 150 && qBlue(pixel) > qRed(pixel) + 60;
}

// Picked in the list, the blue garland replaces the many-coloured one round
// the screen at once.
TEST_F(PagesOnX11Test, GarlandPickedInTheListHangsRoundTheScreenAtOnce)
{
    platform::LinuxPlatform services;
    runProgram(services.services(), "fGarland=1 fGarlandTop=1 strGarland=multicolor iFlash=0",
               [&](CZelApp& app, CZelDlg& dlg) {
                   int red = 0;
                   int blue = 0;
                   ASSERT_TRUE(waitUntil([&] {
                       return (red = decoratedPixels(kScreen, dlg, isReddish)) > 200;
                   })) << red
                       << " red pixels of a many-coloured garland";

                   CDlgTabLights& page = *dlg.m_pTabLights;
                   showPage(dlg, &page);
                   // "Blue Lights" is the first garland in English.
                   pickWithKeys(page.m_comboGarland, {"Home"});
                   EXPECT_EQ(app.m_options.strGarland, "blue");
                   EXPECT_TRUE(waitUntil([&] {
                       red = decoratedPixels(kScreen, dlg, isReddish);
                       blue = decoratedPixels(kScreen, dlg, isBluish);
                       return red == 0 && blue > 200;
                   })) << red
                       << " red and " << blue << " blue pixels";
               });
    EXPECT_TRUE(savedSettings().contains("<strGarland>blue</strGarland>"));
}

// The density slider moved to its end with the keys: ten flakes become 270
// and the snow window shows many times the snow.
TEST_F(PagesOnX11Test, DensityRaisedWithTheKeysFillsTheScreenWithSnow)
{
    platform::LinuxPlatform services;
    runProgram(
        services.services(),
        "fSnow=1 fSnowTop=1 strSnowType=fluffy uSnowDensity=1 uSnowWind=1 uSnowSpeed=9",
        [&](CZelApp& app, CZelDlg& dlg) {
            // The decoration windows' own pictures, the settings window over
            // them or not: the snow's, and the fairy dust's, empty while the
            // settings window stays in place.
            auto snowPixels = [&] {
                int pixels = 0;
                for (unsigned long window : decorationWindowsOf(x(), getpid()))
                    pixels += countPixels(windowPixels(x(), window), isWhitish);
                return pixels;
            };
            // Ten flakes: the most snow a second and a half of looks finds.
            int few = 0;
            waitUntil(
                [&] {
                    few = std::max(few, snowPixels());
                    return false;
                },
                1500);

            CDlgTabSnow& page = *dlg.m_pTabSnow;
            showPage(dlg, &page);
            QSlider* density = page.m_sliderDensity;
            ASSERT_TRUE(clickUntil(density, [&] { return density->hasFocus(); }));
            ASSERT_TRUE(xdotool({"key", "End"}));
            ASSERT_TRUE(waitUntil([&] { return app.m_pDlgSnow->m_nMaxFlakes == 270; }, 3000))
                << app.m_pDlgSnow->m_nMaxFlakes << " flakes";
            int many = 0;
            EXPECT_TRUE(waitUntil([&] { return (many = snowPixels()) > std::max(5 * few, 2000); }))
                << many << " snow pixels after, " << few << " before";
        });
    EXPECT_TRUE(savedSettings().contains("<uSnowDensity>9</uSnowDensity>"));
}

// Snow switched on "on the desktop" while the settings window is open stays
// below it, also once the user clicks the desktop and nothing has the focus.
TEST_F(PagesOnX11Test, SnowSwitchedOnWhileTheWindowIsOpenStaysBelowIt)
{
    platform::LinuxPlatform services;
    runProgram(services.services(), "fSnowTop=0", [&](CZelApp& app, CZelDlg& dlg) {
        CDlgTabSnow& page = *dlg.m_pTabSnow;
        showPage(dlg, &page);
        ASSERT_TRUE(clickUntil(page.m_chkEnable, [&] { return app.m_pDlgSnow->IsWindow(); }));
        // The snow's window: the screen-sized one that is not the fairy dust.
        unsigned long snow = 0;
        ASSERT_TRUE(waitUntil([&] {
            for (unsigned long window : decorationWindowsOf(x(), getpid()))
                if (!isFairyDust(x(), window))
                    snow = window;
            return snow != 0;
        }));
        const unsigned long settings = dlg.winId();
        auto staysBelow = [&] {
            for (int look = 0; look < 8; ++look) {
                if (stackedAbove(x(), settings, snow) != true)
                    return false;
                waitUntil([] { return false; }, 150);
            }
            return true;
        };
        EXPECT_TRUE(staysBelow()) << "with the window active";
        ASSERT_TRUE(m_session->clickAt(QPoint(20, kScreen.height() - 20)));
        EXPECT_TRUE(staysBelow()) << "with the desktop clicked";
    });
}

} // namespace
