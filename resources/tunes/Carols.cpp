// The carols played on piano with soft strings and bass.
#include "Accompaniment.h"
#include "Arrangement.h"
#include "Melodies.h"
#include "Score.h"
#include "TuneBook.h"

#include <string_view>

namespace {

// Piano melody, strings holding the chords, piano bass: the common band.
void playBand(Arrangement& band, const Score& score, float padLevel = 0.24f)
{
    band.addPart(Voice::Piano, score.melody(), 1.0f, 0.08f);
    band.addPart(Voice::Pad, heldChords(score.chords(), 53), padLevel, 0.0f, 0, 0.0);
    band.addPart(Voice::Piano, rootBass(score.chords(), 40), 0.4f, -0.2f);
}

void slowLastBars(Arrangement& band, const Score& score, double bars)
{
    const double beats = bars * score.beatsPerBar();
    band.slowDownAtEnd(score.lengthBeats() - beats, beats, 0.72);
}

} // namespace

RenderedTune renderAngels()
{
    constexpr std::string_view kVerse = "A4:1 A4 A4 C5 | C5:1.5 Bb4:0.5 A4:2 | A4:1 G4 A4 C5 |"
                                        "A4:1.5 G4:0.5 F4:2 |";
    constexpr std::string_view kVerseChords = "F:4 | C7:2 F:2 | F:1 C:1 F:2 | F:1 C7:1 F:2 |";
    constexpr std::string_view kGloria =
        "C5:2! D5:0.5 C5 Bb4 A4 | Bb4:2 C5:0.5 Bb4 A4 G4 | A4:2 Bb4:0.5 A4 G4 F4 |"
        "G4:1.5 C4:0.5 C4:2 | F4:1 G4 A4 Bb4 | A4:2 G4:2 |";
    constexpr std::string_view kGloriaChords =
        "F:4 | Bb:2 C7:2 | F:2 Gm:1 F:1 | Gm:2 C7:2 | F:3 Bb:1 | F:2 C:2 |";

    Score score(4);
    score.append("r:4 | r:4 |", "F:4 | C7:4 |");
    score.append(kVerse, kVerseChords);
    score.append(kVerse, kVerseChords);
    score.append(kGloria, kGloriaChords);
    const double secondGloria = score.append(kGloria, kGloriaChords);
    score.append("F4:4 |", "F:4 |");

    Arrangement band(100, 1);
    slowLastBars(band, score, 2);
    playBand(band, score);
    // Bells join the second Gloria an octave up.
    band.addPart(Voice::Glockenspiel, score.melodyBetween(secondGloria, score.lengthBeats()), 0.22f,
                 0.35f, 12);
    return finishTune(band, 0.9f, 0.84f, 3.0);
}

RenderedTune renderAwayInAManger()
{
    constexpr std::string_view kVerse =
        "r:2 C4:1 | F4:1 F4 G4 | A4:1 F4 F4 | A4:1 Bb4 C5 | C5:2 C5:1 | D5:1 Bb4 Bb4 |"
        "C5:1 A4 A4 | Bb4:1 G4 A4 | G4:2 C4:1 |"
        "F4:1 F4 G4 | A4:1 F4 F4 | A4:1 Bb4 C5 | C5:2 C5:1 | D5:1 Bb4 Bb4 |"
        "C5:1 A4 A4 | Bb4:1 G4 E4 | F4:3 |";
    constexpr std::string_view kVerseChords = "F:3 | F:3 | F:3 | F:3 | F:3 | Bb:3 |"
                                              "F:3 | Gm:2 C7:1 | C7:3 |"
                                              "F:3 | F:3 | F:3 | F:3 | Bb:3 |"
                                              "F:3 | C7:3 | F:3 |";

    Score score(3);
    score.append("r:3 | r:3 |", "F:3 | C7:3 |");
    score.append(kVerse, kVerseChords);
    const double second = score.append(kVerse, kVerseChords);
    score.append("r:3 |", "F:3 |");

    Arrangement band(96, 2);
    slowLastBars(band, score, 3);
    // First verse on the piano; the second on a celesta an octave up over
    // a rocking piano.
    band.addPart(Voice::Piano, score.melodyBetween(0, second), 0.95f, 0.08f);
    band.addPart(Voice::Celesta, score.melodyBetween(second, score.lengthBeats()), 0.6f, 0.12f, 12);
    band.addPart(Voice::Pad, heldChords(score.chords(), 53), 0.24f, 0.0f, 0, 0.0);
    band.addPart(Voice::Piano, rootBass(score.chordsBetween(0, second), 40, 4.0), 0.42f, -0.2f);
    band.addPart(Voice::Piano,
                 oomPah(score.chordsBetween(second, score.lengthBeats()), 3, 41, 57, 0.55f), 0.5f,
                 -0.2f);
    return finishTune(band, 1.0f, 0.86f, 3.5);
}

RenderedTune renderDeckTheHalls()
{
    constexpr std::string_view kA = "C5:1.5! Bb4:0.5 A4:1 G4 | F4:1 G4 A4 F4 |"
                                    "G4:0.5 A4 Bb4 G4 A4:1.5 G4:0.5 | F4:1 E4 F4:2 |";
    constexpr std::string_view kAChords = "F:4 | F:1 C7:1 F:2 | C7:2 F:2 | F:1 C7:1 F:2 |";
    constexpr std::string_view kB = "G4:1.5 A4:0.5 Bb4:1 G4 | A4:1.5 Bb4:0.5 C5:1 G4 |"
                                    "A4:0.5 B4 C5:1 D5:0.5 E5 F5:1 | E5:1 D5 C5:2 |";
    constexpr std::string_view kBChords = "C7:4 | F:2 C7:2 | F:1 C:1 G7:1 Dm:1 | C:1 G7:1 C:2 |";
    constexpr std::string_view kC = "C5:1.5! Bb4:0.5 A4:1 G4 | F4:1 G4 A4 F4 |"
                                    "D5:0.5 D5 D5 D5 C5:1.5 Bb4:0.5 | A4:1 G4 F4:2 |";
    constexpr std::string_view kCChords = "F:4 | F:4 | Bb:2 C7:2 | F:1 C7:1 F:2 |";

    Score score(4);
    score.append("r:4 | r:4 |", "F:4 | C7:4 |");
    double second = 0;
    for (int round = 0; round < 2; ++round) {
        second = score.append(kA, kAChords);
        score.append(kA, kAChords);
        score.append(kB, kBChords);
        score.append(kC, kCChords);
    }
    score.append("r:4 |", "F:4 |");

    Arrangement band(118, 3);
    slowLastBars(band, score, 2);
    band.addPart(Voice::Piano, score.melody(), 1.0f, 0.08f);
    band.addPart(Voice::Pad, heldChords(score.chords(), 53), 0.2f, 0.0f, 0, 0.0);
    band.addPart(Voice::Piano, oomPah(score.chords(), 2, 40, 53, 0.5f), 0.45f, -0.2f);
    band.addPart(Voice::Glockenspiel, score.melodyBetween(second, score.lengthBeats()), 0.25f,
                 0.35f, 12);
    return finishTune(band, 0.8f, 0.82f, 3.0);
}

RenderedTune renderJingleBells()
{
    constexpr std::string_view kVerse = "D4:1 B4 A4 G4 | D4:3 D4:0.5 D4 | D4:1 B4 A4 G4 | E4:4 |"
                                        "E4:1 C5 B4 A4 | F#4:4 | D5:1 D5 C5 A4 | B4:4 |"
                                        "D4:1 B4 A4 G4 | D4:4 | D4:1 B4 A4 G4 | E4:3 E4:1 |"
                                        "E4:1 C5 B4 A4 | D5:1 D5 D5 D5 | E5:1 D5 C5 A4 | G4:4 |";
    constexpr std::string_view kVerseChords = "G:4 | G:4 | G:4 | C:4 |"
                                              "C:4 | D7:4 | D7:4 | G:4 |"
                                              "G:4 | G:4 | G:4 | C:4 |"
                                              "C:4 | D7:4 | Am:2 D7:2 | G:4 |";
    constexpr std::string_view kChorus =
        "B4:1! B4 B4:2 | B4:1! B4 B4:2 | B4:1 D5 G4:1.5 A4:0.5 | B4:4 |"
        "C5:1 C5 C5:1.5 C5:0.5 | C5:1 B4 B4 B4:0.5 B4 | B4:1 A4 A4 B4 | A4:2 D5:2 |"
        "B4:1! B4 B4:2 | B4:1! B4 B4:2 | B4:1 D5 G4:1.5 A4:0.5 | B4:4 |"
        "C5:1 C5 C5:1.5 C5:0.5 | C5:1 B4 B4 B4:0.5 B4 | D5:1 D5 C5 A4 | G4:4 |";
    constexpr std::string_view kChorusChords = "G:4 | G:4 | G:4 | G:4 |"
                                               "C:4 | G:4 | A7:4 | D7:4 |"
                                               "G:4 | G:4 | G:4 | G:4 |"
                                               "C:4 | G:4 | D7:4 | G:4 |";

    Score score(4);
    score.append("r:4 | r:4 |", "G:4 | D7:4 |");
    score.append(kVerse, kVerseChords);
    const double chorus = score.append(kChorus, kChorusChords);
    score.append("G4+B4+D5+G5:2! r:2 |", "G:4 |");

    Arrangement band(144, 4);
    band.addPart(Voice::Piano, score.melody(), 1.0f, 0.05f);
    band.addPart(Voice::Bass, rootBass(score.chords(), 36), 0.45f, -0.1f);
    band.addPart(Voice::Piano, oomPah(score.chords(), 2, 43, 55, 0.45f), 0.35f, -0.25f);
    band.addPart(Voice::Glockenspiel, score.melodyBetween(chorus, score.lengthBeats()), 0.22f,
                 0.35f, 12);
    band.addSleighBells(0, score.lengthBeats() - 3, 0.5, 0.6f);
    return finishTune(band, 0.6f, 0.8f, 2.5);
}

RenderedTune renderJoyToTheWorld()
{
    Score score(4);
    score.append("r:4 | r:4 |", "D:4 | A7:4 |");
    score.append(kJoyMelody, kJoyChords);

    Arrangement band(96, 5);
    slowLastBars(band, score, 2);
    playBand(band, score, 0.22f);
    // The opening run and the last line ring out on bells as well.
    band.addPart(Voice::Glockenspiel, score.melodyBetween(8, 24), 0.2f, 0.35f, 12);
    band.addPart(Voice::Glockenspiel, score.melodyBetween(score.lengthBeats() - 16, 1e9), 0.2f,
                 0.35f, 12);
    return finishTune(band, 0.9f, 0.85f, 3.0);
}
