#pragma once

#include <array>

// Resource ids of each tree's pictures, in the order the art generator
// paints them; the tree window plays them in its own cycles.
inline constexpr std::array<unsigned, 10> kSilverTreePictures = {295, 296, 297, 298, 299,
                                                                 300, 301, 302, 303, 304};
inline constexpr std::array<unsigned, 2> kBowTreePictures = {311, 312};
inline constexpr std::array<unsigned, 6> kJoyTreePictures = {313, 314, 315, 316, 317, 318};
inline constexpr std::array<unsigned, 2> kSnowyTreePictures = {319, 320};
inline constexpr std::array<unsigned, 5> kHoarfrostTreePictures = {321, 322, 323, 324, 325};
