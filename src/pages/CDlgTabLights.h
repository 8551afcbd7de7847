#pragma once

#include "pages/SettingsPage.h"

// The Lights page: which garland hangs round the screen, how it flashes and
// whether it stays above the windows.
class CDlgTabLights final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabLights();
};
