#pragma once

#include "pages/SettingsPage.h"

#include <QImage>

#include <memory>

class CxSkinButton;

// The site page, added once the language is Russian: a picture and a button
// to a Russian-language New Year site.
class CDlgTabSite final : public SettingsPage {
    Q_OBJECT
public:
    explicit CDlgTabSite(const PageContext& context);
    ~CDlgTabSite() override;

    std::unique_ptr<QImage> m_pImageBack;
    CxSkinButton* m_btnSite = nullptr;

    void OnSiteClicked();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;
};
