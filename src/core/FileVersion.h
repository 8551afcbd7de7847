#pragma once

#include <cstdint>

// The program's own version in the two words of a version resource: the
// high word (major << 16) | minor, the low word (build << 16) | revision.
struct FileVersion {
    uint32_t dwFileVersionMS;
    uint32_t dwFileVersionLS;
};

// This build's version, from the project's version number.
FileVersion ProgramFileVersion();
