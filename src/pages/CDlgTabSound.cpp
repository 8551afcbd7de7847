#include "pages/CDlgTabSound.h"

CDlgTabSound::CDlgTabSound(const PageContext& context) : SettingsPage(context, 259, kNarrowTemplate)
{
}
