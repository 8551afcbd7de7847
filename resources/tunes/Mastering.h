#pragma once

#include "StereoBuffer.h"

// The last steps every tune goes through before encoding, so that all of
// them start cleanly, end naturally and sound about equally loud.

// Cuts the tune at `lengthSeconds`, fading the last `fadeSeconds` out.
void fadeOutAndTrim(StereoBuffer& tune, double lengthSeconds, double fadeSeconds);

// Brings the tune's RMS to `rmsDb` (dBFS) with every peak below `ceilingDb`.
void normaliseLoudness(StereoBuffer& tune, double rmsDb, double ceilingDb);

// Makes a loop of `loopFrames` from a rendering that runs `loopFrames` plus a
// crossfade longer: the extra tail is faded into the head, so the last sample
// flows straight on into the first when the player jumps back.
void closeLoop(StereoBuffer& tune, std::size_t loopFrames);

double toDb(double linear);
