#include "pages/CDlgTabSound.h"

#include "core/COptions.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/ProgramResources.h"
#include "decorations/CHighLoad.h"
#include "platform/Clock.h"
#include "platform/RuntimeLibrary.h"
#include "vocabulary/PictureIds.h"
#include "vocabulary/TuneNames.h"

#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace {

enum : int {
    IDC_COMBO_BACKGROUND = 1004,
    IDC_GROUP_STARTUP = 1040,
    IDC_COMBO_STARTUP = 1041,
    IDC_SLIDER_STARTUP = 1042,
    IDC_GROUP_EVERY_HOUR = 1043,
    IDC_COMBO_EVERY_HOUR = 1044,
    IDC_BUTTON_PLAY_EVERY_HOUR = 1045,
    IDC_SLIDER_EVERY_HOUR = 1046,
    IDC_GROUP_BACKGROUND = 1047,
    IDC_SLIDER_BACKGROUND = 1048,
    IDC_BUTTON_PLAY_STARTUP = 1049,
    IDC_BUTTON_HELP = 1052,
};

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {IDC_COMBO_STARTUP, Kind::DropDownList, {15, 20, 200, 30}},
    {IDC_GROUP_STARTUP, Kind::GroupBox, {7, 7, 298, 55}},
    {IDC_SLIDER_STARTUP, Kind::TooltipSlider, {15, 40, 200, 16}},
    {IDC_GROUP_EVERY_HOUR, Kind::GroupBox, {7, 64, 298, 55}},
    {IDC_COMBO_EVERY_HOUR, Kind::DropDownList, {15, 76, 200, 30}},
    {IDC_BUTTON_PLAY_EVERY_HOUR, Kind::PushButton, {236, 75, 50, 14}},
    {IDC_SLIDER_EVERY_HOUR, Kind::TooltipSlider, {15, 97, 200, 16}},
    {IDC_GROUP_BACKGROUND, Kind::GroupBox, {7, 121, 298, 40}},
    {IDC_COMBO_BACKGROUND, Kind::DropDownList, {15, 136, 80, 14}},
    {IDC_SLIDER_BACKGROUND, Kind::TooltipSlider, {120, 136, 160, 16}},
    {IDC_BUTTON_PLAY_STARTUP, Kind::PushButton, {236, 19, 50, 14}},
    {IDC_BUTTON_HELP, Kind::SkinButton, {296, 3, 15, 14}},
};

// The player's keys.
const QString kStartupKey = QStringLiteral("startup");
const QString kEveryHourKey = QStringLiteral("every_hour");
const QString kBackgroundKey = QStringLiteral("background");

constexpr unsigned kTextPlay = 53;
constexpr unsigned kTextStop = 67;
constexpr unsigned kTextNoSound = 54;

// The tune list: "No sound", "Random", then the eleven tunes. A tune without
// a text id has the same English title in every language.
constexpr int kNoSound = 0;
constexpr int kRandom = 1;
constexpr int kFirstTune = 2;
constexpr int kTuneCount = static_cast<int>(kTuneFileNames.size());
struct TuneTitle {
    unsigned textId; // 0: the fixed title
    const char* title;
};
constexpr TuneTitle kTuneTitles[kTuneCount] = {
    {0, "Angels We Have Heard on High"},
    {0, "Away in a Manger"},
    {56, nullptr},
    {0, "Jingle Bells"},
    {0, "Joy to the World"},
    {59, nullptr},
    {60, nullptr},
    {61, nullptr},
    {62, nullptr},
    {63, nullptr},
    {64, nullptr},
};
constexpr unsigned kRandomText = 24;
// The background list after "No sound".
constexpr unsigned kBackgroundTexts[] = {65, 66};
constexpr const char* kBackgroundFiles[] = {kFireplaceFileName, kSnowstormFileName};
constexpr int kBackgroundCount = 1 + static_cast<int>(std::size(kBackgroundFiles));

constexpr uint32_t kHourTimerPeriodMs = 1000;

// A list index kept in the settings; one no list has stands for "No sound".
int ListIndex(int32_t stored, int count)
{
    return stored >= 0 && stored < count ? stored : kNoSound;
}

} // namespace

const CONTROL_TEXT CDlgTabSound::SOUND_TEXTS[5] = {
    {IDC_GROUP_STARTUP, 51},       {IDC_GROUP_EVERY_HOUR, 52},       {IDC_GROUP_BACKGROUND, 55},
    {IDC_BUTTON_PLAY_STARTUP, 53}, {IDC_BUTTON_PLAY_EVERY_HOUR, 53},
};

CDlgTabSound::CDlgTabSound(const PageContext& context, const CHighLoad& highLoad)
    : SettingsPage(context, 259, kNarrowTemplate, kControls), m_sound(context.services),
      m_highLoad(highLoad)
{
    crt::srand(static_cast<uint32_t>(context.services.clock->unixTime()));
}

CDlgTabSound::~CDlgTabSound()
{
    // The clock dies with the page; the player then lets go of its sounds.
    m_context.services.scheduler->killAllTimers(this);
}

int CDlgTabSound::StartupTune() const
{
    return ListIndex(m_context.options.iSoundStartup, kFirstTune + kTuneCount);
}

int CDlgTabSound::EveryHourTune() const
{
    return ListIndex(m_context.options.iSoundEveryHour, kFirstTune + kTuneCount);
}

int CDlgTabSound::Background() const
{
    return ListIndex(m_context.options.iSoundBackground, kBackgroundCount);
}

unsigned CDlgTabSound::PlayerVolume(int volume)
{
    // A hand-edited volume below nothing is silence, not a wrap to full.
    return static_cast<unsigned>(std::clamp(volume, 0, 100)) * 10u;
}

QString CDlgTabSound::GetTuneName(int index)
{
    if (index == kRandom)
        index = kFirstTune + crt::rand() % kTuneCount;
    if (index < kFirstTune || index >= kFirstTune + kTuneCount)
        return {};
    return QString::fromLatin1(kTuneFileNames[index - kFirstTune]);
}

QString CDlgTabSound::GetBackgroundName(int index)
{
    if (index < 1 || index >= kBackgroundCount)
        return {};
    return QString::fromLatin1(kBackgroundFiles[index - 1]);
}

void CDlgTabSound::DoDataExchange()
{
    m_comboStartup = GetDlgItemAs<QComboBox>(this, IDC_COMBO_STARTUP);
    m_comboEveryHour = GetDlgItemAs<QComboBox>(this, IDC_COMBO_EVERY_HOUR);
    m_comboBackground = GetDlgItemAs<QComboBox>(this, IDC_COMBO_BACKGROUND);
    m_btnPlayStartup = GetDlgItemAs<QPushButton>(this, IDC_BUTTON_PLAY_STARTUP);
    m_btnPlayEveryHour = GetDlgItemAs<QPushButton>(this, IDC_BUTTON_PLAY_EVERY_HOUR);
    m_sliderStartup = GetDlgItemAs<QSlider>(this, IDC_SLIDER_STARTUP);
    m_sliderEveryHour = GetDlgItemAs<QSlider>(this, IDC_SLIDER_EVERY_HOUR);
    m_sliderBackground = GetDlgItemAs<QSlider>(this, IDC_SLIDER_BACKGROUND);
    m_btnHelp = GetDlgItemAs<CxSkinButton>(this, IDC_BUTTON_HELP);
    // The user's picks only: filling the lists from code must not count as one.
    connect(m_comboStartup, &QComboBox::activated, this, &CDlgTabSound::OnStartupSelChange);
    connect(m_comboEveryHour, &QComboBox::activated, this, &CDlgTabSound::OnEveryHourSelChange);
    connect(m_comboBackground, &QComboBox::activated, this, &CDlgTabSound::OnBackgroundSelChange);
    connect(m_btnPlayStartup, &QPushButton::clicked, this, &CDlgTabSound::OnPlayStartupClicked);
    connect(m_btnPlayEveryHour, &QPushButton::clicked, this, &CDlgTabSound::OnPlayEveryHourClicked);
}

bool CDlgTabSound::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_pBackground = LoadPngResource(kPageBackgroundPicture);
    InitHelpButton(m_btnHelp);

    COptions& options = m_context.options;
    m_comboStartup->setCurrentIndex(-1);
    m_comboEveryHour->setCurrentIndex(-1);
    m_comboBackground->setCurrentIndex(-1);

    const std::pair<QSlider*, int> sliders[] = {
        {m_sliderStartup, options.iSoundStartupVolume},
        {m_sliderEveryHour, options.iSoundEveryHourVolume},
        {m_sliderBackground, options.iSoundBackgroundVolume}};
    for (const auto& [slider, volume] : sliders) {
        SetSliderRange(slider, 1, 100);
        slider->setValue(volume);
        // Connected only now: only the user moves a slider from here on. The
        // volume follows the thumb while it is dragged, not only at its release.
        connect(slider, &QSlider::valueChanged, this,
                [this, control = slider] { OnHScroll(control); });
    }

    if (StartupTune() != kNoSound) {
        m_sound.Play(GetTuneName(StartupTune()), kStartupKey, this, false);
        m_sound.SetVolume(kStartupKey, PlayerVolume(options.iSoundStartupVolume));
    } else {
        m_btnPlayStartup->setEnabled(false);
        m_sliderStartup->setEnabled(false);
    }

    if (EveryHourTune() != kNoSound) {
        StartHourTimer();
    } else {
        m_btnPlayEveryHour->setEnabled(false);
        m_sliderEveryHour->setEnabled(false);
    }

    if (Background() != kNoSound) {
        m_sound.Play(GetBackgroundName(Background()), kBackgroundKey, nullptr, true);
        m_sound.SetVolume(kBackgroundKey, PlayerVolume(options.iSoundBackgroundVolume));
    } else {
        m_sliderBackground->setEnabled(false);
    }
    return true;
}

void CDlgTabSound::StartHourTimer()
{
    // Passing the running clock's id restarts it instead of adding one.
    m_nHourTimer = m_context.services.scheduler->setTimer(
        this, m_nHourTimer, kHourTimerPeriodMs,
        [this](platform::Scheduler::TimerId id) { OnTimer(id); });
}

void CDlgTabSound::FillTuneList(QComboBox* list, int selected)
{
    list->clear();
    list->addItem(Text(kTextNoSound));
    list->addItem(Text(kRandomText));
    for (const TuneTitle& tune : kTuneTitles)
        list->addItem(tune.textId ? Text(tune.textId) : QString::fromLatin1(tune.title));
    list->setCurrentIndex(selected);
}

void CDlgTabSound::RefreshTexts()
{
    SetControlTexts(SOUND_TEXTS);
    SetDlgItemText(this, IDC_BUTTON_PLAY_STARTUP,
                   Text(m_sound.IsPlaying(kStartupKey) ? kTextStop : kTextPlay));
    SetDlgItemText(this, IDC_BUTTON_PLAY_EVERY_HOUR,
                   Text(m_sound.IsPlaying(kEveryHourKey) ? kTextStop : kTextPlay));

    FillTuneList(m_comboStartup, StartupTune());
    FillTuneList(m_comboEveryHour, EveryHourTune());

    m_comboBackground->clear();
    m_comboBackground->addItem(Text(kTextNoSound));
    for (unsigned id : kBackgroundTexts)
        m_comboBackground->addItem(Text(id));
    m_comboBackground->setCurrentIndex(Background());

    RefreshHelpButton(m_btnHelp);
}

void CDlgTabSound::OnStartupSelChange()
{
    m_context.options.iSoundStartup = m_comboStartup->currentIndex();
    const bool on = m_context.options.iSoundStartup != kNoSound;
    m_btnPlayStartup->setEnabled(on);
    m_sliderStartup->setEnabled(on);
    SettingsChanged();
}

void CDlgTabSound::OnEveryHourSelChange()
{
    m_context.options.iSoundEveryHour = m_comboEveryHour->currentIndex();
    // The last hour seen stays, so that a chime comes at once when the
    // tunes come back in another hour.
    if (m_context.options.iSoundEveryHour != kNoSound) {
        StartHourTimer();
        m_btnPlayEveryHour->setEnabled(true);
        m_sliderEveryHour->setEnabled(true);
    } else {
        m_context.services.scheduler->killTimer(this, m_nHourTimer);
        m_btnPlayEveryHour->setEnabled(false);
        m_sliderEveryHour->setEnabled(false);
    }
    SettingsChanged();
}

void CDlgTabSound::OnBackgroundSelChange()
{
    COptions& options = m_context.options;
    options.iSoundBackground = m_comboBackground->currentIndex();
    if (options.iSoundBackground != kNoSound) {
        m_sound.Play(GetBackgroundName(options.iSoundBackground), kBackgroundKey, nullptr, true);
        m_sound.SetVolume(kBackgroundKey, PlayerVolume(options.iSoundBackgroundVolume));
        m_sliderBackground->setEnabled(true);
    } else {
        m_sound.Stop(kBackgroundKey);
        m_sliderBackground->setEnabled(false);
    }
    SettingsChanged();
}

void CDlgTabSound::OnPlayStartupClicked()
{
    OnPlayClicked(kStartupKey, IDC_BUTTON_PLAY_STARTUP, StartupTune(),
                  m_context.options.iSoundStartupVolume);
}

void CDlgTabSound::OnPlayEveryHourClicked()
{
    OnPlayClicked(kEveryHourKey, IDC_BUTTON_PLAY_EVERY_HOUR, EveryHourTune(),
                  m_context.options.iSoundEveryHourVolume);
}

void CDlgTabSound::OnPlayClicked(const QString& key, int button, int tune, int volume)
{
    if (m_sound.IsPlaying(key)) {
        m_sound.Stop(key);
        SetDlgItemText(this, button, Text(kTextPlay));
        return;
    }
    PlayTune(key, button, tune, volume);
}

void CDlgTabSound::PlayTune(const QString& key, int button, int tune, int volume)
{
    // "Stop" first: a tune that cannot be played leaves it there until the
    // next click, which then tries again.
    SetDlgItemText(this, button, Text(kTextStop));
    m_sound.Play(GetTuneName(tune), key, this, false);
    m_sound.SetVolume(key, PlayerVolume(volume));
}

void CDlgTabSound::OnHScroll(QSlider* slider)
{
    COptions& options = m_context.options;
    const int position = slider->value();
    if (slider == m_sliderStartup) {
        options.iSoundStartupVolume = position;
        m_sound.SetVolume(kStartupKey, PlayerVolume(position));
    } else if (slider == m_sliderEveryHour) {
        options.iSoundEveryHourVolume = position;
        m_sound.SetVolume(kEveryHourKey, PlayerVolume(position));
    } else if (slider == m_sliderBackground) {
        options.iSoundBackgroundVolume = position;
        m_sound.SetVolume(kBackgroundKey, PlayerVolume(position));
    }
    SettingsChanged();
}

void CDlgTabSound::OnTimer(platform::Scheduler::TimerId id)
{
    if (id != m_nHourTimer)
        return;
    platform::Clock& clock = *m_context.services.clock;
    const int hour = clock.localTime(clock.unixTime()).tm_hour;
    if (m_nLastHour == -1) {
        m_nLastHour = hour;
        return;
    }
    if (hour == m_nLastHour)
        return;
    m_nLastHour = hour;
    // This hour's chime is skipped, not put off: the start-up tune still
    // plays, or the decorations are away for a full-screen program.
    if (m_sound.IsPlaying(kStartupKey))
        return;
    if (m_context.options.fDisableAtHighLoad && !m_highLoad.m_bEffectsShown)
        return;
    PlayTune(kEveryHourKey, IDC_BUTTON_PLAY_EVERY_HOUR, EveryHourTune(),
             m_context.options.iSoundEveryHourVolume);
}

bool CDlgTabSound::WindowProc(QEvent* event)
{
    if (event->type() == CSound::MM_MCINOTIFY) {
        // Any tune's end puts back "Play" on every button whose tune is over.
        if (m_sound.IsAtEnd(kStartupKey))
            SetDlgItemText(this, IDC_BUTTON_PLAY_STARTUP, Text(kTextPlay));
        if (m_sound.IsAtEnd(kEveryHourKey))
            SetDlgItemText(this, IDC_BUTTON_PLAY_EVERY_HOUR, Text(kTextPlay));
    }
    return SettingsPage::event(event);
}

void CDlgTabSound::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_pBackground)
        painter.drawImage(QPoint(0, 0), *m_pBackground);
}
