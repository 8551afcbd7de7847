#include "pages/CDlgTabCursor.h"

#include "core/COptions.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/ProgramResources.h"
#include "decorations/CDlgCursor.h"
#include "vocabulary/CursorEffects.h"
#include "vocabulary/PictureIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QRadioButton>

#include <array>

namespace {

enum : int {
    IDC_CHECK_ENABLE = 1006,
    IDC_STATIC_DISPLAY = 1018,
    IDC_COMBO_TYPE = 1029,
    IDC_CHECK_TYPE_RANDOM = 1030,
    IDC_STATIC_EFFECT = 1031,
    IDC_BUTTON_HELP = 1038,
    IDC_RADIO_DESKTOP = 1055,
    IDC_RADIO_TOP = 1056,
    IDC_STATIC_ENABLE = 1074,
    IDC_STATIC_TYPE_RANDOM = 1075,
    IDC_STATIC_DESKTOP = 1076,
    IDC_STATIC_TOP = 1077,
};

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {IDC_CHECK_ENABLE, Kind::CheckBox, {14, 14, 9, 9}},
    {IDC_STATIC_ENABLE, Kind::Static, {26, 14, 60, 8}},
    {IDC_STATIC_EFFECT, Kind::GroupBox, {14, 33, 283, 44}},
    // Wider than the effects' other captions need, and centred in its frame:
    // the botanical name takes the room in the desktop's fonts.
    {IDC_COMBO_TYPE, Kind::DropDownList, {111, 44, 90, 30}},
    {IDC_CHECK_TYPE_RANDOM, Kind::CheckBox, {24, 62, 9, 9}},
    {IDC_STATIC_TYPE_RANDOM, Kind::Static, {36, 62, 170, 8}},
    {IDC_STATIC_DISPLAY, Kind::GroupBox, {14, 85, 283, 32}},
    {IDC_RADIO_DESKTOP, Kind::RadioButton, {75, 98, 9, 9}, DialogControl::GroupStart},
    {IDC_STATIC_DESKTOP, Kind::Static, {85, 99, 80, 8}},
    {IDC_RADIO_TOP, Kind::RadioButton, {176, 98, 9, 9}},
    {IDC_STATIC_TOP, Kind::Static, {186, 99, 80, 8}},
    {IDC_BUTTON_HELP, Kind::SkinButton, {296, 3, 15, 14}},
};

// The controls that mean something only while the effect is on.
constexpr std::array<int, 4> kDependentControls = {IDC_COMBO_TYPE, IDC_CHECK_TYPE_RANDOM,
                                                   IDC_RADIO_DESKTOP, IDC_RADIO_TOP};

// The effects in the order they are added, by caption text and key; the list
// shows them sorted by caption. The flower's caption is its botanical name in
// every language.
struct Effect {
    unsigned textId; // 0: the fixed caption
    const char* key;
};
constexpr Effect kEffects[] = {
    {118, kCursorBall},
    {119, kCursorBells},
    {120, kCursorBow},
    {0, kCursorEuphorbiaPulcherrima},
    {113, kCursorFairyDust},
    {121, kCursorPresents},
    {122, kCursorSpinningWreath},
    {33, kCursorSnow},
    {114, kCursorStocking},
    {123, kCursorWreath},
};
const QString kEuphorbiaCaption = QStringLiteral("Euphorbia Pulcherrima");

constexpr QSize kTopPictureSize{470, 273};

} // namespace

const CONTROL_TEXT CDlgTabCursor::CURSOR_TEXTS[6] = {
    {IDC_STATIC_ENABLE, 13}, {IDC_STATIC_DISPLAY, 30}, {IDC_STATIC_DESKTOP, 31},
    {IDC_STATIC_TOP, 32},    {IDC_STATIC_EFFECT, 117}, {IDC_STATIC_TYPE_RANDOM, 29},
};

CDlgTabCursor::CDlgTabCursor(const PageContext& context, CDlgCursor& decoration)
    : SettingsPage(context, 372, kWideTemplate, kControls), m_decoration(decoration)
{
}

CDlgTabCursor::~CDlgTabCursor() = default;

void CDlgTabCursor::DoDataExchange()
{
    m_chkEnable = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_ENABLE);
    m_comboType = GetDlgItemAs<QComboBox>(this, IDC_COMBO_TYPE);
    m_chkTypeRandom = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_TYPE_RANDOM);
    m_radioDesktop = GetDlgItemAs<QRadioButton>(this, IDC_RADIO_DESKTOP);
    m_radioTop = GetDlgItemAs<QRadioButton>(this, IDC_RADIO_TOP);
    m_btnHelp = GetDlgItemAs<CxSkinButton>(this, IDC_BUTTON_HELP);
    connect(m_chkEnable, &QCheckBox::clicked, this, &CDlgTabCursor::OnEnableClicked);
    // The user's picks only: filling the list from code must not count as one.
    connect(m_comboType, &QComboBox::activated, this, &CDlgTabCursor::OnTypeSelChange);
    connect(m_chkTypeRandom, &QCheckBox::clicked, this, &CDlgTabCursor::OnTypeRandomClicked);
    connect(m_radioDesktop, &QRadioButton::clicked, this, &CDlgTabCursor::OnDisplayDesktop);
    connect(m_radioTop, &QRadioButton::clicked, this, &CDlgTabCursor::OnDisplayTop);
}

bool CDlgTabCursor::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_pImageBack = LoadPngResource(kPageBackgroundPicture);
    m_pImageTop = LoadPngResource(kCursorTopPicture);
    InitHelpButton(m_btnHelp);

    const COptions& options = m_context.options;
    if (!options.fCursorEnable)
        EnableControls(kDependentControls, false);
    else
        m_chkEnable->setChecked(true);
    m_chkTypeRandom->setChecked(options.fCursorTypeRandom);
    if (options.fCursorTop)
        m_radioTop->setChecked(true);
    else
        m_radioDesktop->setChecked(true);
    return true;
}

void CDlgTabCursor::RefreshTexts()
{
    SetControlTexts(CURSOR_TEXTS);
    std::vector<KeyedListItem> items;
    for (const Effect& effect : kEffects)
        items.push_back(
            {effect.textId ? Text(effect.textId) : kEuphorbiaCaption, QLatin1String(effect.key)});
    FillKeyedList(m_comboType, items, m_context.options.strCursorType, true);
    RefreshHelpButton(m_btnHelp);
}

void CDlgTabCursor::OnEnableClicked()
{
    SwitchDecoration(m_decoration, m_chkEnable->isChecked(), kDependentControls,
                     m_context.options.fCursorEnable);
}

void CDlgTabCursor::OnTypeSelChange()
{
    const QString key = SelectedKey(m_comboType);
    m_decoration.SetCursorType(key);
    m_context.options.strCursorType = key;
    SettingsChanged();
}

void CDlgTabCursor::OnTypeRandomClicked()
{
    m_context.options.fCursorTypeRandom = m_chkTypeRandom->isChecked();
    SettingsChanged();
}

void CDlgTabCursor::OnDisplayDesktop()
{
    const bool desktop = m_radioDesktop->isChecked();
    if (desktop) {
        m_radioTop->setChecked(false);
        m_decoration.SetOnDesktop();
    } else {
        m_decoration.SetOnTop();
    }
    m_context.options.fCursorTop = !desktop;
    SettingsChanged();
}

void CDlgTabCursor::OnDisplayTop()
{
    const bool top = m_radioTop->isChecked();
    if (top) {
        m_radioDesktop->setChecked(false);
        m_decoration.SetOnTop();
    } else {
        m_decoration.SetOnDesktop();
    }
    m_context.options.fCursorTop = top;
    SettingsChanged();
}

void CDlgTabCursor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The backdrop shrinks to the size of the picture laid over it.
    if (m_pImageBack)
        painter.drawImage(QRect(QPoint(0, 0), kTopPictureSize), *m_pImageBack);
    if (m_pImageTop)
        painter.drawImage(QPoint(0, 10), *m_pImageTop);
}
