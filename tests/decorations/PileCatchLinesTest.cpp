#include "decorations/PileCatchLines.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The snow tests land flakes on the pile; here only what they never reach: a
// record added during a frame far outside the table still catches at once,
// within one pixel either side of it and from its middle less two down.
TEST(PileCatchLinesTest, RecordAddedFarOutsideCatchesAtOnce)
{
    QImage large(16, 16, QImage::Format_ARGB32_Premultiplied);
    PileCatchLines lines;
    lines.rebuild(std::vector<FLAKE>{FLAKE{&large, 100, 0, 1, 50, 2, 0, true}});
    lines.add(FLAKE{&large, -5'000'000, 0, 1, 150, 2, 0, false});
    EXPECT_TRUE(lines.catches(-5'000'001, 156));
    EXPECT_FALSE(lines.catches(-5'000'002, 156));
    EXPECT_FALSE(lines.catches(-5'000'000, 155));
    EXPECT_TRUE(lines.catches(101, 56));
    EXPECT_FALSE(lines.catches(103, 56));
}

} // namespace
