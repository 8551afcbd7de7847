#include "pages/CDlgTabLights.h"

CDlgTabLights::CDlgTabLights() : SettingsPage(138, kNarrowTemplate) {}
