#include "ArtRegistry.h"
#include "SnowCrystals.h"
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
}

const ArtGroupRegistration registration("snow", &paintSnow, &previewSnow);

} // namespace
