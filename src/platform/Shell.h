#pragma once

#include <QString>

namespace platform {

// Opening web pages and files with the user's programs, and starting the
// program again with administrator rights.
class Shell {
public:
    virtual ~Shell() = default;

    // A URL or a local file path; false when nothing could be opened (an empty
    // target opens nothing).
    virtual bool open(const QString& urlOrPath) = 0;
    // Starts the program at that path again with administrator rights, for
    // this user's session; true once the new copy runs, false when it could
    // not be started or the user declined.
    virtual bool runElevated(const QString& program) = 0;
};

} // namespace platform
