#pragma once

#include "NoteText.h"

#include <string_view>
#include <vector>

// A tune's melody and chords, put together section by section (intro,
// verse, refrain, ...) on one running count of beats.
class Score final {
public:
    explicit Score(double beatsPerBar) : m_beatsPerBar(beatsPerBar) {}

    // Appends a section whose melody and chords must last equally long; returns
    // the beat it starts on.
    double append(std::string_view melody, std::string_view chords);

    double beatsPerBar() const { return m_beatsPerBar; }
    double lengthBeats() const { return m_length; }
    const std::vector<NoteEvent>& melody() const { return m_melody; }
    const std::vector<ChordEvent>& chords() const { return m_chords; }

    // The melody notes that start in [fromBeat, toBeat).
    std::vector<NoteEvent> melodyBetween(double fromBeat, double toBeat) const;
    std::vector<ChordEvent> chordsBetween(double fromBeat, double toBeat) const;

private:
    double m_beatsPerBar;
    double m_length = 0.0;
    std::vector<NoteEvent> m_melody;
    std::vector<ChordEvent> m_chords;
};
