#include "ArtRegistry.h"
#include "TreeKinds.h"

void TreeKinds::paintSilver(ArtSink&)
{
}
