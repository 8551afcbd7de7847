#include "pages/CDlgTabCursor.h"

CDlgTabCursor::CDlgTabCursor() : SettingsPage(372, kWideTemplate) {}
