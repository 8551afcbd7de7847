#include "platform/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class XmlDocumentTest : public ::testing::Test {
protected:
    // The file's bytes after a load and a save, with Options/a's text changed
    // when asked.
    QByteArray roundTrip(const QByteArray& bytes, const QString& newText = {},
                         QFile::Permissions permissions = {})
    {
        QFile file(dir.filePath("doc.xml"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        if (permissions)
            file.setPermissions(permissions);
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

TEST_F(XmlDocumentTest, SaveKeepsThePermissionsOfTheFileItReplaces)
{
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    EXPECT_EQ(roundTrip("<Options/>", {}, ownerOnly), "<Options/>");
    EXPECT_EQ(QFile::permissions(dir.filePath("doc.xml")) & 0x7077, ownerOnly); // all but user's
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(XmlDocumentTest, TextIsAllTextBelowTheElementAndBrokenInputDoesNotLoad)
{
    auto doc = platform::XmlDocument::create();
    ASSERT_TRUE(
        doc->loadXml("<Options><a>x<!--c-->y<b>z</b><![CDATA[<w>]]></a><a>second</a></Options>"));
    EXPECT_EQ(doc->text(doc->selectSingleNode("Options/a")), "xyz<w>");
    EXPECT_TRUE(doc->selectSingleNode("Options/missing").isNull());
    EXPECT_TRUE(doc->selectSingleNode("Other/a").isNull());
    for (const char* broken : {"", "<Options>", "<!-- only a comment -->"})
        EXPECT_FALSE(doc->loadXml(broken)) << broken;
    EXPECT_FALSE(doc->load(dir.filePath("missing.xml")));
}

} // namespace
