#pragma once

#include "StereoBuffer.h"

#include <cstddef>
#include <vector>

// A tune as rendered, before loudness is evened out. A background sound is
// rendered longer than its loop, by the length of the crossfade that closes it.
struct RenderedTune {
    StereoBuffer audio;
    std::size_t loopFrames = 0; // 0: played once
    // Average level; a sound made of sharp crackles needs more headroom
    // between its average and its peaks than music does.
    double rmsDb = -20.0;
};

struct TuneEntry {
    const char* fileName; // beside the program, as the Sound page names it
    const char* title;
    RenderedTune (*render)();
};

// Every tune the program plays, in the Sound page's order, then the two
// background sounds.
const std::vector<TuneEntry>& tuneBook();

RenderedTune renderAngels();
RenderedTune renderAwayInAManger();
RenderedTune renderDeckTheHalls();
RenderedTune renderJingleBells();
RenderedTune renderJoyToTheWorld();
RenderedTune renderSnowGlobeWish();
RenderedTune renderMusicBoxJoy();
RenderedTune renderMusicBoxTree();
RenderedTune renderMusicBoxWish();
RenderedTune renderSugarPlumFairy();
RenderedTune renderSanta();
RenderedTune renderFireplace();
RenderedTune renderSnowstorm();

// Renders the room and fades the end: the common ending of the played tunes.
RenderedTune finishTune(const class Arrangement& arrangement, float reverbLevel, float roomSize,
                        double ringSeconds);
