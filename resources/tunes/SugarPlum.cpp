// The Sugar Plum Fairy's dance (Tchaikovsky): celesta over plucked strings,
// a low reed underneath.
#include "Accompaniment.h"
#include "Arrangement.h"
#include "Score.h"
#include "TuneBook.h"

#include <string_view>
#include <vector>

namespace {

// Plucked strings: the chord's root on each beat, its upper tones on the
// half beat after, short.
std::vector<NoteEvent> pizzicatoPattern(const std::vector<ChordEvent>& chords)
{
    std::vector<NoteEvent> notes;
    for (const ChordEvent& chord : chords) {
        const auto upper = heldChords({chord}, 55, 0.5f);
        for (double b = chord.beat; b < chord.beat + chord.beats - 1e-9; b += 1.0) {
            notes.push_back({b, 0.3, 40 + (chord.root - 40 % 12 + 12) % 12, 0.8f});
            for (NoteEvent n : upper) {
                n.beat = b + 0.5;
                n.beats = 0.25;
                notes.push_back(n);
            }
        }
    }
    return notes;
}

} // namespace

RenderedTune renderSugarPlumFairy()
{
    // Written an octave below where the celesta sounds.
    constexpr std::string_view kFirst =
        "G4:0.5! E4 G4 F#4 | D#4:0.5 r D#4 r | F#4:0.5 E4 D#4 D4 | C#4:0.5 r C#4 r |"
        "E4:0.5 C4 E4 D#4 | B3:0.5 r B3 r | D#4:0.5 D4 C#4 C4 | B3:1 r:1 |";
    constexpr std::string_view kFirstChords =
        "Em:2 | B7:2 | B7:2 | A7:2 | Am:2 | B7:2 | B7:2 | B7:2 |";
    constexpr std::string_view kSecond =
        "B4:0.5! G4 B4 A#4 | F#4:0.5 r F#4 r | A4:0.5 G#4 G4 F#4 | E4:0.5 r E4 r |"
        "C5:0.5 B4 A4 G4 | F#4:0.5 E4 D#4 F#4 | E4:2 |";
    constexpr std::string_view kSecondChords = "Em:2 | B7:2 | B7:2 | Em:2 | Am:2 | B7:2 | Em:2 |";

    Score score(2);
    score.append("r:2 | r:2 |", "Em:2 | Em:2 |");
    score.append(kFirst, kFirstChords);
    score.append(kSecond, kSecondChords);
    const double reprise = score.append(kFirst, kFirstChords);
    score.append(kSecond, kSecondChords);
    score.append("B3:0.25 E4 G4 B4 E5:1 | r:2 |", "Em:2 | Em:2 |");

    Arrangement band(66, 31);
    band.slowDownAtEnd(score.lengthBeats() - 6, 6, 0.7);
    band.addPart(Voice::Celesta, score.melody(), 1.0f, 0.15f, 12, 0.004);
    band.addPart(Voice::Pizzicato, pizzicatoPattern(score.chords()), 0.55f, -0.25f);
    // The reed holds the bass in the reprise only, for a darker second half.
    band.addPart(Voice::Reed, rootBass(score.chordsBetween(reprise, 1e9), 40, 99.0, 0.6f), 0.5f,
                 -0.1f, 0, 0.0);
    band.addPart(Voice::Pad, heldChords(score.chords(), 52, 0.5f), 0.15f, 0.0f, 0, 0.0);
    return finishTune(band, 1.0f, 0.86f, 3.5);
}
