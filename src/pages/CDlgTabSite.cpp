#include "pages/CDlgTabSite.h"

CDlgTabSite::CDlgTabSite() : SettingsPage(284, kWideTemplate) {}
