#include "pages/CDlgTabTree.h"

#include "core/COptions.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/ProgramResources.h"
#include "decorations/CDlgTree.h"
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
    IDC_CHECK_ENABLE = 1006,
    IDC_CHECK_TYPE_RANDOM = 1009,
    IDC_RADIO_DESKTOP = 1011,
    IDC_RADIO_TOP = 1012,
    IDC_STATIC_SLOW = 1016,
    IDC_STATIC_FAST = 1017,
    IDC_STATIC_DISPLAY = 1018,
    IDC_SLIDER_SPEED = 1025,
    IDC_BUTTON_HELP = 1038,
    IDC_STATIC_TREE = 1054,
    IDC_COMBO_TREE = 1057,
    IDC_STATIC_SPEED = 1058,
    IDC_CHECK_SPEED_RANDOM = 1059,
    IDC_STATIC_ENABLE = 1074,
};

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {IDC_CHECK_ENABLE, Kind::CheckBox, {14, 37, 9, 9}},
    {IDC_STATIC_ENABLE, Kind::Static, {26, 37, 60, 8}},
    {IDC_STATIC_TREE, Kind::GroupBox, {7, 55, 182, 44}},
    {IDC_COMBO_TREE, Kind::DropDownList, {78, 67, 48, 30}},
    {IDC_CHECK_TYPE_RANDOM, Kind::CheckBox, {15, 84, 170, 10}},
    {IDC_STATIC_DISPLAY, Kind::GroupBox, {7, 103, 182, 32}},
    {IDC_RADIO_DESKTOP, Kind::RadioButton, {15, 116, 80, 10}, DialogControl::GroupStart},
    {IDC_RADIO_TOP, Kind::RadioButton, {101, 116, 80, 10}},
    {IDC_STATIC_SPEED, Kind::GroupBox, {192, 55, 114, 80}},
    {IDC_SLIDER_SPEED, Kind::Slider, {199, 69, 100, 26}},
    {IDC_STATIC_SLOW, Kind::Static, {197, 95, 40, 8}},
    {IDC_STATIC_FAST, Kind::RightStatic, {258, 95, 40, 8}},
    {IDC_CHECK_SPEED_RANDOM, Kind::MultiLineCheckBox, {202, 109, 100, 20}},
    {IDC_BUTTON_HELP, Kind::SkinButton, {296, 3, 15, 14}},
};

// The controls that mean something only while the tree is on.
constexpr std::array<int, 6> kDependentControls = {IDC_COMBO_TREE,    IDC_CHECK_TYPE_RANDOM,
                                                   IDC_SLIDER_SPEED,  IDC_CHECK_SPEED_RANDOM,
                                                   IDC_RADIO_DESKTOP, IDC_RADIO_TOP};

// The trees' names by the index the settings keep: "Bow", "Hoarfrost", "Joy",
// "Silver", "Snowy".
constexpr std::array<unsigned, 5> kTreeTexts = {71, 74, 72, 70, 73};

} // namespace

const CONTROL_TEXT CDlgTabTree::TREE_TEXTS[10] = {
    {IDC_STATIC_ENABLE, 13}, {IDC_STATIC_DISPLAY, 30},    {IDC_RADIO_DESKTOP, 31},
    {IDC_RADIO_TOP, 32},     {IDC_CHECK_TYPE_RANDOM, 29}, {IDC_CHECK_SPEED_RANDOM, 29},
    {IDC_STATIC_TREE, 69},   {IDC_STATIC_SPEED, 75},      {IDC_STATIC_SLOW, 27},
    {IDC_STATIC_FAST, 28},
};

CDlgTabTree::CDlgTabTree(const PageContext& context, CDlgTree& decoration)
    : SettingsPage(context, 307, kWideTemplate, kControls), m_decoration(decoration)
{
}

CDlgTabTree::~CDlgTabTree() = default;

void CDlgTabTree::DoDataExchange()
{
    m_chkEnable = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_ENABLE);
    m_radioDesktop = GetDlgItemAs<QRadioButton>(this, IDC_RADIO_DESKTOP);
    m_radioTop = GetDlgItemAs<QRadioButton>(this, IDC_RADIO_TOP);
    m_comboTree = GetDlgItemAs<QComboBox>(this, IDC_COMBO_TREE);
    m_chkTypeRandom = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_TYPE_RANDOM);
    m_sliderSpeed = GetDlgItemAs<QSlider>(this, IDC_SLIDER_SPEED);
    m_chkSpeedRandom = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_SPEED_RANDOM);
    m_btnHelp = GetDlgItemAs<CxSkinButton>(this, IDC_BUTTON_HELP);
    connect(m_chkEnable, &QCheckBox::clicked, this, &CDlgTabTree::OnEnableClicked);
    connect(m_radioDesktop, &QRadioButton::clicked, this, &CDlgTabTree::OnDisplayDesktop);
    connect(m_radioTop, &QRadioButton::clicked, this, &CDlgTabTree::OnDisplayTop);
    // The user's picks only: filling the list from code must not count as one.
    connect(m_comboTree, &QComboBox::activated, this, &CDlgTabTree::OnTypeSelChange);
    connect(m_chkTypeRandom, &QCheckBox::clicked, this, &CDlgTabTree::OnTypeRandomClicked);
    ConnectReleased(m_sliderSpeed, [this] { OnSpeedReleased(); });
    connect(m_chkSpeedRandom, &QCheckBox::clicked, this, &CDlgTabTree::OnSpeedRandomClicked);
}

bool CDlgTabTree::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_pImageBack = LoadPngResource(kTreePagePicture);
    InitHelpButton(m_btnHelp);

    const COptions& options = m_context.options;
    m_chkEnable->setChecked(options.fTree);
    m_chkTypeRandom->setChecked(options.fTreeRandom);
    m_nDisplay = options.fTreeTop ? 1 : 0;
    UpdateDisplayRadios();
    // A hand-edited speed beyond the range shows as the nearest end, and the
    // setting keeps it until the user moves the slider.
    SetSliderRange(m_sliderSpeed, kSlowestSpeed, kFastestSpeed);
    m_sliderSpeed->setValue(options.iTreeSpeed);
    m_chkSpeedRandom->setChecked(options.fTreeSpeedRandom);
    if (!options.fTree)
        EnableControls(kDependentControls, false);
    return true;
}

void CDlgTabTree::UpdateDisplayRadios()
{
    (m_nDisplay == 1 ? m_radioTop : m_radioDesktop)->setChecked(true);
}

void CDlgTabTree::RefreshTexts()
{
    SetControlTexts(TREE_TEXTS);
    // A hand-edited tree beyond the list shows as the nearest one, which is
    // also the tree on the desktop.
    const int last = static_cast<int>(kTreeTexts.size()) - 1;
    FillList(m_comboTree, kTreeTexts, std::clamp(m_context.options.iTree, 0, last));
    RefreshHelpButton(m_btnHelp);
}

void CDlgTabTree::OnEnableClicked()
{
    SwitchDecoration(m_decoration, m_chkEnable->isChecked(), kDependentControls,
                     m_context.options.fTree);
}

void CDlgTabTree::OnDisplayDesktop()
{
    m_nDisplay = 0;
    m_decoration.SetOnDesktop();
    m_context.options.fTreeTop = false;
    SettingsChanged();
}

void CDlgTabTree::OnDisplayTop()
{
    m_nDisplay = 1;
    m_decoration.SetOnTop();
    m_context.options.fTreeTop = true;
    SettingsChanged();
}

void CDlgTabTree::OnTypeSelChange()
{
    // The new tree has another size and other pictures: a new window, at the
    // place the settings keep.
    m_decoration.DestroyWindow();
    m_context.options.iTree = m_comboTree->currentIndex();
    m_decoration.Create();
    SettingsChanged();
}

void CDlgTabTree::OnTypeRandomClicked()
{
    m_context.options.fTreeRandom = m_chkTypeRandom->isChecked();
    SettingsChanged();
}

void CDlgTabTree::OnSpeedReleased()
{
    const int p = m_sliderSpeed->sliderPosition();
    // Only a window has a timer to re-arm; one made later reads the setting.
    if (m_decoration.IsWindow())
        m_decoration.m_nTimer =
            m_decoration.SetTimer(m_decoration.m_nTimer, static_cast<uint32_t>(11 - p) * 100);
    m_context.options.iTreeSpeed = p;
    SettingsChanged();
}

void CDlgTabTree::OnSpeedRandomClicked()
{
    m_context.options.fTreeSpeedRandom = m_chkSpeedRandom->isChecked();
    SettingsChanged();
}

void CDlgTabTree::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_pImageBack)
        painter.drawImage(QPoint(0, 0), *m_pImageBack);
}
