#include "app/CZelApp.h"
#include "platform/LinuxPlatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The decorations need X11 (global pointer, idle time, stacking); on a
    // Wayland session the program runs through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
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
