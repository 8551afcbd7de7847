#pragma once

#include "platform/Tray.h"

#include <deque>
#include <vector>

// A notification area that records what the program shows in it and lets a
// test click the icon and pick menu entries.
class FakeTray final : public platform::Tray {
public:
    struct Menu {
        std::vector<MenuItem> items;
        int defaultId;
    };

    bool isAvailable() override { return m_available; }
    void add(const QIcon& icon, const QString& tip) override
    {
        ++m_addCount;
        m_shown = true;
        m_icon = icon;
        m_tip = tip;
    }
    void remove() override
    {
        ++m_removeCount;
        m_shown = false;
    }
    int trackPopupMenu(const std::vector<MenuItem>& items, int defaultId, QPoint) override
    {
        m_menus.push_back({items, defaultId});
        if (m_choices.empty())
            return 0;
        const int choice = m_choices.front();
        m_choices.pop_front();
        return choice;
    }

    void doubleClick()
    {
        if (onDoubleClick)
            onDoubleClick();
    }
    // Opens the menu; the next scripted choice (none when there is none) is picked.
    void rightClick()
    {
        if (onContextMenu)
            onContextMenu();
    }

    bool m_available = true;
    bool m_shown = false;
    int m_addCount = 0;
    int m_removeCount = 0;
    QIcon m_icon;
    QString m_tip;
    std::vector<Menu> m_menus;
    std::deque<int> m_choices;
};
