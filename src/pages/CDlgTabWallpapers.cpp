#include "pages/CDlgTabWallpapers.h"

CDlgTabWallpapers::CDlgTabWallpapers(const PageContext& context)
    : SettingsPage(context, 233, kWideTemplate)
{
}
