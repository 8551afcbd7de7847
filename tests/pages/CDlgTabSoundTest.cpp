#include "SettingsWindowFixture.h"

#include "core/DialogItems.h"
#include "core/TabControl.h"
#include "pages/CDlgTabGeneral.h"
#include "pages/CDlgTabSound.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <set>

namespace {

// A moment in the fake clock's time zone: today at hh:mm:ss.
constexpr int64_t kMidnight = 1'796'083'200; // a December day, 00:00 UTC
constexpr int64_t at(int hour, int minute, int second)
{
    return kMidnight + hour * 3600 + minute * 60 + second;
}

class CDlgTabSoundTest : public SettingsWindowFixture {
protected:
    // The tunes that played once, in the order they started.
    std::vector<QString> tunesPlayedOnce() const
    {
        std::vector<QString> tunes;
        for (const FakeAudio::FakeSound& sound : services.audio.sounds())
            if (!sound.loop)
                tunes.push_back(sound.path.section('/', -1));
        return tunes;
    }
    // The sound that plays under a file name; null when none does.
    const FakeAudio::FakeSound* playing(const QString& file) const
    {
        for (const FakeAudio::FakeSound* sound : services.audio.playing())
            if (sound->path == services.programDir() + "/" + file)
                return sound;
        return nullptr;
    }
    FakeAudio::Sound lastSound() const
    {
        return static_cast<FakeAudio::Sound>(services.audio.sounds().size() - 1);
    }
    // As the user picks an item from a list.
    static void pick(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
    static QStringList items(const QComboBox* list)
    {
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        return shown;
    }
    static QString caption(const QPushButton* button) { return button->text(); }
    // Lets what the audio thread posted arrive.
    void deliverPosted() { services.scheduler.drainPosted(); }
};

TEST_F(CDlgTabSoundTest, StartPlaysTheMusicBoxAtThirtyWithTheWindowHiddenAndStopShowsTillItEnds)
{
    runWindow(
        [&](CZelDlg& dlg) {
            CDlgTabSound& page = *dlg.m_pTabSound;
            EXPECT_FALSE(dlg.isVisible());
            ASSERT_EQ(services.audio.playing().size(), 1u);
            const FakeAudio::FakeSound* tune = playing("music-box-wish-you-a-merry-christmas.mp3");
            ASSERT_NE(tune, nullptr);
            EXPECT_FALSE(tune->loop);
            EXPECT_FLOAT_EQ(tune->volume, 0.3f);
            EXPECT_EQ(caption(page.m_btnPlayStartup), "Stop");
            EXPECT_EQ(caption(page.m_btnPlayEveryHour), "Play");
            EXPECT_EQ(page.m_sliderStartup->value(), 30);
            // No background sound, its slider off; the hourly clock ticks.
            EXPECT_FALSE(page.m_sliderBackground->isEnabled());
            EXPECT_TRUE(page.m_sliderEveryHour->isEnabled());
            EXPECT_EQ(services.scheduler.periodOf(&page, page.m_nHourTimer), 1000u);

            services.audio.finish(lastSound());
            EXPECT_EQ(caption(page.m_btnPlayStartup), "Stop");
            deliverPosted();
            EXPECT_EQ(caption(page.m_btnPlayStartup), "Play");
        },
        true);
}

TEST_F(CDlgTabSoundTest, ListsOfferNoSoundRandomAndTheElevenTunesAndTheTwoBackgrounds)
{
    app.m_options.iSoundEveryHour = 5;
    app.m_options.iSoundBackground = 2;
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        const QStringList tunes = {"No sound",
                                   "Random",
                                   "Angels We Have Heard on High",
                                   "Away in a Manger",
                                   "Deck the Halls",
                                   "Jingle Bells",
                                   "Joy to the World",
                                   "Musical Snow Globe - We Wish You A Merry Christmas",
                                   "Music Box - Joy To The World",
                                   "Music Box - O Christmas Tree (O Tannenbaum)",
                                   "Music Box - We Wish You a Merry Christmas",
                                   "The Nutcracker: Dance Of The Sugar Plum Fairies",
                                   "Santa Claus"};
        EXPECT_EQ(items(page.m_comboStartup), tunes);
        EXPECT_EQ(items(page.m_comboEveryHour), tunes);
        EXPECT_EQ(items(page.m_comboBackground),
                  QStringList({"No sound", "Fireplace", "Snowstorm"}));
        EXPECT_EQ(page.m_comboStartup->currentIndex(), 10);
        EXPECT_EQ(page.m_comboEveryHour->currentIndex(), 5);
        EXPECT_EQ(page.m_comboBackground->currentIndex(), 2);
        const FakeAudio::FakeSound* storm = playing("snowstorm.mp3");
        ASSERT_NE(storm, nullptr);
        EXPECT_TRUE(storm->loop);
        EXPECT_FLOAT_EQ(storm->volume, 0.3f);
        EXPECT_EQ(GetDlgItemText(&page, 1040), "Play at startup");
        EXPECT_EQ(GetDlgItemText(&page, 1043), "Play every hour");
        EXPECT_EQ(GetDlgItemText(&page, 1047), "Background");
    });
}

TEST_F(CDlgTabSoundTest, PlayButtonsStopWhatPlaysAndPlayAgainWithRandomDrawingEachTime)
{
    app.m_options.iSoundStartupVolume = 70;
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        QTest::mouseClick(page.m_btnPlayStartup, Qt::LeftButton);
        EXPECT_TRUE(services.audio.playing().empty());
        EXPECT_EQ(caption(page.m_btnPlayStartup), "Play");
        QTest::mouseClick(page.m_btnPlayStartup, Qt::LeftButton);
        EXPECT_EQ(caption(page.m_btnPlayStartup), "Stop");
        const FakeAudio::FakeSound* tune = playing("music-box-wish-you-a-merry-christmas.mp3");
        ASSERT_NE(tune, nullptr);
        EXPECT_FLOAT_EQ(tune->volume, 0.7f);

        // "Random": every click that plays draws one of the eleven tunes; the
        // clicks between stop them.
        for (int click = 0; click < 39; ++click)
            QTest::mouseClick(page.m_btnPlayEveryHour, Qt::LeftButton);
        EXPECT_EQ(caption(page.m_btnPlayEveryHour), "Stop");
        std::set<QString> drawn;
        for (const QString& file : tunesPlayedOnce())
            drawn.insert(file);
        EXPECT_GT(drawn.size(), 5u);
        EXPECT_EQ(drawn.count("fireplace.mp3") + drawn.count("snowstorm.mp3"), 0u);
        EXPECT_EQ(services.audio.playing().size(), 2u);
    });
}

TEST_F(CDlgTabSoundTest, AnyTunesEndResetsOnlyTheButtonsWhoseTuneIsOver)
{
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        const FakeAudio::Sound startup = lastSound();
        QTest::mouseClick(page.m_btnPlayEveryHour, Qt::LeftButton);
        const FakeAudio::Sound chime = lastSound();
        services.audio.finish(chime);
        deliverPosted();
        EXPECT_EQ(caption(page.m_btnPlayEveryHour), "Play");
        EXPECT_EQ(caption(page.m_btnPlayStartup), "Stop");
        services.audio.finish(startup);
        deliverPosted();
        EXPECT_EQ(caption(page.m_btnPlayStartup), "Play");
    });
}

TEST_F(CDlgTabSoundTest, TuneListsSwitchTheirControlsAndLeaveAPlayingTuneAlone)
{
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        pick(page.m_comboStartup, 0);
        EXPECT_EQ(app.m_options.iSoundStartup, 0);
        EXPECT_FALSE(page.m_btnPlayStartup->isEnabled());
        EXPECT_FALSE(page.m_sliderStartup->isEnabled());
        EXPECT_EQ(services.audio.playing().size(), 1u);
        pick(page.m_comboStartup, 4);
        EXPECT_EQ(app.m_options.iSoundStartup, 4);
        EXPECT_TRUE(page.m_btnPlayStartup->isEnabled() && page.m_sliderStartup->isEnabled());

        pick(page.m_comboEveryHour, 0);
        EXPECT_EQ(app.m_options.iSoundEveryHour, 0);
        EXPECT_FALSE(page.m_btnPlayEveryHour->isEnabled());
        EXPECT_FALSE(page.m_sliderEveryHour->isEnabled());
        EXPECT_FALSE(services.scheduler.isRunning(&page, page.m_nHourTimer));
        pick(page.m_comboEveryHour, 12);
        EXPECT_EQ(services.scheduler.periodOf(&page, page.m_nHourTimer), 1000u);
        EXPECT_TRUE(page.m_btnPlayEveryHour->isEnabled());

        // Saved a moment later, as every change is.
        services.scheduler.advance(1000);
        const QByteArray saved = FakePlatform::readFile(services.settingsPath());
        EXPECT_TRUE(saved.contains("<iSoundStartup>4<"));
        EXPECT_TRUE(saved.contains("<iSoundEveryHour>12<"));
    });
}

TEST_F(CDlgTabSoundTest, BackgroundListReplacesTheLoopAtOnceAndNoSoundStopsIt)
{
    app.m_options.iSoundBackgroundVolume = 55;
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        pick(page.m_comboBackground, 1);
        const FakeAudio::FakeSound* fire = playing("fireplace.mp3");
        ASSERT_NE(fire, nullptr);
        EXPECT_TRUE(fire->loop);
        EXPECT_FLOAT_EQ(fire->volume, 0.55f);
        EXPECT_TRUE(page.m_sliderBackground->isEnabled());
        pick(page.m_comboBackground, 2);
        EXPECT_EQ(playing("fireplace.mp3"), nullptr);
        EXPECT_NE(playing("snowstorm.mp3"), nullptr);
        EXPECT_EQ(app.m_options.iSoundBackground, 2);
        pick(page.m_comboBackground, 0);
        EXPECT_EQ(playing("snowstorm.mp3"), nullptr);
        EXPECT_FALSE(page.m_sliderBackground->isEnabled());
        EXPECT_EQ(app.m_options.iSoundBackground, 0);
    });
}

TEST_F(CDlgTabSoundTest, VolumeSlidersActWhileTheThumbMovesAndOnlyStoreWithoutASound)
{
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        const FakeAudio::FakeSound& tune = services.audio.sounds().back();
        page.m_sliderStartup->setSliderDown(true);
        page.m_sliderStartup->setSliderPosition(50);
        EXPECT_FLOAT_EQ(tune.volume, 0.5f);
        page.m_sliderStartup->setSliderPosition(1);
        EXPECT_FLOAT_EQ(tune.volume, 0.01f);
        EXPECT_EQ(app.m_options.iSoundStartupVolume, 1);
        page.m_sliderStartup->setSliderDown(false);
        QTest::keyClick(page.m_sliderStartup, Qt::Key_Right);
        EXPECT_FLOAT_EQ(tune.volume, 0.02f);
        EXPECT_EQ(app.m_options.iSoundStartupVolume, 2);

        // Nothing plays in the background: the volume waits for the next loop.
        page.m_sliderBackground->setEnabled(true);
        QTest::keyClick(page.m_sliderBackground, Qt::Key_End);
        EXPECT_EQ(app.m_options.iSoundBackgroundVolume, 100);
        EXPECT_EQ(services.audio.sounds().size(), 1u);
        pick(page.m_comboBackground, 1);
        EXPECT_FLOAT_EQ(playing("fireplace.mp3")->volume, 1.0f);
    });
}

// A hand-edited file may hold list indices no list has: they count as "No
// sound" without a message, and the file keeps them. A volume below nothing
// is silence.
TEST_F(CDlgTabSoundTest, IndicesOutsideTheListsCountAsNoSoundAndStayInTheSettings)
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
        EXPECT_EQ(page.m_comboEveryHour->currentIndex(), 0);
        EXPECT_EQ(page.m_comboBackground->currentIndex(), 0);
        EXPECT_FALSE(page.m_btnPlayStartup->isEnabled() || page.m_sliderStartup->isEnabled());
        EXPECT_FALSE(page.m_btnPlayEveryHour->isEnabled());
        EXPECT_FALSE(page.m_sliderBackground->isEnabled());
        EXPECT_FALSE(services.scheduler.isRunning(&page, page.m_nHourTimer));
        pick(page.m_comboStartup, 3);
        page.m_btnPlayStartup->click();
        EXPECT_FLOAT_EQ(services.audio.sounds().back().volume, 0.0f);
        app.EndMainLoop();
    });
    EXPECT_TRUE(services.dialogs.m_shown.empty());
    const QByteArray saved = FakePlatform::readFile(services.settingsPath());
    EXPECT_TRUE(saved.contains("<iSoundStartup>3<"));
    EXPECT_TRUE(saved.contains("<iSoundEveryHour>-1<"));
    EXPECT_TRUE(saved.contains("<iSoundBackground>3<"));
    EXPECT_TRUE(saved.contains("<iSoundStartupVolume>-40<"));
}

TEST_F(CDlgTabSoundTest, EnterAndEscInsideThePageDoNothing)
{
    runWindow([&](CZelDlg& dlg) {
        dlg.m_tab->SetCurSel(4);
        dlg.m_pTabGeneral->hide();
        dlg.m_pTabSound->show();
        for (QWidget* control : {static_cast<QWidget*>(dlg.m_pTabSound->m_comboBackground),
                                 static_cast<QWidget*>(dlg.m_pTabSound->m_sliderStartup)}) {
            QTest::keyClick(control, Qt::Key_Escape);
            QTest::keyClick(control, Qt::Key_Return);
        }
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(dlg.isMinimized());
        EXPECT_TRUE(dlg.m_pTabSound->isVisible());
    });
}

TEST_F(CDlgTabSoundTest, ALanguageChangeKeepsStopOnAPlayingChime)
{
    writeLanguage("German", "Deutsch",
                  {{51, "Beim Start abspielen"},
                   {53, "Abspielen"},
                   {54, "Kein Ton"},
                   {67, "Stopp"},
                   {65, "Kaminfeuer"}});
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        services.audio.finish(lastSound());
        deliverPosted();
        page.m_btnPlayEveryHour->click();
        loadLanguage("German");
        dlg.ApplyLanguage();
        EXPECT_EQ(caption(page.m_btnPlayEveryHour), "Stopp");
        EXPECT_EQ(caption(page.m_btnPlayStartup), "Abspielen");
        EXPECT_EQ(GetDlgItemText(&page, 1040), "Beim Start abspielen");
        EXPECT_EQ(page.m_comboBackground->itemText(1), "Kaminfeuer");
        EXPECT_EQ(page.m_comboStartup->itemText(0), "Kein Ton");
        EXPECT_EQ(page.m_comboStartup->itemText(5), "Jingle Bells");
        EXPECT_EQ(page.m_comboStartup->currentIndex(), 10);
    });
}

// The hourly chime on the fake clock. No start-up tune, so that every tune
// played once is a chime; the hourly list holds "Deck the Halls".
class CDlgTabSoundHourTest : public CDlgTabSoundTest {
protected:
    CDlgTabSoundHourTest()
    {
        app.m_options.iSoundStartup = 0;
        app.m_options.iSoundEveryHour = 4;
    }
    // The wall clock shows `local` in a time zone `offset` seconds ahead of UTC.
    void setLocalTime(int64_t local, int offset = 0)
    {
        services.clock.setUtcOffset(offset);
        services.clock.setUnixTime(local - offset);
    }
    size_t chimes() const { return tunesPlayedOnce().size(); }
    void wait(int seconds) { services.scheduler.advance(uint32_t(seconds) * 1000u); }
};

TEST_F(CDlgTabSoundHourTest, StartedAtHalfAMinuteToElevenItChimesAtEleven)
{
    setLocalTime(at(10, 59, 30));
    runWindow([&](CZelDlg& dlg) {
        wait(29);
        EXPECT_EQ(chimes(), 0u);
        wait(1);
        ASSERT_EQ(tunesPlayedOnce(), std::vector<QString>{"deck_the_halls_alternate.mp3"});
        EXPECT_FLOAT_EQ(services.audio.sounds().back().volume, 0.3f);
        EXPECT_EQ(caption(dlg.m_pTabSound->m_btnPlayEveryHour), "Stop");
        // The next chime cuts a chime that still plays off and starts over.
        wait(3600);
        EXPECT_EQ(chimes(), 2u);
        EXPECT_EQ(services.audio.playing().size(), 1u);
    });
}

TEST_F(CDlgTabSoundHourTest, TheFirstTickOnlyNotesTheHourEvenRightAfterItChanged)
{
    setLocalTime(at(10, 59, 59));
    runWindow([&](CZelDlg&) {
        wait(1);
        EXPECT_EQ(chimes(), 0u);
        wait(3599);
        EXPECT_EQ(chimes(), 0u);
        wait(1);
        EXPECT_EQ(chimes(), 1u);
    });
}

TEST_F(CDlgTabSoundHourTest, NoSoundAtHalfPastTenAndATuneAgainAtTenPastElevenChimesAtOnce)
{
    setLocalTime(at(10, 29, 55));
    runWindow([&](CZelDlg& dlg) {
        CDlgTabSound& page = *dlg.m_pTabSound;
        wait(5);
        pick(page.m_comboEveryHour, 0);
        wait(40 * 60);
        pick(page.m_comboEveryHour, 4);
        EXPECT_EQ(chimes(), 0u);
        wait(1);
        EXPECT_EQ(chimes(), 1u);
    });
}

TEST_F(CDlgTabSoundHourTest, AnHourThatStartsWhileTheStartupTunePlaysStaysSilent)
{
    app.m_options.iSoundStartup = 10;
    setLocalTime(at(10, 59, 58));
    runWindow([&](CZelDlg&) {
        const FakeAudio::Sound startup = lastSound();
        wait(5);
        EXPECT_EQ(chimes(), 1u);
        services.audio.finish(startup);
        deliverPosted();
        wait(60);
        EXPECT_EQ(chimes(), 1u);
        wait(3600);
        EXPECT_EQ(chimes(), 2u);
    });
}

struct HighLoadHourCase {
    bool disableAtHighLoad;
    bool effectsShown;
    size_t chimes;
};

class CDlgTabSoundHighLoadTest : public CDlgTabSoundHourTest,
                                 public ::testing::WithParamInterface<HighLoadHourCase> {};

// Only a watcher that is on and keeps the decorations hidden silences the hour.
TEST_P(CDlgTabSoundHighLoadTest, TheHourIsSilentOnlyWhileTheWatcherHidesTheDecorations)
{
    app.m_options.fDisableAtHighLoad = GetParam().disableAtHighLoad;
    setLocalTime(at(10, 59, 58));
    runWindow([&](CZelDlg&) {
        wait(1);
        app.m_highLoad.m_bEffectsShown = GetParam().effectsShown;
        wait(5);
        app.m_highLoad.m_bEffectsShown = true;
        wait(60);
        EXPECT_EQ(chimes(), GetParam().chimes);
    });
}

INSTANTIATE_TEST_SUITE_P(Watcher, CDlgTabSoundHighLoadTest,
                         ::testing::Values(HighLoadHourCase{true, false, 0},
                                           HighLoadHourCase{true, true, 1},
                                           HighLoadHourCase{false, false, 1}));

struct ClockChangeCase {
    const char* name;
    int64_t localBefore;
    int offsetBefore;
    // Ten seconds after the start the clock shows this, in this time zone.
    int64_t localAfter;
    int offsetAfter;
    size_t chimesAtTheChange; // within five seconds
    size_t chimesAnHourLater;
};

class CDlgTabSoundClockTest : public CDlgTabSoundHourTest,
                              public ::testing::WithParamInterface<ClockChangeCase> {};

TEST_P(CDlgTabSoundClockTest, AClockSetToAnotherHourChimes)
{
    const ClockChangeCase& c = GetParam();
    setLocalTime(c.localBefore, c.offsetBefore);
    // Daylight saving time changes at a moment; the user sets the clock.
    const bool timeZone = c.offsetAfter != c.offsetBefore;
    if (timeZone)
        services.clock.changeUtcOffsetAt(c.localBefore - c.offsetBefore + 10, c.offsetAfter);
    runWindow([&](CZelDlg&) {
        wait(10);
        if (!timeZone)
            setLocalTime(c.localAfter, c.offsetAfter);
        const std::tm shown = services.clock.localTime(services.clock.unixTime());
        EXPECT_EQ(shown.tm_hour * 3600 + shown.tm_min * 60 + shown.tm_sec,
                  (c.localAfter - kMidnight) % 86400);
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
        // Summer time: 02:00 winter time is 03:00 summer time.
        ClockChangeCase{"SummerTimeBegins", at(1, 59, 50), kWinter, at(3, 0, 0), kSummer, 1, 2},
        // Winter time: 03:00 summer time is 02:00 winter time again; the
        // hour reads 2 on both sides, so the next chime is at 03:00.
        ClockChangeCase{"SummerTimeEnds", at(2, 59, 50), kSummer, at(2, 0, 0), kWinter, 0, 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
