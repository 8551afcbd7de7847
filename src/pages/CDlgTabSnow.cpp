#include "pages/CDlgTabSnow.h"

CDlgTabSnow::CDlgTabSnow() : SettingsPage(190, kNarrowTemplate) {}
