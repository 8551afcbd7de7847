#pragma once

class ArtSink;

// Fantasy snow: nine 32x32 crystals and stars (353, 354, 356, 357, 364, 365,
// 366, 368, 370). They turn about their centre as they fall, so each is drawn
// centred with a halo that has no direction of its own.
void paintFantasySnow(ArtSink& sink);
