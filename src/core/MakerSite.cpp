#include "core/MakerSite.h"

#include "core/CZelApp.h"
#include "platform/Platform.h"
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

QString MakerPageAddress(const QString& page)
{
    const bool russian = theApp().m_options.Language == QLatin1String("Russian");
    return MakerSiteAddress() + (russian ? QStringLiteral("/?lng=ru&p=") : QStringLiteral("/?p=")) +
           page;
}

void OpenHelpPage()
{
    if (platform::Shell* shell = platform::Platform::current().shell)
        shell->open(MakerPageAddress(QStringLiteral("yulavin_help")));
}
