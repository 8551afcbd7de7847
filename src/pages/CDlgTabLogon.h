#pragma once

#include "pages/SettingsPage.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class CxSkinButton;
class QCheckBox;
class QComboBox;
class QLabel;

namespace platform {
class SingleInstanceLock;
}

// The Logon page: one of the seasonal pictures behind the Windows logon
// screen, with a preview. The page exists only where the emulated Windows
// (XP or 7) has such a background; installing it needs administrator rights,
// which the page can restart the program with.
//
// The page also writes the background: it renders the chosen picture to the
// primary screen's size into the file where that Windows version looks for
// it and sets or deletes the registry value that tells Windows to use it.
class CDlgTabLogon final : public SettingsPage {
    Q_OBJECT
public:
    // instanceLock is the program's single-copy lock, handed over to the copy
    // started as administrator; null where the program holds none.
    CDlgTabLogon(const PageContext& context, platform::SingleInstanceLock* instanceLock);
    ~CDlgTabLogon() override;

    static const CONTROL_TEXT LOGON_TEXTS[4];

    QLabel* m_staticPreview = nullptr;
    QComboBox* m_comboImage = nullptr;
    QCheckBox* m_checkEnable = nullptr;
    CxSkinButton* m_btnHelp = nullptr;
    std::unique_ptr<QImage> m_pImageBack;

    void RefreshTexts() override;
    void OnEnableClicked();
    void OnImageSelChange();
    void OnRestartAsAdmin();
    // Shows the picture file cover-fitted in the preview; a file that cannot
    // be read leaves the preview as it was.
    void ShowPreview(const QString& path);
    bool IsRunAsAdmin();

    // Installs (bEnable) or removes the logon background for the picture file
    // at that path, by the Windows version the program behaves as. Only
    // pictures of the program's logon folder are installed; removing needs
    // only a path in that folder. Nothing is reported.
    void ApplyLogonImage(const QString& strPath, bool bEnable);
    void ApplyLogonImageXP(const QString& strPath, bool bEnable);
    void ApplyLogonImageWin7(const QString& strPath, bool bEnable);

    // The folder of the pictures beside the program.
    QString LogonFolder() const;
    // The picture and preview files of a picture's name; empty for a name
    // that could reach outside the logon folder or that does not fit a file
    // name (only a hand-edited settings file holds one).
    QString PicturePath(const QString& name) const;
    QString PreviewPath(const QString& name) const;
    // The file the XP background goes to: beside the picture, unless that
    // folder cannot be written, then in the emulated Windows folder.
    QString BitmapPathXP(const QString& pictureFolder) const;
    // The file the Windows 7 background goes to, in the emulated Windows folder.
    QString JpegPathWin7() const;

    // Re-encodes the installed JPEG at a lower quality while it is too large
    // for Windows 7; a test may watch the passes here.
    std::function<void(const QString& path, uint32_t quality)> m_saveJpegQuality;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Renders the picture to the primary screen's size into the output file;
    // false, with no file written, when the picture cannot be read.
    bool RenderToScreenSize(const QString& picture, const QString& output);
    // The name of the selected picture; empty when none is selected.
    QString SelectedName() const;

    platform::SingleInstanceLock* m_pInstanceLock;
    // The note for users without administrator rights, red on the page.
    QLabel* m_staticNote = nullptr;
};
