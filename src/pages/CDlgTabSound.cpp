#include "pages/CDlgTabSound.h"

CDlgTabSound::CDlgTabSound() : SettingsPage(259, kNarrowTemplate) {}
