#pragma once

#include "NoiseSource.h"
#include "StereoBuffer.h"

// The instruments the tunes are played on. Each is additive: a few sine
// partials with their own decay, shaped by an envelope, so a note costs little
// and every pitch is exact.
enum class Voice {
    MusicBox,     // plucked steel comb: inharmonic partials, bright fast decay
    Celesta,      // struck bars over resonators: round, bell-like
    Glockenspiel, // bright steel bars, long ring
    Piano,        // struck strings with a felt hammer and dampers
    Pad,          // soft detuned strings, slow swell
    Pizzicato,    // plucked orchestra strings
    Bass,         // round plucked bass
    Reed,         // woody, mostly odd harmonics (a soft clarinet)
};

struct NoteStrike {
    double startSeconds;
    double lengthSeconds; // until the key is let go; plucked voices ring past it
    double frequency;
    float velocity; // 0..1
    float pan;      // -1 left .. +1 right
};

// Adds one note of `voice` into `out`.
void playNote(Voice voice, const NoteStrike& note, StereoBuffer& out, NoiseSource& random);

// A shake of a strap of small sleigh bells at `startSeconds`.
void shakeSleighBells(double startSeconds, float strength, float pan, StereoBuffer& out,
                      NoiseSource& random);

// Equal-tempered frequency of a MIDI note number, A4 (69) = 440 Hz.
double noteFrequency(double midiNote);
