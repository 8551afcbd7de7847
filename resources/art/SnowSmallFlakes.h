#pragma once

class ArtSink;

// Fluffy snow: 193 (1x1), 194 (3x3) and nine soft 16x16 flakes 195-200,
// 202-204 (the pointer's snow trail turns and shrinks the same nine).
void paintFluffySnow(ArtSink& sink);
// Fine snow: 210 (1x1), 211 (2x2), 212 (3x3).
void paintFineSnow(ArtSink& sink);
// Sparkling snow: 348 and 349 (10x10), shown in turn so the flakes twinkle.
void paintSparklingSnow(ArtSink& sink);
