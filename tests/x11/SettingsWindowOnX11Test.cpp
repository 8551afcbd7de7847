#include "PrivateHome.h"
#include "X11Fixture.h"

#include "app/CZelApp.h"
#include "app/CZelDlg.h"
#include "platform/LinuxPlatform.h"
#include "platform/Platform.h"
#include "platform/QtTray.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <iterator>

#include <X11/Xlib.h>

namespace {

using namespace screen_inspection;

// The program's own window and icon against a real X server with a window
// manager and a notification area, driven with the mouse as a user would.
class SettingsWindowOnX11Test : public X11Fixture {
protected:
    void SetUp() override
    {
        REQUIRE_X_SERVER(m_session);
        REQUIRE_PROGRAM("openbox");
        REQUIRE_PROGRAM("xdotool");
        REQUIRE_PROGRAM("trayer");
        ASSERT_TRUE(m_session->startWindowManager());
        ASSERT_TRUE(m_session->startTrayHost());
    }

    // The icon's place on the screen in pixels, once the tray holds it; empty
    // before. Qt keeps the icon in a window of its own that the tray takes in,
    // and only the X server knows where that window ends up.
    QRect embeddedIcon() const
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            const Window window = widget->winId();
            if (widget->objectName() == QLatin1String("QSystemTrayIconSys") &&
                topLevelOf(x(), window) != window && viewable(x(), window))
                return screenRect(x(), window);
        }
        return {};
    }

    QString settingsPath() const { return m_home.settingsPath(); }

    PrivateHome m_home;
};

TEST_F(SettingsWindowOnX11Test, IconOpensTheWindowEscHidesItAndTheMenuEndsTheProgram)
{
    // A settings file: the program starts with the window hidden.
    QDir().mkpath(m_home.path() + "/Varnel/Yulavin");
    QFile file(settingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Options><uSnowWind>7</uSnowWind></Options>");
    file.close();

    platform::LinuxPlatform services;
    auto* tray = dynamic_cast<platform::QtTray*>(services.services().tray);
    ASSERT_NE(tray, nullptr);
    ASSERT_TRUE(tray->isAvailable());
    CZelApp app(services.services());

    QString failure;
    bool hiddenAtStart = false;
    bool minimisedBeforeHiding = false;
    QRect icon;
    QStringList captions;
    int separators = 0;
    QString defaultCaption;

    // Each step waits for what the user would see, then acts. The menu runs a
    // loop of its own, so the steps are driven by a timer rather than by
    // waiting in place. A tray that has just taken the icon in may miss the
    // first clicks, so a click that shows no effect within a second is made
    // again, as a user would.
    auto doubleClick = [&] { m_session->clickAt(icon.center(), 1, 2); };
    auto shownAndActive = [&] {
        return app.m_pMainDlg->isVisible() && !app.m_pMainDlg->isMinimized() &&
               app.m_pMainDlg->isActiveWindow();
    };
    auto exitThroughMenu = [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QAction* exit = nullptr;
        for (QAction* action : menu->actions()) {
            separators += action->isSeparator() ? 1 : 0;
            if (!action->isSeparator())
                captions << (exit = action)->text();
        }
        if (menu->defaultAction())
            defaultCaption = menu->defaultAction()->text();
        const QPoint at = menu->mapToGlobal(menu->actionGeometry(exit).center());
        m_session->clickAt(at * QGuiApplication::primaryScreen()->devicePixelRatio(), 1);
    };
    const struct {
        std::function<bool()> seen;
        std::function<void()> act;
        bool isClick;
    } steps[] = {
        {[&] {
             icon = embeddedIcon();
             hiddenAtStart = app.m_pMainDlg && !app.m_pMainDlg->isVisible();
             return !icon.isEmpty() && app.m_pMainDlg;
         },
         doubleClick, true},
        // Esc minimises the window, which then hides; the icon brings it back.
        {shownAndActive,
         [&] {
             xdotool({"key", "Escape"});
         },
         false},
        {[&] {
             minimisedBeforeHiding |= app.m_pMainDlg->isMinimized();
             return !app.m_pMainDlg->isVisible();
         },
         doubleClick, true},
        {shownAndActive, [&] { m_session->clickAt(icon.center(), 3); }, true},
        {[&] {
             auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
             return menu && menu->isVisible();
         },
         exitThroughMenu, true},
    };
    const size_t end = std::size(steps);
    size_t step = 0;
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer sinceAction;
    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (step == end)
            return;
        if (clock.elapsed() > 20000) {
            failure = QStringLiteral("gave up at step %1").arg(step);
            step = end;
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            app.EndMainLoop();
        } else if (steps[step].seen()) {
            steps[step++].act();
            sinceAction.start();
        } else if (step > 0 && steps[step - 1].isClick && sinceAction.elapsed() > 1000) {
            steps[step - 1].act();
            sinceAction.start();
        }
    });
    driver.start();
    EXPECT_FALSE(app.InitInstance());
    driver.stop();

    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    EXPECT_FALSE(icon.isEmpty());
    EXPECT_TRUE(hiddenAtStart);
    EXPECT_TRUE(minimisedBeforeHiding);
    EXPECT_EQ(captions,
              QStringList({"Settings", "Help", "Check for Update", "About", "Exit Yulavin"}));
    EXPECT_EQ(separators, 2);
    EXPECT_EQ(defaultCaption, "Settings");
    QFile saved(settingsPath());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray xml = saved.readAll();
    EXPECT_TRUE(xml.contains("<uSnowWind>7</uSnowWind>"));
    EXPECT_TRUE(xml.contains("<LogonImage>blue</LogonImage>"));
}

} // namespace
