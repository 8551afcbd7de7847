#include "core/COptions.h"
#include "SettingsFileFixture.h"

#include <QFile>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class COptionsTest : public SettingsFileFixture {
protected:
    // Loads, saves and gives the file as written.
    std::string loadAndSave(COptions& target)
    {
        target.Load();
        target.Save();
        return settingsFile();
    }

    COptions options{services.services()};
};

enum class Put { Nothing, File, Fifo, LinkToZero };

struct FirstRunCase {
    const char* name;
    Put put;
    QByteArray bytes;
    bool keptAside; // as settings.xml.bad, and the user told once
};

class COptionsFirstRunTest : public COptionsTest,
                             public ::testing::WithParamInterface<FirstRunCase> {};

// Whatever stands in the settings file's place, the run starts afresh and the
// exit writes the defaults; an unreadable file is never destroyed.
TEST_P(COptionsFirstRunTest, StartsAfreshAndKeepsWhatItCannotRead)
{
    const FirstRunCase& c = GetParam();
    const QString path = services.settingsPath(), aside = path + ".bad";
    writeSettings("");
    QFile::remove(path);
    FakePlatform::writeFile(aside, "an older bad file");
    if (c.put == Put::File)
        writeSettings(c.bytes);
    ASSERT_TRUE(c.put != Put::Fifo || ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    if (c.put == Put::LinkToZero)
        QFile::link("/dev/zero", path);
    options.Load();
    EXPECT_FALSE(options.m_bFileRead);
    options.Save();
    EXPECT_EQ(settingsFile(), goldenFile("first-run").toStdString());
    EXPECT_EQ(FakePlatform::readFile(aside), c.keptAside ? c.bytes : "an older bad file");
    ASSERT_EQ(services.dialogs.m_shown.size(), c.keptAside ? 1u : 0u);
    if (c.keptAside) {
        EXPECT_THAT(services.dialogs.m_shown[0].text.toStdString(),
                    ::testing::HasSubstr(aside.toStdString()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    HostileFiles, COptionsFirstRunTest,
    ::testing::Values(FirstRunCase{"NoFile", Put::Nothing, {}, false},
                      FirstRunCase{"Empty", Put::File, "", true},
                      FirstRunCase{"CutShort", Put::File, "<Options><fSnow>0</fSn", true},
                      FirstRunCase{"Garbage", Put::File, "\x89PNG\r\n\x1A\n", true},
                      FirstRunCase{"TwoRoots", Put::File, "<Options/><Options/>", true},
                      FirstRunCase{"Huge", Put::File,
                                   "<Options>" + QByteArray(2 << 20, ' ') + "</Options>", true},
                      FirstRunCase{"Fifo", Put::Fifo, {}, false},
                      FirstRunCase{"LinkToAnEndlessDevice", Put::LinkToZero, {}, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(COptionsTest, EditedFileSurvivesByteForByte)
{
    // Every setting that draws nothing at start away from its default, strange
    // texts, comments, spacing, an attribute and an unknown element.
    writeSettings(goldenFile("edited"));
    EXPECT_EQ(loadAndSave(options), goldenFile("edited").toStdString());
    EXPECT_TRUE(options.m_bFileRead);
}

TEST_F(COptionsTest, MissingKeysKeepDefaultsAndAreAppendedOnSave)
{
    writeSettings(
        "<?xml version='1.0'?><Options><uSnowDensity>7</uSnowDensity><fSnow>0</fSnow></Options>");
    QByteArray expected = goldenFile("first-run");
    expected.replace("<fSnow>1</fSnow>", "").replace("<uSnowDensity>5</uSnowDensity>", "");
    // A missing language is no language, written as an empty element.
    expected.replace("<Language>English</Language>", "<Language/>");
    expected.replace("<Options>", "<Options><uSnowDensity>7</uSnowDensity><fSnow>0</fSnow>");
    EXPECT_EQ(loadAndSave(options), expected.toStdString());
}

struct NumberCase {
    const char* key;
    const char* text;
    const char* written;
};

class COptionsNumberTest : public COptionsTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(COptionsNumberTest, HandEditedNumbersReadLikeTheRuntimeAndAreWrittenSigned)
{
    const NumberCase& c = GetParam();
    const QByteArray key = c.key;
    writeSettings("<Options><" + key + ">" + c.text + "</" + key + "></Options>");
    EXPECT_THAT(
        loadAndSave(options),
        ::testing::HasSubstr(("<" + key + ">" + c.written + "</" + key + ">").toStdString()));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, COptionsNumberTest,
    ::testing::Values(NumberCase{"iFlashSpeed", " 7x", "7"}, NumberCase{"iFlashSpeed", "abc", "0"},
                      NumberCase{"iFlashSpeed", "", "5"}, NumberCase{"iFlashSpeed", "+12", "12"},
                      NumberCase{"iTreeX", "99999999999", "2147483647"},
                      NumberCase{"iTreeX", "-99999999999", "-2147483648"},
                      NumberCase{"uSnowWind", "-1", "-1"}, NumberCase{"fSnow", "2", "1"},
                      NumberCase{"fSnow", "-1", "1"}, NumberCase{"fAutoRun", "", "1"}),
    [](const auto& testCase) { return testCase.param.key + std::to_string(testCase.index); });

TEST_F(COptionsTest, HostileFilesAreKeptAsTheyAre)
{
    // Another root: defaults, and nothing is written into it.
    const std::string file = "<Settings><fSnow>0</fSnow></Settings>";
    writeSettings(QByteArray::fromStdString(file));
    COptions other(services.services());
    EXPECT_EQ(loadAndSave(other), file);
    EXPECT_TRUE(other.m_bFileRead);
    EXPECT_TRUE(other.fSnow);
    EXPECT_TRUE(services.dialogs.m_shown.empty());
}

TEST_F(COptionsTest, RandomAtStartDrawsAfreshAndKeepsTheFlags)
{
    const char* const keys[][2] = {
        {"fGarlandRandom", "strGarland"},   {"fFlashRandom", "iFlash"},
        {"fSnowTypeRandom", "strSnowType"}, {"fSnowDensityRandom", "uSnowDensity"},
        {"fSnowWindRandom", "uSnowWind"},   {"fCursorTypeRandom", "strCursorType"},
        {"fTreeRandom", "iTree"},           {"fTreeSpeedRandom", "iTreeSpeed"}};
    QByteArray file = "<Options>";
    for (const auto& [flag, key] : keys)
        file += QByteArray("<") + flag + ">1</" + flag + "><" + key + ">99</" + key + ">";
    writeSettings(file + "</Options>");
    const std::string written = loadAndSave(options);
    for (const auto& [flag, key] : keys) {
        EXPECT_THAT(written, ::testing::HasSubstr(std::string("<") + flag + ">1<"));
        EXPECT_THAT(written, ::testing::Not(::testing::HasSubstr(std::string("<") + key + ">99<")));
    }
}

struct RandomCase {
    const char* flag;
    const char* key;
    QString (*value)(const COptions&);
    QStringList range; // every value a start may draw
    friend void PrintTo(const RandomCase& c, std::ostream* out) { *out << c.key; }
};

QStringList numbers(int first, int last)
{
    QStringList values;
    for (int n = first; n <= last; ++n)
        values << QString::number(n);
    return values;
}

class COptionsRandomTest : public COptionsTest, public ::testing::WithParamInterface<RandomCase> {};

// Over many starts, each a second apart, a "random at start" setting takes
// every value of its range, the first and the last ones included, and
// nothing outside it.
TEST_P(COptionsRandomTest, StartsDrawEveryValueOfTheRange)
{
    const RandomCase& c = GetParam();
    writeSettings(QByteArray("<Options><") + c.flag + ">1</" + c.flag + "></Options>");
    QStringList drawn;
    for (int start = 0; start < 300; ++start) {
        services.clock.advance(1000);
        COptions started(services.services());
        started.Load();
        const QString value = c.value(started);
        ASSERT_TRUE(c.range.contains(value)) << c.key << " drew " << value.toStdString();
        if (!drawn.contains(value))
            drawn << value;
    }
    for (const QString& value : c.range)
        EXPECT_TRUE(drawn.contains(value)) << c.key << " never drew " << value.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Settings, COptionsRandomTest,
    ::testing::Values(
        RandomCase{"fGarlandRandom",
                   "strGarland",
                   [](const COptions& o) { return o.strGarland; },
                   {"multicolor", "blue", "white", "multicolor_strawberry", "blue_strawberry",
                    "pine", "christmas_pine", "icicle", "ball", "backlight", "snowflake"}},
        RandomCase{"fFlashRandom", "iFlash",
                   [](const COptions& o) { return QString::number(o.iFlash); }, numbers(0, 4)},
        RandomCase{"fSnowTypeRandom",
                   "strSnowType",
                   [](const COptions& o) { return o.strSnowType; },
                   {"fluffy", "fine", "thick", "sparkling", "fantasy", "deep"}},
        RandomCase{"fSnowDensityRandom", "uSnowDensity",
                   [](const COptions& o) { return QString::number(o.uSnowDensity); },
                   numbers(4, 6)},
        RandomCase{"fSnowWindRandom", "uSnowWind",
                   [](const COptions& o) { return QString::number(o.uSnowWind); }, numbers(1, 9)},
        RandomCase{"fCursorTypeRandom",
                   "strCursorType",
                   [](const COptions& o) { return o.strCursorType; },
                   {"FAIRY_DUST", "SNOW", "STOCKING"}},
        RandomCase{"fTreeRandom", "iTree",
                   [](const COptions& o) { return QString::number(o.iTree); }, numbers(0, 4)},
        RandomCase{"fTreeSpeedRandom", "iTreeSpeed",
                   [](const COptions& o) { return QString::number(o.iTreeSpeed); },
                   numbers(1, 10)}),
    [](const auto& testCase) { return std::string(testCase.param.key); });

TEST_F(COptionsTest, FailedSavesKeepTheOldFileWholeAndAreReported)
{
    const std::string file = "<Options><fSnow>0</fSnow></Options>";
    writeSettings(QByteArray::fromStdString(file));
    options.Load();
    options.fSnow = true;
    // A file the user made read-only.
    QFile::setPermissions(services.settingsPath(), QFile::ReadOwner);
    options.Save();
    QFile::setPermissions(services.settingsPath(), QFile::ReadOwner | QFile::WriteOwner);
    // A full disk: no file may grow past 64 bytes while saving.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{64, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    options.Save();
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(settingsFile(), file);
    ASSERT_EQ(services.dialogs.m_shown.size(), 2u);
    for (const auto& shown : services.dialogs.m_shown) {
        EXPECT_EQ(shown.text, "Unable to save XML document.");
        EXPECT_EQ(shown.caption, "Yulavin");
    }
}

} // namespace
