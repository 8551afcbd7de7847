#include "core/MakerSite.h"

#include "platform/Shell.h"

namespace {

const char* const kSiteAddress = "https://varnel.example";
// The update file is read over plain http, as the maker serves it.
const char* const kUpdateSiteAddress = "http://varnel.example";
const char* const kSiteVariable = "YULAVIN_SITE_URL";

} // namespace

QString SiteAddress(const char* variable, const char* fallback)
{
    QString site = qEnvironmentVariable(variable);
    if (site.isEmpty())
        site = QString::fromLatin1(fallback);
    while (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    return site;
}

QString MakerSiteAddress()
{
    return SiteAddress(kSiteVariable, kSiteAddress);
}

QString MakerPageAddress(const QString& page, const QString& language)
{
    const bool russian = language == QLatin1String("Russian");
    return MakerSiteAddress() + (russian ? QStringLiteral("/?lng=ru&p=") : QStringLiteral("/?p=")) +
           page;
}

QString MakerHomeAddress(const QString& language)
{
    const bool russian = language == QLatin1String("Russian");
    return MakerSiteAddress() + (russian ? QStringLiteral("/?lng=ru") : QStringLiteral("/"));
}

QString UpdateFileAddress(const QString& language)
{
    const bool russian = language == QLatin1String("Russian");
    return SiteAddress(kSiteVariable, kUpdateSiteAddress) +
           (russian ? QStringLiteral("/yulavin/update_ru.txt")
                    : QStringLiteral("/yulavin/update.txt"));
}

void OpenHelpPage(platform::Shell& shell, const QString& language)
{
    shell.open(MakerPageAddress(QStringLiteral("yulavin_help"), language));
}
