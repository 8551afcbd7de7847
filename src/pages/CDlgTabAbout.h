#pragma once

#include "pages/SettingsPage.h"

#include <QImage>

#include <memory>

class LinkLabel;

// The About page: the program's pictures, its version, a link to the
// maker's site and one to the credits page beside the program.
class CDlgTabAbout final : public SettingsPage {
    Q_OBJECT
public:
    explicit CDlgTabAbout(const PageContext& context);
    ~CDlgTabAbout() override;

    // The version line and the credits link in the current language.
    void RefreshTexts() override;

    static const CONTROL_TEXT ABOUT_TEXTS[1];

    std::unique_ptr<QImage> m_pImageBack;
    std::unique_ptr<QImage> m_pImageEmblem;
    std::unique_ptr<QImage> m_pImageTitle;
    LinkLabel* m_linkSite = nullptr;
    LinkLabel* m_linkCredits = nullptr;

    void OnSiteLinkClick();
    void OnCreditsLinkClick();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;
};
