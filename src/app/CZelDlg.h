#pragma once

#include "core/CTrayIcon.h"
#include "decorations/ZelDlgEffectUnder.h"

#include <QDialog>
#include <QIcon>
#include <QImage>

#include <memory>
#include <thread>
#include <vector>

class CDlgTabAbout;
class CDlgTabCountdown;
class CDlgTabCursor;
class CDlgTabFrost;
class CDlgTabGeneral;
class CDlgTabLights;
class CDlgTabLogon;
class CDlgTabSite;
class CDlgTabSnow;
class CDlgTabSound;
class CDlgTabTree;
class CDlgTabWallpapers;
class CZelApp;
class QEventLoop;
class TabControl;
struct PageContext;

// The settings window. Its loop is the program's main loop: it runs hidden
// until the user opens it from the icon in the notification area, hosts the
// settings pages under a row of tabs, owns that icon and its menu, and
// re-applies the texts when the language changes. Closing it only hides it;
// only Exit ends the loop, and with it the program.
class CZelDlg final : public QDialog {
    Q_OBJECT
public:
    // What the icon in the notification area reports.
    enum class TrayMessage { DoubleClick, RightButtonUp };

    // The pages get the settings, the texts, the services and the decorations
    // of the application, which outlives the window.
    explicit CZelDlg(CZelApp& app);
    ~CZelDlg() override;

    // Makes the window (OnInitDialog), runs its loop until EndDialog() and
    // takes the window down again; returns EndDialog's result.
    int DoModal();
    // Ends the loop; a call before the loop runs keeps it from running.
    void EndDialog(int nResult);

    // Sets every text of the window and its pages in the current language.
    void ApplyLanguage();

    // Whether the Logon tab belongs to the window: only where the emulated
    // Windows (7 or the XP family) lets the program change the logon picture.
    bool HasLogonTab() const;
    // Whether the desktop has a notification area for the icon. Without one
    // hiding the window would leave the user no way back and no Exit, so the
    // window shows at every start and closing it ends the program.
    bool HasTray() const;

    void OnTrayNotify(TrayMessage message);
    // A command from the icon's menu.
    void OnCommand(int id);
    void OnTraySettings();
    void OnTrayHelp();
    void OnTrayUpdate();
    void OnTrayAbout();
    void OnTrayExit();

    // While m_bStartHidden is set the window refuses to become visible.
    void setVisible(bool visible) override;

    QIcon m_hIcon;
    TabControl* m_tab = nullptr;
    CDlgTabCursor* m_pTabCursor = nullptr;
    CDlgTabFrost* m_pTabFrost = nullptr;
    CDlgTabGeneral* m_pTabGeneral = nullptr;
    CDlgTabLights* m_pTabLights = nullptr;
    CDlgTabLogon* m_pTabLogon = nullptr;
    CDlgTabSnow* m_pTabSnow = nullptr;
    CDlgTabSound* m_pTabSound = nullptr;
    CDlgTabWallpapers* m_pTabWallpapers = nullptr;
    CDlgTabCountdown* m_pTabCountdown = nullptr;
    CDlgTabAbout* m_pTabAbout = nullptr;
    // Made by ApplyLanguage the first time the language is Russian.
    CDlgTabSite* m_pTabSite = nullptr;
    CDlgTabTree* m_pTabTree = nullptr;
    CTrayIcon m_trayIcon;
    // The tab pictures, by the index a tab names.
    std::vector<QIcon> m_imageList;
    bool m_bStartHidden = true;
    // The loop ended with the session, which saved the settings already.
    bool m_bSessionEnded = false;
    std::unique_ptr<QImage> m_pBackground;
    // The fairy dust that falls from the window's edges while it is dragged.
    ZelDlgEffectUnder m_effectUnder;
    // The desktop tells of every move of the window's frame, also those a
    // window manager makes without telling the window; the last one told.
    bool m_bFrameFollowed = false;
    QRect m_rcFrame;

protected:
    bool OnInitDialog();
    void DestroyWindow();
    // Enter does nothing.
    void OnOK() {}
    // Esc only minimises; the minimised window then hides.
    void OnCancel();
    void OnSize(bool minimised);
    void OnMove();
    void OnActivateApp(bool bActive);
    // A page changed a setting: the settings are saved a moment later.
    void OnSettingsChanged();
    // The session ends: the settings are saved at once.
    void OnEndSession(bool processMustEnd);
    void OnTcnSelchangingTab(int left);
    void OnTcnSelchangeTab(int selected);

    void accept() override;
    void reject() override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Shows the window, un-minimises it and brings it to the front.
    void ShowRestoreAndActivate();
    // The window's rectangle with the window manager's frame, in the
    // screen's own pixels.
    QRect GetWindowRect() const;
    // Every page that has a window, in tab order.
    std::vector<QWidget*> PageWindows() const;
    void DeletePages();
    // What each page gets, with this window's one path for changed settings.
    PageContext Context();
    const QString& Text(unsigned id) const;

    CZelApp& m_app;
    QEventLoop* m_pModalLoop = nullptr;
    int m_nModalResult = 0;
    bool m_bEnded = false;
    // The weekly update check, started with the window; the window's end
    // stops a download under way and waits for the thread.
    std::jthread m_updateThread;
};
