#pragma once

#include "pages/SettingsPage.h"

class CDlgCursor;

// The Cursor page: the effect that follows the mouse pointer.
class CDlgTabCursor final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabCursor(const PageContext& context, CDlgCursor& decoration);

private:
    // The running decoration the page changes as the user picks.
    CDlgCursor& m_decoration;
};
