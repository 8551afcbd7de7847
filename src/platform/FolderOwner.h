#pragma once

#include <QString>

namespace platform {

// A copy of the program restarted as administrator runs as root but works in
// the user's own folders (settings, registry file, the emulated Windows
// folder). What it makes there goes to the owner of the folder it lies in, so
// that the user's own copy can still change or remove it later. For any other
// user, and in folders root owns, nothing changes.
class FolderOwner final {
public:
    // Hands a file or folder just written to the owner of its folder.
    static void HandOver(const QString& path);
    // Makes a folder with all missing parents, each handed over as above;
    // true when the folder exists.
    static bool MakePath(const QString& folder);
};

} // namespace platform
