#include "pages/CSound.h"
#include "support/EndNoticeCounter.h"
#include "support/FakePlatform.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// The player's rules on a fake device; what reaches a real one is in
// CSoundOnDeviceTest.

namespace {

class CSoundTest : public ::testing::Test {
protected:
    QString tune(const QString& name) const { return services.programDir() + "/" + name + ".mp3"; }
    const FakeAudio::FakeSound& last() const { return services.audio.sounds().back(); }

    FakePlatform services;
    std::unique_ptr<CSound> player = std::make_unique<CSound>(services.services());
};

TEST_F(CSoundTest, TunesComeFromTheProgramsFolderAndAKeyHoldsOneSound)
{
    player->Play("jingle_bells", "startup", nullptr, false);
    player->Play("fireplace", "background", nullptr, true);
    ASSERT_EQ(services.audio.playing().size(), 2u);
    EXPECT_EQ(services.audio.sounds()[0].path, tune("jingle_bells"));
    EXPECT_FALSE(services.audio.sounds()[0].loop);
    EXPECT_TRUE(services.audio.sounds()[1].loop);

    // The same tune again starts over: the old sound is gone at once.
    player->Play("jingle_bells", "startup", nullptr, false);
    EXPECT_TRUE(services.audio.sounds()[0].closed);
    EXPECT_EQ(last().path, tune("jingle_bells"));
    EXPECT_TRUE(last().playing);
    EXPECT_EQ(services.audio.playing().size(), 2u);

    player->Stop("background");
    EXPECT_TRUE(services.audio.sounds()[1].closed);
    EXPECT_FALSE(player->IsPlaying("background"));
    EXPECT_TRUE(player->IsAtEnd("background"));
    EXPECT_TRUE(player->IsPlaying("startup"));
    EXPECT_FALSE(player->IsAtEnd("startup"));

    // Everything still open goes with the player, and the device with it.
    player.reset();
    EXPECT_TRUE(services.audio.playing().empty());
    EXPECT_FALSE(services.audio.initialised());
}

TEST_F(CSoundTest, EndNoticeIsPostedOnceAndOnlyForATuneThatPlaysOnceWithAWindow)
{
    EndNoticeCounter window;
    player->Play("santa-ho-ho-ho", "startup", &window, false);
    const auto once = services.audio.sounds().size() - 1;
    player->Play("fireplace", "background", &window, true);
    const auto loop = services.audio.sounds().size() - 1;
    player->Play("jingle_bells", "every_hour", nullptr, false);
    const auto withoutWindow = services.audio.sounds().size() - 1;
    EXPECT_FALSE(services.audio.sounds()[loop].onEnd);
    EXPECT_FALSE(services.audio.sounds()[withoutWindow].onEnd);

    services.audio.finish(once);
    // Posted from the audio thread, so the window hears of it only from the
    // UI thread's loop.
    EXPECT_EQ(window.notices, 0);
    services.scheduler.drainPosted();
    EXPECT_EQ(window.notices, 1);
    EXPECT_FALSE(player->IsPlaying("startup"));
    EXPECT_TRUE(player->IsAtEnd("startup"));
}

TEST_F(CSoundTest, AWindowGoneBeforeTheEndHearsNothing)
{
    auto window = std::make_unique<EndNoticeCounter>();
    player->Play("santa-ho-ho-ho", "startup", window.get(), false);
    services.audio.finish(0);
    window.reset();
    services.scheduler.drainPosted();
    auto second = std::make_unique<EndNoticeCounter>();
    player->Play("santa-ho-ho-ho", "startup", second.get(), false);
    second.reset();
    services.audio.finish(1);
    services.scheduler.drainPosted();
    EXPECT_TRUE(player->IsAtEnd("startup"));
}

TEST_F(CSoundTest, ASoundThatCannotStartLeavesTheKeyWithout)
{
    player->Play("jingle_bells", "startup", nullptr, false);
    services.audio.setStartWorks(false);
    player->Play("jingle_bells", "startup", nullptr, false);
    EXPECT_TRUE(services.audio.sounds()[0].closed);
    EXPECT_TRUE(last().closed);
    EXPECT_FALSE(player->IsPlaying("startup"));
    EXPECT_TRUE(player->IsAtEnd("startup"));
}

TEST_F(CSoundTest, VolumeIsInThousandthsUpToFull)
{
    player->Play("fireplace", "background", nullptr, true);
    for (const auto& [value, factor] :
         {std::pair{0u, 0.0f}, {10u, 0.01f}, {300u, 0.3f}, {1000u, 1.0f}, {1500u, 1.0f}}) {
        player->SetVolume("background", value);
        EXPECT_FLOAT_EQ(last().volume, factor) << value;
    }
    // A key without a sound keeps no volume for later.
    player->SetVolume("startup", 10);
    player->Play("jingle_bells", "startup", nullptr, false);
    EXPECT_FLOAT_EQ(last().volume, 1.0f);
}

TEST(CSoundWithoutEngineTest, NoDeviceMeansNoSoundIsEverOpened)
{
    FakePlatform services;
    services.audio.setHasDevice(false);
    CSound player(services.services());
    player.Play("jingle_bells", "startup", nullptr, false);
    player.SetVolume("startup", 300);
    EXPECT_TRUE(services.audio.sounds().empty());
    EXPECT_FALSE(player.IsPlaying("startup"));
    EXPECT_TRUE(player.IsAtEnd("startup"));
    player.Stop("startup");
}

} // namespace
