#include "pages/CDlgTabWallpapers.h"

#include "core/COptions.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/ProgramResources.h"
#include "core/SeasonalSites.h"
#include "platform/Shell.h"
#include "vocabulary/PictureIds.h"

#include <QPainter>

namespace {

enum : int { IDC_BUTTON_WALLPAPERS = 1038 };

const DialogControl kControls[] = {
    {IDC_BUTTON_WALLPAPERS, DialogControl::Kind::SkinButton, {81, 19, 150, 130}},
};

} // namespace

CDlgTabWallpapers::CDlgTabWallpapers(const PageContext& context)
    : SettingsPage(context, 233, kWideTemplate, kControls)
{
}

CDlgTabWallpapers::~CDlgTabWallpapers() = default;

void CDlgTabWallpapers::DoDataExchange()
{
    m_btnWallpapers = GetDlgItemAs<CxSkinButton>(this, IDC_BUTTON_WALLPAPERS);
    connect(m_btnWallpapers, &CxSkinButton::clicked, this, &CDlgTabWallpapers::OnWallpapersClicked);
}

bool CDlgTabWallpapers::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_pImageBack = LoadPngResource(kWallpapersPagePicture);
    m_btnWallpapers->SetBitmaps(kWallpapersButtonBitmap, kWallpapersButtonDownBitmap,
                                kWallpapersButtonOverBitmap, kWallpapersButtonMask);
    m_btnWallpapers->setCursor(Qt::PointingHandCursor);
    return true;
}

void CDlgTabWallpapers::OnWallpapersClicked()
{
    m_context.services.shell->open(WallpapersAddress(m_context.options.Language));
}

void CDlgTabWallpapers::paintEvent(QPaintEvent*)
{
    if (!m_pImageBack)
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), *m_pImageBack);
}
