#include "pages/CDlgTabSnow.h"

#include "core/COptions.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/ProgramResources.h"
#include "decorations/CDlgSnow.h"
#include "platform/RuntimeLibrary.h"
#include "vocabulary/PictureIds.h"
#include "vocabulary/SnowKinds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QRadioButton>
#include <QSlider>

#include <array>
#include <utility>

namespace {

enum : int {
    IDC_CHECK_ENABLE = 1006,
    IDC_CHECK_DENSITY_RANDOM = 1009,
    IDC_RADIO_DESKTOP = 1011,
    IDC_RADIO_TOP = 1012,
    IDC_GROUP_DISPLAY = 1018,
    IDC_GROUP_DENSITY = 1019,
    IDC_GROUP_WIND = 1020,
    IDC_SLIDER_DENSITY = 1021,
    IDC_SLIDER_WIND = 1022,
    IDC_CHECK_WIND_RANDOM = 1023,
    IDC_GROUP_SPEED = 1024,
    IDC_SLIDER_SPEED = 1025,
    IDC_COMBO_TYPE = 1029,
    IDC_CHECK_TYPE_RANDOM = 1030,
    IDC_GROUP_TYPE = 1031,
    IDC_BUTTON_HELP = 1038,
    IDC_CHECK_ACCUMULATE = 1072,
    IDC_STATIC_ACCUMULATE = 1073,
    IDC_STATIC_ENABLE = 1074,
};

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {IDC_CHECK_ENABLE, Kind::CheckBox, {14, 14, 9, 9}},
    {IDC_STATIC_ENABLE, Kind::Static, {26, 15, 60, 8}},
    {IDC_GROUP_TYPE, Kind::GroupBox, {7, 32, 182, 44}},
    {IDC_COMBO_TYPE, Kind::DropDownList, {75, 43, 50, 30}},
    {IDC_CHECK_TYPE_RANDOM, Kind::CheckBox, {15, 61, 170, 10}},
    {IDC_GROUP_DISPLAY, Kind::GroupBox, {7, 80, 182, 32}},
    {IDC_RADIO_DESKTOP, Kind::RadioButton, {15, 92, 70, 10}, DialogControl::GroupStart},
    {IDC_RADIO_TOP, Kind::RadioButton, {101, 92, 70, 10}},
    {IDC_CHECK_ACCUMULATE, Kind::CheckBox, {14, 123, 10, 10}, DialogControl::GroupStart},
    {IDC_STATIC_ACCUMULATE, Kind::Static, {25, 123, 80, 8}},
    {IDC_GROUP_WIND, Kind::GroupBox, {202, 32, 103, 46}},
    {IDC_SLIDER_WIND, Kind::Slider, {203, 40, 100, 22}},
    {IDC_CHECK_WIND_RANDOM, Kind::MultiLineCheckBox, {208, 56, 92, 20}},
    {IDC_GROUP_DENSITY, Kind::GroupBox, {202, 81, 103, 46}},
    {IDC_SLIDER_DENSITY, Kind::Slider, {203, 89, 100, 22}},
    {IDC_CHECK_DENSITY_RANDOM, Kind::MultiLineCheckBox, {208, 105, 92, 20}},
    {IDC_GROUP_SPEED, Kind::GroupBox, {202, 131, 103, 32}},
    {IDC_SLIDER_SPEED, Kind::Slider, {203, 139, 100, 22}},
    {IDC_BUTTON_HELP, Kind::SkinButton, {296, 3, 15, 14}},
};

// The controls that only mean something while the snow falls.
constexpr std::array<int, 10> kDependentControls = {
    IDC_COMBO_TYPE,     IDC_CHECK_TYPE_RANDOM, IDC_CHECK_DENSITY_RANDOM, IDC_CHECK_WIND_RANDOM,
    IDC_SLIDER_DENSITY, IDC_SLIDER_WIND,       IDC_SLIDER_SPEED,         IDC_RADIO_DESKTOP,
    IDC_RADIO_TOP,      IDC_CHECK_ACCUMULATE};
// Deep snow is a prepared picture of the whole screen: it has no flakes to
// count, blow about or pile up.
constexpr std::array<int, 5> kFlakeControls = {IDC_CHECK_DENSITY_RANDOM, IDC_CHECK_WIND_RANDOM,
                                               IDC_SLIDER_DENSITY, IDC_SLIDER_WIND,
                                               IDC_CHECK_ACCUMULATE};

// The kinds in the list's fixed order, in every language.
struct SnowChoice {
    unsigned textId;
    const char* key;
};
constexpr SnowChoice kSnowTypes[] = {
    {102, kSnowDeep},  {101, kSnowFantasy},   {39, kSnowFine},
    {38, kSnowFluffy}, {100, kSnowSparkling}, {40, kSnowThick},
};

constexpr int kMinimumStep = 1;
constexpr int kMaximumStep = 9;
// The strongest wind blows without pause.
constexpr uint32_t kGustWind = 9;

bool IsDeep(const QString& key)
{
    return key == QLatin1String(kSnowDeep);
}

} // namespace

const CONTROL_TEXT CDlgTabSnow::SNOW_TEXTS[12] = {
    {IDC_STATIC_ENABLE, 13},        {IDC_GROUP_DENSITY, 34},     {IDC_GROUP_WIND, 35},
    {IDC_CHECK_DENSITY_RANDOM, 29}, {IDC_CHECK_WIND_RANDOM, 29}, {IDC_GROUP_DISPLAY, 30},
    {IDC_RADIO_DESKTOP, 31},        {IDC_RADIO_TOP, 32},         {IDC_GROUP_SPEED, 36},
    {IDC_GROUP_TYPE, 37},           {IDC_CHECK_TYPE_RANDOM, 29}, {IDC_STATIC_ACCUMULATE, 111},
};

CDlgTabSnow::CDlgTabSnow(const PageContext& context, CDlgSnow& decoration)
    : SettingsPage(context, 190, kNarrowTemplate, kControls), m_decoration(decoration)
{
}

CDlgTabSnow::~CDlgTabSnow() = default;

void CDlgTabSnow::DoDataExchange()
{
    m_radioDesktop = GetDlgItemAs<QRadioButton>(this, IDC_RADIO_DESKTOP);
    m_radioTop = GetDlgItemAs<QRadioButton>(this, IDC_RADIO_TOP);
    m_comboType = GetDlgItemAs<QComboBox>(this, IDC_COMBO_TYPE);
    m_chkTypeRandom = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_TYPE_RANDOM);
    m_btnHelp = GetDlgItemAs<CxSkinButton>(this, IDC_BUTTON_HELP);
    m_sliderSpeed = GetDlgItemAs<QSlider>(this, IDC_SLIDER_SPEED);
    m_chkWindRandom = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_WIND_RANDOM);
    m_sliderWind = GetDlgItemAs<QSlider>(this, IDC_SLIDER_WIND);
    m_chkDensityRandom = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_DENSITY_RANDOM);
    m_sliderDensity = GetDlgItemAs<QSlider>(this, IDC_SLIDER_DENSITY);
    m_chkEnable = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_ENABLE);
    m_chkAccumulate = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_ACCUMULATE);
    connect(m_chkEnable, &QCheckBox::clicked, this, &CDlgTabSnow::OnEnableClicked);
    ConnectReleased(m_sliderDensity, [this] { OnDensityReleased(); });
    connect(m_chkDensityRandom, &QCheckBox::clicked, this, &CDlgTabSnow::OnDensityRandomClicked);
    ConnectReleased(m_sliderWind, [this] { OnWindReleased(); });
    connect(m_chkWindRandom, &QCheckBox::clicked, this, &CDlgTabSnow::OnWindRandomClicked);
    ConnectReleased(m_sliderSpeed, [this] { OnSpeedReleased(); });
    connect(m_radioDesktop, &QRadioButton::clicked, this, &CDlgTabSnow::OnDisplayDesktop);
    connect(m_radioTop, &QRadioButton::clicked, this, &CDlgTabSnow::OnDisplayTop);
    // The user's picks only: refilling the list in another language must not
    // count as one.
    connect(m_comboType, &QComboBox::activated, this, &CDlgTabSnow::OnTypeSelChange);
    connect(m_chkTypeRandom, &QCheckBox::clicked, this, &CDlgTabSnow::OnTypeRandomClicked);
    connect(m_chkAccumulate, &QCheckBox::clicked, this, &CDlgTabSnow::OnAccumulateClicked);
}

bool CDlgTabSnow::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_pImageBack = LoadPngResource(kPageBackgroundPicture);
    InitHelpButton(m_btnHelp);

    const COptions& options = m_context.options;
    m_chkEnable->setChecked(options.fSnow);
    m_chkTypeRandom->setChecked(options.fSnowTypeRandom);
    m_chkDensityRandom->setChecked(options.fSnowDensityRandom);
    m_chkWindRandom->setChecked(options.fSnowWindRandom);
    // A hand-edited number shows as the nearest the slider has, which is
    // also what the snow runs at (read as the signed number the file wrote);
    // the setting keeps its value until the slider is moved.
    for (const auto& [slider, value] : {std::pair{m_sliderDensity, options.uSnowDensity},
                                        std::pair{m_sliderWind, options.uSnowWind},
                                        std::pair{m_sliderSpeed, options.uSnowSpeed}}) {
        SetSliderRange(slider, kMinimumStep, kMaximumStep);
        slider->setValue(static_cast<int32_t>(value));
    }
    m_chkAccumulate->setChecked(options.fSnowAcumulate);
    m_nDisplay = options.fSnowTop ? 1 : 0;
    (m_nDisplay == 1 ? m_radioTop : m_radioDesktop)->setChecked(true);
    if (!m_chkEnable->isChecked())
        EnableControls(kDependentControls, false);
    if (IsDeep(options.strSnowType))
        EnableControls(kFlakeControls, false);
    return true;
}

void CDlgTabSnow::OnEnableClicked()
{
    const bool on = m_chkEnable->isChecked();
    SwitchDecoration(m_decoration, on, kDependentControls, m_context.options.fSnow);
    if (on && IsDeep(m_context.options.strSnowType))
        EnableControls(kFlakeControls, false);
}

void CDlgTabSnow::OnTypeSelChange()
{
    const QString key = SelectedKey(m_comboType);
    EnableControls(kFlakeControls, !IsDeep(key));
    m_decoration.SetSnowType(key);
    m_context.options.strSnowType = key;
    SettingsChanged();
}

void CDlgTabSnow::OnDensityReleased()
{
    const int p = m_sliderDensity->sliderPosition();
    m_context.options.uSnowDensity = static_cast<uint32_t>(p);
    m_decoration.m_nMaxFlakes = CDlgSnow::MaxFlakes(static_cast<uint32_t>(p), m_decoration.m_nType);
    SettingsChanged();
}

void CDlgTabSnow::OnWindReleased()
{
    const auto p = static_cast<uint32_t>(m_sliderWind->sliderPosition());
    m_decoration.m_nWind = p;
    if (p == kGustWind) {
        m_decoration.m_bGust = true;
        m_decoration.m_bGustRight = crt::rand() % 2 != 0;
    } else {
        // The calm starts again, so the next gust waits its full time.
        m_decoration.m_bGust = false;
        m_decoration.m_nGustSeconds = 0;
    }
    m_context.options.uSnowWind = p;
    SettingsChanged();
}

void CDlgTabSnow::OnSpeedReleased()
{
    const auto s = static_cast<uint32_t>(m_sliderSpeed->sliderPosition());
    // Without a window there is no timer to re-arm; the next window starts
    // its timer from the setting.
    if (m_decoration.IsWindow())
        m_decoration.m_nTimer =
            m_decoration.SetTimer(m_decoration.m_nTimer, CDlgSnow::SpeedPeriod(s));
    m_context.options.uSnowSpeed = s;
    SettingsChanged();
}

void CDlgTabSnow::OnAccumulateClicked()
{
    const bool bAccumulate = m_chkAccumulate->isChecked();
    m_decoration.m_bAccumulate = bAccumulate;
    if (!bAccumulate) {
        m_decoration.m_pile.clear();
        m_decoration.m_pile.shrink_to_fit();
        m_decoration.m_pPileBitmap.reset();
    }
    m_context.options.fSnowAcumulate = bAccumulate;
    SettingsChanged();
}

void CDlgTabSnow::OnDisplayDesktop()
{
    m_nDisplay = 0;
    m_decoration.SetOnDesktop();
    m_context.options.fSnowTop = false;
    SettingsChanged();
}

void CDlgTabSnow::OnDisplayTop()
{
    m_nDisplay = 1;
    m_decoration.SetOnTop();
    m_context.options.fSnowTop = true;
    SettingsChanged();
}

void CDlgTabSnow::OnTypeRandomClicked()
{
    m_context.options.fSnowTypeRandom = m_chkTypeRandom->isChecked();
    SettingsChanged();
}

void CDlgTabSnow::OnDensityRandomClicked()
{
    m_context.options.fSnowDensityRandom = m_chkDensityRandom->isChecked();
    SettingsChanged();
}

void CDlgTabSnow::OnWindRandomClicked()
{
    m_context.options.fSnowWindRandom = m_chkWindRandom->isChecked();
    SettingsChanged();
}

void CDlgTabSnow::RefreshTexts()
{
    if (!IsWindow())
        return;
    SetControlTexts(SNOW_TEXTS);
    std::vector<KeyedListItem> types;
    for (const SnowChoice& type : kSnowTypes)
        types.push_back({Text(type.textId), QLatin1String(type.key)});
    FillKeyedList(m_comboType, types, m_context.options.strSnowType, false);
    RefreshHelpButton(m_btnHelp);
}

void CDlgTabSnow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_pImageBack)
        painter.drawImage(QPoint(0, 0), *m_pImageBack);
}
