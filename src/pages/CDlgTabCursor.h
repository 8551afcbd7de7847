#pragma once

#include "pages/SettingsPage.h"

#include <QImage>

#include <memory>

class CDlgCursor;
class CxSkinButton;
class QCheckBox;
class QComboBox;
class QRadioButton;

// The Cursor page: the effect that follows the mouse pointer, whether it is
// drawn at all, and whether it stays above the windows.
class CDlgTabCursor final : public SettingsPage {
    Q_OBJECT
public:
    CDlgTabCursor(const PageContext& context, CDlgCursor& decoration);
    ~CDlgTabCursor() override;

    static const CONTROL_TEXT CURSOR_TEXTS[6];

    void RefreshTexts() override;

    QCheckBox* m_chkEnable = nullptr;
    QComboBox* m_comboType = nullptr;
    QCheckBox* m_chkTypeRandom = nullptr;
    QRadioButton* m_radioDesktop = nullptr;
    QRadioButton* m_radioTop = nullptr;
    CxSkinButton* m_btnHelp = nullptr;
    std::unique_ptr<QImage> m_pImageTop;
    std::unique_ptr<QImage> m_pImageBack;

    void OnEnableClicked();
    void OnTypeSelChange();
    void OnTypeRandomClicked();
    void OnDisplayDesktop();
    void OnDisplayTop();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The running decoration the page changes as the user picks.
    CDlgCursor& m_decoration;
};
