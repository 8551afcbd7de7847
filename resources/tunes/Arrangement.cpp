#include "Arrangement.h"

#include "Reverb.h"

#include <algorithm>
#include <cmath>

Arrangement::Arrangement(double beatsPerMinute, std::uint64_t seed)
    : m_beatsPerMinute(beatsPerMinute), m_random(seed)
{
}

void Arrangement::slowDownAtEnd(double fromBeat, double overBeats, double finalRatio)
{
    m_slowFrom = fromBeat;
    m_slowOver = overBeats;
    m_slowRatio = finalRatio;
}

double Arrangement::secondsAt(double beat) const
{
    const double secondsPerBeat = 60.0 / m_beatsPerMinute;
    if (beat <= m_slowFrom)
        return beat * secondsPerBeat;
    // Tempo(u) = 1 - k u / L over the slowing stretch; time is its reciprocal's integral.
    const double k = 1.0 - m_slowRatio;
    const double u = std::min(beat - m_slowFrom, m_slowOver);
    double t = m_slowFrom * secondsPerBeat;
    if (k > 1e-9)
        t += secondsPerBeat * (-m_slowOver / k) * std::log(1.0 - k * u / m_slowOver);
    else
        t += u * secondsPerBeat;
    const double after = beat - m_slowFrom - u;
    return t + after * secondsPerBeat / m_slowRatio;
}

void Arrangement::addPart(Voice voice, const std::vector<NoteEvent>& notes, float gain, float pan,
                          int transpose, double looseness)
{
    StereoBuffer part;
    for (const NoteEvent& e : notes) {
        const double jitter = looseness * (2.0 * m_random.uniform() - 1.0);
        const double start = std::max(0.0, secondsAt(e.beat) + jitter);
        const double end = secondsAt(e.beat + e.beats);
        const float velocity = e.velocity * float(m_random.range(0.93, 1.0));
        const NoteStrike strike{start, std::max(0.05, end - start - 0.02),
                                noteFrequency(e.midi + transpose), velocity, pan};
        playNote(voice, strike, part, m_random);
        m_endSeconds = std::max(m_endSeconds, end);
    }
    m_dry.mix(part, gain);
}

void Arrangement::addSleighBells(double fromBeat, double toBeat, double everyBeats, float strength)
{
    int i = 0;
    for (double beat = fromBeat; beat < toBeat - 1e-9; beat += everyBeats, ++i) {
        // Accents on the beat, lighter shakes between, swaying left and right.
        const bool onBeat = std::fabs(beat - std::round(beat)) < 1e-6;
        const float s = strength * (onBeat ? 1.0f : 0.55f) * float(m_random.range(0.85, 1.0));
        const float pan = (i % 2 ? 0.25f : -0.25f);
        shakeSleighBells(secondsAt(beat) + 0.004 * m_random.white(), s, pan, m_dry, m_random);
        m_endSeconds = std::max(m_endSeconds, secondsAt(beat));
    }
}

StereoBuffer Arrangement::render(float reverbLevel, float roomSize, double tailSeconds) const
{
    const std::size_t frames = std::size_t((m_endSeconds + tailSeconds) * StereoBuffer::kRate);
    StereoBuffer dry = m_dry;
    dry.resize(frames);
    Reverb room(roomSize, 0.35f);
    StereoBuffer out = room.process(dry, 0.0);
    out.scale(reverbLevel);
    out.mix(dry, 1.0f);
    out.resize(frames);
    return out;
}
