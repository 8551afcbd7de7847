#include "platform/SessionLockWatcher.h"

#ifdef YULAVIN_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QObject>

#include <array>
#endif

namespace platform {

#ifdef YULAVIN_HAVE_DBUS

namespace {

struct Locker {
    const char* service;
    const char* path;
    const char* interface;
};

constexpr std::array<Locker, 2> kLockers{{
    {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver"},
    {"org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver"},
}};

constexpr int kAnswerTimeoutMs = 2000;

bool sessionBusRuns()
{
    // Asking for a session bus where none runs would make libdbus launch one
    // for this display.
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

} // namespace

struct SessionLockWatcher::Session {
    explicit Session(const QDBusConnection& connection, const QString& name)
        : bus(connection), privateName(name)
    {
    }
    ~Session()
    {
        // The watchers go first, so no answer arrives for a dead session.
        context.reset();
        if (!privateName.isEmpty())
            QDBusConnection::disconnectFromBus(privateName);
    }

    QDBusConnection bus;
    QString privateName;
    std::unique_ptr<QObject> context = std::make_unique<QObject>();
    std::array<std::optional<bool>, kLockers.size()> answers;
    int pending = 0;
};

SessionLockWatcher::SessionLockWatcher(const QString& busAddress)
{
    if (busAddress.isEmpty()) {
        if (sessionBusRuns() && QDBusConnection::sessionBus().isConnected())
            m_session = std::make_unique<Session>(QDBusConnection::sessionBus(), QString());
        return;
    }
    const QString name =
        QStringLiteral("yulavin-lock-watcher-%1").arg(reinterpret_cast<quintptr>(this), 0, 16);
    const QDBusConnection bus = QDBusConnection::connectToBus(busAddress, name);
    if (bus.isConnected())
        m_session = std::make_unique<Session>(bus, name);
    else
        QDBusConnection::disconnectFromBus(name);
}

SessionLockWatcher::~SessionLockWatcher() = default;

std::optional<bool> SessionLockWatcher::locked()
{
    if (!m_session)
        return std::nullopt;
    Session& session = *m_session;

    if (session.pending == 0) {
        for (size_t i = 0; i < kLockers.size(); ++i) {
            const Locker& locker = kLockers[i];
            QDBusMessage question = QDBusMessage::createMethodCall(
                QLatin1String(locker.service), QLatin1String(locker.path),
                QLatin1String(locker.interface), QStringLiteral("GetActive"));
            // Asking must not start a screen saver that is installed but off.
            question.setAutoStartService(false);
            auto* watcher = new QDBusPendingCallWatcher(
                session.bus.asyncCall(question, kAnswerTimeoutMs), session.context.get());
            ++session.pending;
            QObject::connect(watcher, &QDBusPendingCallWatcher::finished, session.context.get(),
                             [&session, i](QDBusPendingCallWatcher* done) {
                                 const QDBusPendingReply<bool> reply = *done;
                                 session.answers[i] = reply.isValid()
                                                          ? std::optional<bool>(reply.value())
                                                          : std::nullopt;
                                 --session.pending;
                                 done->deleteLater();
                             });
        }
    }

    std::optional<bool> result;
    for (const auto& answer : session.answers) {
        if (answer)
            result = result.value_or(false) || *answer;
    }
    return result;
}

#else

struct SessionLockWatcher::Session {};

SessionLockWatcher::SessionLockWatcher(const QString&) {}

SessionLockWatcher::~SessionLockWatcher() = default;

std::optional<bool> SessionLockWatcher::locked()
{
    return std::nullopt;
}

#endif

} // namespace platform
