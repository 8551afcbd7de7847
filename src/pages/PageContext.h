#pragma once

#include "platform/Platform.h"

class COptions;
class CTranslate;

#include <functional>

// What every settings page works with: the settings it binds its controls to,
// the texts of the current language and the system services, and whom to
// tell after the user changed a setting (SettingsPage::SettingsChanged).
struct PageContext {
    COptions& options;
    CTranslate& translate;
    platform::Platform services;
    std::function<void()> settingsChanged;
};
