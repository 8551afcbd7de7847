#include "Mastering.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numbers>
#include <vector>

double toDb(double linear)
{
    return 20.0 * std::log10(std::max(linear, 1e-12));
}

void fadeOutAndTrim(StereoBuffer& tune, double lengthSeconds, double fadeSeconds)
{
    const std::size_t frames = std::size_t(lengthSeconds * StereoBuffer::kRate);
    tune.resize(frames);
    const std::size_t fade = std::min(frames, std::size_t(fadeSeconds * StereoBuffer::kRate));
    for (std::size_t i = 0; i < fade; ++i) {
        const float g = float(0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(fade)));
        tune.left()[frames - 1 - i] *= g;
        tune.right()[frames - 1 - i] *= g;
    }
    const std::size_t in = std::min<std::size_t>(frames, 132);
    for (std::size_t i = 0; i < in; ++i) {
        tune.left()[i] *= float(i) / float(in);
        tune.right()[i] *= float(i) / float(in);
    }
}

namespace {
// Holds every peak below `ceilingDb` with a smooth look-ahead limiter.
void limitPeaks(StereoBuffer& tune, double ceilingDb);
} // namespace

void normaliseLoudness(StereoBuffer& tune, double rmsDb, double ceilingDb)
{
    // Limiting lowers the RMS a little, so level and limit again until they agree.
    for (int pass = 0; pass < 4; ++pass) {
        const double rms = tune.rms();
        if (rms <= 0.0)
            return;
        tune.scale(float(std::pow(10.0, rmsDb / 20.0) / rms));
        limitPeaks(tune, ceilingDb);
    }
}

namespace {

void limitPeaks(StereoBuffer& tune, double ceilingDb)
{

    // Gain each frame may have so that it stays below the ceiling.
    const double ceiling = std::pow(10.0, ceilingDb / 20.0);
    const std::size_t n = tune.frames();
    std::vector<float> allowed(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double p = std::max(std::fabs(tune.left()[i]), std::fabs(tune.right()[i]));
        allowed[i] = float(p > ceiling ? ceiling / p : 1.0);
    }
    // Minimum over the next `window` frames, then a moving average over the
    // last `window`: every average covering a frame is no larger than what
    // that frame allows, and the gain glides down before a peak arrives.
    const std::size_t window = 220;
    std::vector<float> lowest(n);
    std::deque<std::size_t> candidates;
    for (std::size_t j = n; j-- > 0;) {
        while (!candidates.empty() && allowed[candidates.back()] >= allowed[j])
            candidates.pop_back();
        candidates.push_back(j);
        while (candidates.front() >= j + window)
            candidates.pop_front();
        lowest[j] = allowed[candidates.front()];
    }
    std::vector<float> gain(n);
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        sum += lowest[i];
        if (i >= window)
            sum -= lowest[i - window];
        const double count = double(std::min(i + 1, window));
        // Frames before the start count as the first frame, which is safe.
        gain[i] = float((sum + (double(window) - count) * lowest[0]) / double(window));
    }
    // Let go soon after a peak, so a crackle or a bell does not duck what
    // follows it, yet smoothly enough not to be heard as a flutter.
    const double release = std::exp(-1.0 / (0.05 * StereoBuffer::kRate));
    double held = 1.0;
    for (std::size_t i = 0; i < n; ++i) {
        held = std::min<double>(gain[i], 1.0 - (1.0 - held) * release);
        tune.left()[i] *= float(held);
        tune.right()[i] *= float(held);
    }
}

} // namespace

void closeLoop(StereoBuffer& tune, std::size_t loopFrames)
{
    const std::size_t fade = tune.frames() - loopFrames;
    for (std::size_t i = 0; i < fade; ++i) {
        // Equal power: the two halves are unrelated noise.
        const double x = (double(i) + 0.5) / double(fade);
        const float in = float(std::sin(x * std::numbers::pi / 2.0));
        const float out = float(std::cos(x * std::numbers::pi / 2.0));
        tune.left()[i] = tune.left()[i] * in + tune.left()[loopFrames + i] * out;
        tune.right()[i] = tune.right()[i] * in + tune.right()[loopFrames + i] * out;
    }
    tune.resize(loopFrames);
}
