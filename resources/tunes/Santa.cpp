// Santa Claus: a jolly sleigh-bell jingle between two deep "ho ho ho"s.
#include "Accompaniment.h"
#include "Arrangement.h"
#include "Biquad.h"
#include "Score.h"
#include "TuneBook.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

namespace {

constexpr double kRate = StereoBuffer::kRate;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct Formant {
    double freq, width, gain;
};

// Loudness of a vocal-tract resonance at frequency `f`.
double resonance(const Formant& formant, double f)
{
    const double x = (f * f - formant.freq * formant.freq) / (f * formant.width);
    return formant.gain / std::sqrt(1.0 + x * x);
}

// One "ho": a breath of "h" through the mouth, then a deep voice on an
// "o" that closes a little towards "oo" while its pitch falls.
void sayHo(std::vector<float>& mono, double at, double seconds, double pitch, NoiseSource& random)
{
    const std::size_t from = std::size_t(at * kRate);
    const std::size_t frames = std::size_t((seconds + 0.1) * kRate);
    if (mono.size() < from + frames)
        mono.resize(from + frames, 0.0f);

    // The breath: noise shaped by the same mouth, fading as the voice starts.
    Biquad f1, f2, f3;
    f1.setBandPass(450, 4);
    f2.setBandPass(850, 6);
    f3.setBandPass(2500, 8);
    const double breath = 0.07;
    for (std::size_t i = 0; i < std::size_t(breath * 1.6 * kRate); ++i) {
        const double t = double(i) / kRate;
        const double env = std::sin(std::numbers::pi * std::min(1.0, t / (breath * 1.6)));
        const float n = random.white();
        mono[from + i] +=
            float(0.6 * env) * (f1.process(n) + 0.8f * f2.process(n) + 0.5f * f3.process(n));
    }

    // The voice: every harmonic weighed by the mouth's resonances, recomputed
    // in small blocks as the vowel and pitch glide.
    std::vector<double> amps;
    double phase = 0.0;
    const std::size_t voiceFrom = std::size_t(breath * 0.6 * kRate);
    for (std::size_t i = voiceFrom; i < frames; ++i) {
        const double t = double(i - voiceFrom) / kRate;
        const double u = std::min(1.0, t / seconds);
        const double f0 = pitch * (1.12 - 0.24 * u) * (1.0 + 0.012 * std::sin(kTwoPi * 5.5 * t));
        if ((i - voiceFrom) % 64 == 0) {
            const Formant mouth[] = {
                {460 - 80 * u, 90, 1.0},
                {820 - 100 * u, 110, 0.55},
                {2450, 160, 0.08},
                {3300, 220, 0.04},
            };
            amps.clear();
            for (int n = 1; n * f0 < 4500.0; ++n) {
                double a = 0.0;
                for (const Formant& m : mouth)
                    a += resonance(m, n * f0);
                amps.push_back(a / n);
            }
        }
        phase += kTwoPi * f0 / kRate;
        double s = 0.0;
        for (std::size_t n = 0; n < amps.size(); ++n)
            s += amps[n] * std::sin(double(n + 1) * phase);
        // Swell in, hold, and let the "o" die away.
        const double rise = std::min(1.0, t / 0.04);
        const double fall =
            u < 0.55 ? 1.0 : 0.5 + 0.5 * std::cos(std::numbers::pi * (u - 0.55) / 0.45);
        const double env = t > seconds ? 0.0 : rise * fall;
        mono[from + i] += float(env * s);
    }
}

void hoHoHo(Arrangement& band, double atSeconds, double pitch, float pan)
{
    std::vector<float> voice;
    sayHo(voice, 0.0, 0.24, pitch * 1.04, band.random());
    sayHo(voice, 0.36, 0.24, pitch, band.random());
    sayHo(voice, 0.72, 0.52, pitch * 0.95, band.random());
    band.dry().addMono(std::size_t(atSeconds * kRate), voice, 3.5f, pan);
}

} // namespace

RenderedTune renderSanta()
{
    constexpr std::string_view kJingle =
        "G4:0.5 C5 E5 G5 E5:1 C5:1 | D5:0.5 E5 F5 D5 G5:2 | E5:0.5 G5 C6:1 A5:0.5 G5 E5:1 |"
        "F5:0.5 E5 D5 E5 C5:2 |"
        "G4:0.5 C5 E5 G5 E5:1 C5:1 | D5:0.5 E5 F5 D5 G5:2 | A5:0.5 G5 F5 E5 D5 E5 F5:1 |"
        "E5:1 D5 C5:2 |";
    constexpr std::string_view kJingleChords = "C:4 | G7:4 | C:2 Am:2 | G7:2 C:2 |"
                                               "C:4 | G7:4 | F:2 G7:2 | C:1 G7:1 C:2 |";
    Score score(4);
    score.append("r:4 | r:4 |", "C:4 | G7:4 |");
    const double jingle = score.append(kJingle, kJingleChords);
    // The closing chord comes in under the last, long "ho", so the tune ends
    // on Santa's laugh rather than on a chord fading into silence.
    const double outro = score.append("r:2 C4+E4+G4+C5:2! |", "r:2 C:2 |");

    Arrangement band(132, 41);
    const auto tune = score.melodyBetween(jingle, outro);
    band.addPart(Voice::Glockenspiel, tune, 0.5f, 0.3f);
    band.addPart(Voice::Piano, score.melodyBetween(jingle, 1e9), 0.8f, 0.05f);
    band.addPart(Voice::Bass, rootBass(score.chordsBetween(jingle, outro), 36), 0.55f, -0.1f);
    band.addPart(Voice::Piano, oomPah(score.chordsBetween(jingle, outro), 2, 48, 55, 0.45f), 0.35f,
                 -0.25f);
    band.addSleighBells(0.5, outro + 1.0, 0.5, 0.85f);
    hoHoHo(band, 0.25, 96.0, 0.0f);
    hoHoHo(band, band.secondsAt(outro + 0.25), 92.0, 0.0f);
    return finishTune(band, 0.7f, 0.8f, 1.6);
}
