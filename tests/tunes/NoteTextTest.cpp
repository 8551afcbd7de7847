#include "NoteText.h"
#include "Score.h"
#include "Voices.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

class NoteText : public ::testing::Test {
protected:
    static double frequencyOf(const char* text)
    {
        const auto notes = parseNotes(text, 0);
        EXPECT_EQ(notes.size(), 1u) << text;
        return notes.empty() ? 0.0 : noteFrequency(notes.front().midi);
    }

    // The message of the error the text raises, or "" when it is accepted.
    static std::string errorOf(const char* text, double beatsPerBar)
    {
        try {
            parseNotes(text, beatsPerBar);
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return {};
    }
};

TEST_F(NoteText, PitchesAreEqualTemperedFromA440)
{
    EXPECT_NEAR(frequencyOf("A4"), 440.0, 1e-9);
    EXPECT_NEAR(frequencyOf("A5"), 880.0, 1e-9);
    EXPECT_NEAR(frequencyOf("A2"), 110.0, 1e-9);
    EXPECT_NEAR(frequencyOf("C4"), 261.6256, 1e-4);
    EXPECT_NEAR(frequencyOf("F#5"), 739.9888, 1e-4);
    EXPECT_NEAR(frequencyOf("Bb3"), 233.0819, 1e-4);
    EXPECT_NEAR(frequencyOf("E2"), 82.4069, 1e-4);
    EXPECT_NEAR(frequencyOf("C8"), 4186.0090, 1e-3);
}

TEST_F(NoteText, AccidentalsMoveBySemitones)
{
    EXPECT_EQ(parseNotes("C#4", 0).front().midi, 61);
    EXPECT_EQ(parseNotes("Db4", 0).front().midi, 61);
    EXPECT_EQ(parseNotes("B#3", 0).front().midi, 60);
    EXPECT_EQ(parseNotes("Cb4", 0).front().midi, 59);
    EXPECT_EQ(parseNotes("Ebb4", 0).front().midi, 62);
}

TEST_F(NoteText, LengthsCarryOnAndRestsTakeTime)
{
    double end = 0;
    const auto notes = parseNotes("C4:1.5 D4 r:0.5 E4 F4:2", 0, 8.0, &end);
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_DOUBLE_EQ(notes[0].beat, 8.0);
    EXPECT_DOUBLE_EQ(notes[0].beats, 1.5);
    // A missing length repeats the one before.
    EXPECT_DOUBLE_EQ(notes[1].beat, 9.5);
    EXPECT_DOUBLE_EQ(notes[1].beats, 1.5);
    EXPECT_DOUBLE_EQ(notes[2].beat, 11.5);
    EXPECT_DOUBLE_EQ(notes[2].beats, 0.5);
    EXPECT_EQ(notes[2].midi, 64);
    EXPECT_DOUBLE_EQ(notes[3].beat, 12.0);
    EXPECT_DOUBLE_EQ(end, 14.0);
}

TEST_F(NoteText, ChordNotesStrikeTogether)
{
    double end = 0;
    const auto notes = parseNotes("C4+E4+G4:2 A4:1", 0, 0, &end);
    ASSERT_EQ(notes.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(notes[i].beat, 0.0);
        EXPECT_DOUBLE_EQ(notes[i].beats, 2.0);
    }
    EXPECT_EQ(notes[0].midi, 60);
    EXPECT_EQ(notes[1].midi, 64);
    EXPECT_EQ(notes[2].midi, 67);
    EXPECT_DOUBLE_EQ(notes[3].beat, 2.0);
    EXPECT_DOUBLE_EQ(end, 3.0);
}

TEST_F(NoteText, AccentsAreLouderThanSoftenedNotes)
{
    const auto notes = parseNotes("C4! D4 E4~", 0);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_GT(notes[0].velocity, notes[1].velocity);
    EXPECT_GT(notes[1].velocity, notes[2].velocity);
    EXPECT_GT(notes[2].velocity, 0.0f);
    EXPECT_LE(notes[0].velocity, 1.0f);
}

TEST_F(NoteText, WholeBarsAreAccepted)
{
    EXPECT_EQ(errorOf("C4:2 D4:1 | E4:1.5 F4:0.5 r:1 | G4:3 |", 3), "");
    EXPECT_EQ(errorOf("C4+E4:4 | r:4", 4), "");
}

TEST_F(NoteText, BarOfWrongLengthIsRejectedByNumber)
{
    const std::string shortBar = errorOf("C4:3 | D4:2 |", 3);
    EXPECT_NE(shortBar.find("bar 2"), std::string::npos) << shortBar;
    const std::string longBar = errorOf("C4:4 |", 3);
    EXPECT_NE(longBar.find("bar 1"), std::string::npos) << longBar;
}

TEST_F(NoteText, BadNotesAreRejected)
{
    for (const char* bad :
         {"H4", "C", "c4", "Cx4", "C4x", "C4:", "C4:abc", "C4:1x", "C4:0", "C4:-1", "C4+", "+E4"})
        EXPECT_NE(errorOf(bad, 0), "") << bad;
}

TEST_F(NoteText, BadNoteErrorNamesItsBar)
{
    const std::string error = errorOf("C4:3 | D4:1 H4:2 |", 3);
    EXPECT_NE(error.find("bar 2"), std::string::npos) << error;
}

TEST_F(NoteText, ChordSymbolsGiveRootAndTones)
{
    double end = 0;
    const auto chords = parseChords("F:4 | C7:2 Gm:2 | Bb:1 Ddim:1 Cb:1 r:1 |", 4, 0, &end);
    ASSERT_EQ(chords.size(), 6u);
    EXPECT_EQ(chords[0].root, 5);
    EXPECT_EQ(chords[0].intervals, (std::vector<int>{0, 4, 7}));
    EXPECT_EQ(chords[1].root, 0);
    EXPECT_EQ(chords[1].intervals, (std::vector<int>{0, 4, 7, 10}));
    EXPECT_EQ(chords[2].root, 7);
    EXPECT_EQ(chords[2].intervals, (std::vector<int>{0, 3, 7}));
    EXPECT_DOUBLE_EQ(chords[2].beat, 6.0);
    EXPECT_EQ(chords[3].root, 10);
    EXPECT_EQ(chords[4].intervals, (std::vector<int>{0, 3, 6}));
    EXPECT_EQ(chords[5].root, 11);
    EXPECT_DOUBLE_EQ(end, 12.0);
}

TEST_F(NoteText, UnknownChordQualityIsRejected)
{
    EXPECT_THROW(parseChords("Cxyz:4", 0), std::runtime_error);
    EXPECT_THROW(parseChords("F:2 |", 4), std::runtime_error);
}

TEST_F(NoteText, ScoreSectionsFollowOnAndMustMatchTheirChords)
{
    Score score(3);
    EXPECT_DOUBLE_EQ(score.append("C4:3 | D4:3", "C:3 | G:3"), 0.0);
    EXPECT_DOUBLE_EQ(score.append("E4:1 F4:2", "F:3"), 6.0);
    EXPECT_DOUBLE_EQ(score.lengthBeats(), 9.0);
    ASSERT_EQ(score.melodyBetween(3.0, 9.0).size(), 3u);
    EXPECT_EQ(score.melodyBetween(3.0, 9.0).front().midi, 62);
    EXPECT_EQ(score.chordsBetween(6.0, 9.0).size(), 1u);
    EXPECT_THROW(score.append("G4:3", "C:2"), std::runtime_error);
}

} // namespace
