#include "ArtRegistry.h"
#include "TreeKinds.h"

void TreeKinds::paintSnowy(ArtSink&)
{
}
