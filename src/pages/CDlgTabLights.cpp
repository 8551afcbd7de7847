#include "pages/CDlgTabLights.h"

#include "core/COptions.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/ProgramResources.h"
#include "decorations/CDlgLights.h"
#include "vocabulary/GarlandKeys.h"
#include "vocabulary/PictureIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <array>

namespace {

enum : int {
    IDC_COMBO_GARLAND = 1003,
    IDC_CHECK_ENABLE = 1006,
    IDC_COMBO_FLASH = 1007,
    IDC_SLIDER_FLASH_SPEED = 1008,
    IDC_CHECK_FLASH_RANDOM = 1009,
    IDC_CHECK_GARLAND_RANDOM = 1010,
    IDC_RADIO_DESKTOP = 1011,
    IDC_RADIO_TOP = 1012,
    IDC_GROUP_FLASH = 1014,
    IDC_GROUP_GARLAND = 1015,
    IDC_STATIC_SLOW = 1016,
    IDC_STATIC_FAST = 1017,
    IDC_GROUP_DISPLAY = 1018,
    IDC_BUTTON_HELP = 1051,
    IDC_STATIC_ENABLE = 1074,
};

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {IDC_CHECK_ENABLE, Kind::CheckBox, {14, 14, 9, 9}},
    {IDC_STATIC_ENABLE, Kind::Static, {26, 15, 60, 8}},
    {IDC_GROUP_GARLAND, Kind::GroupBox, {7, 32, 182, 44}},
    {IDC_COMBO_GARLAND, Kind::DropDownList, {13, 43, 170, 30}},
    {IDC_CHECK_GARLAND_RANDOM, Kind::MultiLineCheckBox, {15, 56, 170, 19}},
    {IDC_GROUP_DISPLAY, Kind::GroupBox, {7, 80, 182, 32}},
    {IDC_RADIO_DESKTOP, Kind::RadioButton, {15, 92, 80, 10}, DialogControl::GroupStart},
    {IDC_RADIO_TOP, Kind::RadioButton, {101, 92, 80, 10}},
    {IDC_GROUP_FLASH, Kind::GroupBox, {192, 32, 113, 97}, DialogControl::GroupStart},
    {IDC_COMBO_FLASH, Kind::DropDownList, {216, 43, 71, 30}},
    {IDC_SLIDER_FLASH_SPEED, Kind::Slider, {199, 64, 100, 26}},
    {IDC_STATIC_SLOW, Kind::Static, {201, 90, 40, 8}},
    {IDC_STATIC_FAST, Kind::RightStatic, {262, 90, 40, 8}},
    {IDC_CHECK_FLASH_RANDOM, Kind::MultiLineCheckBox, {202, 104, 100, 20}},
    {IDC_BUTTON_HELP, Kind::SkinButton, {296, 3, 15, 14}},
};

// The controls that only mean something while the garland is on.
constexpr std::array<int, 7> kDependentControls = {
    IDC_COMBO_GARLAND,      IDC_CHECK_GARLAND_RANDOM, IDC_COMBO_FLASH, IDC_CHECK_FLASH_RANDOM,
    IDC_SLIDER_FLASH_SPEED, IDC_RADIO_DESKTOP,        IDC_RADIO_TOP};

// The garlands as they are added; the list shows them sorted by caption.
struct GarlandChoice {
    unsigned textId;
    const char* key;
};
constexpr GarlandChoice kGarlands[] = {
    {14, kGarlandMulticolor},           {48, kGarlandBlue},           {15, kGarlandWhite},
    {16, kGarlandMulticolorStrawberry}, {49, kGarlandBlueStrawberry}, {17, kGarlandPine},
    {18, kGarlandChristmasPine},        {47, kGarlandIcicle},         {104, kGarlandBall},
    {105, kGarlandBacklight},           {106, kGarlandSnowflake},
};

// Steady on, together, chasing, sections, random: the list's index is the mode.
constexpr std::array<unsigned, 5> kFlashModes = {20, 21, 22, 23, 24};

constexpr int kMinimumSpeed = 1;
constexpr int kMaximumSpeed = 9;

// 60 ms per step of the speed below 10: 540 ms at 1, 60 ms at 9.
uint32_t FlashPeriod(int nSpeed)
{
    return static_cast<uint32_t>((10 - nSpeed) * 60);
}

} // namespace

const CONTROL_TEXT CDlgTabLights::LIGHTS_TEXTS[10] = {
    {IDC_STATIC_ENABLE, 13},      {IDC_GROUP_FLASH, 19},
    {IDC_GROUP_GARLAND, 25},      {IDC_CHECK_GARLAND_RANDOM, 26},
    {IDC_STATIC_SLOW, 27},        {IDC_STATIC_FAST, 28},
    {IDC_CHECK_FLASH_RANDOM, 29}, {IDC_GROUP_DISPLAY, 30},
    {IDC_RADIO_DESKTOP, 31},      {IDC_RADIO_TOP, 32},
};

CDlgTabLights::CDlgTabLights(const PageContext& context, CDlgLights& decoration)
    : SettingsPage(context, 138, kNarrowTemplate, kControls), m_decoration(decoration)
{
}

CDlgTabLights::~CDlgTabLights() = default;

void CDlgTabLights::DoDataExchange()
{
    m_comboGarland = GetDlgItemAs<QComboBox>(this, IDC_COMBO_GARLAND);
    m_comboFlash = GetDlgItemAs<QComboBox>(this, IDC_COMBO_FLASH);
    m_sliderFlashSpeed = GetDlgItemAs<QSlider>(this, IDC_SLIDER_FLASH_SPEED);
    m_chkFlashRandom = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_FLASH_RANDOM);
    m_chkGarlandRandom = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_GARLAND_RANDOM);
    m_chkEnable = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_ENABLE);
    m_radioDesktop = GetDlgItemAs<QRadioButton>(this, IDC_RADIO_DESKTOP);
    m_radioTop = GetDlgItemAs<QRadioButton>(this, IDC_RADIO_TOP);
    m_btnHelp = GetDlgItemAs<CxSkinButton>(this, IDC_BUTTON_HELP);
    // The user's picks only: refilling the lists in another language must
    // not count as one.
    connect(m_comboGarland, &QComboBox::activated, this, &CDlgTabLights::OnGarlandSelChange);
    connect(m_comboFlash, &QComboBox::activated, this, &CDlgTabLights::OnFlashSelChange);
    ConnectReleased(m_sliderFlashSpeed, [this] { OnFlashSpeedReleased(); });
    connect(m_chkFlashRandom, &QCheckBox::clicked, this, &CDlgTabLights::OnFlashRandomClicked);
    connect(m_chkGarlandRandom, &QCheckBox::clicked, this, &CDlgTabLights::OnGarlandRandomClicked);
    connect(m_chkEnable, &QCheckBox::clicked, this, &CDlgTabLights::OnEnableClicked);
    connect(m_radioDesktop, &QRadioButton::clicked, this, &CDlgTabLights::OnDisplayDesktop);
    connect(m_radioTop, &QRadioButton::clicked, this, &CDlgTabLights::OnDisplayTop);
}

bool CDlgTabLights::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_pImageBack = LoadPngResource(kPageBackgroundPicture);
    InitHelpButton(m_btnHelp);

    const COptions& options = m_context.options;
    m_chkEnable->setChecked(options.fGarland != 0);
    m_chkGarlandRandom->setChecked(options.fGarlandRandom);
    m_chkFlashRandom->setChecked(options.fFlashRandom);
    // A hand-edited speed shows as the nearest the slider has, which is also
    // what the garland runs at; the setting keeps its value until moved.
    SetSliderRange(m_sliderFlashSpeed, kMinimumSpeed, kMaximumSpeed);
    m_sliderFlashSpeed->setValue(options.iFlashSpeed);
    m_nDisplay = options.fGarlandTop ? 1 : 0;
    (m_nDisplay == 1 ? m_radioTop : m_radioDesktop)->setChecked(true);
    if (!options.fGarland)
        EnableControls(kDependentControls, false);
    return true;
}

void CDlgTabLights::OnEnableClicked()
{
    COptions& options = m_context.options;
    if (!m_chkEnable->isChecked()) {
        if (m_decoration.IsWindow())
            m_decoration.DestroyWindow();
        EnableControls(kDependentControls, false);
        options.fGarland = 0;
    } else {
        if (!m_decoration.Create()) {
            // No window, no garland: the box tells the truth and the setting
            // stays as it was.
            m_chkEnable->setChecked(false);
            return;
        }
        EnableControls(kDependentControls, true);
        options.fGarland = 1;
    }
    SettingsChanged();
}

void CDlgTabLights::OnGarlandSelChange()
{
    const QString key = SelectedKey(m_comboGarland);
    m_decoration.SetGarland(key);
    m_context.options.strGarland = key;
    SettingsChanged();
}

void CDlgTabLights::OnFlashSelChange()
{
    const int nFlash = m_comboFlash->currentIndex();
    m_context.options.iFlash = nFlash;
    m_decoration.m_nFlash = nFlash;
    SettingsChanged();
}

void CDlgTabLights::OnFlashSpeedReleased()
{
    const int p = m_sliderFlashSpeed->sliderPosition();
    // Without a window there is no timer to re-arm; the next window starts
    // its timer from the setting.
    if (m_decoration.IsWindow())
        m_decoration.m_nTimer = m_decoration.SetTimer(m_decoration.m_nTimer, FlashPeriod(p));
    m_context.options.iFlashSpeed = p;
    SettingsChanged();
}

void CDlgTabLights::OnFlashRandomClicked()
{
    m_context.options.fFlashRandom = m_chkFlashRandom->isChecked();
    SettingsChanged();
}

void CDlgTabLights::OnGarlandRandomClicked()
{
    m_context.options.fGarlandRandom = m_chkGarlandRandom->isChecked();
    SettingsChanged();
}

void CDlgTabLights::OnDisplayDesktop()
{
    m_nDisplay = 0;
    m_decoration.SetOnDesktop();
    m_context.options.fGarlandTop = false;
    SettingsChanged();
}

void CDlgTabLights::OnDisplayTop()
{
    m_nDisplay = 1;
    m_decoration.SetOnTop();
    m_context.options.fGarlandTop = true;
    SettingsChanged();
}

void CDlgTabLights::RefreshTexts()
{
    if (!IsWindow())
        return;
    SetControlTexts(LIGHTS_TEXTS);
    const COptions& options = m_context.options;
    std::vector<KeyedListItem> garlands;
    for (const GarlandChoice& garland : kGarlands)
        garlands.push_back({Text(garland.textId), QLatin1String(garland.key)});
    FillKeyedList(m_comboGarland, garlands, options.strGarland, true);
    // A hand-edited mode shows as the nearest one the list has.
    FillList(m_comboFlash, kFlashModes,
             std::clamp<int>(options.iFlash, 0, static_cast<int>(kFlashModes.size()) - 1));
    RefreshHelpButton(m_btnHelp);
}

void CDlgTabLights::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_pImageBack)
        painter.drawImage(QPoint(0, 0), *m_pImageBack);
}
