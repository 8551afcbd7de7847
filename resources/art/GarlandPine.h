#pragma once

#include <QImage>

// The pine garland. Branch tiles and their small lights are drawn as they lie
// along the left edge of the screen: the side facing the screen edge is the
// left one, and the tiles are laid 12 pixels past the edge, so the rope of
// needles runs down the middle of the square. The decorated swag hangs from
// the top edge and is laid 24 pixels above it; neighbouring swags overlap by
// 36 pixels, so their ends fade into each other.
QImage paintPineBranch();
QImage paintPineLight(bool lit);
QImage paintPineSwag();
// Only the lights of the swag, to lay over it at the same place.
QImage paintPineSwagLights(bool lit);
