#include "TuneBook.h"

#include "Arrangement.h"
#include "Mastering.h"
#include "vocabulary/TuneNames.h"

#include <cmath>

const std::vector<TuneEntry>& tuneBook()
{
    static const std::vector<TuneEntry> kTunes = {
        {kTuneFileNames[0], "Angels We Have Heard on High", renderAngels},
        {kTuneFileNames[1], "Away in a Manger", renderAwayInAManger},
        {kTuneFileNames[2], "Deck the Halls", renderDeckTheHalls},
        {kTuneFileNames[3], "Jingle Bells", renderJingleBells},
        {kTuneFileNames[4], "Joy to the World", renderJoyToTheWorld},
        {kTuneFileNames[5], "Musical Snow Globe - We Wish You A Merry Christmas",
         renderSnowGlobeWish},
        {kTuneFileNames[6], "Music Box - Joy To The World", renderMusicBoxJoy},
        {kTuneFileNames[7], "Music Box - O Christmas Tree (O Tannenbaum)", renderMusicBoxTree},
        {kTuneFileNames[8], "Music Box - We Wish You a Merry Christmas", renderMusicBoxWish},
        {kTuneFileNames[9], "The Nutcracker: Dance Of The Sugar Plum Fairies",
         renderSugarPlumFairy},
        {kTuneFileNames[10], "Santa Claus", renderSanta},
        {kFireplaceFileName, "Fireplace", renderFireplace},
        {kSnowstormFileName, "Snowstorm", renderSnowstorm},
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
