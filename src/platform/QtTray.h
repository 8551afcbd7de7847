#pragma once

#include "platform/Tray.h"

#include <QObject>
#include <QSystemTrayIcon>

#include <memory>

namespace platform {

// The icon through Qt: an XEmbed tray icon on classic panels, a
// StatusNotifierItem where the desktop runs a host for those.
class QtTray final : public QObject, public Tray {
public:
    QtTray();
    ~QtTray() override;

    bool isAvailable() override;
    void add(const QIcon& icon, const QString& tip) override;
    void remove() override;
    int trackPopupMenu(const std::vector<MenuItem>& items, int defaultId, QPoint at) override;

    // Whether a StatusNotifierItem host runs on the session bus, so that Qt
    // hands the icon to it instead of an XEmbed tray.
    static bool statusNotifierHostRunning();

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void report(QSystemTrayIcon::ActivationReason reason);

    std::unique_ptr<QSystemTrayIcon> m_icon;
    bool m_singleClickOpens = false;
};

} // namespace platform
