#include "pages/CDlgTabLogon.h"

CDlgTabLogon::CDlgTabLogon(const PageContext& context) : SettingsPage(context, 308, kWideTemplate)
{
}
