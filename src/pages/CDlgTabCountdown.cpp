#include "pages/CDlgTabCountdown.h"

CDlgTabCountdown::CDlgTabCountdown() : SettingsPage(262, kWideTemplate) {}
