#pragma once

#include "NoiseSource.h"
#include "NoteText.h"
#include "StereoBuffer.h"
#include "Voices.h"

#include <vector>

// A tune being played: a tempo (with an optional slowing at the end), parts
// played on voices into one dry mix, and the room they sound in.
class Arrangement final {
public:
    Arrangement(double beatsPerMinute, std::uint64_t seed);

    // From `fromBeat` the tempo falls steadily, reaching `finalRatio` of the
    // tempo after `overBeats`, and stays there.
    void slowDownAtEnd(double fromBeat, double overBeats, double finalRatio);
    double secondsAt(double beat) const;

    // Plays every note of a part. `looseness` is the largest random shift of a
    // note in seconds, so chords do not strike like a machine.
    void addPart(Voice voice, const std::vector<NoteEvent>& notes, float gain, float pan,
                 int transpose = 0, double looseness = 0.006);
    void addSleighBells(double fromBeat, double toBeat, double everyBeats, float strength);

    StereoBuffer& dry() { return m_dry; }
    NoiseSource& random() { return m_random; }
    // The last moment any part was asked to play.
    double endSeconds() const { return m_endSeconds; }

    // The dry mix with the room added, ending `tailSeconds` after the last note.
    StereoBuffer render(float reverbLevel, float roomSize, double tailSeconds) const;

private:
    double m_beatsPerMinute;
    double m_slowFrom = 1e9;
    double m_slowOver = 1.0;
    double m_slowRatio = 1.0;
    StereoBuffer m_dry;
    NoiseSource m_random;
    double m_endSeconds = 0.0;
};
