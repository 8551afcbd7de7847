#include "ScreenInspection.h"
#include "WaitUntil.h"
#include "XServerSession.h"

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
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <X11/Xlib.h>

namespace {

using namespace screen_inspection;

// The program's own window and icon against a real X server with a window
// manager and a notification area, driven with the mouse as a user would.
class SettingsWindowOnX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_X_SERVER(m_session);
        REQUIRE_PROGRAM("openbox");
        REQUIRE_PROGRAM("xdotool");
        REQUIRE_PROGRAM("trayer");
        ASSERT_TRUE(m_session->startWindowManager());
        ASSERT_TRUE(m_session->startTrayHost());
        // A home of its own: other test programs run the program at the same
        // time, and one copy per user is all the program allows.
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path()));
        QDir().mkpath(runtimeDir());
        QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir()));
    }

    void TearDown() override
    {
        if (!m_session)
            return;
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
        qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
        m_session->stopTrayHost();
        m_session->stopWindowManager();
    }

    // Screen pixels for xdotool from Qt's logical ones.
    static QPoint physical(QPoint logical)
    {
        return logical * QGuiApplication::primaryScreen()->devicePixelRatio();
    }

    // The icon's place on the screen in pixels, once the tray holds it; empty
    // before. Qt keeps the icon in a window of its own that the tray takes in,
    // and only the X server knows where that window ends up.
    QRect embeddedIcon() const
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            const Window window = widget->winId();
            if (widget->objectName() == QLatin1String("QSystemTrayIconSys") &&
                topLevelOf(m_session->display(), window) != window &&
                viewable(m_session->display(), window))
                return screenRect(m_session->display(), window);
        }
        return {};
    }

    bool clickAt(QPoint at, int button, int times = 1) const
    {
        return m_session->clickAt(at, button, times);
    }

    QString settingsPath() const { return m_home.path() + "/Varnel/Yulavin/settings.xml"; }
    QString runtimeDir() const { return m_runtime.path() + "/run"; }

    XServerSession* m_session = nullptr;
    QTemporaryDir m_home;
    QTemporaryDir m_runtime;
    QByteArray m_savedConfig;
    QByteArray m_savedRuntime;
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

    enum class Step { Icon, Window, Hidden, Reopened, Menu, End } step = Step::Icon;
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
    // first clicks, so an action that shows no effect within a second is
    // done again, as a user would.
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer sinceAction;
    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (clock.elapsed() > 20000 && step != Step::End) {
            failure = QStringLiteral("gave up at step %1").arg(static_cast<int>(step));
            step = Step::End;
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            app.EndMainLoop();
            return;
        }
        switch (step) {
        case Step::Icon:
            icon = embeddedIcon();
            if (icon.isEmpty() || !app.m_pMainDlg)
                return;
            hiddenAtStart = !app.m_pMainDlg->isVisible();
            step = Step::Window;
            clickAt(icon.center(), 1, 2);
            sinceAction.start();
            return;
        case Step::Window:
            if (!app.m_pMainDlg->isVisible() || !app.m_pMainDlg->isActiveWindow()) {
                if (sinceAction.elapsed() > 1000) {
                    clickAt(icon.center(), 1, 2);
                    sinceAction.start();
                }
                return;
            }
            // Esc minimises the window, which then hides; the icon brings it back.
            step = Step::Hidden;
            m_session->run({"xdotool", "key", "Escape"});
            sinceAction.start();
            return;
        case Step::Hidden:
            if (app.m_pMainDlg->isMinimized())
                minimisedBeforeHiding = true;
            if (app.m_pMainDlg->isVisible())
                return;
            step = Step::Reopened;
            clickAt(icon.center(), 1, 2);
            sinceAction.start();
            return;
        case Step::Reopened:
            if (!app.m_pMainDlg->isVisible() || app.m_pMainDlg->isMinimized() ||
                !app.m_pMainDlg->isActiveWindow()) {
                if (sinceAction.elapsed() > 1000) {
                    clickAt(icon.center(), 1, 2);
                    sinceAction.start();
                }
                return;
            }
            step = Step::Menu;
            clickAt(icon.center(), 3);
            sinceAction.start();
            return;
        case Step::Menu: {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible()) {
                if (sinceAction.elapsed() > 1000) {
                    clickAt(icon.center(), 3);
                    sinceAction.start();
                }
                return;
            }
            QAction* exit = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator()) {
                    ++separators;
                    continue;
                }
                captions << action->text();
                exit = action;
            }
            if (menu->defaultAction())
                defaultCaption = menu->defaultAction()->text();
            step = Step::End;
            if (exit)
                clickAt(physical(menu->mapToGlobal(menu->actionGeometry(exit).center())), 1);
            return;
        }
        case Step::End:
            return;
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
