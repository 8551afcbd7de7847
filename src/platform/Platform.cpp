#include "platform/Platform.h"

namespace platform {

namespace {
Platform g_current;
}

Platform& Platform::current()
{
    return g_current;
}

void Platform::install(const Platform& services)
{
    g_current = services;
}

} // namespace platform
