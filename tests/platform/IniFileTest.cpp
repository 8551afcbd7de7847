#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    platform::IniFile write(const QByteArray& bytes)
    {
        QFile file(dir.filePath("test.ini"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        return platform::IniFile(file.fileName());
    }
    QTemporaryDir dir;
};

TEST_F(IniFileTest, NamesMatchWithoutCaseAndBlanksAreTrimmed)
{
    const auto ini = write("  [ Language ]  \r\n  LANG_EN =  German  \r\nlang_en=second\r\n");
    EXPECT_EQ(ini.value("language", "lang_en", "x"), "German");
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    const platform::IniFile missing(dir.filePath("none.ini"));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(missing.value("a", "b", "default"), "default");
    const auto ini = write("[Text]\n1=one\n");
    EXPECT_EQ(ini.value("Other", "1", "default"), "default");
    EXPECT_EQ(ini.value("Text", "2", "default"), "default");
}

TEST_F(IniFileTest, KeysOutsideSectionsAndLinesWithoutEqualsAreIgnored)
{
    const auto ini = write("1=stray\n[Text]\nno equals here\n; 2=comment\n1=one\n");
    EXPECT_EQ(ini.value("Text", "1", "x"), "one");
    EXPECT_EQ(ini.value("Text", "; 2", "x"), "x");
}

TEST_F(IniFileTest, BrokenUtf8IsReadAsLatin1)
{
    const auto ini = write("[Text]\n1=caf\xE9\n");
    EXPECT_EQ(ini.value("Text", "1", "x"), QString::fromUtf8("café"));
}

TEST_F(IniFileTest, OnePairOfEnclosingQuotesGoes)
{
    const auto ini = write("[T]\na=\"x\"\nb='y'\nc=\"z'\nd=\"\"w\"\"\n");
    EXPECT_EQ(ini.value("T", "a", ""), "x");
    EXPECT_EQ(ini.value("T", "b", ""), "y");
    EXPECT_EQ(ini.value("T", "c", ""), "\"z'");
    EXPECT_EQ(ini.value("T", "d", ""), "\"w\"");
}

} // namespace
