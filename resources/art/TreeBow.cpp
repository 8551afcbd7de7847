#include "ArtRegistry.h"
#include "TreeKinds.h"

void TreeKinds::paintBow(ArtSink&)
{
}
