#pragma once

#include "pages/SettingsPage.h"

class CDlgSnow;

// The Snow page: the kind of snow, how much of it falls, the wind, and whether
// it piles up.
class CDlgTabSnow final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabSnow(const PageContext& context, CDlgSnow& decoration);

private:
    // The running decoration the page changes as the user picks.
    CDlgSnow& m_decoration;
};
