#pragma once

#include <QImage>
#include <QPainterPath>
#include <QSize>

// The skinned buttons' pictures. Each button has a normal, a pressed and a
// hover picture of the same size as its mask; the mask is black where the
// button is and exactly white (0xFFFFFF) where the page shows through.
namespace ButtonBitmaps {

enum class State { Normal, Over, Down };

// A mask from a shape: a pixel belongs to the button when its centre lies
// inside the shape.
QImage maskFrom(const QPainterPath& shape, QSize size);

QImage helpButton();                                       // 257 (all three states), 16 x 16
QImage helpMask();                                         // 258
QImage wallpapersButton(State state);                      // 246 / 248 / 249, 220 x 220
QImage wallpapersMask();                                   // 247
QImage siteButton(State state);                            // 291 / 293, 106 x 40
QImage siteMask();                                         // 292
QImage countdownButton(const QString& label, State state); // 106 x 40
QImage countdownMask();                                    // 278, shared by every language

} // namespace ButtonBitmaps
