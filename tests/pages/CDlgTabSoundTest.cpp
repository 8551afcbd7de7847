#include "SettingsWindowFixture.h"

#include "core/DialogItems.h"
#include "pages/CDlgTabSound.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <set>

namespace {

// A moment of a December day in the fake clock's time zone.
constexpr int64_t kMidnight = 1'796'083'200;
constexpr int64_t at(int hour, int minute, int second)
{
    return kMidnight + hour * 3600 + minute * 60 + second;
}

class CDlgTabSoundTest : public SettingsWindowFixture {
protected:
    // The files of the tunes played once, in the order they started.
    std::vector<QString> tunesPlayedOnce() const
    {
        std::vector<QString> tunes;
        for (const FakeAudio::FakeSound& sound : services.audio.sounds())
            if (!sound.loop)
                tunes.push_back(sound.path.section('/', -1));
        return tunes;
    }
    // The sound that plays from that file beside the program; null for none.
    const FakeAudio::FakeSound* playing(const QString& file) const
    {
        for (const FakeAudio::FakeSound* sound : services.audio.playing())
            if (sound->path == services.programDir() + "/" + file)
                return sound;
        return nullptr;
    }
    FakeAudio::Sound lastSound() const
    {
        return FakeAudio::Sound(services.audio.sounds().size() - 1);
    }
    // As the user picks an item from a list.
    static void pick(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
    // A tune ends: the audio thread's news reaches the page.
    void finish(FakeAudio::Sound sound)
    {
        services.audio.finish(sound);
        services.scheduler.drainPosted();
    }
};

TEST_F(CDlgTabSoundTest,
       StartPlaysTheMusicBoxAtThirtyWhileHiddenAndEachButtonShowsStopTillItsTuneEnds)
{
    runWindow(
        [&](CZelDlg& dlg) {
            CDlgTabSound& page = *dlg.m_pTabSound;
            EXPECT_FALSE(dlg.isVisible());
            ASSERT_EQ(services.audio.playing().size(), 1u);
            const FakeAudio::FakeSound* tune = playing("music-box-wish-you-a-merry-christmas.mp3");
            ASSERT_NE(tune, nullptr);
            EXPECT_FLOAT_EQ(tune->volume, 0.3f);
            EXPECT_FALSE(tune->loop);
            const FakeAudio::Sound startup = lastSound();
            EXPECT_EQ(page.m_btnPlayStartup->text(), "Stop");
            EXPECT_FALSE(page.m_sliderBackground->isEnabled());
            EXPECT_EQ(services.scheduler.periodOf(&page, page.m_nHourTimer), 1000u);

            page.m_btnPlayEveryHour->click();
            EXPECT_EQ(page.m_btnPlayEveryHour->text(), "Stop");
            finish(lastSound());
            EXPECT_EQ(page.m_btnPlayEveryHour->text(), "Play");
            EXPECT_EQ(page.m_btnPlayStartup->text(), "Stop");
            finish(startup);
            EXPECT_EQ(page.m_btnPlayStartup->text(), "Play");
        },
        true);
}

TEST_F(CDlgTabSoundTest, ListsShowTheTunesInTheLanguageAndAPlayingChimeKeepsStop)
{
    writeLanguage("German", "Deutsch", {{53, "Abspielen"}, {54, "Kein Ton"}, {67, "Stopp"}});
    app.m_options.iSoundBackground = 2;
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        ASSERT_EQ(page.m_comboStartup->count(), 13);
        EXPECT_EQ(page.m_comboStartup->itemText(1), "Random");
        EXPECT_EQ(page.m_comboStartup->itemText(2), "Angels We Have Heard on High");
        EXPECT_EQ(page.m_comboStartup->itemText(12), "Santa Claus");
        EXPECT_EQ(page.m_comboStartup->currentIndex(), 10);
        EXPECT_EQ(page.m_comboEveryHour->currentIndex(), 1);
        EXPECT_EQ(page.m_comboBackground->itemText(2), "Snowstorm");
        EXPECT_EQ(page.m_comboBackground->currentIndex(), 2);
        EXPECT_TRUE(playing("snowstorm.mp3")->loop);
        EXPECT_EQ(GetDlgItemText(&page, 1043), "Play every hour");

        finish(0);
        page.m_btnPlayEveryHour->click();
        loadLanguage("German");
        dlg.ApplyLanguage();
        EXPECT_EQ(page.m_btnPlayEveryHour->text(), "Stopp");
        EXPECT_EQ(page.m_btnPlayStartup->text(), "Abspielen");
        EXPECT_EQ(page.m_comboStartup->itemText(0), "Kein Ton");
        EXPECT_EQ(page.m_comboStartup->itemText(5), "Jingle Bells");
        EXPECT_EQ(page.m_comboStartup->currentIndex(), 10);
    });
}

TEST_F(CDlgTabSoundTest, PlayButtonStopsWhatPlaysAndRandomDrawsAnewAtEachPlay)
{
    app.m_options.iSoundStartupVolume = 70;
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        page.m_btnPlayStartup->click();
        EXPECT_TRUE(services.audio.playing().empty());
        EXPECT_EQ(page.m_btnPlayStartup->text(), "Play");
        page.m_btnPlayStartup->click();
        EXPECT_FLOAT_EQ(playing("music-box-wish-you-a-merry-christmas.mp3")->volume, 0.7f);

        for (int click = 0; click < 39; ++click) // every other click plays
            page.m_btnPlayEveryHour->click();
        const std::vector<QString> played = tunesPlayedOnce();
        const std::set<QString> drawn(played.begin() + 2, played.end());
        EXPECT_GT(drawn.size(), 5u);
        EXPECT_FALSE(drawn.count("fireplace.mp3") || drawn.count("snowstorm.mp3"));
        EXPECT_EQ(services.audio.playing().size(), 2u);
    });
}

TEST_F(CDlgTabSoundTest, ListsSwitchTheirSoundsAndControlsAndTheChoiceIsSaved)
{
    app.m_options.iSoundBackgroundVolume = 55;
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        // A start-up tune that plays goes on; only the controls follow.
        pick(page.m_comboStartup, 0);
        EXPECT_FALSE(page.m_btnPlayStartup->isEnabled() || page.m_sliderStartup->isEnabled());
        EXPECT_EQ(services.audio.playing().size(), 1u);
        pick(page.m_comboEveryHour, 0);
        EXPECT_FALSE(page.m_btnPlayEveryHour->isEnabled() || page.m_sliderEveryHour->isEnabled());
        EXPECT_FALSE(services.scheduler.isRunning(&page, page.m_nHourTimer));
        pick(page.m_comboEveryHour, 12);
        EXPECT_EQ(services.scheduler.periodOf(&page, page.m_nHourTimer), 1000u);

        pick(page.m_comboBackground, 1);
        EXPECT_FLOAT_EQ(playing("fireplace.mp3")->volume, 0.55f);
        EXPECT_TRUE(page.m_sliderBackground->isEnabled());
        pick(page.m_comboBackground, 2);
        EXPECT_EQ(playing("fireplace.mp3"), nullptr);
        EXPECT_TRUE(playing("snowstorm.mp3")->loop);
        services.scheduler.advance(1000);
        const QByteArray saved = FakePlatform::readFile(services.settingsPath());
        EXPECT_TRUE(saved.contains("<iSoundStartup>0<") && saved.contains("<iSoundEveryHour>12<") &&
                    saved.contains("<iSoundBackground>2<"));
        pick(page.m_comboBackground, 0);
        EXPECT_EQ(playing("snowstorm.mp3"), nullptr);
        EXPECT_FALSE(page.m_sliderBackground->isEnabled());
    });
}

TEST_F(CDlgTabSoundTest, VolumeFollowsTheThumbWhileItMovesAndWaitsForAKeyWithoutSound)
{
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        const FakeAudio::FakeSound& tune = services.audio.sounds().back();
        page.m_sliderStartup->setSliderDown(true);
        page.m_sliderStartup->setSliderPosition(1);
        EXPECT_FLOAT_EQ(tune.volume, 0.01f);
        page.m_sliderStartup->setSliderDown(false);
        QTest::keyClick(page.m_sliderStartup, Qt::Key_Right);
        EXPECT_FLOAT_EQ(tune.volume, 0.02f);
        EXPECT_EQ(app.m_options.iSoundStartupVolume, 2);

        page.m_sliderBackground->setEnabled(true);
        QTest::keyClick(page.m_sliderBackground, Qt::Key_End);
        EXPECT_EQ(app.m_options.iSoundBackgroundVolume, 100);
        pick(page.m_comboBackground, 1);
        EXPECT_FLOAT_EQ(playing("fireplace.mp3")->volume, 1.0f);
    });
}

// A hand-edited file may hold list indices no list has: they count as "No
// sound", without a message, and the file keeps them. A volume below nothing
// is silence.
TEST_F(CDlgTabSoundTest, IndicesOutsideTheListsCountAsNoSoundAndStayInTheFile)
{
    FakePlatform::writeFile(services.settingsPath(),
                            "<Options><iSoundStartup>13</iSoundStartup>"
                            "<iSoundEveryHour>-1</iSoundEveryHour>"
                            "<iSoundBackground>3</iSoundBackground>"
                            "<iSoundStartupVolume>-40</iSoundStartupVolume></Options>");
    runProgram([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        EXPECT_TRUE(services.audio.sounds().empty());
        EXPECT_EQ(page.m_comboStartup->currentIndex(), 0);
        EXPECT_EQ(page.m_comboBackground->currentIndex(), 0);
        EXPECT_FALSE(page.m_btnPlayStartup->isEnabled() || page.m_btnPlayEveryHour->isEnabled() ||
                     page.m_sliderBackground->isEnabled());
        EXPECT_FALSE(services.scheduler.isRunning(&page, page.m_nHourTimer));
        pick(page.m_comboStartup, 3);
        page.m_btnPlayStartup->click();
        EXPECT_FLOAT_EQ(services.audio.sounds().back().volume, 0.0f);
        app.EndMainLoop();
    });
    EXPECT_TRUE(services.dialogs.m_shown.empty());
    const QByteArray saved = FakePlatform::readFile(services.settingsPath());
    EXPECT_TRUE(saved.contains("<iSoundEveryHour>-1<") && saved.contains("<iSoundBackground>3<") &&
                saved.contains("<iSoundStartupVolume>-40<"));
}

// The hourly chime on the fake clock. No start-up tune, so that every tune
// played once is a chime.
class CDlgTabSoundHourTest : public CDlgTabSoundTest {
protected:
    CDlgTabSoundHourTest() { app.m_options.iSoundStartup = 0; }
    // The wall clock shows `local` in a time zone `offset` seconds ahead of UTC.
    void setLocalTime(int64_t local, int offset = 0)
    {
        services.clock.setUtcOffset(offset);
        services.clock.setUnixTime(local - offset);
    }
    size_t chimes() const { return tunesPlayedOnce().size(); }
    void wait(int seconds) { services.scheduler.advance(uint32_t(seconds) * 1000u); }
};

TEST_F(CDlgTabSoundHourTest, StartedHalfAMinuteBeforeElevenItChimesAtElevenAndAgainAtNoon)
{
    app.m_options.iSoundEveryHour = 4;
    setLocalTime(at(10, 59, 30));
    runWindow([&](CZelDlg& dlg) {
        wait(29);
        EXPECT_EQ(chimes(), 0u);
        wait(1);
        EXPECT_EQ(tunesPlayedOnce(), std::vector<QString>{"deck_the_halls_alternate.mp3"});
        EXPECT_FLOAT_EQ(services.audio.sounds().back().volume, 0.3f);
        EXPECT_EQ(dlg.m_pTabSound->m_btnPlayEveryHour->text(), "Stop");
        // A chime that still plays is cut off by the next one.
        wait(3600);
        EXPECT_EQ(chimes(), 2u);
        EXPECT_EQ(services.audio.playing().size(), 1u);
    });
}

TEST_F(CDlgTabSoundHourTest, NoSoundAtHalfPastTenAndATuneAgainAtTenPastElevenChimesAtOnce)
{
    setLocalTime(at(10, 29, 55));
    runWindow([&](CZelDlg& dlg) {
        wait(5);
        pick(dlg.m_pTabSound->m_comboEveryHour, 0);
        wait(40 * 60);
        pick(dlg.m_pTabSound->m_comboEveryHour, 4);
        EXPECT_EQ(chimes(), 0u);
        wait(1);
        EXPECT_EQ(chimes(), 1u);
    });
}

struct QuietHourCase {
    const char* name;
    bool startupTunePlays;
    bool disableAtHighLoad;
    bool decorationsShown;
    size_t chimesAtEleven;
};

class CDlgTabSoundQuietHourTest : public CDlgTabSoundHourTest,
                                  public ::testing::WithParamInterface<QuietHourCase> {};

// The hour that begins while the start-up tune plays, or while the watcher
// keeps the decorations hidden, is skipped, not put off.
TEST_P(CDlgTabSoundQuietHourTest, ElevenChimesUnlessTheStartupTuneOrTheWatcherKeepsItQuiet)
{
    const QuietHourCase& c = GetParam();
    app.m_options.iSoundStartup = c.startupTunePlays ? 10 : 0;
    app.m_options.fDisableAtHighLoad = c.disableAtHighLoad;
    setLocalTime(at(10, 59, 58));
    runWindow([&](CZelDlg&) {
        const size_t before = chimes();
        app.m_highLoad.m_bEffectsShown = c.decorationsShown;
        wait(5);
        if (c.startupTunePlays)
            finish(0);
        app.m_highLoad.m_bEffectsShown = true;
        wait(60);
        EXPECT_EQ(chimes() - before, c.chimesAtEleven);
        wait(3600);
        EXPECT_EQ(chimes() - before, c.chimesAtEleven + 1);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CDlgTabSoundQuietHourTest,
    ::testing::Values(QuietHourCase{"Free", false, true, true, 1},
                      QuietHourCase{"StartupTunePlays", true, false, true, 0},
                      QuietHourCase{"WatcherHidesTheDecorations", false, true, false, 0},
                      QuietHourCase{"HiddenWithoutTheSetting", false, false, false, 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct ClockChangeCase {
    const char* name;
    int64_t localBefore;
    int offsetBefore;
    // Ten seconds after the start the clock shows this, in this time zone.
    int64_t localAfter;
    int offsetAfter;
    size_t chimesAtTheChange;
    size_t chimesAnHourLater;
};

class CDlgTabSoundClockTest : public CDlgTabSoundHourTest,
                              public ::testing::WithParamInterface<ClockChangeCase> {};

TEST_P(CDlgTabSoundClockTest, AClockThatShowsAnotherHourChimes)
{
    const ClockChangeCase& c = GetParam();
    setLocalTime(c.localBefore, c.offsetBefore);
    // Daylight saving time changes at a moment; a user sets the clock.
    const bool timeZone = c.offsetAfter != c.offsetBefore;
    if (timeZone)
        services.clock.changeUtcOffsetAt(c.localBefore - c.offsetBefore + 10, c.offsetAfter);
    runWindow([&](CZelDlg&) {
        wait(10);
        if (!timeZone)
            setLocalTime(c.localAfter, c.offsetAfter);
        EXPECT_EQ(services.clock.localTime(services.clock.unixTime()).tm_hour,
                  (c.localAfter - kMidnight) / 3600);
        wait(5);
        EXPECT_EQ(chimes(), c.chimesAtTheChange);
        wait(3600);
        EXPECT_EQ(chimes(), c.chimesAnHourLater);
    });
}

constexpr int kWinter = 3600; // UTC+1
constexpr int kSummer = 7200; // UTC+2

INSTANTIATE_TEST_SUITE_P(
    Changes, CDlgTabSoundClockTest,
    ::testing::Values(
        ClockChangeCase{"SetBackAnHour", at(10, 30, 0), 0, at(9, 30, 10), 0, 1, 2},
        ClockChangeCase{"SetForwardAnHour", at(10, 30, 0), 0, at(11, 30, 10), 0, 1, 2},
        ClockChangeCase{"SetWithinTheHour", at(10, 30, 0), 0, at(10, 45, 0), 0, 0, 1},
        // 02:00 winter time becomes 03:00 summer time.
        ClockChangeCase{"SummerTimeBegins", at(1, 59, 50), kWinter, at(3, 0, 0), kSummer, 1, 2},
        // 03:00 summer time becomes 02:00 winter time: the hour reads 2 on
        // both sides, so the next chime is at 03:00.
        ClockChangeCase{"SummerTimeEnds", at(2, 59, 50), kSummer, at(2, 0, 0), kWinter, 0, 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
