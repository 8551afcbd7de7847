#pragma once

#include "pages/SettingsPage.h"

#include <QImage>

#include <memory>

class CDlgTree;
class CxSkinButton;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QSlider;

// The Tree page: which tree stands on the desktop, how fast it sparkles, and
// whether it stays above the windows.
class CDlgTabTree final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabTree(const PageContext& context, CDlgTree& decoration);
    ~CDlgTabTree() override;

    static const CONTROL_TEXT TREE_TEXTS[10];
    static constexpr int kSlowestSpeed = 1;
    static constexpr int kFastestSpeed = 10;

    void RefreshTexts() override;

    std::unique_ptr<QImage> m_pImageBack;
    QCheckBox* m_chkEnable = nullptr;
    QRadioButton* m_radioDesktop = nullptr;
    QRadioButton* m_radioTop = nullptr;
    // 0 on the desktop, 1 on top.
    int m_nDisplay = 0;
    QComboBox* m_comboTree = nullptr;
    QCheckBox* m_chkTypeRandom = nullptr;
    QSlider* m_sliderSpeed = nullptr;
    QCheckBox* m_chkSpeedRandom = nullptr;
    CxSkinButton* m_btnHelp = nullptr;

    void OnEnableClicked();
    void OnDisplayDesktop();
    void OnDisplayTop();
    void OnTypeSelChange();
    void OnTypeRandomClicked();
    void OnSpeedReleased();
    void OnSpeedRandomClicked();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The radio buttons show m_nDisplay.
    void UpdateDisplayRadios();

    // The running decoration the page changes as the user picks.
    CDlgTree& m_decoration;
};
