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
    sink.add(QStringLiteral("png/%1.png").arg(kCursorTopPicture), PageBackdrops::cursorTop());
    sink.add(QStringLiteral("png/%1.png").arg(kFrostPagePicture), PageBackdrops::frostPage());
    sink.add(QStringLiteral("png/%1.png").arg(kTreePagePicture), PageBackdrops::treePage());
    sink.add(QStringLiteral("png/%1.png").arg(kLogonPagePicture), PageBackdrops::logonPage());
    sink.add(QStringLiteral("png/%1.png").arg(kAboutBackgroundPicture),
             PageShowcase::aboutBackground());
    sink.add(QStringLiteral("png/%1.png").arg(kEmblemPicture), PageShowcase::emblem());
    sink.add(QStringLiteral("png/%1.png").arg(kTitlePicture), PageShowcase::title());
    for (const auto& edition : PageShowcase::countdownEditions())
        sink.add(QStringLiteral("png/%1.png").arg(edition.ids.picture),
                 PageShowcase::countdownPage(edition));
    sink.add(QStringLiteral("png/%1.png").arg(kWallpapersPagePicture),
             PageShowcase::wallpapersPage());
    sink.add(QStringLiteral("png/%1.png").arg(kSitePagePicture), PageShowcase::sitePage());
}

const ArtGroupRegistration registration("pages", &paintPages, &PagePreview::settingsWindows);

} // namespace
