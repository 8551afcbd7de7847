#pragma once

#include "pages/SettingsPage.h"

// The site page, only in Russian: one button to the maker's seasonal site.
class CDlgTabSite final : public SettingsPage {
    Q_OBJECT
public:
    explicit CDlgTabSite(const PageContext& context);
};
