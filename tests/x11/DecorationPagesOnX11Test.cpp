#include "PrivateHome.h"
#include "X11Fixture.h"

#include "app/CZelApp.h"
#include "app/CZelDlg.h"
#include "core/COptions.h"
#include "core/TabControl.h"
#include "decorations/CDlgSnow.h"
#include "pages/CDlgTabLights.h"
#include "pages/CDlgTabSnow.h"
#include "platform/LinuxPlatform.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSlider>
#include <QTabBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include <unistd.h>

namespace {

using namespace screen_inspection;

// The program in this test's process on a real X server with a window manager
// and a compositor but no notification area, so that its settings window
// shows at the start; the test works the pages with the pointer and the keys
// through the X server and looks at the decorations on the screen.
class DecorationPagesOnX11Test : public X11Fixture {
protected:
    void SetUp() override
    {
        REQUIRE_X_SERVER(m_session);
        REQUIRE_PROGRAM("openbox");
        REQUIRE_PROGRAM("xcompmgr");
        REQUIRE_PROGRAM("xdotool");
        ASSERT_TRUE(m_session->startWindowManager());
        ASSERT_TRUE(m_session->startCompositor());
        // Set once the helpers run, so that they keep the test's own.
        m_home.emplace();
    }

    void TearDown() override
    {
        m_home.reset();
        X11Fixture::TearDown();
    }

    // Every decoration and tune off but the given "key=value" settings.
    void writeSettings(const QString& settings) const
    {
        QByteArray xml = "<Options>";
        for (const QString& pair : (settings + " Language=English fSnow=0 fGarland=0 fTree=0 "
                                               "fCursorEnable=0 fFrostEnable=0 iSoundStartup=0 "
                                               "iSoundEveryHour=0 fDisableAtHighLoad=0 fAutoRun=0")
                                       .split(' ', Qt::SkipEmptyParts))
            xml += QStringLiteral("<%1>%2</%1>")
                       .arg(pair.section('=', 0, 0), pair.section('=', 1))
                       .toUtf8();
        ASSERT_TRUE(m_home->writeSettings(xml + "</Options>"));
    }

    // Runs the program; `drive` works its settings window from inside the
    // main loop once the window is shown and active, then Exit ends it.
    void runProgram(const std::function<void(CZelApp&, CZelDlg&)>& drive)
    {
        platform::LinuxPlatform services;
        CZelApp app(services.services());
        QTimer::singleShot(0, [&] {
            CZelDlg& dlg = *app.m_pMainDlg;
            if (waitUntil([&] { return dlg.isVisible() && dlg.isActiveWindow(); }))
                drive(app, dlg);
            else
                ADD_FAILURE() << "the settings window did not show";
            app.EndMainLoop();
        });
        app.InitInstance();
    }

    // A click at that point of the widget, through the X server.
    bool clickOn(const QWidget* widget, QPoint point) const
    {
        const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        return m_session->clickAt((QPointF(widget->mapToGlobal(point)) * ratio).toPoint());
    }
    bool openPage(CZelDlg& dlg, int tab, const QWidget* page) const
    {
        const QTabBar* bar = dlg.m_tab->tabBar();
        return clickOn(bar, bar->tabRect(tab).center()) &&
               waitUntil([&] { return page->isVisible(); }, 3000);
    }
    // The screen's pixels as wanted, outside the settings window.
    int pixelsOutside(const CZelDlg& dlg, const std::function<bool(QRgb)>& wanted) const
    {
        QImage screen =
            screenshot(x(), QRect(0, 0, XServerSession::kWidth, XServerSession::kHeight));
        const QRect window = screenRect(x(), topLevelOf(x(), dlg.winId()));
        for (int y = window.top(); y <= window.bottom(); ++y)
            for (int x = window.left(); x <= window.right(); ++x)
                if (screen.rect().contains(x, y))
                    screen.setPixel(x, y, qRgb(0, 0, 0));
        return countPixels(screen, wanted);
    }

    std::optional<PrivateHome> m_home;
};

bool isReddish(QRgb pixel)
{
    return qRed(pixel) > 150 && qRed(pixel) > qBlue(pixel) + 60;
}

bool isBluish(QRgb pixel)
{
    return qBlue(pixel) > 150 && qBlue(pixel) > qRed(pixel) + 60;
}

TEST_F(DecorationPagesOnX11Test, GarlandPickedInTheListHangsRoundTheScreenAtOnce)
{
    writeSettings("fGarland=1 fGarlandTop=1 strGarland=multicolor iFlash=0");
    runProgram([&](CZelApp& app, CZelDlg& dlg) {
        int red = 0;
        int blue = 0;
        ASSERT_TRUE(waitUntil([&] { return (red = pixelsOutside(dlg, isReddish)) > 200; }, 5000))
            << red << " red pixels of a multicolour garland";

        CDlgTabLights& page = *dlg.m_pTabLights;
        ASSERT_TRUE(openPage(dlg, 1, &page));
        QComboBox* list = page.m_comboGarland;
        ASSERT_TRUE(clickOn(list, list->rect().center()));
        ASSERT_TRUE(waitUntil([&] { return list->view()->isVisible(); }, 3000));
        const QModelIndex blueLights = list->model()->index(list->findData("blue"), 0);
        ASSERT_TRUE(
            clickOn(list->view()->viewport(), list->view()->visualRect(blueLights).center()));
        ASSERT_TRUE(waitUntil([&] { return app.m_options.strGarland == "blue"; }, 3000));

        EXPECT_TRUE(waitUntil(
            [&] {
                red = pixelsOutside(dlg, isReddish);
                blue = pixelsOutside(dlg, isBluish);
                return red == 0 && blue > 200;
            },
            5000))
            << red << " red and " << blue << " blue pixels";
    });
    EXPECT_TRUE(m_home->settings().contains("<strGarland>blue</strGarland>"));
}

TEST_F(DecorationPagesOnX11Test, DensityRaisedWithTheKeysFillsTheScreenWithSnow)
{
    writeSettings("fSnow=1 fSnowTop=1 strSnowType=fluffy uSnowDensity=1 uSnowWind=1 uSnowSpeed=9");
    runProgram([&](CZelApp& app, CZelDlg& dlg) {
        // The snow window's own picture, the settings window over it or not.
        const std::vector<unsigned long> windows = decorationWindowsOf(x(), getpid());
        ASSERT_EQ(windows.size(), 1u);
        auto snowPixels = [&] {
            return countPixels(windowPixels(x(), windows.front()), isWhitish);
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
        ASSERT_TRUE(openPage(dlg, 2, &page));
        QSlider* density = page.m_sliderDensity;
        ASSERT_TRUE(clickOn(density, QPoint(density->width() / 2, density->height() / 2)));
        ASSERT_TRUE(waitUntil([&] { return density->hasFocus(); }, 3000));
        ASSERT_TRUE(xdotool({"key", "End"}));
        ASSERT_TRUE(waitUntil([&] { return app.m_pDlgSnow->m_nMaxFlakes == 270; }, 3000))
            << app.m_pDlgSnow->m_nMaxFlakes << " flakes";

        int many = 0;
        EXPECT_TRUE(
            waitUntil([&] { return (many = snowPixels()) > std::max(5 * few, 2000); }, 10000))
            << many << " snow pixels after, " << few << " before";
    });
    EXPECT_TRUE(m_home->settings().contains("<uSnowDensity>9</uSnowDensity>"));
}

} // namespace
