#include "pages/CDlgTabCountdown.h"

#include "core/COptions.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/ProgramResources.h"
#include "core/SeasonalSites.h"
#include "platform/Shell.h"
#include "vocabulary/PictureIds.h"

#include <QPainter>

namespace {

enum : int { IDC_BUTTON_COUNTDOWN = 1038 };

const DialogControl kControls[] = {
    {IDC_BUTTON_COUNTDOWN, DialogControl::Kind::SkinButton, {128, 85, 56, 18}},
};

const CountdownPictures& PicturesOfLanguage(const QString& language)
{
    if (language == QLatin1String("French"))
        return kCountdownFrench;
    if (language == QLatin1String("German"))
        return kCountdownGerman;
    if (language == QLatin1String("Polish"))
        return kCountdownPolish;
    if (language == QLatin1String("Russian"))
        return kCountdownRussian;
    return kCountdownOther;
}

} // namespace

CDlgTabCountdown::CDlgTabCountdown(const PageContext& context)
    : SettingsPage(context, 262, kWideTemplate, kControls)
{
}

CDlgTabCountdown::~CDlgTabCountdown() = default;

void CDlgTabCountdown::DoDataExchange()
{
    m_btnCountdown = GetDlgItemAs<CxSkinButton>(this, IDC_BUTTON_COUNTDOWN);
    connect(m_btnCountdown, &CxSkinButton::clicked, this, &CDlgTabCountdown::OnCountdownClicked);
}

bool CDlgTabCountdown::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_btnCountdown->setCursor(Qt::PointingHandCursor);
    RefreshTexts();
    return true;
}

void CDlgTabCountdown::RefreshTexts()
{
    const CountdownPictures& pictures = PicturesOfLanguage(m_context.options.Language);
    m_pImageBack = LoadPngResource(pictures.picture);
    m_btnCountdown->SetBitmaps(pictures.normal, pictures.down, pictures.over, kCountdownButtonMask);
    update();
}

void CDlgTabCountdown::OnCountdownClicked()
{
    m_context.services.shell->open(CountdownAddress(m_context.options.Language));
}

void CDlgTabCountdown::paintEvent(QPaintEvent*)
{
    if (!m_pImageBack)
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), *m_pImageBack);
}
