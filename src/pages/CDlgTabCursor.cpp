#include "pages/CDlgTabCursor.h"

CDlgTabCursor::CDlgTabCursor(const PageContext& context, CDlgCursor& decoration)
    : SettingsPage(context, 372, kWideTemplate), m_decoration(decoration)
{
}
