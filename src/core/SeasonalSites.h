#pragma once

#include <QString>

// The seasonal web sites the link pages open besides the maker's own. Each
// can be pointed elsewhere by an environment variable, as the maker's site
// can: YULAVIN_COUNTDOWN_URL, YULAVIN_WALLPAPERS_URL, YULAVIN_RUSSIAN_SITE_URL.

// The countdown to Christmas, with its page in German, Polish or Russian for
// those languages and in English for every other.
QString CountdownAddress(const QString& language);

// The wallpaper site's seasonal pictures, tagged in Russian for Russian.
QString WallpapersAddress(const QString& language);

// The Russian-language New Year site's front page.
QString RussianSiteAddress();
