#include "pages/CDlgTabAbout.h"

CDlgTabAbout::CDlgTabAbout() : SettingsPage(226, kWideTemplate) {}
