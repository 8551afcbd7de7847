#pragma once

#include "vocabulary/TextIds.h"

#include <QIcon>
#include <QString>

#include <cstdint>

namespace platform {
class Tray;
}

// The commands of the icon's menu.
enum : int {
    ID_TRAY_SETTINGS = 32773,
    ID_TRAY_HELP = 32774,
    ID_TRAY_UPDATE = 32775,
    ID_TRAY_ABOUT = 32776,
    ID_TRAY_EXIT = 32777,
};

// One row of the icon's menu: the command and the id of its caption. A row
// with kSeparatorText is a separator line.
struct TRAY_MENU_TEXT {
    uint16_t command;
    uint16_t textId;
};
constexpr uint16_t kSeparatorText = 0x7FFF;

// The menu from top to bottom.
inline constexpr TRAY_MENU_TEXT TRAY_MENU_TEXTS[] = {
    {ID_TRAY_SETTINGS, kTraySettingsText}, {0, kSeparatorText},
    {ID_TRAY_HELP, kTrayHelpText},         {ID_TRAY_UPDATE, kTrayUpdateText},
    {ID_TRAY_ABOUT, kTrayAboutText},       {0, kSeparatorText},
    {ID_TRAY_EXIT, kTrayExitText},
};

// The program's icon in the notification area: its picture and its tooltip,
// the product name in every language.
class CTrayIcon final {
public:
    explicit CTrayIcon(platform::Tray& tray);

    // Shows the icon; adding it again brings back an icon the panel lost and
    // changes nothing otherwise. Failures go unreported.
    void Add();
    void Remove();

    QIcon m_hIcon;
    QString m_szTip;

private:
    platform::Tray& m_tray;
};
