#include "platform/RuntimeLibrary.h"

#include <gtest/gtest.h>

namespace {

TEST(RuntimeRand, SeedOneGivesTheClassicSequence)
{
    crt::srand(1);
    EXPECT_EQ(crt::rand(), 41);
    EXPECT_EQ(crt::rand(), 18467);
    EXPECT_EQ(crt::rand(), 6334);
    EXPECT_EQ(crt::rand(), 26500);
    EXPECT_EQ(crt::rand(), 19169);
}

TEST(RuntimeRand, StaysWithinItsRangeAndReplaysASeed)
{
    crt::srand(123456789);
    int first[100];
    for (int& value : first) {
        value = crt::rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, crt::kRandMax);
    }
    crt::srand(123456789);
    for (int value : first)
        EXPECT_EQ(crt::rand(), value);
}

} // namespace
