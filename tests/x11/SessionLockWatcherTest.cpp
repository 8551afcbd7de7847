#include "FakeScreenLocker.h"
#include "PrivateSessionBus.h"
#include "WaitUntil.h"

#include "platform/SessionLockWatcher.h"

#ifdef YULAVIN_HAVE_DBUS
#include <QDBusConnection>
#endif

#include <gtest/gtest.h>

using platform::SessionLockWatcher;

#ifdef YULAVIN_HAVE_DBUS

namespace {

// A test's own connection on which a fake locker is published.
class LockerConnection {
public:
    explicit LockerConnection(const QString& address)
        : m_bus(QDBusConnection::connectToBus(address, QStringLiteral("fake-locker")))
    {
    }
    ~LockerConnection() { QDBusConnection::disconnectFromBus(QStringLiteral("fake-locker")); }
    LockerConnection(const LockerConnection&) = delete;
    LockerConnection& operator=(const LockerConnection&) = delete;

    bool publish(FakeScreenLocker* locker, const QString& service, const QString& path)
    {
        return m_bus.registerService(service) &&
               m_bus.registerObject(path, service, locker, QDBusConnection::ExportAllSlots);
    }

private:
    QDBusConnection m_bus;
};

} // namespace

class SessionLockWatcherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PrivateSessionBus::installed())
            GTEST_SKIP() << "dbus-daemon is not installed";
        m_bus = std::make_unique<PrivateSessionBus>();
        ASSERT_FALSE(m_bus->address().isEmpty()) << "dbus-daemon did not start";
    }

    std::unique_ptr<PrivateSessionBus> m_bus;
};

TEST_F(SessionLockWatcherTest, FollowsTheLocker)
{
    FakeScreenLocker locker;
    LockerConnection connection(m_bus->address());
    ASSERT_TRUE(
        connection.publish(&locker, "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver"));
    SessionLockWatcher watcher(m_bus->address());

    EXPECT_TRUE(waitUntil([&] { return watcher.locked() == false; }));
    locker.active = true;
    EXPECT_TRUE(waitUntil([&] { return watcher.locked() == true; }));
    locker.active = false;
    EXPECT_TRUE(waitUntil([&] { return watcher.locked() == false; }));
}

TEST_F(SessionLockWatcherTest, GnomeLockerCountsToo)
{
    FakeScreenLocker locker;
    locker.active = true;
    LockerConnection connection(m_bus->address());
    ASSERT_TRUE(connection.publish(&locker, "org.gnome.ScreenSaver", "/org/gnome/ScreenSaver"));
    SessionLockWatcher watcher(m_bus->address());

    EXPECT_TRUE(waitUntil([&] { return watcher.locked() == true; }));
}

TEST_F(SessionLockWatcherTest, NoLockerOnTheBusGivesNoAnswer)
{
    SessionLockWatcher watcher(m_bus->address());
    // Several rounds of questions and "no such service" answers.
    EXPECT_FALSE(waitUntil([&] { return watcher.locked().has_value(); }, 300));
}

#endif

TEST(SessionLockWatcherWithoutBus, GivesNoAnswer)
{
    SessionLockWatcher watcher(QStringLiteral("unix:path=/nonexistent/yulavin-test-bus"));
    EXPECT_EQ(watcher.locked(), std::nullopt);
    EXPECT_EQ(watcher.locked(), std::nullopt);
}
