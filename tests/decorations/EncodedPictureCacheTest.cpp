#include "decorations/EncodedPictureCache.h"
#include "core/ProgramResources.h"

#include <gtest/gtest.h>

namespace {

// A broken install: bytes that are no picture, or a picture that is missing,
// give an empty picture and never a crash.
TEST(EncodedPictureCache, BadBytesAndIndexesGiveNoPicture)
{
    EncodedPictureCache cache;
    cache.append(QByteArray("not a picture"));
    cache.append(QByteArray());
    for (int index : {0, 1, 2, -1})
        EXPECT_TRUE(cache.picture(index).isNull()) << index;
    EXPECT_TRUE(LoadPngResourceBytes(201).isEmpty());
}

} // namespace
