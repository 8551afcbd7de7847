#pragma once

#include <QColor>

// The colours of one kind of light: the glass as seen by day, the hot middle
// of the lit glass, and the light it throws round itself.
struct GarlandHue {
    QColor glass;
    QColor core;
    QColor halo;
};

namespace GarlandPalette {

inline GarlandHue blue()
{
    return {QColor(38, 96, 255), QColor(200, 228, 255), QColor(70, 130, 255)};
}
inline GarlandHue green()
{
    return {QColor(24, 190, 64), QColor(214, 255, 200), QColor(60, 235, 90)};
}
inline GarlandHue orange()
{
    return {QColor(255, 118, 14), QColor(255, 236, 180), QColor(255, 146, 40)};
}
inline GarlandHue red()
{
    return {QColor(228, 22, 30), QColor(255, 200, 180), QColor(255, 50, 50)};
}
inline GarlandHue yellow()
{
    return {QColor(250, 204, 24), QColor(255, 252, 220), QColor(255, 224, 70)};
}
// Warm white: a clear glass whose light is the colour of a candle flame.
inline GarlandHue warmWhite()
{
    return {QColor(236, 226, 206), QColor(255, 253, 242), QColor(255, 222, 160)};
}
inline GarlandHue iceWhite()
{
    return {QColor(214, 232, 250), QColor(250, 253, 255), QColor(150, 205, 255)};
}

// The plastic of the sockets and the twisted wire, the usual dark green.
inline QColor wireDark()
{
    return QColor(14, 46, 24);
}
inline QColor wireLight()
{
    return QColor(66, 122, 78);
}

} // namespace GarlandPalette
