#include "FakeScreenLocker.h"
#include "PrivateSessionBus.h"
#include "support/WaitUntil.h"

#include "platform/SessionLockWatcher.h"

#include <gtest/gtest.h>

#ifdef YULAVIN_HAVE_DBUS
#include <QDBusConnection>

using platform::SessionLockWatcher;

class SessionLockWatcherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PrivateSessionBus::installed())
            GTEST_SKIP() << "dbus-daemon is not installed";
        ASSERT_FALSE(m_bus.address().isEmpty()) << "dbus-daemon did not start";
    }

    PrivateSessionBus m_bus;
};

// Each desktop's locker answers under its own name; the watcher follows
// whichever runs.
TEST_F(SessionLockWatcherTest, FollowsTheLocker)
{
    for (const QString name : {"freedesktop", "gnome"}) {
        FakeScreenLocker locker;
        // The locker's own connection, as another program's.
        QDBusConnection bus = QDBusConnection::connectToBus(m_bus.address(), name);
        ASSERT_TRUE(bus.registerService("org." + name + ".ScreenSaver"));
        ASSERT_TRUE(bus.registerObject("/org/" + name + "/ScreenSaver",
                                       "org." + name + ".ScreenSaver", &locker,
                                       QDBusConnection::ExportAllSlots));
        SessionLockWatcher watcher(m_bus.address());
        for (bool locked : {false, true, false}) {
            locker.active = locked;
            EXPECT_TRUE(waitUntil([&] { return watcher.locked() == locked; }))
                << name.toStdString() << " locked " << locked;
        }
        QDBusConnection::disconnectFromBus(name);
    }
}

// Several rounds of questions and "no such service" answers.
TEST_F(SessionLockWatcherTest, NoLockerOnTheBusGivesNoAnswer)
{
    SessionLockWatcher watcher(m_bus.address());
    EXPECT_FALSE(waitUntil([&] { return watcher.locked().has_value(); }, 300));
}

#endif
