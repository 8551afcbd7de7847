#include "SignalMeasures.h"
#include "support/Mp3Decoding.h"

#include "Mp3Writer.h"
#include "StereoBuffer.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kRate = StereoBuffer::kRate;

class Mp3Writing : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("tone.mp3")).toStdString();
    }

    // One second: 440 Hz on the left, a rising glide on the right (which
    // lines up with itself at one lag only), both faded in and out briefly.
    static StereoBuffer testSignal()
    {
        StereoBuffer tone{std::size_t(kRate)};
        const std::size_t n = tone.frames();
        for (std::size_t i = 0; i < n; ++i) {
            const double t = double(i) / kRate;
            const double edge = std::min({1.0, double(i) / 220.0, double(n - 1 - i) / 220.0});
            tone.left()[i] = float(0.5 * edge * std::sin(2 * std::numbers::pi * 440.0 * t));
            tone.right()[i] =
                float(0.4 * edge * std::sin(2 * std::numbers::pi * (300.0 * t + 300.0 * t * t)));
        }
        return tone;
    }

    DecodedMp3 decode() const { return decodeMp3(QString::fromStdString(m_path)); }

    static double correlation(const float* a, const std::vector<float>& b, long lag)
    {
        double ab = 0, aa = 0, bb = 0;
        for (std::size_t i = 0; i < b.size(); ++i) {
            const long j = long(i) + lag;
            if (j < 0 || j >= long(b.size()))
                continue;
            ab += double(a[i]) * b[std::size_t(j)];
            aa += double(a[i]) * a[i];
            bb += double(b[std::size_t(j)]) * b[std::size_t(j)];
        }
        return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0.0;
    }

    std::size_t write(const StereoBuffer& tune)
    {
        std::string error;
        const std::size_t bytes = Mp3Writer(4).write(tune, "Test Tone", m_path, error);
        EXPECT_EQ(error, "");
        return bytes;
    }

    QTemporaryDir m_dir;
    std::string m_path;
};

TEST_F(Mp3Writing, DecodesToExactlyTheSamplesWritten)
{
    const StereoBuffer tone = testSignal();
    ASSERT_GT(write(tone), 0u);
    const DecodedMp3 decoded = decode();
    ASSERT_EQ(decoded.rate, 44100);
    EXPECT_EQ(decoded.announcedFrames, off_t(tone.frames()));
    EXPECT_EQ(decoded.left.size(), tone.frames());
    EXPECT_EQ(decoded.right.size(), tone.frames());
}

TEST_F(Mp3Writing, DecodedSoundLinesUpWithoutEncoderDelay)
{
    const StereoBuffer tone = testSignal();
    ASSERT_GT(write(tone), 0u);
    const DecodedMp3 decoded = decode();
    ASSERT_GT(decoded.right.size(), tone.frames() / 2);
    EXPECT_GT(correlation(tone.left(), decoded.left, 0), 0.99);
    EXPECT_GT(correlation(tone.right(), decoded.right, 0), 0.99);
    // The glide matches best at lag 0 and nowhere else.
    long bestLag = 0;
    double best = -1;
    for (long lag = -1500; lag <= 1500; ++lag) {
        const double c = correlation(tone.right(), decoded.right, lag);
        if (c > best) {
            best = c;
            bestLag = lag;
        }
    }
    EXPECT_EQ(bestLag, 0);
    // The decoded start is as quiet as the written one: no silence or junk
    // before the sound.
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_LT(std::fabs(decoded.left[i]), 0.02f) << i;
    EXPECT_NEAR(SignalMeasures::rmsDb(decoded.left.data(), 0, 4410),
                SignalMeasures::rmsDb(tone.left(), 0, 4410), 0.5);
}

TEST_F(Mp3Writing, FileCarriesTitleAndInfoTag)
{
    const std::size_t bytes = write(testSignal());
    QFile file(QString::fromStdString(m_path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    EXPECT_EQ(std::size_t(data.size()), bytes);
    ASSERT_TRUE(data.startsWith("ID3"));
    EXPECT_TRUE(data.contains("Test Tone"));
    // The ID3 tag's size is stored in seven bits a byte.
    const std::size_t id3 = 10 + (std::size_t(data[6] & 0x7f) << 21) +
                            (std::size_t(data[7] & 0x7f) << 14) +
                            (std::size_t(data[8] & 0x7f) << 7) + std::size_t(data[9] & 0x7f);
    ASSERT_LT(id3 + 4, std::size_t(data.size()));
    // The first audio frame is the info frame, with LAME's delay and padding.
    EXPECT_EQ(std::uint8_t(data[qsizetype(id3)]), 0xffu);
    EXPECT_EQ(std::uint8_t(data[qsizetype(id3 + 1)]) & 0xe0u, 0xe0u);
    const QByteArray firstFrame = data.mid(qsizetype(id3), 417);
    EXPECT_TRUE(firstFrame.contains("Info") || firstFrame.contains("Xing"));
    EXPECT_TRUE(firstFrame.contains("LAME"));
}

TEST_F(Mp3Writing, ReportsAFolderItCannotWriteTo)
{
    std::string error;
    const std::size_t bytes =
        Mp3Writer(4).write(testSignal(), "Test", "/nonexistent-folder/tone.mp3", error);
    EXPECT_EQ(bytes, 0u);
    EXPECT_NE(error, "");
}

} // namespace
