#include "ArtRegistry.h"
#include "SnowCrystals.h"
#include "SnowDeepFrames.h"
#include "SnowPreview.h"
#include "SnowSmallFlakes.h"
#include "SnowThickFlakes.h"

namespace {

void paintSnow(ArtSink& sink)
{
    paintFluffySnow(sink);
    paintFineSnow(sink);
    paintThickSnow(sink);
    paintSparklingSnow(sink);
    paintFantasySnow(sink);
    const SnowDeepFrames deep;
    for (int i = 0; i < SnowDeepFrames::frameCount; ++i)
        sink.add(QStringLiteral("png/%1.png").arg(SnowDeepFrames::firstId + i), deep.frame(i));
}

const ArtGroupRegistration registration("snow", &paintSnow, &previewSnow);

} // namespace
