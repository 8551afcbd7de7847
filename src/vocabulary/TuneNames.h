#pragma once

#include <array>

// The tunes' files beside the program, named without their ".mp3": the
// Sound page's eleven tunes in the order of its lists, then its two
// background sounds, which loop.
inline constexpr std::array<const char*, 11> kTuneFileNames = {
    "angels_we_have_heard_on_high",
    "away_in_a_manger",
    "deck_the_halls_alternate",
    "jingle_bells",
    "joy_to_the_world",
    "musical-snow-globe-we-wish-you-a-merry-christmas",
    "music-box-joy-to-the-world",
    "music-box-symphonion-o-christmas-tree",
    "music-box-wish-you-a-merry-christmas",
    "dance_of_the_sugar_plum_fairy",
    "santa-ho-ho-ho",
};
inline constexpr const char* kFireplaceFileName = "fireplace";
inline constexpr const char* kSnowstormFileName = "snowstorm";
