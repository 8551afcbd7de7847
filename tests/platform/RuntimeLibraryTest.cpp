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

} // namespace
