#pragma once

#include "pages/SettingsPage.h"

#include <QImage>

#include <memory>

class CDlgFrost;
class CxSkinButton;
class QCheckBox;
class QLineEdit;
class UpDownControl;

// The Frost page: frost that creeps over the screen after some idle minutes.
// The frost is always above every window, so there is no place to choose.
class CDlgTabFrost final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabFrost(const PageContext& context, CDlgFrost& decoration);
    ~CDlgTabFrost() override;

    static const CONTROL_TEXT FROST_TEXTS[3];
    // The minutes the arrows step through; the setting holds no others.
    static constexpr int kMinWaitMinutes = 0;
    static constexpr int kMaxWaitMinutes = 99;

    void RefreshTexts() override;

    QCheckBox* m_chkEnable = nullptr;
    CxSkinButton* m_btnHelp = nullptr;
    QLineEdit* m_editWait = nullptr;
    UpDownControl* m_spinWait = nullptr;
    std::unique_ptr<QImage> m_pImageBack;

    void OnEnableClicked();
    // The arrows are about to step from `pos` by `delta`.
    void OnWaitDeltaPos(int pos, int delta);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The running decoration the page changes as the user picks.
    CDlgFrost& m_decoration;
};
