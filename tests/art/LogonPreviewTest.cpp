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
    ASSERT_GE(previews.size(), 14);
    std::vector<QImage> pictures;
    for (const QString& previewName : previews) {
        QString name = previewName;
        name.chop(int(sizeof("_preview.jpg")) - 1);
        SCOPED_TRACE(name.toStdString());
        const QImage picture(folder.filePath(name + QStringLiteral(".jpg")));
        const QImage preview(folder.filePath(previewName));
        ASSERT_FALSE(picture.isNull());
        ASSERT_FALSE(preview.isNull());
        EXPECT_EQ(picture.width() * 9, picture.height() * 16);
        EXPECT_EQ(preview.width() * 9, preview.height() * 16);
        EXPECT_LT(preview.width(), picture.width());
        const QImage shrunk =
            picture.scaled(preview.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(shrunk, preview), 4.0);
        pictures.push_back(shrunk);
    }
    // And each preview is its own scene, not its neighbour's.
    for (size_t i = 0; i + 1 < pictures.size(); ++i)
        EXPECT_GT(meanDifference(pictures[i], pictures[i + 1]), 8.0)
            << previews[int(i)].toStdString() << " looks like the next scene";
}

} // namespace
