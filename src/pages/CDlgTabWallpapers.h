#pragma once

#include "pages/SettingsPage.h"

#include <QImage>

#include <memory>

class CxSkinButton;

// The Wallpapers page: one large picture button to a wallpaper site's
// seasonal pictures.
class CDlgTabWallpapers final : public SettingsPage {
    Q_OBJECT
public:
    explicit CDlgTabWallpapers(const PageContext& context);
    ~CDlgTabWallpapers() override;

    CxSkinButton* m_btnWallpapers = nullptr;
    std::unique_ptr<QImage> m_pImageBack;

    void OnWallpapersClicked();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;
};
