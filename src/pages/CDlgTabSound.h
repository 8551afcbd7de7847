#pragma once

#include "pages/CSound.h"
#include "pages/SettingsPage.h"
#include "platform/Scheduler.h"

#include <QImage>

#include <memory>

class CHighLoad;
class CxSkinButton;
class QComboBox;
class QPushButton;
class QSlider;

// The Sound page, and the program's sound: the tune at every start (the
// window may stay hidden), a chime whenever the local hour changes, and a
// fireplace or a snowstorm looping in the background, each with its list
// and its volume. It owns the one tune player.
class CDlgTabSound final : public SettingsPage {
    Q_OBJECT
public:
    // The watcher tells whether the decorations are hidden for a full-screen
    // program; the hourly chime keeps quiet then.
    CDlgTabSound(const PageContext& context, const CHighLoad& highLoad);
    ~CDlgTabSound() override;

    static const CONTROL_TEXT SOUND_TEXTS[5];

    // Captions, the three lists and the play buttons in the current language.
    void RefreshTexts() override;
    // The tune file for a tune list index: "Random" draws one of the eleven
    // anew at every call; an index without a tune gives an empty name.
    QString GetTuneName(int index);
    // The sound file for a background list index; empty without one.
    QString GetBackgroundName(int index);

    QSlider* m_sliderStartup = nullptr;
    QComboBox* m_comboStartup = nullptr;
    QComboBox* m_comboEveryHour = nullptr;
    QComboBox* m_comboBackground = nullptr;
    std::unique_ptr<QImage> m_pBackground;
    CSound m_sound;
    QPushButton* m_btnPlayStartup = nullptr;
    QPushButton* m_btnPlayEveryHour = nullptr;
    QSlider* m_sliderEveryHour = nullptr;
    QSlider* m_sliderBackground = nullptr;
    platform::Scheduler::TimerId m_nHourTimer = 1;
    int m_nLastHour = -1;
    CxSkinButton* m_btnHelp = nullptr;

    void OnStartupSelChange();
    void OnEveryHourSelChange();
    void OnBackgroundSelChange();
    void OnPlayStartupClicked();
    void OnPlayEveryHourClicked();
    // A volume slider moved, by the mouse while it drags, the keyboard or the
    // wheel: the new volume is heard at once.
    void OnHScroll(QSlider* slider);
    // The once-a-second clock of the hourly chime.
    void OnTimer(platform::Scheduler::TimerId id);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    // Where the end of a tune arrives, from the player, as MM_MCINOTIFY.
    bool WindowProc(QEvent* event);
    bool event(QEvent* event) override { return WindowProc(event); }
    void paintEvent(QPaintEvent* event) override;

private:
    // The settings' list indices as the lists can show them: an index a
    // hand-edited file put outside a list counts as "No sound".
    int StartupTune() const;
    int EveryHourTune() const;
    int Background() const;
    // A volume setting as the player takes it, in thousandths.
    static unsigned PlayerVolume(int volume);
    void StartHourTimer();
    // A play button: stops its tune while it plays, plays it otherwise.
    void OnPlayClicked(const QString& key, int button, int tune, int volume);
    // Plays a tune once under `key`, its button showing "Stop".
    void PlayTune(const QString& key, int button, int tune, int volume);
    void FillTuneList(QComboBox* list, int selected);

    const CHighLoad& m_highLoad;
};
