#pragma once

#include "vocabulary/PictureIds.h"

#include <QImage>

// The settings window's tab icons (16 x 16, drawn on the pixel grid) and the
// program's icon at every size the desktop may ask for.
namespace IconPictures {

QImage tabIcon(int id); // one of kTabIcons
QImage programIcon(int size);

inline constexpr int programIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

} // namespace IconPictures
