#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A hand-edited file, not even UTF-8 (then it is Latin-1): what each key
// reads as, "?" being the default.
TEST(IniFile, ReadsAHostileFileAsTheProgramExpects)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("test.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1=stray\n  [ Language ]  \r\n  LANG_EN =  German  \r\nlang_en=second\r\n"
               "[Text]\nno equals here\n; 2=comment\n1=caf\xE9\n"
               "[T]\na=\"x\"\nb='y'\nc=\"z'\nd=\"\"w\"\"\n");
    file.close();
    const platform::IniFile ini(file.fileName());
    const struct {
        const char* section;
        const char* key;
        QString value;
    } cases[] = {
        {"language", "lang_en", "German"},
        {"Text", "1", QString::fromUtf8("café")},
        {"Other", "1", "?"},
        {"Text", "2", "?"},
        {"Text", "; 2", "?"},
        {"T", "a", "x"},
        {"T", "b", "y"},
        {"T", "c", "\"z'"},
        {"T", "d", "\"w\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.value(c.section, c.key, "?"), c.value) << c.section << "/" << c.key;
    const platform::IniFile missing(dir.filePath("none.ini"));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(missing.value("a", "b", "?"), "?");
}

} // namespace
