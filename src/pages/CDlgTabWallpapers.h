#pragma once

#include "pages/SettingsPage.h"

// The Wallpapers page: one large button to the maker's seasonal wallpapers.
class CDlgTabWallpapers final : public SettingsPage {
    Q_OBJECT
public:
    explicit CDlgTabWallpapers(const PageContext& context);
};
