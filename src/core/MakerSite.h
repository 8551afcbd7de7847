#pragma once

#include <QString>

namespace platform {
class Shell;
}

// The maker's web site, home of the help page and the product page. The
// environment variable YULAVIN_SITE_URL points the program at another address
// (a mirror, or a local server in tests).
QString MakerSiteAddress();

// A page of the site by its name ("yulavin_help"), in Russian when that is the
// chosen language (the Language setting).
QString MakerPageAddress(const QString& page, const QString& language);

// Opens the help page in the user's browser; the tray menu's Help and every
// page's help button do the same.
void OpenHelpPage(platform::Shell& shell, const QString& language);
