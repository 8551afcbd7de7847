#pragma once

#include "pages/SettingsPage.h"

class CDlgTree;

// The Tree page: the animated tree standing on the desktop.
class CDlgTabTree final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabTree(const PageContext& context, CDlgTree& decoration);

private:
    // The running decoration the page changes as the user picks.
    CDlgTree& m_decoration;
};
