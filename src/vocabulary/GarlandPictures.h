#pragma once

#include <array>

// Resource ids of the light garland's 84 pictures. The garland window keeps
// them in its own slot order; the art generator paints them colour by colour.

// One colour of a bulb or ball: along a straight edge and round a corner,
// each switched off and lit.
struct GarlandColourPictures {
    unsigned straightUnlit;
    unsigned straightLit;
    unsigned cornerUnlit;
    unsigned cornerLit;
};

// Wired bulbs and strawberry bulbs: blue, green, orange, red, yellow.
inline constexpr std::array<GarlandColourPictures, 5> kBulbPictures = {{{141, 142, 139, 140},
                                                                        {143, 144, 149, 150},
                                                                        {145, 146, 151, 152},
                                                                        {147, 148, 153, 154},
                                                                        {157, 158, 155, 156}}};
inline constexpr std::array<GarlandColourPictures, 5> kStrawberryPictures = {
    {{162, 163, 164, 165},
     {173, 172, 180, 179},
     {171, 170, 178, 177},
     {169, 168, 176, 161},
     {167, 166, 175, 174}}};

// The small white bulb, switched off and lit.
inline constexpr unsigned kWhiteBulbUnlitPicture = 159;
inline constexpr unsigned kWhiteBulbLitPicture = 160;

// The pine branch with its small light, and the decorated pine section with its lights.
inline constexpr unsigned kPineBranchPicture = 181;
inline constexpr unsigned kPineSectionPicture = 182;
inline constexpr unsigned kPineLightUnlitPicture = 183;
inline constexpr unsigned kPineLightLitPicture = 184;
inline constexpr unsigned kPineSectionLightsUnlitPicture = 185;
inline constexpr unsigned kPineSectionLightsLitPicture = 186;

// Five icicle strings, each switched off then lit: variant v is at 2v and 2v + 1.
inline constexpr unsigned kFirstIciclePicture = 234;
inline constexpr unsigned kIcicleVariantCount = 5;

// Glass ball lights: blue, green, red, yellow.
inline constexpr std::array<GarlandColourPictures, 4> kBallLightPictures = {
    {{544, 545, 497, 499}, {504, 505, 502, 503}, {508, 509, 506, 507}, {512, 513, 510, 511}}};

// Backlight glows and snowflake lights, lit in blue, green, red, yellow, then
// the one shown switched off.
inline constexpr std::array<unsigned, 5> kBacklightPictures = {515, 516, 517, 518, 519};
inline constexpr std::array<unsigned, 5> kSnowflakeLightPictures = {521, 522, 524, 525, 523};

// What joins the pieces where the window leaves room between them: stretches
// of wire stored as they run along the bottom edge, stretched to fit, and the
// white string's bends from a side column into the bottom row at the left and
// at the right corner.
inline constexpr unsigned kWhiteWirePicture = 600;
inline constexpr unsigned kWhiteWireBendLeftPicture = 601;
inline constexpr unsigned kWhiteWireBendRightPicture = 602;
inline constexpr unsigned kBallWirePicture = 603;
inline constexpr unsigned kSnowflakeStringPicture = 604;
