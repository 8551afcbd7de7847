#pragma once

#include "pages/SettingsPage.h"

// The Logon page: a seasonal picture behind the Windows logon screen; only
// shown where that Windows version allows it.
class CDlgTabLogon final : public SettingsPage {
    Q_OBJECT
public:
    explicit CDlgTabLogon(const PageContext& context);
};
