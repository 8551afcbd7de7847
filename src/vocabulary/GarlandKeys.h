#pragma once

#include <array>

// The garlands by the key the settings file stores in strGarland. A garland's
// type, as the garland window and the Lights page count it, is its place in
// kGarlandKeys.
inline constexpr const char* kGarlandMulticolor = "multicolor";
inline constexpr const char* kGarlandBlue = "blue";
inline constexpr const char* kGarlandWhite = "white";
inline constexpr const char* kGarlandMulticolorStrawberry = "multicolor_strawberry";
inline constexpr const char* kGarlandBlueStrawberry = "blue_strawberry";
inline constexpr const char* kGarlandPine = "pine";
inline constexpr const char* kGarlandChristmasPine = "christmas_pine";
inline constexpr const char* kGarlandIcicle = "icicle";
inline constexpr const char* kGarlandBall = "ball";
inline constexpr const char* kGarlandBacklight = "backlight";
inline constexpr const char* kGarlandSnowflake = "snowflake";

inline constexpr std::array<const char*, 11> kGarlandKeys = {
    kGarlandMulticolor,     kGarlandBlue,      kGarlandWhite,         kGarlandMulticolorStrawberry,
    kGarlandBlueStrawberry, kGarlandPine,      kGarlandChristmasPine, kGarlandIcicle,
    kGarlandBall,           kGarlandBacklight, kGarlandSnowflake};
