#include "app/CZelApp.h"
#include "platform/LinuxPlatform.h"

#include <QApplication>

#include <cstdio>

#include <X11/Xlib.h>

namespace {

// Qt meets a missing or dead display with an abort and advice to reinstall;
// the user rather needs to hear which display failed. Empty when one answers.
QByteArray missingX11Display()
{
    const QByteArray platformName = qgetenv("QT_QPA_PLATFORM");
    if (!platformName.isEmpty() && !platformName.startsWith("xcb"))
        return {};
    const QByteArray name = qgetenv("DISPLAY");
    if (name.isEmpty())
        return "DISPLAY is not set";
    Display* display = XOpenDisplay(name.constData());
    if (!display)
        return "cannot connect to " + name;
    XCloseDisplay(display);
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    // The decorations need X11 (global pointer, idle time, stacking); on a
    // Wayland session the program runs through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (const QByteArray reason = missingX11Display(); !reason.isEmpty()) {
        std::fprintf(stderr, "Yulavin needs an X11 display: %s\n", reason.constData());
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Yulavin"));
    QApplication::setOrganizationName(QStringLiteral("Varnel"));
    // Hiding the settings window must not end the program; only Exit does.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::LinuxPlatform services;
    CZelApp app(services.services());
    app.InitInstance();
    return app.m_nExitCode;
}
