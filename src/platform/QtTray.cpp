#include "platform/QtTray.h"

#include <QAction>
#include <QFont>
#include <QMenu>

#ifdef YULAVIN_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#endif

namespace platform {

QtTray::QtTray() = default;

QtTray::~QtTray() = default;

bool QtTray::statusNotifierHostRunning()
{
#ifdef YULAVIN_HAVE_DBUS
    // The same question Qt asks before it picks its StatusNotifierItem backend.
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(watcher).value())
        return false;
    QDBusInterface properties(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return properties.property("IsStatusNotifierHostRegistered").toBool();
#else
    return false;
#endif
}

bool QtTray::isAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::add(const QIcon& icon, const QString& tip)
{
    if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>();
        connect(m_icon.get(), &QSystemTrayIcon::activated, this, &QtTray::onActivated);
        // WORKAROUND: a StatusNotifierItem host reports one "activate" per
        // click and never a double click, so there a single click opens the
        // window. An XEmbed tray sends both, and only the double click counts.
        m_singleClickOpens = statusNotifierHostRunning();
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    // A panel that restarts gets the icon back from Qt itself; showing an
    // icon that shows already changes nothing.
    m_icon->show();
}

void QtTray::remove()
{
    if (m_icon)
        m_icon->hide();
}

int QtTray::trackPopupMenu(const std::vector<MenuItem>& items, int defaultId, QPoint at)
{
    QMenu menu;
    // The menu has no pictures: without this the style keeps an empty column
    // for them down its left side.
    menu.setStyleSheet(QStringLiteral("QMenu::item { padding: 4px 20px 4px 12px; }"
                                      "QMenu::item:selected { background: palette(highlight); "
                                      "color: palette(highlighted-text); }"));
    for (const MenuItem& item : items) {
        if (item.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(item.text);
        action->setData(item.id);
        if (item.id == defaultId) {
            menu.setDefaultAction(action);
            // The style sheet above leaves the default item in plain letters.
            QFont bold = menu.font();
            bold.setBold(true);
            action->setFont(bold);
        }
    }
    const QAction* chosen = menu.exec(at);
    return chosen ? chosen->data().toInt() : 0;
}

void QtTray::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    // WORKAROUND: Qt's XEmbed icon reports clicks from inside its own mouse
    // handler, and removing the icon there (Exit from the menu) deletes the
    // window under that handler. The program hears of the click once the
    // handler has returned.
    QMetaObject::invokeMethod(
        this, [this, reason] { report(reason); }, Qt::QueuedConnection);
}

void QtTray::report(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        if (onDoubleClick)
            onDoubleClick();
        break;
    case QSystemTrayIcon::Trigger:
        if (m_singleClickOpens && onDoubleClick)
            onDoubleClick();
        break;
    case QSystemTrayIcon::Context:
        if (onContextMenu)
            onContextMenu();
        break;
    default:
        break;
    }
}

} // namespace platform
