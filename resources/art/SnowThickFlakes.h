#pragma once

class ArtSink;

// Thick snow: ten big wet clumps 213-222, from 4x7 up to 47x54 pixels.
void paintThickSnow(ArtSink& sink);
