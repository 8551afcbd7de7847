// The music boxes: every voice on the steel comb, the melody two octaves
// above the bass tines, as a small cylinder box would have it.
#include "Accompaniment.h"
#include "Arrangement.h"
#include "Melodies.h"
#include "Score.h"
#include "TuneBook.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A tired spring: the whole box drifts slowly sharp and flat and swells a
// little, by reading the sound at a gently swaying position.
void wobble(StereoBuffer& tune, double depthSeconds, double rateHz, double swell)
{
    const StereoBuffer source = tune;
    const double rate = StereoBuffer::kRate;
    for (std::size_t i = 0; i < tune.frames(); ++i) {
        const double t = double(i) / rate;
        const double sway = std::sin(2.0 * std::numbers::pi * rateHz * t) +
                            0.35 * std::sin(2.0 * std::numbers::pi * rateHz * 2.71 * t + 1.0);
        const double at = double(i) + depthSeconds * rate * sway;
        const auto j = std::size_t(std::clamp(at, 0.0, double(source.frames() - 2)));
        const float f = float(std::clamp(at - double(j), 0.0, 1.0));
        const float g = float(1.0 + swell * std::sin(2.0 * std::numbers::pi * rateHz * 0.5 * t));
        tune.left()[i] = g * (source.left()[j] * (1 - f) + source.left()[j + 1] * f);
        tune.right()[i] = g * (source.right()[j] * (1 - f) + source.right()[j + 1] * f);
    }
}

std::string_view afterFirstBar(std::string_view text)
{
    return text.substr(text.find('|') + 1);
}

// The verse, "good tidings" if wanted, and the verse again, its last "we"
// left out so it comes to rest.
Score wishScore(bool withTidings)
{
    Score score(3);
    score.append(kWishVerse, kWishVerseChords);
    if (withTidings)
        score.append(kWishTidings, kWishTidingsChords);
    std::string last(afterFirstBar(kWishVerse));
    last.replace(last.rfind("G4:2 D4:1"), 9, "G4:3");
    score.append(last, afterFirstBar(kWishVerseChords));
    return score;
}

} // namespace

RenderedTune renderMusicBoxWish()
{
    const Score score = wishScore(true);
    Arrangement box(132, 21);
    box.slowDownAtEnd(score.lengthBeats() - 6, 6, 0.7);
    box.addPart(Voice::MusicBox, score.melody(), 1.0f, 0.1f, 12, 0.003);
    box.addPart(Voice::MusicBox, oomPah(score.chords(), 3, 43, 59), 0.4f, -0.15f, 12, 0.003);
    return finishTune(box, 0.7f, 0.78f, 3.0);
}

RenderedTune renderSnowGlobeWish()
{
    const Score score = wishScore(false);
    Arrangement box(104, 22);
    box.slowDownAtEnd(score.lengthBeats() - 9, 9, 0.6);
    box.addPart(Voice::MusicBox, score.melody(), 1.0f, 0.1f, 12, 0.004);
    box.addPart(Voice::MusicBox, rootBass(score.chords(), 43, 3.0), 0.5f, -0.2f, 12, 0.004);
    box.addPart(Voice::MusicBox, brokenChords(score.chords(), 59, 0.5, 0.45f), 0.35f, -0.05f, 12,
                0.004);
    // Inside the glass: the box runs a little unevenly and the snow globe
    // makes the room a little larger.
    RenderedTune tune = finishTune(box, 1.1f, 0.86f, 4.0);
    wobble(tune.audio, 0.0012, 0.45, 0.06);
    return tune;
}

RenderedTune renderMusicBoxJoy()
{
    Score score(4);
    score.append(kJoyMelody, kJoyChords);
    score.append("D4+F#4+A4+D5:4 |", "D:4 |");
    Arrangement box(88, 23);
    box.slowDownAtEnd(score.lengthBeats() - 8, 8, 0.7);
    box.addPart(Voice::MusicBox, score.melody(), 1.0f, 0.1f, 12, 0.003);
    box.addPart(Voice::MusicBox, rootBass(score.chords(), 45), 0.45f, -0.2f, 12, 0.003);
    box.addPart(Voice::MusicBox, brokenChords(score.chords(), 57, 1.0, 0.45f), 0.3f, -0.05f, 12,
                0.003);
    return finishTune(box, 0.7f, 0.78f, 3.0);
}

RenderedTune renderMusicBoxTree()
{
    // A disc box with a fuller bass comb: the tune twice, the second time with
    // running eighths.
    Score score(3);
    score.append(kTreeMelody, kTreeChords);
    const double second = score.append(kTreeMelody, kTreeChords);
    score.append("F4+A4+C5:3 |", "F:3 |");
    Arrangement box(84, 24);
    box.slowDownAtEnd(score.lengthBeats() - 6, 6, 0.7);
    box.addPart(Voice::MusicBox, score.melody(), 1.0f, 0.1f, 12, 0.003);
    box.addPart(Voice::MusicBox, oomPah(score.chordsBetween(0, second), 3, 41, 57), 0.5f, -0.15f,
                12, 0.003);
    box.addPart(Voice::MusicBox, rootBass(score.chordsBetween(second, 1e9), 41, 3.0), 0.5f, -0.2f,
                12, 0.003);
    box.addPart(Voice::MusicBox, brokenChords(score.chordsBetween(second, 1e9), 57, 0.5, 0.45f),
                0.35f, -0.05f, 12, 0.003);
    return finishTune(box, 0.75f, 0.8f, 3.0);
}
