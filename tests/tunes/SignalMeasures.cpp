#include "SignalMeasures.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace SignalMeasures {

double amplitudeAt(const float* samples, std::size_t count, double frequency, double rate)
{
    const std::complex<double> step = std::polar(1.0, -2.0 * std::numbers::pi * frequency / rate);
    std::complex<double> turn = 1.0;
    std::complex<double> sum = 0.0;
    double windowSum = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * double(i) / double(count));
        sum += double(samples[i]) * w * turn;
        windowSum += w;
        turn *= step;
    }
    return 2.0 * std::abs(sum) / windowSum;
}

double strongestFrequencyNear(const float* samples, std::size_t count, double expected,
                              double rangeCents, double rate)
{
    const auto search = [&](double centre, double range, double step) {
        double best = centre;
        double bestAmplitude = -1.0;
        for (double c = -range; c <= range + 1e-9; c += step) {
            const double f = centre * std::pow(2.0, c / 1200.0);
            const double a = amplitudeAt(samples, count, f, rate);
            if (a > bestAmplitude) {
                bestAmplitude = a;
                best = f;
            }
        }
        return best;
    };
    const double coarse = search(expected, rangeCents, 1.0);
    return search(coarse, 1.0, 0.02);
}

double centsBetween(double frequency, double reference)
{
    return 1200.0 * std::log2(frequency / reference);
}

double rmsDb(const float* samples, std::size_t from, std::size_t count)
{
    double sum = 0.0;
    for (std::size_t i = from; i < from + count; ++i)
        sum += double(samples[i]) * samples[i];
    const double rms = std::sqrt(sum / double(std::max<std::size_t>(count, 1)));
    return rms > 0.0 ? 20.0 * std::log10(rms) : -240.0;
}

double stepPercentile(const std::vector<float>& samples, double share)
{
    std::vector<float> steps;
    for (std::size_t i = 1; i < samples.size(); ++i)
        steps.push_back(std::fabs(samples[i] - samples[i - 1]));
    const auto at = steps.begin() + std::ptrdiff_t(double(steps.size() - 1) * share);
    std::nth_element(steps.begin(), at, steps.end());
    return *at;
}

} // namespace SignalMeasures
