#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Turns the dialog units of the window and page layouts into pixels. The
// layouts were drawn for "MS Shell Dlg" 8 at 96 DPI, whose base units are 6 x 13
// pixels (4 horizontal units = 6 px, 8 vertical units = 13 px); the pictures on
// the pages are painted for exactly that mapping, so it is fixed rather than
// measured from the font in use. The pixels are Qt's logical pixels: on a
// screen Qt scales by its device pixel ratio, layout and pictures scale
// together and stay aligned.
class DialogUnits final {
public:
    static constexpr int kBaseUnitX = 6;
    static constexpr int kBaseUnitY = 13;

    // Each coordinate is converted on its own and rounded to the nearest pixel,
    // so that neighbouring controls share their edges exactly.
    static int ToPixelsX(int x);
    static int ToPixelsY(int y);
    static QPoint ToPixels(QPoint point);
    static QSize ToPixels(QSize size);
    // The rectangle's left, top, right and bottom are converted separately.
    static QRect ToPixels(const QRect& rect);
};
