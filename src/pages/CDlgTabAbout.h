#pragma once

#include "pages/SettingsPage.h"

// The About page: version, the maker's address and the credits.
class CDlgTabAbout final : public SettingsPage {
    Q_OBJECT
public:
    explicit CDlgTabAbout(const PageContext& context);
};
