#include "platform/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class XmlDocumentTest : public ::testing::Test {
protected:
    // The file's bytes after a load and a save, with Options/a's text changed
    // when asked.
    QByteArray roundTrip(const QByteArray& bytes, const QString& newText = {})
    {
        QFile file(dir.filePath("doc.xml"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        auto doc = platform::XmlDocument::create();
        if (!doc->load(file.fileName()))
            return "not loaded";
        if (!newText.isNull())
            doc->setText(doc->selectSingleNode("Options/a"), newText);
        if (!doc->save(file.fileName()))
            return "not saved";
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    QTemporaryDir dir;
};

TEST_F(XmlDocumentTest, BytesOutsideTheRootComeBackUnchanged)
{
    const QByteArray file =
        "\xEF\xBB\xBF<?xml version='1.0' encoding='utf-8'?>\r\n<!-- a > b -->\r\n"
        "<Options>\r\n  <a>1</a>\r\n</Options>\r\n<!-- </Options> -->\r\n<?pi x?>\n\n";
    EXPECT_EQ(roundTrip(file), file);
    QByteArray changed = file;
    changed.replace("<a>1</a>", "<a>2 &amp; 3</a>");
    EXPECT_EQ(roundTrip(file, "2 & 3"), changed);
}

QByteArray utf16(const char* text, bool bigEndian)
{
    QStringEncoder encoder(bigEndian ? QStringEncoder::Utf16BE : QStringEncoder::Utf16LE);
    return encoder.encode(QString::fromUtf8(text));
}

struct EncodingCase {
    const char* name;
    QByteArray file;
    const char* text; // Options/a's new text
    QByteArray saved;
};

class XmlDocumentEncodingTest : public XmlDocumentTest,
                                public ::testing::WithParamInterface<EncodingCase> {};

// Each file is saved in the encoding it was read in, twice in a row, and
// reads back with the new text.
TEST_P(XmlDocumentEncodingTest, SavesInTheEncodingItRead)
{
    const EncodingCase& c = GetParam();
    const QByteArray once = roundTrip(c.file, QString::fromUtf8(c.text));
    EXPECT_EQ(once.toHex(' ').toStdString(), c.saved.toHex(' ').toStdString());
    EXPECT_EQ(roundTrip(once, QString::fromUtf8(c.text)).toHex(' ').toStdString(),
              c.saved.toHex(' ').toStdString());
}

// The declaration is written back with double quotes where it is rewritten.
const char kLatin1[] = R"(<?xml version="1.0" encoding="ISO-8859-1"?>)";

INSTANTIATE_TEST_SUITE_P(
    Encodings, XmlDocumentEncodingTest,
    ::testing::Values(
        EncodingCase{"Latin1", QByteArray(kLatin1) + "<!--\xE9--><Options><a>x</a></Options>",
                     "\xC3\xA9", QByteArray(kLatin1) + "<!--\xE9--><Options><a>\xE9</a></Options>"},
        EncodingCase{"Latin1WithoutRoom", QByteArray(kLatin1) + "<Options><a>x</a></Options>",
                     "\xE2\x82\xAC",
                     R"(<?xml version="1.0" encoding="UTF-8"?>)"
                     "<Options><a>\xE2\x82\xAC</a></Options>"},
        EncodingCase{"Utf16BigEndian", "\xFE\xFF" + utf16("<Options><a>x</a></Options>", true),
                     "\xC3\xA9", "\xFE\xFF" + utf16("<Options><a>\xC3\xA9</a></Options>", true)},
        EncodingCase{"Utf16WithoutMark",
                     utf16(R"(<?xml version="1.0"?><Options><a/></Options>)", false), "\xC3\xA9",
                     utf16(R"(<?xml version="1.0"?><Options><a>)"
                           "\xC3\xA9</a></Options>",
                           false)},
        EncodingCase{"NulAfterTheRoot",
                     "<Options><a>x</a></Options>\n" + QByteArray(1, 0) + "<!--\xE9-->", "\xC3\xA9",
                     "<Options><a>\xC3\xA9</a></Options>\n" + QByteArray(1, 0) + "<!--\xE9-->"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// Sets the process's file-creation mask for one test.
class UmaskScope {
public:
    explicit UmaskScope(mode_t mask) : m_previous(::umask(mask)) {}
    ~UmaskScope() { ::umask(m_previous); }
    UmaskScope(const UmaskScope&) = delete;
    UmaskScope& operator=(const UmaskScope&) = delete;

private:
    mode_t m_previous;
};

// The file's type and permissions in octal, as ls shows them: "100644".
std::string modeOf(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return "missing";
    return QString::number(info.st_mode, 8).toStdString();
}

std::string regularFileMode(mode_t permissions)
{
    return QString::number(S_IFREG | permissions, 8).toStdString();
}

class XmlDocumentModeTest : public XmlDocumentTest, public ::testing::WithParamInterface<mode_t> {};

// A mask that gives new files 0600, so that a kept mode cannot be mistaken
// for a new file's.
TEST_P(XmlDocumentModeTest, SaveKeepsThePermissionsOfTheFileItReplaces)
{
    const UmaskScope mask(077);
    const QString path = dir.filePath("doc.xml");
    QFile(path).open(QIODevice::WriteOnly);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), GetParam()), 0);
    auto doc = platform::XmlDocument::create();
    ASSERT_TRUE(doc->loadXml("<Options/>"));
    ASSERT_TRUE(doc->save(path));
    EXPECT_EQ(modeOf(path), regularFileMode(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Modes, XmlDocumentModeTest, ::testing::Values(0600, 0640, 0644, 0664),
                         [](const auto& testCase) {
                             return "Mode0" + QString::number(testCase.param, 8).toStdString();
                         });

// A link to a device or a FIFO, which everyone may write to, is replaced by a
// file with a new file's permissions, not theirs.
TEST_F(XmlDocumentTest, SaveGivesAFileReplacingADeviceANewFilesPermissions)
{
    const UmaskScope mask(022);
    const QString path = dir.filePath("doc.xml"), fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(fifo).constData(), 0666), 0);
    auto doc = platform::XmlDocument::create();
    ASSERT_TRUE(doc->loadXml("<Options/>"));
    for (const QString& device : {QStringLiteral("/dev/zero"), QStringLiteral("/dev/null"), fifo}) {
        QFile::remove(path);
        ASSERT_TRUE(QFile::link(device, path));
        ASSERT_TRUE(doc->save(path)) << device.toStdString();
        EXPECT_EQ(modeOf(path), regularFileMode(0644)) << device.toStdString();
    }
}

// A linked file is written through its link; a link to anything but a
// regular file is replaced. A killed save's temporary goes at the next save.
TEST_F(XmlDocumentTest, SaveWritesThroughALinkAndClearsStaleTemporaries)
{
    QDir(dir.path()).mkdir("real");
    const QString link = dir.filePath("doc.xml"), target = dir.filePath("real/doc.xml");
    QFile(dir.filePath("real/.settings-AbC123")).open(QIODevice::WriteOnly);
    QFile::link("real/doc.xml", link);
    auto doc = platform::XmlDocument::create();
    ASSERT_TRUE(doc->loadXml("<Options/>"));
    ASSERT_TRUE(doc->save(link));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QDir(dir.filePath("real")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"doc.xml"});
    EXPECT_TRUE(doc->load(target));
    QFile::remove(target);
    ASSERT_EQ(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    ASSERT_TRUE(doc->save(link));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(doc->load(link));
}

TEST_F(XmlDocumentTest, TextIsAllTextBelowTheElementAndBrokenInputDoesNotLoad)
{
    auto doc = platform::XmlDocument::create();
    ASSERT_TRUE(
        doc->loadXml("<Options><a>x<!--c-->y<b>z</b><![CDATA[<w>]]></a><a>second</a></Options>"));
    EXPECT_EQ(doc->text(doc->selectSingleNode("Options/a")), "xyz<w>");
    EXPECT_TRUE(doc->selectSingleNode("Options/missing").isNull());
    EXPECT_TRUE(doc->selectSingleNode("Other/a").isNull());
    for (const char* broken : {"", "<Options>", "<!-- only a comment -->", "<Options/><Options/>"})
        EXPECT_FALSE(doc->loadXml(broken)) << broken;
    EXPECT_FALSE(doc->load(dir.filePath("missing.xml")));
    // Nesting deeper than any stack is read and replaced.
    const int depth = 100000;
    ASSERT_TRUE(doc->loadXml("<Options><a>" + QString("<b>").repeated(depth) + "x" +
                             QString("</b>").repeated(depth) + "</a></Options>"));
    EXPECT_EQ(doc->text(doc->selectSingleNode("Options/a")), "x");
    doc->setText(doc->selectSingleNode("Options/a"), "y");
    EXPECT_EQ(doc->text(doc->selectSingleNode("Options/a")), "y");
}

} // namespace
