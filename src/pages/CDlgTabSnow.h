#pragma once

#include "pages/SettingsPage.h"

// The Snow page: the kind of snow, how much of it falls, the wind, and whether
// it piles up.
class CDlgTabSnow final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabSnow();
};
