#pragma once

#include <QImage>

// The pictures behind the settings window and its setting pages. Each page's
// controls lie on these, so the places where text sits are kept calm.
namespace PageBackdrops {

QImage windowBackground(); // 252: the settings window behind its tab control
QImage pageBackground();   // 256: General, Lights, Snow, Cursor and Sound pages
QImage generalTop();       // 345: laid over 256 on the General page
QImage cursorTop();        // 561: laid over 256 on the Cursor page
QImage frostPage();        // 562: Frost page, white labels on it
QImage treePage();         // 310: Tree page
QImage logonPage();        // 344: Logon Screen page

} // namespace PageBackdrops
