#pragma once

#include "pages/SettingsPage.h"

// The Frost page: frost that creeps over the screen after some idle minutes.
class CDlgTabFrost final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabFrost();
};
