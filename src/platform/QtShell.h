#pragma once

#include "platform/Shell.h"

#include <QUrl>

namespace platform {

// Hands pages and files to the desktop's default programs (xdg-open behind
// QDesktopServices).
class QtShell final : public Shell {
public:
    bool open(const QString& urlOrPath) override;

    // What open() hands on: http, https and file addresses as written (a
    // query with spaces or Cyrillic words is encoded, not rejected), anything
    // else as a local file path; invalid for an empty target.
    static QUrl targetUrl(const QString& urlOrPath);
};

} // namespace platform
