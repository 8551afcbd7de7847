#pragma once

#include <QImage>

// The single pictures of the pointer effects. Each is drawn at its exact size;
// the pendants keep their hanging point where the pointer's tail holds them.
namespace CursorOrnaments {

QImage stocking();       // 32x58, hangs from (15, 5)
QImage ball();           // 42x48, hangs from (20, 2)
QImage bells();          // 32x32, hang from (17, 14)
QImage wreath();         // 32x31, hangs from (16, 4)
QImage bow();            // 32x27, sits at the pointer's tail
QImage poinsettia();     // 32x31, circles the pointer
QImage spinningWreath(); // 64x64, turns about its centre

} // namespace CursorOrnaments
