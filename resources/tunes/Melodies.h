#pragma once

// Melodies and chords of the traditional tunes, typed in as note text (see
// NoteText.h); the ones played by more than one tune live here.

#include <string_view>

// Joy to the World (Handel, arranged by Mason), D major, 4/4.
inline constexpr std::string_view kJoyMelody =
    "D5:2 C#5:1.5 B4:0.5 | A4:3 G4:1 | F#4:2 E4:2 | D4:3 A4:1 |"
    "B4:3 B4:1 | C#5:3 C#5:1 | D5:3 D5:1 |"
    "D5:1 C#5 B4 A4 | A4:1.5 G4:0.5 F#4:1 D5:1 | D5:1 C#5 B4 A4 | A4:1.5 G4:0.5 F#4:1 F#4:1 |"
    "F#4:1 F#4 F#4 F#4:0.5 G4:0.5 | A4:3 G4:0.5 F#4:0.5 | E4:1 E4 E4 E4:0.5 F#4:0.5 |"
    "G4:3 F#4:0.5 E4:0.5 |"
    "D4:1 D5:2! B4:1 | A4:1.5 G4:0.5 F#4:1 G4:1 | F#4:2 E4:2 | D4:4 |";
inline constexpr std::string_view kJoyChords = "D:4 | D:3 A7:1 | D:2 A:2 | D:4 |"
                                               "G:4 | A:4 | D:4 |"
                                               "D:4 | A7:2 D:2 | D:4 | A7:2 D:2 |"
                                               "D:4 | D:4 | A7:4 |"
                                               "A7:4 |"
                                               "D:3 G:1 | D:3 Em:1 | D:2 A7:2 | D:4 |";

// We Wish You a Merry Christmas, G major, 3/4; the verse and "good tidings".
inline constexpr std::string_view kWishVerse =
    "r:2 D4:1 | G4:1 G4:0.5 A4 G4 F#4 | E4:1 E4 E4 | A4:1 A4:0.5 B4 A4 G4 | F#4:1 D4 D4 |"
    "B4:1 B4:0.5 C5 B4 A4 | G4:1 E4 D4:0.5 D4 | E4:1 A4 F#4 | G4:2 D4:1 |";
inline constexpr std::string_view kWishVerseChords = "r:2 D:1 | G:3 | C:3 | A7:3 | D:3 |"
                                                     "B7:3 | Em:2 D:1 | C:1 D7:2 | G:3 |";
inline constexpr std::string_view kWishTidings =
    "G4:1 G4 G4 | F#4:2 F#4:1 | G4:1 F#4 E4 | D4:2 A4:1 |"
    "B4:1 A4:0.5 A4 G4 G4 | D5:1 D4 D4:0.5 D4 | E4:1 A4 F#4 | G4:2 D4:1 |";
inline constexpr std::string_view kWishTidingsChords = "G:3 | D7:3 | Em:3 | D:3 |"
                                                       "G:3 | D7:3 | C:1 D7:2 | G:3 |";

// O Christmas Tree (O Tannenbaum), F major, 3/4.
inline constexpr std::string_view kTreeMelody =
    "r:2 C4:1 | F4:0.75 F4:0.25 F4:1.5 G4:0.5 | A4:0.75 A4:0.25 A4:1.5 A4:0.5 |"
    "G4:0.5 A4:0.5 Bb4:1 E4:1 | G4:1 F4:1 C5:1 |"
    "C5:0.5 A4:0.5 D5:1.5 C5:0.5 | C5:0.5 Bb4:0.5 Bb4:1 Bb4:1 | Bb4:0.5 G4:0.5 C5:1.5 Bb4:0.5 |"
    "Bb4:0.5 A4:0.5 A4:1 C4:1 |"
    "F4:0.75 F4:0.25 F4:1.5 G4:0.5 | A4:0.75 A4:0.25 A4:1.5 A4:0.5 |"
    "G4:0.5 A4:0.5 Bb4:1 E4:1 | G4:1 F4:2 |";
inline constexpr std::string_view kTreeChords = "r:2 C7:1 | F:3 | F:3 | C7:3 | C7:1 F:2 |"
                                                "F:2 Bb:1 | C7:3 | C7:3 | F:3 |"
                                                "F:3 | F:3 | C7:3 | C7:1 F:2 |";
