#include "NoteText.h"

#include <charconv>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

namespace {

// The whole of `text` as a number; a typing slip such as "C4x" or "D4:1.5."
// is an error rather than a quietly different tune.
template <typename Number> Number readNumber(std::string_view text, const char* what)
{
    Number value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        throw std::runtime_error(std::string("bad ") + what + " \"" + std::string(text) + "\"");
    return value;
}

int letterClass(char c)
{
    switch (c) {
    case 'C':
        return 0;
    case 'D':
        return 2;
    case 'E':
        return 4;
    case 'F':
        return 5;
    case 'G':
        return 7;
    case 'A':
        return 9;
    case 'B':
        return 11;
    default:
        throw std::runtime_error(std::string("bad note letter ") + c);
    }
}

// Reads a letter and its accidentals from the front of `token`.
int readPitchClass(std::string_view& token)
{
    if (token.empty())
        throw std::runtime_error("missing note");
    int pc = letterClass(token[0]);
    token.remove_prefix(1);
    while (!token.empty() && (token[0] == '#' || token[0] == 'b')) {
        pc += token[0] == '#' ? 1 : -1;
        token.remove_prefix(1);
    }
    return pc;
}

int readNote(std::string_view token)
{
    const int pc = readPitchClass(token);
    if (token.empty())
        throw std::runtime_error("note without octave");
    const int octave = readNumber<int>(token, "octave");
    return 12 * (octave + 1) + pc;
}

std::vector<int> chordIntervals(std::string_view quality)
{
    static const std::map<std::string_view, std::vector<int>> kQualities = {
        {"", {0, 4, 7}},         {"m", {0, 3, 7}},   {"7", {0, 4, 7, 10}}, {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}}, {"dim", {0, 3, 6}}, {"sus4", {0, 5, 7}},
    };
    const auto it = kQualities.find(quality);
    if (it == kQualities.end())
        throw std::runtime_error("bad chord quality " + std::string(quality));
    return it->second;
}

// Splits on spaces and walks bars; `onToken` gets each token without its
// length. Returns the beat after the last token.
template <typename OnToken>
double walk(std::string_view text, double beatsPerBar, double startBeat, OnToken onToken)
{
    double beat = startBeat;
    double barStart = startBeat;
    double length = 1.0;
    int bar = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\n'))
            ++i;
        std::size_t j = i;
        if (j < text.size() && text[j] == '|')
            ++j;
        else
            while (j < text.size() && text[j] != ' ' && text[j] != '\n' && text[j] != '|')
                ++j;
        std::string_view token = text.substr(i, j - i);
        i = j;
        if (token.empty())
            continue;
        if (token == "|") {
            if (beatsPerBar > 0 && std::fabs(beat - barStart - beatsPerBar) > 1e-6)
                throw std::runtime_error("bar " + std::to_string(bar) + " has " +
                                         std::to_string(beat - barStart) + " beats");
            barStart = beat;
            ++bar;
            continue;
        }
        float velocity = 0.8f;
        if (token.back() == '!' || token.back() == '~') {
            velocity = token.back() == '!' ? 1.0f : 0.6f;
            token.remove_suffix(1);
        }
        const std::size_t colon = token.find(':');
        try {
            if (colon != std::string_view::npos) {
                length = readNumber<double>(token.substr(colon + 1), "length");
                if (!(length > 0.0))
                    throw std::runtime_error("length must be above 0");
                token = token.substr(0, colon);
            }
            onToken(token, beat, length, velocity);
        } catch (const std::runtime_error& e) {
            throw std::runtime_error("bar " + std::to_string(bar) + ": " + e.what());
        }
        beat += length;
    }
    return beat;
}

} // namespace

std::vector<NoteEvent> parseNotes(std::string_view text, double beatsPerBar, double startBeat,
                                  double* endBeat)
{
    std::vector<NoteEvent> notes;
    const double end =
        walk(text, beatsPerBar, startBeat,
             [&](std::string_view token, double beat, double length, float velocity) {
                 if (token == "r")
                     return;
                 while (true) {
                     const std::size_t plus = token.find('+');
                     notes.push_back({beat, length, readNote(token.substr(0, plus)), velocity});
                     if (plus == std::string_view::npos)
                         break;
                     token.remove_prefix(plus + 1);
                 }
             });
    if (endBeat)
        *endBeat = end;
    return notes;
}

std::vector<ChordEvent> parseChords(std::string_view text, double beatsPerBar, double startBeat,
                                    double* endBeat)
{
    std::vector<ChordEvent> chords;
    const double end = walk(text, beatsPerBar, startBeat,
                            [&](std::string_view token, double beat, double length, float) {
                                if (token == "r")
                                    return;
                                const int root = (readPitchClass(token) + 12) % 12;
                                chords.push_back({beat, length, root, chordIntervals(token)});
                            });
    if (endBeat)
        *endBeat = end;
    return chords;
}
