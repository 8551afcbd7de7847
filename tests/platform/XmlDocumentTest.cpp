#include "platform/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class XmlDocumentTest : public ::testing::Test {
protected:
    QByteArray roundTrip(const QByteArray& bytes, const QString& newText = {})
    {
        const QString path = dir.filePath("doc.xml");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        auto doc = platform::XmlDocument::create();
        if (!doc->load(path))
            return "not loaded";
        if (!newText.isNull())
            doc->setText(doc->selectSingleNode("Options/a"), newText);
        if (!doc->save(path))
            return "not saved";
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    QTemporaryDir dir;
};

TEST_F(XmlDocumentTest, BytesOutsideTheRootComeBackUnchanged)
{
    const QByteArray file = "\xEF\xBB\xBF<?xml version='1.0' encoding='utf-8'?>\r\n<!-- a > b -->\r\n"
                            "<Options>\r\n  <a>1</a>\r\n</Options>\r\n<!-- </Options> -->\r\n<?pi x?>\n\n";
    EXPECT_EQ(roundTrip(file), file);
    QByteArray changed = file;
    changed.replace("<a>1</a>", "<a>2 &amp; 3</a>");
    EXPECT_EQ(roundTrip(file, "2 & 3"), changed);
}

TEST_F(XmlDocumentTest, TextIsAllTextBelowTheElement)
{
    auto doc = platform::XmlDocument::create();
    ASSERT_TRUE(doc->loadXml("<Options><a>x<!--c-->y<b>z</b><![CDATA[<w>]]></a><a>second</a></Options>"));
    EXPECT_EQ(doc->text(doc->selectSingleNode("Options/a")), "xyz<w>");
    EXPECT_TRUE(doc->selectSingleNode("Options/missing").isNull());
    EXPECT_TRUE(doc->selectSingleNode("Other/a").isNull());
}

TEST_F(XmlDocumentTest, EmptyOrBrokenInputDoesNotLoad)
{
    auto doc = platform::XmlDocument::create();
    EXPECT_FALSE(doc->loadXml(""));
    EXPECT_FALSE(doc->loadXml("<Options>"));
    EXPECT_FALSE(doc->loadXml("<!-- only a comment -->"));
    EXPECT_FALSE(doc->load(dir.filePath("missing.xml")));
}

TEST_F(XmlDocumentTest, SaveKeepsThePermissionsOfTheFileItReplaces)
{
    const QString path = dir.filePath("doc.xml");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("<Options/>");
    file.close();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    auto doc = platform::XmlDocument::create();
    ASSERT_TRUE(doc->load(path));
    ASSERT_TRUE(doc->save(path));
    EXPECT_EQ(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner); // owner, group, other
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace
