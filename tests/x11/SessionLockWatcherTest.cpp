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

// Each desktop's locker answers under its own name; the watcher follows
// whichever runs.
TEST_F(SessionLockWatcherTest, FollowsTheLocker)
{
    for (const QString name : {"freedesktop", "gnome"}) {
        FakeScreenLocker locker;
        LockerConnection connection(m_bus->address());
        ASSERT_TRUE(connection.publish(&locker, "org." + name + ".ScreenSaver",
                                       "/org/" + name + "/ScreenSaver"));
        SessionLockWatcher watcher(m_bus->address());
        for (bool locked : {false, true, false}) {
            locker.active = locked;
            EXPECT_TRUE(waitUntil([&] { return watcher.locked() == locked; }))
                << name.toStdString() << " locked " << locked;
        }
    }
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
