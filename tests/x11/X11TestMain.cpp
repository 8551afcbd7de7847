#include "PrivateSessionBus.h"
#include "XServerSession.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

// The desktop tests need Qt connected to a real X server, so the server
// comes first and the application object second; the shared offscreen main
// cannot do that. Without Xvfb every test skips; an Xvfb that does not start
// fails them.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    std::unique_ptr<XServerSession> session;
    if (XServerSession::programInstalled(QStringLiteral("Xvfb")))
        session = std::make_unique<XServerSession>();
    XServerSession::current() = session.get();
    // Qt and the desktop under test talk to a bus of the tests' own, never to
    // the user's session.
    std::unique_ptr<PrivateSessionBus> bus;
    if (PrivateSessionBus::installed())
        bus = std::make_unique<PrivateSessionBus>();
    if (bus && !bus->address().isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus->address().toUtf8());
    else
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("QT_QPA_PLATFORM", session && session->available() ? "xcb" : "offscreen");
    // The program's tunes play, into a device that sounds nowhere.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");

    int result = 0;
    {
        // Qt lets go of the display before the server stops.
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    XServerSession::current() = nullptr;
    return result;
}
