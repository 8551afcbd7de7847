#include "ArtRegistry.h"
#include "TreeKinds.h"

void TreeKinds::paintHoarfrost(ArtSink&)
{
}
