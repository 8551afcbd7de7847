#include "core/SeasonalSites.h"

#include "core/MakerSite.h"

QString CountdownAddress(const QString& language)
{
    const QString site = SiteAddress("YULAVIN_COUNTDOWN_URL", "http://countdown.example");
    if (language == QLatin1String("German"))
        return site + QStringLiteral("/xmascountdown/?lng=de");
    if (language == QLatin1String("Polish"))
        return site + QStringLiteral("/xmascountdown/?lng=pl");
    if (language == QLatin1String("Russian"))
        return site + QStringLiteral("/xmascountdown/?lng=ru");
    // French too: the French page of the countdown is the English one.
    return site + QStringLiteral("/xmascountdown");
}

QString WallpapersAddress(const QString& language)
{
    const QString site = SiteAddress("YULAVIN_WALLPAPERS_URL", "http://wallpapers.example");
    if (language == QLatin1String("Russian"))
        return site + QStringLiteral("/?tag=новый+год&lng=ru");
    return site + QStringLiteral("/?tag=christmas");
}

QString RussianSiteAddress()
{
    return SiteAddress("YULAVIN_RUSSIAN_SITE_URL", "http://novyi-god.example");
}
