#include "decorations/EncodedPictureCache.h"
#include "core/ProgramResources.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray pngOf(QColor colour)
{
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST(EncodedPictureCache, DecodesEachPictureAsLoadPngResourceWould)
{
    EncodedPictureCache cache;
    cache.append(LoadPngResourceBytes(374));
    cache.append(LoadPngResourceBytes(375));
    ASSERT_EQ(cache.count(), 2);
    EXPECT_EQ(cache.picture(0), *LoadPngResource(374));
    EXPECT_EQ(cache.picture(1), *LoadPngResource(375));
    EXPECT_EQ(cache.picture(1).format(), QImage::Format_ARGB32_Premultiplied);
}

TEST(EncodedPictureCache, KeepsOnlyTheMostRecentPicturesDecoded)
{
    EncodedPictureCache cache(2);
    cache.append(pngOf(Qt::red));
    cache.append(pngOf(Qt::green));
    cache.append(pngOf(Qt::blue));
    const qint64 red = cache.picture(0).cacheKey();
    cache.picture(1);
    EXPECT_EQ(cache.decodedCount(), 2u);
    // Asked again, the cached picture comes back as it was.
    EXPECT_EQ(cache.picture(0).cacheKey(), red);
    cache.picture(2);
    EXPECT_EQ(cache.decodedCount(), 2u);
    // Green was the least recently used and went; red stayed.
    EXPECT_EQ(cache.picture(0).cacheKey(), red);
    EXPECT_EQ(cache.picture(1).pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(cache.picture(2).pixel(0, 0), qRgb(0, 0, 255));
}

TEST(EncodedPictureCache, BadBytesAndIndexesGiveNoPicture)
{
    EncodedPictureCache cache;
    cache.append(QByteArray("not a picture"));
    cache.append(QByteArray());
    EXPECT_TRUE(cache.picture(0).isNull());
    EXPECT_TRUE(cache.picture(1).isNull());
    EXPECT_TRUE(cache.picture(2).isNull());
    EXPECT_TRUE(cache.picture(-1).isNull());
    cache.clear();
    EXPECT_TRUE(cache.isEmpty());
    EXPECT_EQ(cache.decodedCount(), 0u);
}

TEST(LoadPngResourceBytes, GivesTheEncodedPictureOrNothing)
{
    const QByteArray bytes = LoadPngResourceBytes(400);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.startsWith("\x89PNG"));
    // Far smaller than the 4 MB the picture takes decoded.
    EXPECT_LT(bytes.size(), 1'000'000);
    EXPECT_TRUE(LoadPngResourceBytes(201).isEmpty());
}

} // namespace
