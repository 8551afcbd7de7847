#include "pages/CDlgTabSite.h"

CDlgTabSite::CDlgTabSite(const PageContext& context) : SettingsPage(context, 284, kWideTemplate) {}
