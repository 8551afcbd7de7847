#pragma once

#include <string_view>
#include <vector>

// One note of a part, in beats from the start of the tune.
struct NoteEvent {
    double beat;
    double beats;
    int midi;
    float velocity;
};

// A chord held from `beat` for `beats`: its root as a pitch class (C = 0)
// and its tones as intervals above the root.
struct ChordEvent {
    double beat;
    double beats;
    int root;
    std::vector<int> intervals;
};

// Parses the tunes' note text:
//   "C5:1.5" a note of 1.5 beats, "F#4" / "Bb3" with accidentals, "r:1" a rest,
//   "C4+E4+G4:2" notes struck together, a trailing "!" accents a note and "~"
//   softens it, a missing ":length" repeats the previous length, "|" is a bar
//   line checked against `beatsPerBar` (0: unchecked).
// Throws std::runtime_error naming the bar of a mistake.
std::vector<NoteEvent> parseNotes(std::string_view text, double beatsPerBar, double startBeat = 0,
                                  double* endBeat = nullptr);

// Parses chord text: "F:4 C7:2 Gm:2 Bb:1 Ddim:1", qualities "", "m", "7", "m7",
// "maj7", "dim", "sus4"; "r:2" leaves beats without a chord; "|" as above.
std::vector<ChordEvent> parseChords(std::string_view text, double beatsPerBar, double startBeat = 0,
                                    double* endBeat = nullptr);
