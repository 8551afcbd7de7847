#pragma once

#include <cstddef>
#include <vector>

// Measurements the synthesizer tests make on rendered sound.
namespace SignalMeasures {

// Amplitude of the sine at `frequency` in `count` samples, through a Hann
// window: a pure sine of amplitude A gives about A.
double amplitudeAt(const float* samples, std::size_t count, double frequency, double rate);

// The frequency within `rangeCents` of `expected` where the signal is
// strongest, found to a small fraction of a cent.
double strongestFrequencyNear(const float* samples, std::size_t count, double expected,
                              double rangeCents, double rate);

double centsBetween(double frequency, double reference);

// RMS of `count` samples from `from`, in dBFS; -240 for silence.
double rmsDb(const float* samples, std::size_t from, std::size_t count);

// The largest step between neighbouring samples that `share` (0..1) of all
// steps stay below.
double stepPercentile(const std::vector<float>& samples, double share);

} // namespace SignalMeasures
