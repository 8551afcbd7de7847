#pragma once

#include "pages/SettingsPage.h"

// The Cursor page: the effect that follows the mouse pointer.
class CDlgTabCursor final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabCursor();
};
