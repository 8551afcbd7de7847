#include "PaintedPictures.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureGenerator, PaintsTheSamePicturesEveryRun)
{
    // The packed pictures are rebuilt on every build machine; a picture that
    // changed from run to run would change the program with no code change.
    const auto first = paintAllGroups();
    const auto second = paintAllGroups();
    ASSERT_EQ(first.size(), second.size());
    ASSERT_GT(first.size(), 300u);
    for (const auto& [path, image] : first) {
        const auto other = second.find(path);
        ASSERT_NE(other, second.end()) << path.toStdString();
        EXPECT_TRUE(image == other->second) << path.toStdString() << " differs between runs";
    }
}

} // namespace
