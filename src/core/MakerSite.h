#pragma once

#include <QString>

namespace platform {
class Shell;
}

// The maker's web site, home of the help page, the product page and the
// update file. The environment variable YULAVIN_SITE_URL points the program
// at another address (a mirror, or a local server in tests).
QString MakerSiteAddress();

// A page of the site by its name ("yulavin_help"), in Russian when that is the
// chosen language (the Language setting).
QString MakerPageAddress(const QString& page, const QString& language);

// The site's front page, in Russian when that is the chosen language.
QString MakerHomeAddress(const QString& language);

// The file that names the newest version: update_ru.txt for Russian,
// update.txt for every other language. Plain http unless YULAVIN_SITE_URL
// says otherwise.
QString UpdateFileAddress(const QString& language);

// Opens the help page in the user's browser; the tray menu's Help and every
// page's help button do the same.
void OpenHelpPage(platform::Shell& shell, const QString& language);

// A site's address without a trailing slash: the environment variable's
// value when it is set, else the fallback.
QString SiteAddress(const char* variable, const char* fallback);
