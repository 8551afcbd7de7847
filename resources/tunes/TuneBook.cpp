#include "TuneBook.h"

#include "Arrangement.h"
#include "Mastering.h"

#include <cmath>

const std::vector<TuneEntry>& tuneBook()
{
    static const std::vector<TuneEntry> kTunes = {
        {"angels_we_have_heard_on_high", "Angels We Have Heard on High", renderAngels},
        {"away_in_a_manger", "Away in a Manger", renderAwayInAManger},
        {"deck_the_halls_alternate", "Deck the Halls", renderDeckTheHalls},
        {"jingle_bells", "Jingle Bells", renderJingleBells},
        {"joy_to_the_world", "Joy to the World", renderJoyToTheWorld},
        {"musical-snow-globe-we-wish-you-a-merry-christmas",
         "Musical Snow Globe - We Wish You A Merry Christmas", renderSnowGlobeWish},
        {"music-box-joy-to-the-world", "Music Box - Joy To The World", renderMusicBoxJoy},
        {"music-box-symphonion-o-christmas-tree", "Music Box - O Christmas Tree (O Tannenbaum)",
         renderMusicBoxTree},
        {"music-box-wish-you-a-merry-christmas", "Music Box - We Wish You a Merry Christmas",
         renderMusicBoxWish},
        {"dance_of_the_sugar_plum_fairy", "The Nutcracker: Dance Of The Sugar Plum Fairies",
         renderSugarPlumFairy},
        {"santa-ho-ho-ho", "Santa Claus", renderSanta},
        {"fireplace", "Fireplace", renderFireplace},
        {"snowstorm", "Snowstorm", renderSnowstorm},
    };
    return kTunes;
}

RenderedTune finishTune(const Arrangement& arrangement, float reverbLevel, float roomSize,
                        double ringSeconds)
{
    RenderedTune tune{arrangement.render(reverbLevel, roomSize, ringSeconds + 0.5)};
    fadeOutAndTrim(tune.audio, arrangement.endSeconds() + ringSeconds, ringSeconds * 0.8);
    // A tune that opens with a rest should still sound the moment it is played.
    std::size_t first = 0;
    while (first < tune.audio.frames() && std::fabs(tune.audio.left()[first]) < 1e-4f &&
           std::fabs(tune.audio.right()[first]) < 1e-4f)
        ++first;
    tune.audio.dropFront(first > 882 ? first - 882 : 0);
    return tune;
}
