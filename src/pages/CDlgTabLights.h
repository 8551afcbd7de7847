#pragma once

#include "pages/SettingsPage.h"

class CDlgLights;

// The Lights page: which garland hangs round the screen, how it flashes and
// whether it stays above the windows.
class CDlgTabLights final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabLights(const PageContext& context, CDlgLights& decoration);

private:
    // The running decoration the page changes as the user picks.
    CDlgLights& m_decoration;
};
