#include "pages/CDlgTabFrost.h"

CDlgTabFrost::CDlgTabFrost(const PageContext& context, CDlgFrost& decoration)
    : SettingsPage(context, 371, kWideTemplate), m_decoration(decoration)
{
}
