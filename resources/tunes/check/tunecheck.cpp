// Developer's check of the written tunes (not run by the normal build).
//
//   yulavin-tunecheck MANIFEST TUNEDIR PLOTDIR
//
// Decodes every file listed in the manifest with libmpg123 the way the
// program does (gapless, so the encoder's delay and padding are dropped),
// compares the decoded length with the rendered one, reports peak and RMS
// levels, measures the jump at the seam of the looping sounds, and draws a
// waveform and spectrogram of each into PLOTDIR.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>

#include <mpg123.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;

struct Decoded {
    std::vector<float> left, right;
    bool ok = false;
};

Decoded decode(const std::string& path)
{
    Decoded out;
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    if (!handle)
        return out;
    mpg123_param(handle, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
    mpg123_format_none(handle);
    mpg123_format(handle, kRate, MPG123_STEREO, MPG123_ENC_FLOAT_32);
    if (mpg123_open(handle, path.c_str()) == MPG123_OK) {
        std::vector<unsigned char> buffer(1 << 16);
        while (true) {
            size_t done = 0;
            const int rc = mpg123_read(handle, buffer.data(), buffer.size(), &done);
            const auto* samples = reinterpret_cast<const float*>(buffer.data());
            for (size_t i = 0; i + 1 < done / sizeof(float); i += 2) {
                out.left.push_back(samples[i]);
                out.right.push_back(samples[i + 1]);
            }
            if (rc == MPG123_DONE) {
                out.ok = true;
                break;
            }
            if (rc != MPG123_OK && rc != MPG123_NEW_FORMAT)
                break;
        }
        mpg123_close(handle);
    }
    mpg123_delete(handle);
    return out;
}

void fft(std::vector<std::complex<double>>& a)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const auto w = std::polar(1.0, -2.0 * std::numbers::pi / double(len));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1.0;
            for (std::size_t k = 0; k < len / 2; ++k) {
                const auto u = a[i + k], v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                wk *= w;
            }
        }
    }
}

QColor heat(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return QColor::fromHsvF(float(0.7 - 0.7 * x), 0.9f, float(std::min(1.0, 0.15 + x * 1.2)));
}

// Waveform above, spectrogram (log frequency `low` .. `high` Hz) below, of
// the first `seconds` (0: all), `columnsPerSecond` wide.
void plot(const Decoded& d, const QString& path, double low, double high, double seconds,
          double columnsPerSecond)
{
    const std::size_t frames =
        seconds > 0 ? std::min(d.left.size(), std::size_t(seconds * kRate)) : d.left.size();
    const int width = std::clamp(int(double(frames) / kRate * columnsPerSecond), 200, 1800);
    const int waveHeight = 100, spectrumHeight = 320;
    QImage image(width, waveHeight + spectrumHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    const double perColumn = double(frames) / width;
    for (int x = 0; x < width; ++x) {
        const auto from = std::size_t(x * perColumn), to = std::size_t((x + 1) * perColumn);
        float lo = 0, hi = 0;
        for (std::size_t i = from; i < to && i < frames; ++i) {
            lo = std::min({lo, d.left[i], d.right[i]});
            hi = std::max({hi, d.left[i], d.right[i]});
        }
        for (int y = int((1 - hi) * waveHeight / 2); y <= int((1 - lo) * waveHeight / 2); ++y)
            image.setPixelColor(x, std::clamp(y, 0, waveHeight - 1), QColor(120, 200, 255));
    }
    const std::size_t n = 4096;
    std::vector<std::complex<double>> a(n);
    for (int x = 0; x < width; ++x) {
        const auto centre = std::size_t((x + 0.5) * perColumn);
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t i = centre + k - n / 2;
            const double w = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(k) / double(n));
            a[k] = i < frames ? w * 0.5 * (d.left[i] + d.right[i]) : 0.0;
        }
        fft(a);
        for (int y = 0; y < spectrumHeight; ++y) {
            const double f = low * std::pow(high / low, 1.0 - double(y) / spectrumHeight);
            const auto bin = std::size_t(f * n / kRate);
            const double db = 20 * std::log10(std::abs(a[bin]) / (n / 4.0) + 1e-9);
            image.setPixelColor(x, waveHeight + y, heat((db + 90.0) / 80.0));
        }
    }
    // Grid at the octaves of A (A2 = 110 Hz, A4 = 440 Hz brighter) and at every second.
    QPainter painter(&image);
    for (double f = 27.5; f < high; f *= 2) {
        if (f < low)
            continue;
        painter.setPen(QColor(255, 255, 255, f == 440.0 ? 140 : 60));
        const int y =
            waveHeight + int(spectrumHeight * (1.0 - std::log(f / low) / std::log(high / low)));
        painter.drawLine(0, y, width, y);
    }
    painter.setPen(QColor(255, 255, 255, 40));
    for (double t = 1; t * kRate < double(frames); t += 1)
        painter.drawLine(int(t * kRate / perColumn), 0, int(t * kRate / perColumn), waveHeight);
    painter.end();
    image.save(path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: yulavin-tunecheck MANIFEST TUNEDIR PLOTDIR\n");
        return 2;
    }
    std::ifstream manifest(argv[1]);
    const std::string dir = argv[2];
    QDir().mkpath(QString::fromLocal8Bit(argv[3]));
    int problems = 0;
    std::string name;
    std::size_t expected = 0;
    int loops = 0;
    while (manifest >> name >> expected >> loops) {
        const Decoded d = decode(dir + "/" + name);
        if (!d.ok) {
            std::printf("%-52s cannot be decoded\n", name.c_str());
            ++problems;
            continue;
        }
        const std::size_t frames = d.left.size();
        double peak = 0, sum = 0;
        std::size_t clipped = 0, nan = 0;
        std::vector<float> steps;
        for (std::size_t i = 0; i < frames; ++i) {
            for (float s : {d.left[i], d.right[i]}) {
                if (!std::isfinite(s))
                    ++nan;
                peak = std::max(peak, double(std::fabs(s)));
                sum += double(s) * s;
                clipped += std::fabs(s) >= 0.999f;
            }
            if (i)
                steps.push_back(std::max(std::fabs(d.left[i] - d.left[i - 1]),
                                         std::fabs(d.right[i] - d.right[i - 1])));
        }
        // Rough tonal balance: share of the energy below 250 Hz, and above 4 kHz.
        double lowEnergy = 0, highEnergy = 0;
        {
            const double aLow = std::exp(-2 * std::numbers::pi * 250.0 / kRate);
            const double aHigh = std::exp(-2 * std::numbers::pi * 4000.0 / kRate);
            double low = 0, belowHigh = 0;
            for (std::size_t i = 0; i < frames; ++i) {
                const double x = 0.5 * (d.left[i] + d.right[i]);
                low = aLow * low + (1 - aLow) * x;
                belowHigh = aHigh * belowHigh + (1 - aHigh) * x;
                lowEnergy += low * low;
                highEnergy += (x - belowHigh) * (x - belowHigh);
            }
        }
        double monoEnergy = 0;
        for (std::size_t i = 0; i < frames; ++i)
            monoEnergy += 0.25 * (d.left[i] + d.right[i]) * (d.left[i] + d.right[i]);
        const long diff = long(frames) - long(expected);
        const bool lengthOk = std::labs(diff) <= 1152;
        std::printf("%-52s %6.2f s  decoded %8zu / rendered %8zu (%+ld)  peak %5.1f dBFS  "
                    "rms %5.1f dBFS  clipped %zu  nan %zu%s\n",
                    name.c_str(), double(frames) / kRate, frames, expected, diff,
                    20 * std::log10(peak + 1e-12), 10 * std::log10(sum / (2.0 * frames) + 1e-24),
                    clipped, nan, lengthOk ? "" : "  LENGTH MISMATCH");
        std::printf("    energy below 250 Hz %.0f%%, above 4 kHz %.1f%%\n",
                    100 * lowEnergy / (monoEnergy + 1e-12),
                    100 * highEnergy / (monoEnergy + 1e-12));
        problems += !lengthOk || clipped || nan;
        if (loops && frames > 2) {
            // The jump from the last sample back to the first, against the
            // sample-to-sample steps inside the file.
            const float seam = std::max(std::fabs(d.left.front() - d.left.back()),
                                        std::fabs(d.right.front() - d.right.back()));
            std::vector<float> sorted = steps;
            std::sort(sorted.begin(), sorted.end());
            const float median = sorted[sorted.size() / 2];
            const float p999 = sorted[sorted.size() * 999 / 1000];
            const std::size_t rank =
                std::size_t(std::lower_bound(sorted.begin(), sorted.end(), seam) - sorted.begin());
            const double percentile = 100.0 * double(rank) / double(sorted.size());
            std::printf("    seam: last->first step %.5f; inside the file median %.5f, 99.9%% %.5f "
                        "(seam at the %.1fth percentile)%s\n",
                        double(seam), double(median), double(p999), percentile,
                        seam <= p999 ? "" : "  CLICK");
            problems += seam > p999;
        }
        QString png = QString::fromLocal8Bit(argv[3]) + "/" + QString::fromStdString(name);
        png.replace(".mp3", "");
        plot(d, png + ".png", 40.0, 16000.0, 0.0, 20.0);
        // The opening at a legible scale, for checking notes and rhythm.
        plot(d, png + "-opening.png", 100.0, 3200.0, 15.0, 110.0);
    }
    std::printf(problems ? "%d problem(s)\n" : "all good\n", problems);
    return problems ? 1 : 0;
}
