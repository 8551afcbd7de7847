#include "pages/CDlgTabTree.h"

CDlgTabTree::CDlgTabTree(const PageContext& context, CDlgTree& decoration)
    : SettingsPage(context, 307, kWideTemplate), m_decoration(decoration)
{
}
