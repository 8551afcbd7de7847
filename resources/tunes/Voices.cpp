#include "Voices.h"

#include "Biquad.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace {

constexpr double kRate = StereoBuffer::kRate;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Partials above this would only add hiss the encoder has to spend bits on.
constexpr double kTopPartial = 15000.0;

std::size_t framesFor(double seconds)
{
    return std::size_t(std::max(0.0, seconds) * kRate);
}

// A sine that decays by e every `tau` seconds, summed into `mono` from `from`.
// The oscillator turns a complex phasor, which is cheap and drifts not at all
// over a few seconds.
void addPartial(std::vector<float>& mono, double freq, double amp, double tau, double phase,
                std::size_t from = 0)
{
    if (freq >= kTopPartial || freq <= 0.0 || amp == 0.0)
        return;
    const double decay = tau > 0.0 ? std::exp(-1.0 / (tau * kRate)) : 1.0;
    const std::complex<double> step = std::polar(decay, kTwoPi * freq / kRate);
    std::complex<double> z = std::polar(amp, phase);
    const std::size_t end =
        tau > 0.0 ? std::min(mono.size(), from + framesFor(tau * 9.0)) : mono.size();
    for (std::size_t i = from; i < end; ++i) {
        mono[i] += float(z.imag());
        z *= step;
    }
}

// Linear rise over `seconds` at the start, so no note begins with a click.
void applyAttack(std::vector<float>& mono, double seconds)
{
    const std::size_t n = std::min(mono.size(), std::max<std::size_t>(1, framesFor(seconds)));
    for (std::size_t i = 0; i < n; ++i)
        mono[i] *= float(i) / float(n);
}

// The note's buffer ends where the next sound's silence begins; a short fade
// keeps what is left of the ring from stopping with a click.
void fadeLastMoment(std::vector<float>& mono)
{
    const std::size_t tail = std::min<std::size_t>(mono.size(), framesFor(0.01));
    for (std::size_t i = 0; i < tail; ++i)
        mono[mono.size() - 1 - i] *= float(i) / float(tail);
}

// Dampers or a released key: an exponential fade from `atSeconds`, and silence
// at the end of the buffer.
void applyRelease(std::vector<float>& mono, double atSeconds, double tau)
{
    const std::size_t from = std::min(mono.size(), framesFor(atSeconds));
    const double k = std::exp(-1.0 / (tau * kRate));
    double g = 1.0;
    for (std::size_t i = from; i < mono.size(); ++i) {
        mono[i] *= float(g);
        g *= k;
    }
    fadeLastMoment(mono);
}

// A short burst of filtered noise: the strike of a hammer or the catch of a pin.
void addClick(std::vector<float>& mono, double amp, double seconds, double lowCut, double highCut,
              NoiseSource& random)
{
    Biquad high, low;
    high.setHighPass(lowCut, 0.7);
    low.setLowPass(highCut, 0.7);
    const std::size_t n = std::min(mono.size(), framesFor(seconds * 5.0));
    const double k = std::exp(-1.0 / (seconds * kRate));
    double g = amp;
    for (std::size_t i = 0; i < n; ++i) {
        mono[i] += float(g) * low.process(high.process(random.white()));
        g *= k;
    }
}

struct Partial {
    double ratio, amp, decayShare;
};

// Struck or plucked metal: a fixed set of inharmonic modes that all start at
// once and die away, the high ones much sooner.
void strikeMetal(const Partial* partials, std::size_t count, double tau1, const NoteStrike& note,
                 std::vector<float>& mono, NoiseSource& random)
{
    for (std::size_t k = 0; k < count; ++k) {
        const Partial& p = partials[k];
        // Harder strikes bring out the upper modes.
        const double amp = p.amp * (k == 0 ? 1.0 : 0.55 + 0.6 * note.velocity);
        addPartial(mono, note.frequency * p.ratio, amp, tau1 * p.decayShare,
                   random.range(0, kTwoPi));
    }
}

void playMusicBox(const NoteStrike& note, std::vector<float>& mono, NoiseSource& random)
{
    // A steel tine's bending modes sit near 1 : 6.27 : 17.5; the weighted comb
    // adds a faint octave.
    static constexpr Partial kTine[] = {
        {1.0, 1.0, 1.0},    {2.0, 0.10, 0.45},    {3.0, 0.04, 0.3},
        {6.27, 0.30, 0.12}, {17.55, 0.10, 0.035},
    };
    const double tau1 = std::clamp(1.7 * std::pow(523.0 / note.frequency, 0.6), 0.45, 3.0);
    mono.assign(framesFor(tau1 * 5.5), 0.0f);
    strikeMetal(kTine, std::size(kTine), tau1, note, mono, random);
    addClick(mono, 0.06, 0.0015, 2500.0, 9000.0, random);
    applyAttack(mono, 0.0012);
    applyRelease(mono, tau1 * 5.0, 0.1);
}

void playCelesta(const NoteStrike& note, std::vector<float>& mono, NoiseSource& random)
{
    static constexpr Partial kBar[] = {
        {1.0, 1.0, 1.0},    {2.0, 0.16, 0.5},   {2.76, 0.10, 0.22},
        {5.40, 0.06, 0.08}, {8.93, 0.03, 0.04},
    };
    const double tau1 = std::clamp(1.4 * std::pow(880.0 / note.frequency, 0.5), 0.5, 2.6);
    mono.assign(framesFor(tau1 * 5.0), 0.0f);
    strikeMetal(kBar, std::size(kBar), tau1, note, mono, random);
    addClick(mono, 0.025, 0.002, 300.0, 3000.0, random);
    applyAttack(mono, 0.002);
    // The player lifts the damper pedal at the end of a phrase, not per note.
    applyRelease(mono, std::max(note.lengthSeconds, 0.4) + 0.6, 0.35);
}

void playGlockenspiel(const NoteStrike& note, std::vector<float>& mono, NoiseSource& random)
{
    static constexpr Partial kBar[] = {
        {1.0, 1.0, 1.0},
        {2.76, 0.32, 0.45},
        {5.40, 0.18, 0.2},
        {8.93, 0.08, 0.1},
    };
    const double tau1 = std::clamp(2.4 * std::pow(1046.0 / note.frequency, 0.4), 0.8, 3.5);
    mono.assign(framesFor(tau1 * 4.5), 0.0f);
    strikeMetal(kBar, std::size(kBar), tau1, note, mono, random);
    addClick(mono, 0.05, 0.001, 3000.0, 12000.0, random);
    applyAttack(mono, 0.0008);
    applyRelease(mono, tau1 * 4.0, 0.1);
}

void playPiano(const NoteStrike& note, std::vector<float>& mono, NoiseSource& random)
{
    const double f = note.frequency;
    const double tau1 = std::clamp(3.2 * std::pow(261.6 / f, 0.6), 0.5, 8.0);
    // The dampers take longer to still the heavy bass strings; the note lasts
    // until they have, so a released low note does not stop short.
    const double damping = f < 150.0 ? 0.25 : 0.12;
    const double ring = std::min(tau1 * 5.0, note.lengthSeconds + damping * 7.0);
    mono.assign(framesFor(ring), 0.0f);
    const double inharmonicity = 0.0003;
    for (int n = 1; n <= 14; ++n) {
        const double fn = n * f * std::sqrt(1.0 + inharmonicity * n * n);
        if (fn > 9000.0)
            break;
        // The hammer strikes near an eighth of the string, which weakens the
        // partials around the eighth; soft touches are darker.
        const double hammer = 0.2 + std::fabs(std::sin(std::numbers::pi * n / 7.3));
        const double amp = hammer / std::pow(n, 1.25) * std::pow(note.velocity, 0.25 * (n - 1));
        const double tau = tau1 / (1.0 + 0.3 * (n - 1));
        // Two strings a hair apart beat slowly; the prompt sound dies faster
        // than the aftersound.
        addPartial(mono, fn * 1.0004, amp * 0.5, tau * 0.3, random.range(0, kTwoPi));
        addPartial(mono, fn * 0.9997, amp * 0.5, tau, random.range(0, kTwoPi));
    }
    addClick(mono, 0.04 * note.velocity, 0.003, 200.0, 2500.0, random);
    applyAttack(mono, 0.002);
    applyRelease(mono, note.lengthSeconds, damping);
}

void playPizzicato(const NoteStrike& note, std::vector<float>& mono, NoiseSource& random)
{
    const double f = note.frequency;
    const double tau1 = std::clamp(0.55 * std::pow(196.0 / f, 0.3), 0.2, 0.9);
    mono.assign(framesFor(tau1 * 6.0), 0.0f);
    for (int n = 1; n <= 12; ++n) {
        const double pluck = std::fabs(std::sin(std::numbers::pi * n * 0.23));
        addPartial(mono, n * f, pluck / std::pow(n, 1.3), tau1 / (1.0 + 0.6 * (n - 1)),
                   random.range(0, kTwoPi));
    }
    applyAttack(mono, 0.004);
    applyRelease(mono, tau1 * 5.0, 0.1);
}

void playBass(const NoteStrike& note, std::vector<float>& mono, NoiseSource& random)
{
    const double f = note.frequency;
    const double release = 0.12;
    mono.assign(framesFor(note.lengthSeconds + release * 7.0), 0.0f);
    for (int n = 1; n <= 6; ++n) {
        const double amp = 1.0 / (n * n);
        // A sustained body plus a brighter pluck on top of it: one string
        // swinging, so both in step, or the pitch would slide as the pluck fades.
        const double phase = random.range(0, kTwoPi);
        addPartial(mono, n * f, amp * 0.5, 0.0, phase);
        addPartial(mono, n * f, amp * 0.6, 0.5 / n, phase);
    }
    applyAttack(mono, 0.008);
    applyRelease(mono, note.lengthSeconds, release);
}

// Sustained voices: ADSR over a stack of harmonics.
void applyAdsr(std::vector<float>& mono, double attack, double decay, double sustain,
               double lengthSeconds, double release)
{
    for (std::size_t i = 0; i < mono.size(); ++i) {
        const double t = double(i) / kRate;
        double g;
        if (t < attack)
            g = 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
        else
            g = sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
        if (t > lengthSeconds)
            g *= std::exp(-(t - lengthSeconds) / release);
        mono[i] *= float(g);
    }
}

void playPad(const NoteStrike& note, StereoBuffer& out, NoiseSource& random)
{
    const double release = 0.7;
    const std::size_t frames = framesFor(note.lengthSeconds + release * 5.0);
    // Two slightly detuned string sections, one on each side.
    for (int side = 0; side < 2; ++side) {
        std::vector<float> mono(frames, 0.0f);
        const double detune = side == 0 ? 0.9965 : 1.0035;
        for (int n = 1; n <= 10; ++n) {
            const double fn = n * note.frequency * detune;
            if (fn > 5000.0)
                break;
            addPartial(mono, fn, std::exp(-(n - 1) / 3.0) / n, 0.0, random.range(0, kTwoPi));
        }
        applyAdsr(mono, 0.35, 0.6, 0.75, note.lengthSeconds, release);
        fadeLastMoment(mono);
        const float pan = std::clamp(note.pan + (side == 0 ? -0.45f : 0.45f), -1.0f, 1.0f);
        out.addMono(framesFor(note.startSeconds), mono, 0.5f * note.velocity, pan);
    }
}

void playReed(const NoteStrike& note, std::vector<float>& mono, NoiseSource& random)
{
    const double release = 0.12;
    mono.assign(framesFor(note.lengthSeconds + release * 6.0), 0.0f);
    for (int n = 1; n <= 11; ++n) {
        const double amp = (n % 2 ? 1.0 : 0.18) / std::pow(n, 1.1);
        addPartial(mono, n * note.frequency, amp, 0.0, random.range(0, kTwoPi));
    }
    applyAdsr(mono, 0.04, 0.3, 0.8, note.lengthSeconds, release);
    fadeLastMoment(mono);
}

} // namespace

double noteFrequency(double midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0);
}

void playNote(Voice voice, const NoteStrike& note, StereoBuffer& out, NoiseSource& random)
{
    std::vector<float> mono;
    float gain = note.velocity;
    switch (voice) {
    case Voice::MusicBox:
        playMusicBox(note, mono, random);
        break;
    case Voice::Celesta:
        playCelesta(note, mono, random);
        break;
    case Voice::Glockenspiel:
        playGlockenspiel(note, mono, random);
        break;
    case Voice::Piano:
        playPiano(note, mono, random);
        break;
    case Voice::Pizzicato:
        playPizzicato(note, mono, random);
        break;
    case Voice::Bass:
        playBass(note, mono, random);
        break;
    case Voice::Reed:
        playReed(note, mono, random);
        gain *= 0.5f;
        break;
    case Voice::Pad:
        playPad(note, out, random);
        return;
    }
    out.addMono(framesFor(note.startSeconds), mono, gain, note.pan);
}

void shakeSleighBells(double startSeconds, float strength, float pan, StereoBuffer& out,
                      NoiseSource& random)
{
    // Each small bell on the strap rings a few high, unrelated modes; a shake
    // sets a dozen of them off within a few hundredths of a second.
    std::vector<float> mono(framesFor(0.45), 0.0f);
    const int bells = 10 + int(random.uniform() * 6);
    for (int b = 0; b < bells; ++b) {
        const double offset = std::pow(random.uniform(), 1.5) * 0.05;
        const std::size_t from = framesFor(offset);
        const double base = random.range(2400.0, 5200.0);
        const double amp = random.range(0.3, 1.0) * std::exp(-offset * 20.0);
        static constexpr double kModes[] = {1.0, 1.52, 2.31};
        for (double mode : kModes) {
            addPartial(mono, base * mode * random.range(0.98, 1.02), amp / mode,
                       random.range(0.04, 0.11), random.range(0, kTwoPi), from);
        }
    }
    addClick(mono, 0.15, 0.004, 4000.0, 12000.0, random);
    applyAttack(mono, 0.0005);
    out.addMono(framesFor(startSeconds), mono, 0.25f * strength, pan);
}
