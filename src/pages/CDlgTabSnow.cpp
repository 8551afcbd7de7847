#include "pages/CDlgTabSnow.h"

CDlgTabSnow::CDlgTabSnow(const PageContext& context, CDlgSnow& decoration)
    : SettingsPage(context, 190, kNarrowTemplate), m_decoration(decoration)
{
}
