#include <QString>

#include <gtest/gtest.h>

#include <mpg123.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Decodes a whole MP3 file to interleaved stereo floats, trimming the encoder's
// delay and padding as a gapless player does.
std::vector<float> decode(const QString& path, long* rate)
{
    std::vector<float> samples;
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    if (!handle)
        return samples;
    mpg123_param(handle, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
    mpg123_format_none(handle);
    mpg123_format(handle, 44100, MPG123_STEREO, MPG123_ENC_FLOAT_32);
    if (mpg123_open(handle, path.toLocal8Bit().constData()) == MPG123_OK) {
        int channels = 0, encoding = 0;
        mpg123_getformat(handle, rate, &channels, &encoding);
        std::vector<unsigned char> buffer(1 << 16);
        for (;;) {
            size_t done = 0;
            const int rc = mpg123_read(handle, buffer.data(), buffer.size(), &done);
            const float* data = reinterpret_cast<const float*>(buffer.data());
            samples.insert(samples.end(), data, data + done / sizeof(float));
            if (rc != MPG123_OK)
                break;
        }
        mpg123_close(handle);
    }
    mpg123_delete(handle);
    return samples;
}

struct Tune {
    const char* name;
    bool loops;
};

class TuneFilesTest : public ::testing::TestWithParam<Tune> {
protected:
    static void SetUpTestSuite() { mpg123_init(); }
};

TEST_P(TuneFilesTest, DecodesToAWholeTuneBelowFullScale)
{
    long rate = 0;
    const auto samples =
        decode(QStringLiteral(YULAVIN_BIN_DIR "/%1.mp3").arg(GetParam().name), &rate);
    ASSERT_EQ(rate, 44100);
    const double seconds = samples.size() / 2.0 / rate;
    EXPECT_GE(seconds, 20.0);
    EXPECT_LE(seconds, 90.0);

    float peak = 0;
    double energy = 0;
    for (float s : samples) {
        ASSERT_TRUE(std::isfinite(s));
        peak = std::max(peak, std::abs(s));
        energy += double(s) * s;
    }
    EXPECT_LT(peak, 0.9f);
    const double rmsDb = 10 * std::log10(energy / samples.size());
    // Every tune about as loud as the others.
    EXPECT_GT(rmsDb, -26.0);
    EXPECT_LT(rmsDb, -16.0);

    if (GetParam().loops) {
        // The last sample flows into the first: no step at the seam larger
        // than the sound's ordinary steps.
        std::vector<float> steps;
        for (size_t i = 2; i < samples.size(); i += 2)
            steps.push_back(std::abs(samples[i] - samples[i - 2]));
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
        const float ordinary = steps[steps.size() * 99 / 100];
        EXPECT_LE(std::abs(samples[0] - samples[samples.size() - 2]), ordinary);
        EXPECT_LE(std::abs(samples[1] - samples[samples.size() - 1]), ordinary);
    } else {
        // A tune ends quietly instead of being cut off.
        float tail = 0;
        for (size_t i = samples.size() - 2 * 4410; i < samples.size(); ++i)
            tail = std::max(tail, std::abs(samples[i]));
        EXPECT_LT(tail, 0.05f);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tunes, TuneFilesTest,
    ::testing::Values(Tune{"angels_we_have_heard_on_high", false}, Tune{"away_in_a_manger", false},
                      Tune{"deck_the_halls_alternate", false}, Tune{"jingle_bells", false},
                      Tune{"joy_to_the_world", false},
                      Tune{"musical-snow-globe-we-wish-you-a-merry-christmas", false},
                      Tune{"music-box-joy-to-the-world", false},
                      Tune{"music-box-symphonion-o-christmas-tree", false},
                      Tune{"music-box-wish-you-a-merry-christmas", false},
                      Tune{"dance_of_the_sugar_plum_fairy", false}, Tune{"santa-ho-ho-ho", false},
                      Tune{"fireplace", true}, Tune{"snowstorm", true}),
    [](const auto& testCase) {
        QString name = QString::fromLatin1(testCase.param.name);
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        return name.toStdString();
    });

} // namespace
