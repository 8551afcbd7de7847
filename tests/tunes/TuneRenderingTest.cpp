#include "TuneBook.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

namespace {

class TuneRendering : public ::testing::Test {
protected:
    static const TuneEntry& entry(const char* fileName)
    {
        for (const TuneEntry& e : tuneBook())
            if (std::strcmp(e.fileName, fileName) == 0)
                return e;
        ADD_FAILURE() << fileName << " is not in the book";
        return tuneBook().front();
    }

    static bool sameSamples(const RenderedTune& a, const RenderedTune& b)
    {
        return a.loopFrames == b.loopFrames && a.rmsDb == b.rmsDb &&
               a.audio.frames() == b.audio.frames() &&
               std::memcmp(a.audio.left(), b.audio.left(), a.audio.frames() * sizeof(float)) == 0 &&
               std::memcmp(a.audio.right(), b.audio.right(), a.audio.frames() * sizeof(float)) == 0;
    }
};

TEST_F(TuneRendering, BookHoldsThirteenTunesTwoOfThemLoops)
{
    ASSERT_EQ(tuneBook().size(), 13u);
    EXPECT_STREQ(tuneBook()[11].fileName, "fireplace");
    EXPECT_STREQ(tuneBook()[12].fileName, "snowstorm");
}

TEST_F(TuneRendering, SameTuneRendersToSameSamples)
{
    for (const char* name : {"fireplace", "music-box-wish-you-a-merry-christmas"}) {
        const RenderedTune first = entry(name).render();
        const RenderedTune second = entry(name).render();
        ASSERT_GT(first.audio.frames(), 0u);
        EXPECT_TRUE(sameSamples(first, second)) << name;
    }
}

TEST_F(TuneRendering, RenderingBesideAnotherTuneChangesNothing)
{
    // The generator renders tunes on several threads at once.
    const RenderedTune alone = entry("snowstorm").render();
    RenderedTune together, other;
    std::thread neighbour([&] { other = entry("fireplace").render(); });
    together = entry("snowstorm").render();
    neighbour.join();
    EXPECT_TRUE(sameSamples(alone, together));
    EXPECT_GT(alone.loopFrames, 0u);
    EXPECT_LT(alone.loopFrames, alone.audio.frames());
}

} // namespace
