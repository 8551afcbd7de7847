// The two background sounds, a fire and a snowstorm. Both are rendered a
// crossfade longer than their loop, and the crossfade closes the loop.
#include "Biquad.h"
#include "Drift.h"
#include "NoiseSource.h"
#include "TuneBook.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr double kRate = StereoBuffer::kRate;

// A short burst of band-limited noise: one crackle of burning wood.
void addBurst(StereoBuffer& out, double at, double decaySeconds, double freq, double q, float amp,
              float pan, NoiseSource& random)
{
    std::vector<float> mono(std::size_t(decaySeconds * 7.0 * kRate) + 1, 0.0f);
    Biquad band;
    band.setBandPass(freq, q);
    const double k = std::exp(-1.0 / (decaySeconds * kRate));
    double g = 1.0;
    for (float& s : mono) {
        s = band.process(float(g) * random.white());
        g *= k;
    }
    out.addMono(std::size_t(at * kRate), mono, amp, pan);
}

RenderedTune renderLoop(double loopSeconds, double fadeSeconds, StereoBuffer audio, double rmsDb)
{
    audio.resize(std::size_t((loopSeconds + fadeSeconds) * kRate));
    return {std::move(audio), std::size_t(loopSeconds * kRate), rmsDb};
}

} // namespace

RenderedTune renderFireplace()
{
    const double loopSeconds = 40.0, fadeSeconds = 3.0;
    const double total = loopSeconds + fadeSeconds;
    const std::size_t frames = std::size_t(total * kRate);
    NoiseSource random(51);
    StereoBuffer fire(frames);

    // The bed: the low roar of the flames, breathing slowly, a little
    // different on each side.
    {
        Drift breathing(random, 0.55, 1.0, 0.8, 2.5);
        Drift flicker(random, 0.6, 1.0, 0.08, 0.3);
        Biquad lowL, lowR, hissL, hissR, cutL, cutR;
        lowL.setLowPass(520, 0.6);
        lowR.setLowPass(560, 0.6);
        // Below this the roar is only felt, and it would take the headroom the
        // crackles need.
        cutL.setHighPass(90, 0.7);
        cutR.setHighPass(90, 0.7);
        hissL.setBandPass(1800, 0.6);
        hissR.setBandPass(2100, 0.6);
        double brownL = 0, brownR = 0;
        for (std::size_t i = 0; i < frames; ++i) {
            const float common = random.white();
            brownL = 0.996 * brownL + 0.05 * (0.6f * common + 0.4f * random.white());
            brownR = 0.996 * brownR + 0.05 * (0.6f * common + 0.4f * random.white());
            const double b = breathing.next();
            const double f = flicker.next();
            fire.left()[i] = float(b * 0.35 * cutL.process(lowL.process(float(brownL))) +
                                   0.02 * f * b * hissL.process(random.white()));
            fire.right()[i] = float(b * 0.35 * cutR.process(lowR.process(float(brownR))) +
                                    0.02 * f * b * hissR.process(random.white()));
        }
    }

    // Crackles come in flurries: their rate wanders between quiet spells and
    // busy ones. Each is one to a few tiny snaps.
    {
        Drift busy(random, 2.0, 16.0, 1.0, 4.0);
        const std::size_t block = std::size_t(kRate / 100);
        for (std::size_t from = 0; from + block < frames - std::size_t(0.5 * kRate);
             from += block) {
            double rate = 0.0;
            for (std::size_t k = 0; k < block; ++k)
                rate = busy.next();
            if (random.uniform() >= rate * double(block) / kRate)
                continue;
            double at = (double(from) + random.uniform() * double(block)) / kRate;
            const int snaps = 1 + int(random.uniform() * random.uniform() * 4.0);
            const float amp = float(0.04 * std::pow(10.0, random.range(0.0, 1.1)));
            const float pan = float(random.range(-0.7, 0.7));
            for (int s = 0; s < snaps; ++s) {
                addBurst(fire, at, random.range(0.0005, 0.003), random.range(1500, 7000),
                         random.range(0.8, 2.0), amp * float(random.range(0.5, 1.0)), pan, random);
                at += random.range(0.002, 0.012);
            }
        }
    }

    // Now and then a log pops: lower and rounder, followed by a few sparks.
    for (double t = random.range(0.5, 3.0); t < total - 1.0; t += random.range(2.0, 6.0)) {
        const float pan = float(random.range(-0.5, 0.5));
        addBurst(fire, t, random.range(0.012, 0.03), random.range(350, 900), 1.2,
                 float(random.range(0.3, 0.6)), pan, random);
        for (int s = 0; s < 3 + int(random.uniform() * 4); ++s)
            addBurst(fire, t + random.range(0.02, 0.25), random.range(0.0005, 0.002),
                     random.range(3000, 8000), 1.5, float(random.range(0.1, 0.3)), pan, random);
    }

    // Sap hissing out of a log for a moment.
    for (double t = random.range(4.0, 9.0); t < total - 2.0; t += random.range(8.0, 14.0)) {
        const double length = random.range(0.6, 1.6);
        Biquad band;
        band.setBandPass(random.range(3000, 4500), 3.0);
        Drift flutter(random, 0.2, 1.0, 0.02, 0.08);
        std::vector<float> mono(std::size_t(length * kRate));
        for (std::size_t i = 0; i < mono.size(); ++i) {
            const double x = double(i) / double(mono.size());
            mono[i] = float(std::sin(std::numbers::pi * x) * flutter.next()) *
                      band.process(random.white());
        }
        fire.addMono(std::size_t(t * kRate), mono, 0.12f, float(random.range(-0.4, 0.4)));
    }
    return renderLoop(loopSeconds, fadeSeconds, std::move(fire), -23.0);
}

RenderedTune renderSnowstorm()
{
    const double loopSeconds = 45.0, fadeSeconds = 4.0;
    const double total = loopSeconds + fadeSeconds;
    const std::size_t frames = std::size_t(total * kRate);
    NoiseSource random(61);
    StereoBuffer storm(frames);

    Drift gusts(random, 0.12, 1.0, 1.5, 4.5);
    Drift flutter(random, 0.8, 1.0, 0.15, 0.6);
    // The wind's strength decides the whole timbre, from a dull roar to
    // whistling: it repeats with the loop, so the rendering past the loop's
    // end, which the crossfade lays over its start, blows as the start does.
    // Its first seconds glide in from where the wind would have gone on past
    // the end, so the repeat itself has no jump.
    const std::size_t loopFrames = std::size_t(loopSeconds * kRate);
    const std::size_t glide = std::size_t(6.0 * kRate);
    std::vector<float> wind(loopFrames + glide);
    for (float& g : wind)
        g = float(gusts.next() * flutter.next());
    for (std::size_t i = 0; i < glide; ++i) {
        const double x = double(i) / double(glide);
        const double w = x * x * (3.0 - 2.0 * x);
        wind[i] = float(w * wind[i] + (1.0 - w) * wind[loopFrames + i]);
    }
    // The gust reaches the right side a moment later than the left.
    const std::size_t lag = std::size_t(0.35 * kRate);
    std::vector<float> strength(frames + lag);
    for (std::size_t i = 0; i < strength.size(); ++i)
        strength[i] = wind[i % loopFrames];

    Biquad bodyL, bodyR, howlL, howlR, whistle1, whistle2, whistle3, rumble, snowL, snowR;
    rumble.setLowPass(110, 0.7);
    Biquad rumbleCut;
    rumbleCut.setHighPass(40, 0.7);
    snowL.setHighPass(6000, 0.7);
    snowR.setHighPass(6500, 0.7);
    double pinkL = 0, pinkR = 0, brown = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double gl = strength[i + lag];
        const double gr = strength[i];
        if (i % 32 == 0) {
            bodyL.setBandPass(260 + 650 * gl, 0.8);
            bodyR.setBandPass(240 + 700 * gr, 0.8);
            // The howl: a narrower band riding up and down with the gust.
            howlL.setBandPass(280 + 420 * gl, 5);
            howlR.setBandPass(300 + 400 * gr, 5);
            // Wind singing through gaps: narrow resonances that rise with the gust.
            const double g = 0.5 * (gl + gr);
            whistle1.setBandPass(620 + 520 * g, 35);
            whistle2.setBandPass((620 + 520 * g) * 1.49, 30);
            whistle3.setBandPass(410 + 300 * g, 25);
        }
        pinkL = 0.97 * pinkL + 0.3 * random.white();
        pinkR = 0.97 * pinkR + 0.3 * random.white();
        brown = 0.998 * brown + 0.04 * random.white();
        const double g = 0.5 * (gl + gr);
        const double sing = std::pow(std::max(0.0, g - 0.4), 1.5) * 40.0;
        const float w = random.white();
        const double whistles = sing * (1.4 * whistle1.process(w) + 0.6 * whistle2.process(w) +
                                        0.8 * whistle3.process(random.white()));
        const double low = (0.3 + 0.5 * g) * 0.8 * rumbleCut.process(rumble.process(float(brown)));
        storm.left()[i] = float((0.2 + 0.8 * gl) * bodyL.process(float(pinkL)) +
                                gl * 1.2 * howlL.process(float(pinkL)) + whistles * 0.9 + low +
                                0.03 * gl * snowL.process(random.white()));
        storm.right()[i] = float((0.2 + 0.8 * gr) * bodyR.process(float(pinkR)) +
                                 gr * 1.2 * howlR.process(float(pinkR)) + whistles * 1.1 + low +
                                 0.03 * gr * snowR.process(random.white()));
    }
    return renderLoop(loopSeconds, fadeSeconds, std::move(storm), -20.0);
}
