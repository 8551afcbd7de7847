// The "pages" group: every picture of the settings window and its pages.
#include "ArtRegistry.h"
#include "PageBackdrops.h"
#include "PagePreview.h"
#include "PageShowcase.h"

#include "vocabulary/PictureIds.h"

namespace {

void paintPages(ArtSink& sink)
{
    sink.add(QStringLiteral("png/%1.png").arg(kWindowBackgroundPicture),
             PageBackdrops::windowBackground());
    sink.add(QStringLiteral("png/%1.png").arg(kPageBackgroundPicture),
             PageBackdrops::pageBackground());
    sink.add(QStringLiteral("png/%1.png").arg(kGeneralTopPicture), PageBackdrops::generalTop());
    sink.add(QStringLiteral("png/561.png"), PageBackdrops::cursorTop());
    sink.add(QStringLiteral("png/562.png"), PageBackdrops::frostPage());
    sink.add(QStringLiteral("png/310.png"), PageBackdrops::treePage());
    sink.add(QStringLiteral("png/344.png"), PageBackdrops::logonPage());
    sink.add(QStringLiteral("png/251.png"), PageShowcase::aboutBackground());
    sink.add(QStringLiteral("png/231.png"), PageShowcase::emblem());
    sink.add(QStringLiteral("png/232.png"), PageShowcase::title());
    for (const auto& edition : PageShowcase::countdownEditions())
        sink.add(QStringLiteral("png/%1.png").arg(edition.picture),
                 PageShowcase::countdownPage(edition));
    sink.add(QStringLiteral("png/285.png"), PageShowcase::wallpapersPage());
    sink.add(QStringLiteral("png/290.png"), PageShowcase::sitePage());
}

const ArtGroupRegistration registration("pages", &paintPages, &PagePreview::settingsWindows);

} // namespace
