#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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

// What can stand in a language file's place: none may block, exhaust memory
// or be read whole when only its name is wanted.
TEST(IniFile, ReadsRegularFilesOfSaneSizeOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.lng");
    const QByteArray head = "[Language]\nlang_en=Big\n[Text]\n";
    const QByteArray lines = QByteArray("1=") + QByteArray(98, 'a') + "\n";
    const auto write = [&](const QByteArray& bytes) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    };
    write(head + lines.repeated(2000) + "2=last\n"); // 200 kB
    EXPECT_EQ(platform::IniFile(path).value("Text", "2", "?"), "last");
    const platform::IniFile name(path, platform::IniFile::kHeadSize);
    EXPECT_EQ(name.value("Language", "lang_en", "?"), "Big");
    EXPECT_EQ(name.value("Text", "2", "?"), "?");
    write(head + lines.repeated(11000)); // over a megabyte
    EXPECT_FALSE(platform::IniFile(path, platform::IniFile::kHeadSize).isOpen());
    QFile::remove(path);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_FALSE(platform::IniFile(path).isOpen());
    QFile::remove(path);
    QFile::link("/dev/zero", path);
    EXPECT_FALSE(platform::IniFile(path).isOpen());
}

} // namespace
