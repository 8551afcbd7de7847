#pragma once

#include <array>
#include <cstddef>

// Resource ids of the snowflakes. The snow window picks from them kind by
// kind, the cursor snow borrows the fluffy flakes, the art generator paints
// them. (Deep snow's frames are in PictureIds.h.)

// Fluffy snow: two specks (one pixel and three pixels), then nine flakes,
// which the cursor snow shares. There is no 201.
inline constexpr std::array<unsigned, 11> kFluffySnowPictures = {193, 194, 195, 196, 197, 198,
                                                                 199, 200, 202, 203, 204};
inline constexpr std::size_t kFluffySpeckCount = 2;

// Fine snow: flakes of one, two and three pixels.
inline constexpr std::array<unsigned, 3> kFineSnowPictures = {210, 211, 212};

// Thick snow: wet clumps from the smallest to the biggest.
inline constexpr std::array<unsigned, 10> kThickSnowPictures = {213, 214, 215, 216, 217,
                                                                218, 219, 220, 221, 222};

// Sparkling snow: the flash of a twinkle and its afterglow.
inline constexpr std::array<unsigned, 2> kSparklingSnowPictures = {348, 349};

// Fantasy snow's crystals.
inline constexpr unsigned kFernDendritePicture = 353;
inline constexpr unsigned kStellarPlatePicture = 354;
inline constexpr unsigned kBroadBranchesPicture = 356;
inline constexpr unsigned kStarPlatePicture = 357;
inline constexpr unsigned kSectoredPlatePicture = 364;
inline constexpr unsigned kDiamondTipsPicture = 365;
inline constexpr unsigned kTwelveRaysPicture = 366;
inline constexpr unsigned kGlowingStarPicture = 368;
inline constexpr unsigned kRingedNeedlesPicture = 370;
