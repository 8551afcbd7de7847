#include "core/COptions.h"
#include "platform/RuntimeLibrary.h"
#include "platform/XmlDocument.h"
#include "support/FakePlatform.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

// Every setting, in the order the file lists them.
const QStringList kFileOrder =
    QStringLiteral("fAutoRun Language fDisableAtHighLoad fGarland fGarlandTop fGarlandRandom "
                   "strGarland fFlashRandom iFlash iFlashSpeed fTop fSnow fSnowTypeRandom "
                   "strSnowType fSnowDensityRandom uSnowDensity fSnowWindRandom uSnowWind "
                   "uSnowSpeed fSnowTop fSnowAcumulate fCursorEnable fCursorTypeRandom "
                   "strCursorType fCursorTop iSoundStartup iSoundStartupVolume iSoundEveryHour "
                   "iSoundEveryHourVolume iSoundBackground iSoundBackgroundVolume fTree fTreeTop "
                   "fTreeRandom iTree iTreeX iTreeY fTreeSpeedRandom iTreeSpeed fFrostEnable "
                   "uFrostWaitTime fLogon LogonImage")
        .split(QLatin1Char(' '));

// The element names under Options, in document order.
QStringList elementNames(const QByteArray& xml)
{
    QStringList names;
    static const QRegularExpression open(QStringLiteral("<([A-Za-z]+)(/?)>"));
    for (auto it = open.globalMatch(QString::fromUtf8(xml)); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (name != QLatin1String("Options"))
            names << name;
    }
    return names;
}

class COptionsTest : public ::testing::Test {
protected:
    void writeSettings(const QByteArray& xml)
    {
        FakePlatform::writeFile(services.settingsPath(), xml);
    }
    QByteArray settingsFile() const { return FakePlatform::readFile(services.settingsPath()); }

    FakePlatform services;
};

TEST_F(COptionsTest, FirstRunKeepsDefaultsAndWritesAllKeysInFileOrder)
{
    COptions options;
    options.Load();
    EXPECT_FALSE(options.m_bFileRead);
    EXPECT_EQ(options.Language, "English");
    EXPECT_EQ(options.strGarland, "multicolor");
    EXPECT_EQ(options.strSnowType, "fluffy");
    EXPECT_EQ(options.strCursorType, "FAIRY_DUST");
    EXPECT_EQ(options.iSoundStartup, 10);
    EXPECT_EQ(options.iTree, 2);
    EXPECT_EQ(options.iTreeX, -1);
    EXPECT_EQ(options.uFrostWaitTime, 10u);

    options.Save();
    const QByteArray file = settingsFile();
    EXPECT_EQ(elementNames(file), kFileOrder);
    EXPECT_TRUE(file.contains("<Options><fAutoRun>1</fAutoRun><Language>English</Language>"));
    EXPECT_TRUE(file.contains("<iTreeX>-1</iTreeX>"));
    EXPECT_TRUE(file.contains("<LogonImage>blue</LogonImage></Options>"));
    EXPECT_TRUE(services.dialogs.m_shown.empty());
}

TEST_F(COptionsTest, MissingKeysKeepDefaultsAndAreAppendedOnSave)
{
    writeSettings(
        "<?xml version='1.0'?><Options><uSnowDensity>7</uSnowDensity><fSnow>0</fSnow></Options>");
    COptions options;
    options.Load();
    EXPECT_TRUE(options.m_bFileRead);
    EXPECT_EQ(options.uSnowDensity, 7u);
    EXPECT_FALSE(options.fSnow);
    EXPECT_EQ(options.uSnowWind, 5u);

    options.Save();
    QStringList expected = kFileOrder;
    expected.removeAll("uSnowDensity");
    expected.removeAll("fSnow");
    expected.prepend("fSnow");
    expected.prepend("uSnowDensity");
    EXPECT_EQ(elementNames(settingsFile()), expected);
}

TEST_F(COptionsTest, EverythingElseInTheFileSurvivesByteForByte)
{
    QByteArray file = "<?xml version=\"1.0\"?>\n<!-- my settings -->\n<Options version=\"2\">\n";
    COptions defaults;
    for (const QString& key : kFileOrder) {
        file += "    <!-- " + key.toUtf8() + " -->\n";
        file += "    <" + key.toUtf8() + ">";
        if (key == "Language")
            file += "English";
        else if (key == "strGarland")
            file += "multicolor";
        else if (key == "strSnowType")
            file += "fluffy";
        else if (key == "strCursorType")
            file += "FAIRY_DUST";
        else if (key == "LogonImage")
            file += "blue";
        else
            file += "0";
        file += "</" + key.toUtf8() + ">\n";
    }
    file += "    <Unknown attr=\"x\">keep &amp; me</Unknown>\n</Options>\n<!-- trailer -->\n";
    writeSettings(file);

    COptions options;
    options.Load();
    options.Save();
    EXPECT_EQ(settingsFile(), file);
}

struct NumberCase {
    const char* key;
    const char* text;
    const char* expectedWritten;
};

class COptionsNumberTest : public COptionsTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(COptionsNumberTest, ReadsLikeTheRuntimeAndWritesSigned)
{
    const NumberCase& c = GetParam();
    writeSettings(QByteArray("<Options><") + c.key + ">" + c.text + "</" + c.key + "></Options>");
    COptions options;
    options.Load();
    options.Save();
    const QByteArray expected =
        QByteArray("<") + c.key + ">" + c.expectedWritten + "</" + c.key + ">";
    EXPECT_TRUE(settingsFile().contains(expected)) << settingsFile().constData();
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, COptionsNumberTest,
    ::testing::Values(NumberCase{"iFlashSpeed", "7", "7"}, NumberCase{"iFlashSpeed", " 7x", "7"},
                      NumberCase{"iFlashSpeed", "abc", "0"}, NumberCase{"iFlashSpeed", "", "5"},
                      NumberCase{"iFlashSpeed", "+12", "12"},
                      NumberCase{"iTreeX", "99999999999", "2147483647"},
                      NumberCase{"iTreeX", "-99999999999", "-2147483648"},
                      NumberCase{"uSnowWind", "-1", "-1"}, NumberCase{"fSnow", "2", "1"},
                      NumberCase{"fSnow", "-1", "1"}, NumberCase{"fAutoRun", "0", "0"},
                      NumberCase{"fAutoRun", "", "1"}, NumberCase{"fGarland", "5", "1"}),
    [](const auto& testCase) { return std::to_string(testCase.index) + "_" + testCase.param.key; });

TEST_F(COptionsTest, MinusOneInAnUnsignedKeyReadsAsAllBitsSet)
{
    writeSettings("<Options><uSnowWind>-1</uSnowWind></Options>");
    COptions options;
    options.Load();
    EXPECT_EQ(options.uSnowWind, 4294967295u);
}

TEST_F(COptionsTest, OnlyTheFirstOfDuplicateElementsIsReadAndWritten)
{
    writeSettings("<Options><iFlash>3</iFlash><iFlash>4</iFlash></Options>");
    COptions options;
    options.Load();
    EXPECT_EQ(options.iFlash, 3);
    options.iFlash = 2;
    options.Save();
    EXPECT_TRUE(settingsFile().startsWith("<Options><iFlash>2</iFlash><iFlash>4</iFlash>"));
}

TEST_F(COptionsTest, MissingLanguageElementMakesItEmptyAndIsSavedEmpty)
{
    writeSettings("<Options><fSnow>1</fSnow></Options>");
    COptions options;
    options.Load();
    EXPECT_TRUE(options.Language.isEmpty());
    options.Save();
    EXPECT_TRUE(settingsFile().contains("<Language/>"));
}

TEST_F(COptionsTest, FileWithoutOptionsRootGivesDefaultsAndStoresNothing)
{
    const QByteArray file = "<Settings><fSnow>0</fSnow></Settings>";
    writeSettings(file);
    COptions options;
    options.Load();
    EXPECT_TRUE(options.m_bFileRead);
    EXPECT_TRUE(options.fSnow);
    EXPECT_TRUE(options.Language.isEmpty());
    options.Save();
    EXPECT_EQ(settingsFile(), file);
    EXPECT_TRUE(services.dialogs.m_shown.empty());
}

TEST_F(COptionsTest, BrokenFileCountsAsFirstRunAndIsReplacedOnSave)
{
    writeSettings("<Options><fSnow>0</fSn");
    COptions options;
    options.Load();
    EXPECT_FALSE(options.m_bFileRead);
    EXPECT_TRUE(options.fSnow);
    options.Save();
    EXPECT_EQ(elementNames(settingsFile()), kFileOrder);
}

TEST_F(COptionsTest, ReadOnlyFileIsKeptAndTheSaveIsReported)
{
    const QByteArray file = "<Options><fSnow>0</fSnow></Options>";
    writeSettings(file);
    QFile::setPermissions(services.settingsPath(), QFile::ReadOwner | QFile::ReadGroup);
    COptions options;
    options.Load();
    EXPECT_FALSE(options.fSnow);
    options.fSnow = true;
    options.Save();
    EXPECT_EQ(settingsFile(), file);
    ASSERT_EQ(services.dialogs.m_shown.size(), 1u);
    EXPECT_EQ(services.dialogs.m_shown[0].text, "Unable to save XML document.");
    EXPECT_EQ(services.dialogs.m_shown[0].caption, "Yulavin");
}

TEST_F(COptionsTest, FailedWriteLeavesTheOldFileWhole)
{
    const QByteArray file = "<Options><fSnow>0</fSnow></Options>";
    writeSettings(file);
    COptions options;
    options.Load();
    options.fSnow = true;

    // A full disk: no file may grow past 64 bytes while saving.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    options.Save();
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_EQ(settingsFile(), file);
    ASSERT_EQ(services.dialogs.m_shown.size(), 1u);
    EXPECT_EQ(services.dialogs.m_shown[0].text, "Unable to save XML document.");
}

TEST_F(COptionsTest, RandomAtStartDrawsInFileOrderAndIgnoresStoredValues)
{
    // The settings seed the generator with the time: 1 gives 41, 18467, 6334...
    services.clock.setUnixTime(1);
    writeSettings("<Options><fGarlandRandom>1</fGarlandRandom><strGarland>pine</strGarland>"
                  "<fSnowDensityRandom>1</fSnowDensityRandom><uSnowDensity>9</uSnowDensity>"
                  "<fTreeSpeedRandom>1</fTreeSpeedRandom><iTreeSpeed>2</iTreeSpeed></Options>");
    COptions options;
    options.Load();
    EXPECT_EQ(options.strGarland, "ball"); // 41 % 11 = 8
    EXPECT_EQ(options.uSnowDensity, 6u);   // 18467 % 3 + 4
    EXPECT_EQ(options.iTreeSpeed, 5);      // 6334 % 10 + 1
    EXPECT_EQ(options.iFlash, 1);
    options.Save();
    EXPECT_TRUE(settingsFile().contains("<strGarland>ball</strGarland>"));
    EXPECT_TRUE(settingsFile().contains("<uSnowDensity>6</uSnowDensity>"));
}

TEST_F(COptionsTest, ParserThatCannotBeMadeIsReportedAndChangesNothing)
{
    platform::XmlDocument::setCreationFailsForTesting(true);
    COptions options;
    options.Load();
    options.Save();
    platform::XmlDocument::setCreationFailsForTesting(false);
    EXPECT_TRUE(options.m_bFileRead);
    EXPECT_FALSE(QFile::exists(services.settingsPath()));
    ASSERT_EQ(services.dialogs.m_shown.size(), 2u);
    EXPECT_EQ(services.dialogs.m_shown[0].text, "Unable to create XML parser object.");
    EXPECT_EQ(services.dialogs.m_shown[1].text, "Unable to create XML parser object.");
}

} // namespace
