#include "pages/CDlgTabLights.h"

CDlgTabLights::CDlgTabLights(const PageContext& context, CDlgLights& decoration)
    : SettingsPage(context, 138, kNarrowTemplate), m_decoration(decoration)
{
}
