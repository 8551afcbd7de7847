#include "PictureMeasures.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

using namespace PictureMeasures;

namespace {

TEST(LogonPictures, PreviewsShowTheirPictures)
{
    // The Logon page shows the preview and installs the picture; a preview of
    // another scene or a cut-out would promise the user something else.
    const QDir folder(QStringLiteral(YULAVIN_BIN_DIR "/logon"));
    const QStringList previews =
        folder.entryList({QStringLiteral("*_preview.jpg")}, QDir::Files, QDir::Name);
    ASSERT_EQ(previews.size(), 14);
    std::vector<QImage> shrunk;
    for (const QString& previewName : previews) {
        SCOPED_TRACE(previewName.toStdString());
        const QImage preview(folder.filePath(previewName));
        const QImage picture(folder.filePath(QString(previewName).remove("_preview")));
        ASSERT_FALSE(picture.isNull() || preview.isNull());
        shrunk.push_back(
            picture.scaled(preview.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        EXPECT_LT(meanDifference(shrunk.back(), preview), 4.0);
    }
    // And each preview is its own scene, not its neighbour's.
    for (size_t i = 0; i + 1 < shrunk.size(); ++i)
        EXPECT_GT(meanDifference(shrunk[i], shrunk[i + 1]), 8.0)
            << previews[int(i)].toStdString() << " looks like the next scene";
}

} // namespace
