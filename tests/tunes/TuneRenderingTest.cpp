#include "TuneBook.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

namespace {

RenderedTune render(const char* fileName)
{
    for (const TuneEntry& entry : tuneBook())
        if (std::strcmp(entry.fileName, fileName) == 0)
            return entry.render();
    ADD_FAILURE() << fileName << " is not in the book";
    return {};
}

TEST(TuneRendering, RendersTheSameSamplesBesideAnotherTune)
{
    // The tunes are rendered anew on every build, several at once on threads;
    // a tune that came out differently would change the program with no code change.
    const RenderedTune alone = render("snowstorm");
    std::thread neighbour([] { render("fireplace"); });
    const RenderedTune together = render("snowstorm");
    neighbour.join();
    ASSERT_GT(alone.audio.frames(), 0u);
    ASSERT_EQ(together.audio.frames(), alone.audio.frames());
    EXPECT_EQ(together.loopFrames, alone.loopFrames);
    const std::size_t bytes = alone.audio.frames() * sizeof(float);
    EXPECT_EQ(std::memcmp(together.audio.left(), alone.audio.left(), bytes), 0);
    EXPECT_EQ(std::memcmp(together.audio.right(), alone.audio.right(), bytes), 0);
}

} // namespace
