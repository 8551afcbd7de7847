#include "pages/CDlgTabFrost.h"

#include "core/COptions.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/ProgramResources.h"
#include "core/UpDownControl.h"
#include "decorations/CDlgFrost.h"
#include "vocabulary/PictureIds.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace {

enum : int {
    IDC_CHECK_ENABLE = 1006,
    IDC_BUTTON_HELP = 1038,
    IDC_STATIC_ENABLE = 1074,
    IDC_EDIT_WAIT = 1078,
    IDC_SPIN_WAIT = 1079,
    IDC_STATIC_WAIT = 1080,
    IDC_STATIC_MINUTES = 1081,
};

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {IDC_CHECK_ENABLE, Kind::CheckBox, {14, 14, 9, 9}},
    {IDC_STATIC_ENABLE, Kind::Static, {26, 15, 80, 8}},
    {IDC_STATIC_WAIT, Kind::RightStatic, {64, 38, 40, 8}},
    {IDC_EDIT_WAIT, Kind::ReadOnlyEdit, {109, 36, 40, 14}},
    {IDC_SPIN_WAIT, Kind::UpDown, {137, 36, 11, 14}},
    {IDC_STATIC_MINUTES, Kind::Static, {154, 38, 75, 8}},
    {IDC_BUTTON_HELP, Kind::SkinButton, {296, 3, 15, 14}},
};

} // namespace

const CONTROL_TEXT CDlgTabFrost::FROST_TEXTS[3] = {
    {IDC_STATIC_ENABLE, 13},
    {IDC_STATIC_WAIT, 115},
    {IDC_STATIC_MINUTES, 116},
};

CDlgTabFrost::CDlgTabFrost(const PageContext& context, CDlgFrost& decoration)
    : SettingsPage(context, 371, kWideTemplate, kControls), m_decoration(decoration)
{
}

CDlgTabFrost::~CDlgTabFrost() = default;

void CDlgTabFrost::DoDataExchange()
{
    m_chkEnable = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_ENABLE);
    m_btnHelp = GetDlgItemAs<CxSkinButton>(this, IDC_BUTTON_HELP);
    m_editWait = GetDlgItemAs<QLineEdit>(this, IDC_EDIT_WAIT);
    m_spinWait = GetDlgItemAs<UpDownControl>(this, IDC_SPIN_WAIT);
    connect(m_chkEnable, &QCheckBox::clicked, this, &CDlgTabFrost::OnEnableClicked);
    connect(m_spinWait, &UpDownControl::deltaPos, this, &CDlgTabFrost::OnWaitDeltaPos);
    // The page's picture is a dark night: its labels are white.
    for (int id : {IDC_STATIC_ENABLE, IDC_STATIC_WAIT, IDC_STATIC_MINUTES}) {
        QWidget* label = GetDlgItem(this, id);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
    }
}

bool CDlgTabFrost::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_pImageBack = LoadPngResource(kFrostPagePicture);
    InitHelpButton(m_btnHelp);

    const COptions& options = m_context.options;
    if (options.fFrostEnable)
        m_chkEnable->setChecked(true);
    else
        m_spinWait->setEnabled(false);
    // A hand-edited number beyond the range shows as the nearest end, and the
    // setting keeps it until the user steps.
    m_spinWait->SetRange(kMinWaitMinutes, kMaxWaitMinutes);
    m_spinWait->SetPos(static_cast<int>(
        std::min<uint32_t>(options.uFrostWaitTime, static_cast<uint32_t>(kMaxWaitMinutes))));
    return true;
}

void CDlgTabFrost::RefreshTexts()
{
    SetControlTexts(FROST_TEXTS);
    RefreshHelpButton(m_btnHelp);
}

void CDlgTabFrost::OnEnableClicked()
{
    const bool enable = m_chkEnable->isChecked();
    COptions& options = m_context.options;
    if (enable)
        m_decoration.m_dwWaitTime = CDlgFrost::WaitTimeOfMinutes(options.uFrostWaitTime);
    // The number stays readable; only the arrows follow the switch.
    constexpr int arrows[] = {IDC_SPIN_WAIT};
    SwitchDecoration(m_decoration, enable, arrows, options.fFrostEnable);
}

void CDlgTabFrost::OnWaitDeltaPos(int pos, int delta)
{
    const int minutes = std::clamp(pos + delta, kMinWaitMinutes, kMaxWaitMinutes);
    m_context.options.uFrostWaitTime = static_cast<uint32_t>(minutes);
    m_decoration.m_dwWaitTime = CDlgFrost::WaitTimeOfMinutes(static_cast<uint64_t>(minutes));
    SettingsChanged();
}

void CDlgTabFrost::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_pImageBack)
        painter.drawImage(QPoint(0, 0), *m_pImageBack);
}
