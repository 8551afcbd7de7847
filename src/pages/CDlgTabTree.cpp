#include "pages/CDlgTabTree.h"

CDlgTabTree::CDlgTabTree() : SettingsPage(307, kWideTemplate) {}
