#pragma once

#include <QImage>

// The settings window's tab icons (16 x 16, drawn on the pixel grid) and the
// program's icon at every size the desktop may ask for.
namespace IconPictures {

QImage tabIcon(int id); // 330, 331, 334, 338, 335, 339, 558, 337, 332, 333, 559, 329
QImage programIcon(int size);

// The tab icons in the order the settings window appends them.
inline constexpr int tabIconIds[] = {330, 331, 334, 338, 335, 339, 558, 337, 332, 333, 559, 329};
inline constexpr int programIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

} // namespace IconPictures
