#include "pages/CDlgTabSite.h"

#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/ProgramResources.h"
#include "core/SeasonalSites.h"
#include "platform/Shell.h"
#include "vocabulary/PictureIds.h"

#include <QPainter>

namespace {

enum : int { IDC_BUTTON_SITE = 1038 };

const DialogControl kControls[] = {
    {IDC_BUTTON_SITE, DialogControl::Kind::SkinButton, {63, 86, 56, 18}},
};

} // namespace

CDlgTabSite::CDlgTabSite(const PageContext& context)
    : SettingsPage(context, 284, kWideTemplate, kControls)
{
}

CDlgTabSite::~CDlgTabSite() = default;

void CDlgTabSite::DoDataExchange()
{
    m_btnSite = GetDlgItemAs<CxSkinButton>(this, IDC_BUTTON_SITE);
    connect(m_btnSite, &CxSkinButton::clicked, this, &CDlgTabSite::OnSiteClicked);
}

bool CDlgTabSite::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_pImageBack = LoadPngResource(kSitePagePicture);
    // The button shows no change while pressed.
    m_btnSite->SetBitmaps(kSiteButtonBitmap, kSiteButtonBitmap, kSiteButtonOverBitmap,
                          kSiteButtonMask);
    m_btnSite->setCursor(Qt::PointingHandCursor);
    return true;
}

void CDlgTabSite::OnSiteClicked()
{
    m_context.services.shell->open(RussianSiteAddress());
}

void CDlgTabSite::paintEvent(QPaintEvent*)
{
    if (!m_pImageBack)
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), *m_pImageBack);
}
