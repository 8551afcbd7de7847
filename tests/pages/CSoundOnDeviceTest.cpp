#include "pages/CSound.h"
#include "platform/QtScheduler.h"
#include "platform/SdlAudio.h"
#include "support/EndNoticeCounter.h"
#include "support/FakeSystemInfo.h"
#include "support/Mp3Decoding.h"
#include "support/WaitUntil.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

// The tune player on a real SDL audio device: SDL's disk driver writes what
// the player mixes to a file, as float stereo frames at 44.1 kHz, about twenty
// times faster than it would play.

namespace {

const QString kStartupTune = QStringLiteral("music-box-wish-you-a-merry-christmas");
const QString kShortTune = QStringLiteral("santa-ho-ho-ho");
const QString kLoop = QStringLiteral("fireplace");

constexpr size_t kRate = 44100;
// Two of the player's buffers: a volume set right after a sound starts may
// reach it a buffer late (and glide over the next), and SDL's file output
// lags behind the mix by up to a buffer and a write cache.
constexpr size_t kSlack = 4 * 1024;

// Interleaved stereo frames.
struct Frames {
    std::vector<float> samples;
    size_t count() const { return samples.size() / 2; }
    float left(size_t frame) const { return samples[2 * frame]; }
    float right(size_t frame) const { return samples[2 * frame + 1]; }
};

// The first frame louder than `threshold`, or the frame count for none.
size_t firstSound(const std::vector<float>& left, const std::vector<float>& right, float threshold)
{
    for (size_t i = 0; i < left.size(); ++i)
        if (std::abs(left[i]) > threshold || std::abs(right[i]) > threshold)
            return i;
    return left.size();
}

double rms(const std::vector<float>& samples, size_t from, size_t to)
{
    double sum = 0.0;
    for (size_t i = from; i < to; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(to - from));
}

class CSoundOnDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(outputPath()));
        // One millisecond per buffer of 23 ms.
        qputenv("SDL_DISKAUDIODELAY", "1");
        m_system.m_programPath = m_dir.path() + "/yulavin";
        for (const QString& tune : {kStartupTune, kShortTune, kLoop})
            QFile::link(QStringLiteral(YULAVIN_BIN_DIR "/") + tune + ".mp3", tunePath(tune));
        m_services.system = &m_system;
        m_services.scheduler = &m_scheduler;
        m_services.audio = &m_audio;
    }
    void TearDown() override { m_player.reset(); }

    CSound& player()
    {
        if (!m_player)
            m_player = std::make_unique<CSound>(m_services);
        return *m_player;
    }
    QString outputPath() const { return m_dir.path() + "/mixed.raw"; }
    QString tunePath(const QString& tune) const { return m_dir.path() + "/" + tune + ".mp3"; }

    size_t framesWritten() const { return size_t(QFileInfo(outputPath()).size()) / 8; }
    bool waitForFrames(size_t frames) const
    {
        return waitUntil([&] { return framesWritten() >= frames; }, 20000);
    }
    Frames output() const
    {
        QFile file(outputPath());
        Frames frames;
        if (!file.open(QIODevice::ReadOnly))
            return frames;
        const QByteArray bytes = file.readAll();
        frames.samples.resize(size_t(bytes.size()) / 8 * 2);
        std::memcpy(frames.samples.data(), bytes.constData(), frames.samples.size() * 4);
        return frames;
    }
    // Where a tune that makes the output's first sound began, played at
    // `gain`: the first sample above `threshold` on both sides.
    static size_t startOf(const Frames& out, const DecodedMp3& tune, float gain = 1.0f,
                          float threshold = 0.0f)
    {
        std::vector<float> left, right;
        for (size_t i = 0; i < out.count(); ++i) {
            left.push_back(out.left(i));
            right.push_back(out.right(i));
        }
        return firstSound(left, right, threshold) -
               firstSound(tune.left, tune.right, threshold / gain);
    }
    // The largest difference between the output from `at` on and the tune's
    // frames from `from` to `to`, times `gain`.
    static float largestDifference(const Frames& out, size_t at, const DecodedMp3& tune,
                                   size_t from, size_t to, float gain)
    {
        float largest = 0.0f;
        for (size_t i = from; i < to; ++i) {
            const size_t source = i % tune.left.size();
            largest = std::max({largest, std::abs(out.left(at + i) - gain * tune.left[source]),
                                std::abs(out.right(at + i) - gain * tune.right[source])});
        }
        return largest;
    }

    QTemporaryDir m_dir;
    FakeSystemInfo m_system;
    platform::QtScheduler m_scheduler;
    platform::SdlAudio m_audio;
    platform::Platform m_services;
    std::unique_ptr<CSound> m_player;
};

TEST_F(CSoundOnDeviceTest, StartupTuneAtThirtyPlaysWholeAtThreeTenthsOfItsLevelAndEndsOnce)
{
    const DecodedMp3 tune = decodeMp3(tunePath(kStartupTune));
    ASSERT_GT(tune.left.size(), 30 * kRate);
    EndNoticeCounter window;
    player().Play(kStartupTune, "startup", &window, false);
    player().SetVolume("startup", 300);
    EXPECT_TRUE(player().IsPlaying("startup"));
    ASSERT_TRUE(waitUntil([&] { return window.notices > 0; }, 20000));
    EXPECT_FALSE(player().IsPlaying("startup"));
    EXPECT_TRUE(player().IsAtEnd("startup"));

    const Frames out = output();
    const size_t start = startOf(out, tune);
    ASSERT_GE(out.count(), start + tune.left.size());
    EXPECT_LT(largestDifference(out, start, tune, kSlack, tune.left.size(), 0.3f), 1e-5f);
    std::vector<float> left;
    for (size_t i = start + kSlack; i < start + tune.left.size(); ++i)
        left.push_back(out.left(i));
    const double level = rms(left, 0, left.size()) / rms(tune.left, kSlack, tune.left.size());
    EXPECT_NEAR(level, 0.3, 0.001);
    // Silence after the end, and still only the one notice.
    ASSERT_TRUE(waitForFrames(out.count() + kRate / 2));
    const Frames later = output();
    for (size_t i = start + tune.left.size() + kSlack; i < later.count(); ++i)
        ASSERT_EQ(later.left(i), 0.0f) << i;
    EXPECT_EQ(window.notices, 1);
}

TEST_F(CSoundOnDeviceTest, VolumeZeroIsSilence)
{
    player().Play(kLoop, "background", nullptr, true);
    player().SetVolume("background", 0);
    ASSERT_TRUE(waitForFrames(2 * kRate));
    const Frames out = output();
    size_t first = 0;
    while (first < out.count() && out.left(first) == 0.0f && out.right(first) == 0.0f)
        ++first;
    for (size_t i = first + kSlack; i < out.count(); ++i)
        ASSERT_EQ(out.left(i) + out.right(i), 0.0f) << i;
    EXPECT_TRUE(player().IsPlaying("background"));
}

TEST_F(CSoundOnDeviceTest, LoopCrossesItsSeamWithoutAGapOrAClickAndNeverNotifies)
{
    const DecodedMp3 loop = decodeMp3(tunePath(kLoop));
    EndNoticeCounter window;
    // A loop is never given a window, so it could not tell one anyway; the
    // window is here to see that nothing arrives.
    player().Play(kLoop, "background", nullptr, true);
    ASSERT_TRUE(
        waitUntil([&] { return framesWritten() > 0 && startOf(output(), loop) < kRate; }, 20000));
    const size_t start = startOf(output(), loop);
    ASSERT_TRUE(waitForFrames(start + loop.left.size() + kRate));
    const Frames out = output();
    // One second either side of the seam, sample for sample.
    EXPECT_LT(largestDifference(out, start, loop, loop.left.size() - kRate,
                                loop.left.size() + kRate, 1.0f),
              1e-6f);
    EXPECT_TRUE(player().IsPlaying("background"));
    EXPECT_FALSE(player().IsAtEnd("background"));
    EXPECT_EQ(window.notices, 0);
}

TEST_F(CSoundOnDeviceTest, TwoKeysMixAndStopSilencesItsKeyAtOnce)
{
    const DecodedMp3 loop = decodeMp3(tunePath(kLoop));
    const DecodedMp3 tune = decodeMp3(tunePath(kShortTune));
    player().Play(kLoop, "background", nullptr, true);
    ASSERT_TRUE(waitForFrames(kRate));
    // Both at full volume, so that each is heard as recorded from its first
    // sample on.
    player().Play(kShortTune, "every_hour", nullptr, false);
    ASSERT_TRUE(waitForFrames(framesWritten() + 3 * kRate));

    // What is left after taking the loop away is the tune.
    Frames out = output();
    const size_t loopStart = startOf(out, loop);
    Frames rest = out;
    for (size_t i = loopStart; i < out.count(); ++i) {
        const size_t source = (i - loopStart) % loop.left.size();
        rest.samples[2 * i] -= loop.left[source];
        rest.samples[2 * i + 1] -= loop.right[source];
    }
    const size_t tuneStart = startOf(rest, tune, 1.0f, 0.01f);
    ASSERT_GT(tuneStart, loopStart + kRate - kSlack);
    EXPECT_LT(largestDifference(rest, tuneStart, tune, 0, 2 * kRate, 1.0f), 1e-5f);

    // Stopping the loop leaves the tune alone, from the next buffer on.
    player().Stop("background");
    const size_t stoppedAt = framesWritten();
    EXPECT_FALSE(player().IsPlaying("background"));
    EXPECT_TRUE(player().IsPlaying("every_hour"));
    ASSERT_TRUE(waitForFrames(stoppedAt + kRate));
    out = output();
    EXPECT_LT(largestDifference(out, tuneStart, tune, stoppedAt + kSlack - tuneStart,
                                out.count() - tuneStart, 1.0f),
              1e-5f);
    player().Stop("every_hour");
    const size_t silentFrom = framesWritten() + kSlack;
    ASSERT_TRUE(waitForFrames(silentFrom + kRate / 2));
    out = output();
    for (size_t i = silentFrom; i < out.count(); ++i)
        ASSERT_EQ(out.left(i) + out.right(i), 0.0f) << i;
}

TEST_F(CSoundOnDeviceTest, FileThatBreaksOffPlaysWhatItHasAndEndsOnce)
{
    QFile whole(tunePath(kShortTune));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QFile cut(tunePath("cut"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.read(whole.size() / 3));
    cut.close();
    EndNoticeCounter window;
    player().Play("cut", "startup", &window, false);
    EXPECT_TRUE(player().IsPlaying("startup"));
    ASSERT_TRUE(waitUntil([&] { return window.notices > 0; }, 20000));
    ASSERT_TRUE(waitForFrames(framesWritten() + kRate / 2));
    EXPECT_EQ(window.notices, 1);
    EXPECT_TRUE(player().IsAtEnd("startup"));
}

struct BadFile {
    const char* name;
    QByteArray bytes;
};

class CSoundBadFileTest : public CSoundOnDeviceTest,
                          public ::testing::WithParamInterface<BadFile> {};

// A tune that cannot be played leaves its key without a sound, stops what
// played under it before, and the player goes on.
TEST_P(CSoundBadFileTest, NothingPlaysAndTheKeyHasNoSound)
{
    if (!GetParam().bytes.isNull()) {
        QFile file(tunePath(GetParam().name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().bytes);
    }
    player().Play(kLoop, "background", nullptr, true);
    player().Play(GetParam().name, "background", nullptr, true);
    EXPECT_FALSE(player().IsPlaying("background"));
    EXPECT_TRUE(player().IsAtEnd("background"));
    player().SetVolume("background", 1000);
    player().Stop("background");
    player().Play(kShortTune, "startup", nullptr, false);
    EXPECT_TRUE(player().IsPlaying("startup"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, CSoundBadFileTest,
    ::testing::Values(BadFile{"missing", QByteArray()}, BadFile{"empty", QByteArray("")},
                      BadFile{"text", QByteArray("<Options><fSnow>1</fSnow></Options>\n")},
                      BadFile{"noise", QByteArray(100000, '\x5a')}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// Without a device the player is silent for the whole run and every call is
// harmless.
TEST(CSoundWithoutDeviceTest, AnUnknownDriverLeavesThePlayerSilent)
{
    qputenv("SDL_AUDIODRIVER", "nosuchdriver");
    platform::SdlAudio audio;
    EXPECT_FALSE(audio.init());
    FakeSystemInfo system;
    system.m_programPath = QStringLiteral(YULAVIN_BIN_DIR "/yulavin");
    platform::Platform services;
    services.system = &system;
    services.audio = &audio;
    CSound player(services);
    EndNoticeCounter window;
    player.Play(kShortTune, "startup", &window, false);
    player.SetVolume("startup", 300);
    EXPECT_FALSE(player.IsPlaying("startup"));
    EXPECT_TRUE(player.IsAtEnd("startup"));
    player.Stop("startup");
    player.Stop("never");
}

} // namespace
