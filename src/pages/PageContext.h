#pragma once

#include "platform/Platform.h"

class COptions;
class CTranslate;

// What every settings page works with: the settings it binds its controls to,
// the texts of the current language and the system services.
struct PageContext {
    COptions& options;
    CTranslate& translate;
    platform::Platform services;
};
