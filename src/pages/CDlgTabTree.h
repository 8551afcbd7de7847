#pragma once

#include "pages/SettingsPage.h"

// The Tree page: the animated tree standing on the desktop.
class CDlgTabTree final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabTree();
};
