#pragma once

#include <QIcon>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

namespace platform {

// The program's icon in the panel's notification area.
class Tray {
public:
    struct MenuItem {
        int id = 0; // 0 for a separator
        QString text;
    };

    virtual ~Tray() = default;

    // False when the desktop offers no notification area: then the icon can't
    // be shown and the user needs another way back to the program.
    virtual bool isAvailable() = 0;
    // Idempotent: adding again restores an icon the panel lost.
    virtual void add(const QIcon& icon, const QString& tip) = 0;
    virtual void remove() = 0;
    // Shows the menu at the point and returns the chosen id, 0 for none.
    virtual int trackPopupMenu(const std::vector<MenuItem>& items, int defaultId, QPoint at) = 0;

    std::function<void()> onDoubleClick;
    std::function<void()> onContextMenu;
};

} // namespace platform
