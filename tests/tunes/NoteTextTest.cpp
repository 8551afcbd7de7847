#include "NoteText.h"
#include "Score.h"
#include "Voices.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(NoteText, NamesGiveEqualTemperedPitchesFromA440)
{
    const std::pair<const char*, int> names[] = {
        {"A4", 69},  {"A2", 45},  {"C4", 60},  {"F#5", 78}, {"Bb3", 58}, {"E2", 40},
        {"C8", 108}, {"C#4", 61}, {"Db4", 61}, {"B#3", 60}, {"Cb4", 59}, {"Ebb4", 62}};
    for (const auto& [name, midi] : names) {
        const auto notes = parseNotes(name, 0);
        ASSERT_EQ(notes.size(), 1u) << name;
        EXPECT_EQ(notes.front().midi, midi) << name;
    }
    EXPECT_DOUBLE_EQ(noteFrequency(69), 440.0);
    EXPECT_NEAR(noteFrequency(60), 261.6256, 1e-4);
}

TEST(NoteText, LengthsCarryOnAndRestsAndChordsTakeTime)
{
    double end = 0;
    const auto notes = parseNotes("C4:1.5 D4 r:0.5 E4+G4 F4:2", 0, 8.0, &end);
    ASSERT_EQ(notes.size(), 5u);
    // A missing length repeats the one before; notes of a chord strike together.
    const double beats[][2] = {{8.0, 1.5}, {9.5, 1.5}, {11.5, 0.5}, {11.5, 0.5}, {12.0, 2.0}};
    for (std::size_t i = 0; i < notes.size(); ++i) {
        EXPECT_DOUBLE_EQ(notes[i].beat, beats[i][0]) << "note " << i;
        EXPECT_DOUBLE_EQ(notes[i].beats, beats[i][1]) << "note " << i;
    }
    EXPECT_EQ(notes[3].midi, 67);
    EXPECT_DOUBLE_EQ(end, 14.0);
    // Accents stand out, softened notes fall back.
    const auto accents = parseNotes("C4! D4 E4~", 0);
    EXPECT_GT(accents[0].velocity, accents[1].velocity);
    EXPECT_GT(accents[1].velocity, accents[2].velocity);
}

TEST(NoteText, ChordSymbolsGiveRootAndTones)
{
    double end = 0;
    const auto chords = parseChords("F:4 | C7:2 Gm:2 | Bb:1 Ddim:1 Cb:1 r:1 |", 4, 0, &end);
    ASSERT_EQ(chords.size(), 6u);
    const std::pair<int, std::vector<int>> expected[] = {{5, {0, 4, 7}}, {0, {0, 4, 7, 10}},
                                                         {7, {0, 3, 7}}, {10, {0, 4, 7}},
                                                         {2, {0, 3, 6}}, {11, {0, 4, 7}}};
    for (std::size_t i = 0; i < chords.size(); ++i) {
        EXPECT_EQ(chords[i].root, expected[i].first) << "chord " << i;
        EXPECT_EQ(chords[i].intervals, expected[i].second) << "chord " << i;
    }
    EXPECT_DOUBLE_EQ(chords[2].beat, 6.0);
    EXPECT_DOUBLE_EQ(end, 12.0);
}

TEST(NoteText, ScoreSectionsFollowOnAndMustMatchTheirChords)
{
    Score score(3);
    EXPECT_DOUBLE_EQ(score.append("C4:3 | D4:3", "C:3 | G:3"), 0.0);
    EXPECT_DOUBLE_EQ(score.append("E4:1 F4:2", "F:3"), 6.0);
    ASSERT_EQ(score.melodyBetween(3.0, 9.0).size(), 3u);
    EXPECT_EQ(score.melodyBetween(3.0, 9.0).front().midi, 62);
    EXPECT_EQ(score.chordsBetween(6.0, 9.0).size(), 1u);
}

} // namespace
