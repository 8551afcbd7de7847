#include "decorations/FrameCountLog.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The log file is chosen once per process, so this program holds one case.
TEST(FrameCountLogTest, NamedFileGetsTheWindowsFramesDrawnAndPushed)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("frames.log"));
    ASSERT_EQ(setenv("YULAVIN_FRAME_LOG", path.toLocal8Bit().constData(), 1), 0);

    FrameCountLog snow;
    FrameCountLog cursor;
    // The first frame of each window writes a line at once; later ones wait a second.
    snow.count("8CDlgSnow", 1200, 3);
    cursor.count("10CDlgCursor", 0, 0);
    snow.count("8CDlgSnow", 900, 2);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_GT(lines[0].split(' ')[0].toLongLong(), 0);
    EXPECT_EQ(lines[0].split(' ').mid(1), (QList<QByteArray>{"CDlgSnow", "1", "1", "1200", "3"}));
    EXPECT_EQ(lines[1].split(' ').mid(1), (QList<QByteArray>{"CDlgCursor", "1", "0", "0", "0"}));
}

} // namespace
