#pragma once

#include "pages/SettingsPage.h"

class CDlgFrost;

// The Frost page: frost that creeps over the screen after some idle minutes.
class CDlgTabFrost final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabFrost(const PageContext& context, CDlgFrost& decoration);

private:
    // The running decoration the page changes as the user picks.
    CDlgFrost& m_decoration;
};
