#pragma once

#include "pages/SettingsPage.h"

#include <QImage>

#include <memory>

class CxSkinButton;

// The Countdown page: a picture and a picture button in the language of the
// user interface, which open the countdown to Christmas.
class CDlgTabCountdown final : public SettingsPage {
    Q_OBJECT
public:
    explicit CDlgTabCountdown(const PageContext& context);
    ~CDlgTabCountdown() override;

    // The picture and the button of the current language.
    void RefreshTexts() override;

    std::unique_ptr<QImage> m_pImageBack;
    CxSkinButton* m_btnCountdown = nullptr;

    void OnCountdownClicked();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;
};
