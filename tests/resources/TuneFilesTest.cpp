#include "support/Mp3Decoding.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Tune {
    const char* name;
    bool loops;
};

class TuneFilesTest : public ::testing::TestWithParam<Tune> {};

TEST_P(TuneFilesTest, DecodesToAWholeTuneBelowFullScale)
{
    const DecodedMp3 decoded =
        decodeMp3(QStringLiteral(YULAVIN_BIN_DIR "/%1.mp3").arg(GetParam().name));
    ASSERT_EQ(decoded.rate, 44100);
    const long rate = decoded.rate;
    // Interleaved, left first.
    std::vector<float> samples;
    for (size_t i = 0; i < decoded.left.size(); ++i) {
        samples.push_back(decoded.left[i]);
        samples.push_back(decoded.right[i]);
    }
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
