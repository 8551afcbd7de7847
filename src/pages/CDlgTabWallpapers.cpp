#include "pages/CDlgTabWallpapers.h"

CDlgTabWallpapers::CDlgTabWallpapers() : SettingsPage(233, kWideTemplate) {}
