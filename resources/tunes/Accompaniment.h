#pragma once

#include "NoteText.h"

#include <vector>

// Ways of turning a tune's chords into notes for the accompanying voices.

// The chord's tones held for its whole length, voiced closely between
// `lowest` and an octave above it.
std::vector<NoteEvent> heldChords(const std::vector<ChordEvent>& chords, int lowest,
                                  float velocity = 0.7f);

// The root on each chord's first beat, and the fifth below it on chords of
// `alternateAfter` beats or more, half way through (a walking "oom" bass).
std::vector<NoteEvent> rootBass(const std::vector<ChordEvent>& chords, int lowest,
                                double alternateAfter = 2.0, float velocity = 0.8f);

// Root on the bar's first beat, the chord above on the other beats (a waltz or
// march left hand), one note per `step` beats.
std::vector<NoteEvent> oomPah(const std::vector<ChordEvent>& chords, double beatsPerBar,
                              int bassLowest, int chordLowest, float velocity = 0.65f);

// The chord's tones one after another, low to high and back, one per `step` beats.
std::vector<NoteEvent> brokenChords(const std::vector<ChordEvent>& chords, int lowest, double step,
                                    float velocity = 0.6f);
