// Renders every tune of the program and writes them as MP3 files beside it.
//
//   yulavin-tunegen OUTDIR [--manifest FILE] [--only NAME...]
//
// The manifest lists each file with the number of frames rendered and
// whether it loops, for yulavin-tunecheck to compare the decoded files with.
#include "Mastering.h"
#include "Mp3Writer.h"
#include "TuneBook.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// Peaks are held below this, with headroom for the encoder's small overshoots.
constexpr double kCeilingDb = -3.5;
constexpr int kVbrQuality = 4;

struct Outcome {
    std::size_t frames = 0;
    bool loops = false;
    double peakDb = 0, rmsDb = 0, seconds = 0, limitedDb = 0;
    std::size_t bytes = 0;
    double renderMs = 0, encodeMs = 0;
    std::string error;
};

bool allFinite(const StereoBuffer& audio)
{
    for (std::size_t i = 0; i < audio.frames(); ++i)
        if (!std::isfinite(audio.left()[i]) || !std::isfinite(audio.right()[i]))
            return false;
    return true;
}

Outcome make(const TuneEntry& entry, const std::string& outDir)
{
    using Clock = std::chrono::steady_clock;
    Outcome outcome;
    const auto start = Clock::now();
    try {
        RenderedTune tune = entry.render();
        if (!allFinite(tune.audio))
            throw std::runtime_error("not a number in the rendering");
        // How far the loudest peak had to be held down to reach the loudness.
        outcome.limitedDb =
            std::max(0.0, toDb(tune.audio.peak() / tune.audio.rms()) - (kCeilingDb - tune.rmsDb));
        normaliseLoudness(tune.audio, tune.rmsDb, kCeilingDb);
        if (tune.loopFrames) {
            closeLoop(tune.audio, tune.loopFrames);
            // The crossfade may add up two peaks; a plain gain keeps the loop whole.
            const double ceiling = std::pow(10.0, kCeilingDb / 20.0);
            if (tune.audio.peak() > ceiling)
                tune.audio.scale(float(ceiling / tune.audio.peak()));
        }
        outcome.frames = tune.audio.frames();
        outcome.loops = tune.loopFrames != 0;
        outcome.peakDb = toDb(tune.audio.peak());
        outcome.rmsDb = toDb(tune.audio.rms());
        outcome.seconds = tune.audio.seconds();
        const auto rendered = Clock::now();
        outcome.renderMs = std::chrono::duration<double, std::milli>(rendered - start).count();
        const std::string path = outDir + "/" + entry.fileName + ".mp3";
        outcome.bytes = Mp3Writer(kVbrQuality).write(tune.audio, entry.title, path, outcome.error);
        outcome.encodeMs =
            std::chrono::duration<double, std::milli>(Clock::now() - rendered).count();
    } catch (const std::exception& e) {
        outcome.error = e.what();
    }
    return outcome;
}

} // namespace

int main(int argc, char** argv)
{
    std::string outDir, manifestPath;
    std::vector<std::string> only;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--manifest" && i + 1 < argc)
            manifestPath = argv[++i];
        else if (arg == "--only") {
            while (i + 1 < argc && argv[i + 1][0] != '-')
                only.push_back(argv[++i]);
        } else if (outDir.empty())
            outDir = arg;
        else {
            outDir.clear();
            break;
        }
    }
    if (outDir.empty()) {
        std::fprintf(stderr, "usage: yulavin-tunegen OUTDIR [--manifest FILE] [--only NAME...]\n");
        return 2;
    }

    std::vector<const TuneEntry*> work;
    for (const TuneEntry& entry : tuneBook())
        if (only.empty() || std::find(only.begin(), only.end(), entry.fileName) != only.end())
            work.push_back(&entry);

    std::vector<Outcome> outcomes(work.size());
    std::atomic<std::size_t> nextTune{0};
    const unsigned workers = std::max(2u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < std::min<std::size_t>(workers, work.size()); ++w)
        threads.emplace_back([&] {
            for (std::size_t i; (i = nextTune++) < work.size();)
                outcomes[i] = make(*work[i], outDir);
        });
    for (auto& thread : threads)
        thread.join();

    int failures = 0;
    std::size_t totalBytes = 0;
    std::FILE* manifest = manifestPath.empty() ? nullptr : std::fopen(manifestPath.c_str(), "w");
    for (std::size_t i = 0; i < work.size(); ++i) {
        const Outcome& o = outcomes[i];
        if (!o.error.empty()) {
            std::fprintf(stderr, "%s: %s\n", work[i]->fileName, o.error.c_str());
            ++failures;
            continue;
        }
        totalBytes += o.bytes;
        std::printf("%-50s %5.1f s  peak %5.1f dBFS  rms %5.1f dBFS  limited %4.1f dB  %7zu bytes  "
                    "render %5.0f ms  encode %5.0f ms%s\n",
                    work[i]->fileName, o.seconds, o.peakDb, o.rmsDb, o.limitedDb, o.bytes,
                    o.renderMs, o.encodeMs, o.loops ? "  (loop)" : "");
        if (manifest)
            std::fprintf(manifest, "%s.mp3 %zu %d\n", work[i]->fileName, o.frames, o.loops ? 1 : 0);
    }
    if (manifest)
        std::fclose(manifest);
    std::printf("%zu tunes, %.2f MB\n", work.size() - std::size_t(failures),
                totalBytes / 1048576.0);
    return failures ? 1 : 0;
}
