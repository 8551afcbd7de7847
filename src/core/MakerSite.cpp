#include "core/MakerSite.h"

#include "platform/Shell.h"

namespace {

const char* const kSiteAddress = "https://varnel.example";
const char* const kSiteVariable = "YULAVIN_SITE_URL";

} // namespace

QString MakerSiteAddress()
{
    QString site = qEnvironmentVariable(kSiteVariable);
    if (site.isEmpty())
        site = QString::fromLatin1(kSiteAddress);
    while (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    return site;
}

QString MakerPageAddress(const QString& page, const QString& language)
{
    const bool russian = language == QLatin1String("Russian");
    return MakerSiteAddress() + (russian ? QStringLiteral("/?lng=ru&p=") : QStringLiteral("/?p=")) +
           page;
}

void OpenHelpPage(platform::Shell& shell, const QString& language)
{
    shell.open(MakerPageAddress(QStringLiteral("yulavin_help"), language));
}
