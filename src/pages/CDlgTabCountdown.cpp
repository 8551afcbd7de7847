#include "pages/CDlgTabCountdown.h"

CDlgTabCountdown::CDlgTabCountdown(const PageContext& context)
    : SettingsPage(context, 262, kWideTemplate)
{
}
