#pragma once

#include "pages/SettingsPage.h"

// The Countdown page: one large button to the maker's countdown to the new
// year.
class CDlgTabCountdown final : public SettingsPage {
    Q_OBJECT
public:
    explicit CDlgTabCountdown(const PageContext& context);
};
