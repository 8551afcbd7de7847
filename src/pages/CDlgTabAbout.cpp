#include "pages/CDlgTabAbout.h"

CDlgTabAbout::CDlgTabAbout(const PageContext& context) : SettingsPage(context, 226, kWideTemplate)
{
}
