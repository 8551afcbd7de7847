#include "pages/CDlgTabLogon.h"

CDlgTabLogon::CDlgTabLogon() : SettingsPage(308, kWideTemplate) {}
