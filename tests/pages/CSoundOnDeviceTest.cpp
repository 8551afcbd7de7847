#include "pages/CSound.h"
#include "platform/QtScheduler.h"
#include "platform/SdlAudio.h"
#include "support/FakeSystemInfo.h"
#include "support/Mp3Decoding.h"
#include "support/WaitUntil.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

// The tune player on a real SDL audio device: SDL's disk driver writes what
// the player mixes to a file, float stereo at 44.1 kHz, about twenty times
// faster than it would play.

namespace {

const QString kStartupTune = QStringLiteral("music-box-wish-you-a-merry-christmas");
const QString kShortTune = QStringLiteral("santa-ho-ho-ho");
const QString kLoop = QStringLiteral("fireplace");
constexpr size_t kRate = 44100;
// Two buffers: a volume set right after a start may reach the sound a buffer
// late (and glide over the next), and the file lags the mix by about a buffer.
constexpr size_t kSlack = 4096;

class EndNotices final : public QWidget {
public:
    int count = 0;

protected:
    bool event(QEvent* e) override
    {
        count += e->type() == CSound::MM_MCINOTIFY;
        return QWidget::event(e);
    }
};

class CSoundOnDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(m_dir.filePath("mixed.raw")));
        qputenv("SDL_DISKAUDIODELAY", "1"); // ms per buffer of 23 ms
        m_system.m_programPath = m_dir.filePath("yulavin");
        for (const QString& tune : {kStartupTune, kShortTune, kLoop})
            QFile::link(QStringLiteral(YULAVIN_BIN_DIR "/") + tune + ".mp3", tunePath(tune));
        m_services.system = &m_system;
        m_services.scheduler = &m_scheduler;
        m_services.audio = &m_audio;
        m_player = std::make_unique<CSound>(m_services);
    }
    QString tunePath(const QString& tune) const { return m_dir.filePath(tune + ".mp3"); }
    size_t framesWritten() const
    {
        return size_t(QFileInfo(m_dir.filePath("mixed.raw")).size()) / 8;
    }
    bool waitForFrames(size_t frames) const
    {
        return waitUntil([&] { return framesWritten() >= frames; }, 20000);
    }
    // What reached the device, interleaved left and right.
    std::vector<float> output() const
    {
        QFile file(m_dir.filePath("mixed.raw"));
        std::vector<float> samples;
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            samples.resize(size_t(bytes.size()) / 8 * 2);
            std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(float));
        }
        return samples;
    }
    // Whether nothing sounds from that frame on.
    static bool silent(const std::vector<float>& out, size_t from)
    {
        return std::all_of(out.begin() + std::ptrdiff_t(std::min(2 * from, out.size())), out.end(),
                           [](float sample) { return sample == 0.0f; });
    }
    // The frame where `tune` began, when it made the first sound louder than
    // `threshold` in `out`.
    static size_t startOf(const std::vector<float>& out, const DecodedMp3& tune,
                          float threshold = 0.0f)
    {
        size_t heard = 0, first = 0;
        while (heard < out.size() / 2 && std::abs(out[2 * heard]) <= threshold)
            ++heard;
        while (first < tune.left.size() && std::abs(tune.left[first]) <= threshold)
            ++first;
        return heard - first;
    }
    // The largest difference between `out` from frame `at` on and `gain`
    // times the tune's frames from..to, the tune played over and over.
    static float largestDifference(const std::vector<float>& out, size_t at, const DecodedMp3& tune,
                                   size_t from, size_t to, float gain)
    {
        float largest = 0.0f;
        for (size_t i = from; i < to; ++i) {
            const size_t source = i % tune.left.size();
            largest = std::max({largest, std::abs(out[2 * (at + i)] - gain * tune.left[source]),
                                std::abs(out[2 * (at + i) + 1] - gain * tune.right[source])});
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

TEST_F(CSoundOnDeviceTest, StartupTuneAtThirtyPlaysWholeAtThreeTenthsAndEndsWithOneNotice)
{
    const DecodedMp3 tune = decodeMp3(tunePath(kStartupTune));
    EndNotices window;
    m_player->Play(kStartupTune, "startup", &window, false);
    m_player->SetVolume("startup", 300);
    EXPECT_TRUE(m_player->IsPlaying("startup"));
    ASSERT_TRUE(waitUntil([&] { return window.count > 0; }, 20000));
    EXPECT_FALSE(m_player->IsPlaying("startup"));
    EXPECT_TRUE(m_player->IsAtEnd("startup"));
    ASSERT_TRUE(waitForFrames(framesWritten() + kRate));

    const std::vector<float> out = output();
    const size_t start = startOf(out, tune);
    const size_t end = start + tune.left.size();
    EXPECT_LT(largestDifference(out, start, tune, kSlack, tune.left.size(), 0.3f), 1e-5f);
    double played = 0.0, recorded = 0.0;
    for (size_t i = kSlack; i < tune.left.size(); ++i) {
        played += double(out[2 * (start + i)]) * out[2 * (start + i)];
        recorded += double(tune.left[i]) * tune.left[i];
    }
    EXPECT_NEAR(std::sqrt(played / recorded), 0.3, 0.001);
    EXPECT_TRUE(silent(out, end + kSlack));
    EXPECT_EQ(window.count, 1);
}

// The loop, and a tune mixed into it, each as recorded; the loop goes on
// through its seam sample for sample, then Stop silences it.
TEST_F(CSoundOnDeviceTest, LoopCrossesItsSeamWithATuneMixedInAndStopSilencesIt)
{
    const DecodedMp3 loop = decodeMp3(tunePath(kLoop));
    const DecodedMp3 tune = decodeMp3(tunePath(kShortTune));
    m_player->Play(kLoop, "background", nullptr, true);
    ASSERT_TRUE(waitForFrames(kRate));
    m_player->Play(kShortTune, "every_hour", nullptr, false);
    const size_t loopStart = startOf(output(), loop);
    ASSERT_TRUE(waitForFrames(loopStart + loop.left.size() + kRate));

    std::vector<float> out = output();
    std::vector<float> rest = out;
    for (size_t i = loopStart; i < rest.size() / 2; ++i) {
        rest[2 * i] -= loop.left[(i - loopStart) % loop.left.size()];
        rest[2 * i + 1] -= loop.right[(i - loopStart) % loop.left.size()];
    }
    const size_t tuneStart = startOf(rest, tune, 0.01f);
    EXPECT_LT(largestDifference(rest, tuneStart, tune, 0, tune.left.size(), 1.0f), 1e-5f);
    EXPECT_LT(largestDifference(out, loopStart, loop, loop.left.size() - kRate,
                                loop.left.size() + kRate, 1.0f),
              1e-6f);
    EXPECT_TRUE(m_player->IsPlaying("background"));

    m_player->Stop("background");
    EXPECT_FALSE(m_player->IsPlaying("background"));
    const size_t silentFrom = framesWritten() + kSlack;
    ASSERT_TRUE(waitForFrames(silentFrom + kRate / 2));
    out = output();
    EXPECT_TRUE(silent(out, silentFrom));
}

TEST_F(CSoundOnDeviceTest, VolumeZeroIsSilence)
{
    m_player->Play(kLoop, "background", nullptr, true);
    m_player->SetVolume("background", 0);
    ASSERT_TRUE(waitForFrames(2 * kRate));
    const std::vector<float> out = output();
    const auto heard = std::find_if(out.begin(), out.end(), [](float s) { return s != 0.0f; });
    EXPECT_TRUE(silent(out, size_t(heard - out.begin()) / 2 + kSlack));
}

// A missing or broken tune leaves its key without a sound, after stopping
// what played under it, and the player goes on.
TEST_F(CSoundOnDeviceTest, TuneThatCannotPlayLeavesItsKeySilent)
{
    QFile text(tunePath("broken"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("<Options><fSnow>1</fSnow></Options>\n");
    text.close();
    for (const char* name : {"missing", "broken"}) {
        m_player->Play(kLoop, "background", nullptr, true);
        m_player->Play(name, "background", nullptr, true);
        EXPECT_FALSE(m_player->IsPlaying("background")) << name;
        EXPECT_TRUE(m_player->IsAtEnd("background")) << name;
        m_player->SetVolume("background", 1000);
        m_player->Stop("background");
    }
    m_player->Play(kShortTune, "startup", nullptr, false);
    EXPECT_TRUE(m_player->IsPlaying("startup"));
}

TEST(CSoundWithoutDeviceTest, AnUnknownDriverLeavesThePlayerSilentAndHarmless)
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
    player.Play(kShortTune, "startup", nullptr, false);
    player.SetVolume("startup", 300);
    EXPECT_FALSE(player.IsPlaying("startup"));
    EXPECT_TRUE(player.IsAtEnd("startup"));
    player.Stop("startup");
}

} // namespace
