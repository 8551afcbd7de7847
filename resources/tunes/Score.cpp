#include "Score.h"

#include <cmath>
#include <stdexcept>
#include <string>

double Score::append(std::string_view melody, std::string_view chords)
{
    const double start = m_length;
    double melodyEnd = start;
    double chordEnd = start;
    const auto notes = parseNotes(melody, m_beatsPerBar, start, &melodyEnd);
    const auto harmony = parseChords(chords, m_beatsPerBar, start, &chordEnd);
    if (std::fabs(melodyEnd - chordEnd) > 1e-6)
        throw std::runtime_error("section at beat " + std::to_string(start) + ": melody " +
                                 std::to_string(melodyEnd - start) + " beats, chords " +
                                 std::to_string(chordEnd - start));
    m_melody.insert(m_melody.end(), notes.begin(), notes.end());
    m_chords.insert(m_chords.end(), harmony.begin(), harmony.end());
    m_length = melodyEnd;
    return start;
}

std::vector<NoteEvent> Score::melodyBetween(double fromBeat, double toBeat) const
{
    std::vector<NoteEvent> out;
    for (const NoteEvent& n : m_melody)
        if (n.beat >= fromBeat - 1e-9 && n.beat < toBeat - 1e-9)
            out.push_back(n);
    return out;
}

std::vector<ChordEvent> Score::chordsBetween(double fromBeat, double toBeat) const
{
    std::vector<ChordEvent> out;
    for (const ChordEvent& c : m_chords)
        if (c.beat >= fromBeat - 1e-9 && c.beat < toBeat - 1e-9)
            out.push_back(c);
    return out;
}
