#pragma once

#include "pages/SettingsPage.h"

// The Sound page: the tunes at start-up, every hour and in the background.
class CDlgTabSound final : public SettingsPage {
    Q_OBJECT
public:
    explicit CDlgTabSound(const PageContext& context);
};
