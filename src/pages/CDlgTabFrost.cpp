#include "pages/CDlgTabFrost.h"

CDlgTabFrost::CDlgTabFrost() : SettingsPage(371, kWideTemplate) {}
