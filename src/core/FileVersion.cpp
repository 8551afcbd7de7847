#include "core/FileVersion.h"

FileVersion ProgramFileVersion()
{
    return {(uint32_t{YULAVIN_VERSION_MAJOR} << 16) | uint32_t{YULAVIN_VERSION_MINOR},
            (uint32_t{YULAVIN_VERSION_BUILD} << 16) | uint32_t{YULAVIN_VERSION_REVISION}};
}
