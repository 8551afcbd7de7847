#include "pages/CDlgTabGeneral.h"

#include "core/COptions.h"
#include "core/CTranslate.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/ProgramResources.h"
#include "core/WindowsVersion.h"
#include "decorations/CHighLoad.h"
#include "platform/Registry.h"
#include "vocabulary/PictureIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPainter>

namespace {

enum : int {
    IDC_COMBO_LANGUAGE = 1004,
    IDC_CHECK_AUTORUN = 1006,
    IDC_CHECK_HIGHLOAD = 1009,
    IDC_STATIC_LANGUAGE = 1013,
    IDC_BUTTON_HELP = 1038,
    IDC_STATIC_CLOSE_HINT = 1066,
    IDC_STATIC_HIGHLOAD = 1069,
    IDC_STATIC_AUTORUN = 1070,
};

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {IDC_COMBO_LANGUAGE, Kind::DropDownList, {92, 38, 60, 30}},
    {IDC_STATIC_LANGUAGE, Kind::CentredStatic, {52, 40, 38, 8}},
    {IDC_CHECK_AUTORUN, Kind::CheckBox, {52, 63, 10, 10}},
    {IDC_STATIC_AUTORUN, Kind::Static, {63, 63, 210, 8}},
    {IDC_CHECK_HIGHLOAD, Kind::CheckBox, {52, 87, 10, 10}},
    {IDC_STATIC_HIGHLOAD, Kind::Static, {63, 83, 210, 24}},
    {IDC_STATIC_CLOSE_HINT, Kind::Static, {52, 109, 210, 32}, DialogControl::Hidden},
    {IDC_BUTTON_HELP, Kind::SkinButton, {296, 3, 15, 14}},
};

const QString kRunValueName = QStringLiteral("Yulavin");

} // namespace

const CONTROL_TEXT CDlgTabGeneral::GENERAL_TEXTS[4] = {
    {IDC_STATIC_LANGUAGE, 9},
    {IDC_STATIC_AUTORUN, 10},
    {IDC_STATIC_CLOSE_HINT, 108},
    {IDC_STATIC_HIGHLOAD, 110},
};

CDlgTabGeneral::CDlgTabGeneral(const PageContext& context, CHighLoad& highLoad, QString programPath,
                               std::function<void()> applyLanguage)
    : SettingsPage(context, 137, kNarrowTemplate, kControls), m_highLoad(highLoad),
      m_strModulePath(std::move(programPath)), m_applyLanguage(std::move(applyLanguage))
{
}

CDlgTabGeneral::~CDlgTabGeneral() = default;

bool CDlgTabGeneral::WriteRunValue()
{
    return m_context.services.registry->set(
               platform::Registry::Root::CurrentUser, QLatin1String(platform::Registry::kRunKey),
               kRunValueName, m_strModulePath, false) != platform::Registry::Result::NotFound;
}

bool CDlgTabGeneral::RunValueIsThisProgram()
{
    platform::Registry::Value value;
    if (m_context.services.registry->get(platform::Registry::Root::CurrentUser,
                                         QLatin1String(platform::Registry::kRunKey), kRunValueName,
                                         value) != platform::Registry::Result::Ok)
        return false;
    const QString* path = std::get_if<QString>(&value);
    return path && *path == m_strModulePath;
}

void CDlgTabGeneral::DoDataExchange()
{
    m_comboLanguage = GetDlgItemAs<QComboBox>(this, IDC_COMBO_LANGUAGE);
    m_chkAutoRun = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_AUTORUN);
    m_btnHelp = GetDlgItemAs<CxSkinButton>(this, IDC_BUTTON_HELP);
    m_chkHighLoad = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_HIGHLOAD);
    // The user's picks only: filling the list from code must not count as one.
    connect(m_comboLanguage, &QComboBox::activated, this, &CDlgTabGeneral::OnLanguageSelChange);
    connect(m_chkAutoRun, &QCheckBox::clicked, this, &CDlgTabGeneral::OnAutoRunClicked);
    connect(m_chkHighLoad, &QCheckBox::clicked, this, &CDlgTabGeneral::OnDisableAtHighLoadClicked);
    AlignLabelWithList(IDC_STATIC_LANGUAGE, m_comboLanguage, Qt::AlignHCenter);
}

bool CDlgTabGeneral::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_pImageBack = LoadPngResource(kPageBackgroundPicture);
    m_pImageTop = LoadPngResource(kGeneralTopPicture);
    InitHelpButton(m_btnHelp);

    COptions& options = m_context.options;
    m_context.translate.FillLanguageList(m_comboLanguage, options.Language);

    // The box shows what the session will do, not what the settings say: an
    // entry for this program checks it even with the setting off, and only
    // with the setting on is a missing or outdated entry written again.
    if (RunValueIsThisProgram())
        m_chkAutoRun->setChecked(true);
    else if (options.fAutoRun && WriteRunValue())
        m_chkAutoRun->setChecked(true);

    if (!IsWindowsVersionOrGreater(*m_context.services.system, 6, 0)) {
        m_chkHighLoad->setEnabled(false);
        EnableDlgItem(this, IDC_STATIC_HIGHLOAD, false);
    } else if (options.fDisableAtHighLoad) {
        m_chkHighLoad->setChecked(true);
    }
    return true;
}

void CDlgTabGeneral::OnLanguageSelChange()
{
    m_context.translate.GetSelectedLanguage(m_comboLanguage, m_context.options.Language);
    m_context.translate.LoadLanguage(m_context.options.Language);
    if (m_applyLanguage)
        m_applyLanguage();
    SettingsChanged();
}

void CDlgTabGeneral::OnAutoRunClicked()
{
    COptions& options = m_context.options;
    if (!m_chkAutoRun->isChecked()) {
        m_context.services.registry->remove(platform::Registry::Root::CurrentUser,
                                            QLatin1String(platform::Registry::kRunKey),
                                            kRunValueName);
        options.fAutoRun = false;
    } else {
        WriteRunValue();
        options.fAutoRun = true;
    }
    SettingsChanged();
}

void CDlgTabGeneral::OnDisableAtHighLoadClicked()
{
    if (m_chkHighLoad->isChecked()) {
        m_highLoad.StartWatcher();
        m_context.options.fDisableAtHighLoad = true;
    } else {
        m_highLoad.StopWatcher();
        m_context.options.fDisableAtHighLoad = false;
    }
    SettingsChanged();
}

void CDlgTabGeneral::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_pImageBack)
        painter.drawImage(QPoint(0, 60), *m_pImageBack);
    if (m_pImageTop)
        painter.drawImage(QPoint(0, 0), *m_pImageTop);
}
