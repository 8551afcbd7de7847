#pragma once

#include <QString>

namespace platform {

// Opening web pages and files with the user's programs.
class Shell {
public:
    virtual ~Shell() = default;

    // A URL or a local file path; false when nothing could be opened (an empty
    // target opens nothing).
    virtual bool open(const QString& urlOrPath) = 0;
};

} // namespace platform
