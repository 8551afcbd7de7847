#include "platform/QtShell.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::QtShell;

// Web addresses go to the browser as written (a query with spaces or
// Cyrillic words encoded, not rejected); anything else is a local file.
TEST(QtShell, TargetIsTheWebAddressOrTheLocalFile)
{
    const struct {
        QString target;
        QString opened;
    } cases[] = {
        {QString::fromUtf8("https://example.org/wallpapers?tag=новый+год&lng=ru"),
         "https://example.org/"
         "wallpapers?tag=%D0%BD%D0%BE%D0%B2%D1%8B%D0%B9+%D0%B3%D0%BE%D0%B4&lng=ru"},
        {"http://example.org/xmascountdown", "http://example.org/xmascountdown"},
        {"/tmp/credits page.html", "file:///tmp/credits%20page.html"},
        {"file:///tmp/credits%20page.html", "file:///tmp/credits%20page.html"},
        {"credits.html", QUrl::fromLocalFile(QDir::current().absoluteFilePath("credits.html"))
                             .toString(QUrl::FullyEncoded)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QtShell::targetUrl(c.target).toString(QUrl::FullyEncoded), c.opened)
            << c.target.toStdString();
    }
}

TEST(QtShell, EmptyTargetOrMissingFileOpensNothing)
{
    QTemporaryDir dir;
    QtShell shell;
    EXPECT_FALSE(QtShell::targetUrl(QString()).isValid());
    EXPECT_FALSE(shell.open(QString()));
    EXPECT_FALSE(shell.open(dir.filePath("no such page.html")));
}
