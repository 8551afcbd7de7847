#include "Accompaniment.h"

#include <algorithm>
#include <cmath>

namespace {

// The chord's tones placed in the octave from `lowest` upwards, sorted.
std::vector<int> voicing(const ChordEvent& chord, int lowest)
{
    std::vector<int> notes;
    for (int interval : chord.intervals) {
        int note = lowest + ((chord.root + interval - lowest) % 12 + 12) % 12;
        notes.push_back(note);
    }
    std::sort(notes.begin(), notes.end());
    return notes;
}

int rootAbove(int pitchClass, int lowest)
{
    return lowest + ((pitchClass - lowest) % 12 + 12) % 12;
}

} // namespace

std::vector<NoteEvent> heldChords(const std::vector<ChordEvent>& chords, int lowest, float velocity)
{
    std::vector<NoteEvent> notes;
    for (const ChordEvent& chord : chords)
        for (int note : voicing(chord, lowest))
            notes.push_back({chord.beat, chord.beats, note, velocity});
    return notes;
}

std::vector<NoteEvent> rootBass(const std::vector<ChordEvent>& chords, int lowest,
                                double alternateAfter, float velocity)
{
    std::vector<NoteEvent> notes;
    for (const ChordEvent& chord : chords) {
        const int root = rootAbove(chord.root, lowest);
        if (chord.beats >= alternateAfter) {
            const double half = chord.beats / 2.0;
            int fifth = rootAbove(chord.root + 7, lowest);
            if (fifth > root)
                fifth -= 12;
            if (fifth < lowest - 5)
                fifth += 12;
            notes.push_back({chord.beat, half, root, velocity});
            notes.push_back({chord.beat + half, half, fifth, velocity * 0.85f});
        } else {
            notes.push_back({chord.beat, chord.beats, root, velocity});
        }
    }
    return notes;
}

std::vector<NoteEvent> oomPah(const std::vector<ChordEvent>& chords, double beatsPerBar,
                              int bassLowest, int chordLowest, float velocity)
{
    std::vector<NoteEvent> notes;
    for (const ChordEvent& chord : chords) {
        const auto upper = voicing(chord, chordLowest);
        for (double b = chord.beat; b < chord.beat + chord.beats - 1e-9; b += 1.0) {
            const bool downbeat = std::fabs(std::fmod(b, beatsPerBar)) < 1e-6;
            if (downbeat || b == chord.beat)
                notes.push_back({b, 1.0, rootAbove(chord.root, bassLowest), velocity});
            else
                for (int note : upper)
                    notes.push_back({b, 0.8, note, velocity * 0.7f});
        }
    }
    return notes;
}

std::vector<NoteEvent> brokenChords(const std::vector<ChordEvent>& chords, int lowest, double step,
                                    float velocity)
{
    std::vector<NoteEvent> notes;
    for (const ChordEvent& chord : chords) {
        auto tones = voicing(chord, lowest);
        tones.push_back(tones.front() + 12);
        // Up and back down: 0 1 2 3 2 1 0 1 ...
        const int span = int(tones.size()) - 1;
        int i = 0;
        for (double b = chord.beat; b < chord.beat + chord.beats - 1e-9; b += step, ++i) {
            const int phase = i % (2 * span);
            const int index = phase <= span ? phase : 2 * span - phase;
            notes.push_back({b, step, tones[std::size_t(index)], velocity * (i % 2 ? 0.8f : 1.0f)});
        }
    }
    return notes;
}
