#include "app/CZelDlg.h"

#include "app/CZelApp.h"
#include "core/COptions.h"
#include "core/CUpdate.h"
#include "core/DialogItems.h"
#include "core/DialogUnits.h"
#include "core/MakerSite.h"
#include "core/ProgramResources.h"
#include "core/TabControl.h"
#include "core/WindowsVersion.h"
#include "pages/CDlgTabAbout.h"
#include "pages/CDlgTabCountdown.h"
#include "pages/CDlgTabCursor.h"
#include "pages/CDlgTabFrost.h"
#include "pages/CDlgTabGeneral.h"
#include "pages/CDlgTabLights.h"
#include "pages/CDlgTabLogon.h"
#include "pages/CDlgTabSite.h"
#include "pages/CDlgTabSnow.h"
#include "pages/CDlgTabSound.h"
#include "pages/CDlgTabTree.h"
#include "pages/CDlgTabWallpapers.h"
#include "platform/PhysicalPixels.h"
#include "platform/RuntimeLibrary.h"
#include "platform/Scheduler.h"
#include "platform/SessionEndWatcher.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"
#include "platform/Tray.h"
#include "vocabulary/PictureIds.h"
#include "vocabulary/TextIds.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>

#include <deque>

namespace {

enum : int { IDC_TAB = 1000 };

// The minimised window stays on the taskbar this long before it hides, so the
// user sees where it went.
constexpr uint32_t kHideDelayMs = 500;
constexpr platform::Scheduler::TimerId kHideTimer = 1;

// A change made in a page reaches the file this long after the last one, so
// that a session that ends without an Exit keeps it, and a slider dragged
// through many values is written once.
constexpr uint32_t kSaveDelayMs = 1000;
constexpr platform::Scheduler::TimerId kSaveTimer = 2;

// Places in kTabIcons, in the order the tabs name them.
enum : int {
    IMAGE_GENERAL,
    IMAGE_LIGHTS,
    IMAGE_SNOW,
    IMAGE_WALLPAPERS,
    IMAGE_SOUND,
    IMAGE_COUNTDOWN,
    IMAGE_CURSOR,
    IMAGE_TREE,
    IMAGE_LOGON,
    IMAGE_SITE,
    IMAGE_FROST,
    IMAGE_ABOUT,
};

// The site tab's caption is the same in every language.
const QString kSiteTabCaption = QStringLiteral("Новогодний сайт");

template <class Page> void DeletePage(Page*& page)
{
    delete page;
    page = nullptr;
}

void ShowPage(QWidget* page, bool show)
{
    if (page && page->parentWidget())
        page->setVisible(show);
}

} // namespace

CZelDlg::CZelDlg(CZelApp& app)
    : m_trayIcon(*app.m_services.tray), m_effectUnder(app.m_options, app.m_services), m_app(app)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    m_hIcon = LoadIconResource(kProgramIcon);
    const PageContext context = Context();
    m_pTabCursor = new CDlgTabCursor(context, *app.m_pDlgCursor);
    m_pTabFrost = new CDlgTabFrost(context, *app.m_pDlgFrost);
    m_pTabGeneral = new CDlgTabGeneral(context, app.m_highLoad, app.m_strModulePath,
                                       [this] { ApplyLanguage(); });
    m_pTabLights = new CDlgTabLights(context, *app.m_pDlgLights);
    m_pTabLogon = new CDlgTabLogon(context, app.m_hMutex.get());
    m_pTabSnow = new CDlgTabSnow(context, *app.m_pDlgSnow);
    m_pTabSound = new CDlgTabSound(context, app.m_highLoad);
    m_pTabWallpapers = new CDlgTabWallpapers(context);
    m_pTabCountdown = new CDlgTabCountdown(context);
    m_pTabAbout = new CDlgTabAbout(context);
    m_pTabTree = new CDlgTabTree(context, *app.m_pDlgTree);
}

CZelDlg::~CZelDlg()
{
    m_trayIcon.Remove();
    m_app.m_services.scheduler->killAllTimers(this);
    DeletePages();
}

PageContext CZelDlg::Context()
{
    return {m_app.m_options, m_app.m_translate, m_app.m_services, [this] { OnSettingsChanged(); }};
}

const QString& CZelDlg::Text(unsigned id) const
{
    return m_app.m_translate.m_arrText.at(id);
}

bool CZelDlg::HasLogonTab() const
{
    platform::SystemInfo& system = *m_app.m_services.system;
    return (IsWindowsVersionOrGreater(system, 6, 1) && !IsWindowsVersionOrGreater(system, 6, 2)) ||
           (IsWindowsVersionOrGreater(system, 5, 1) && !IsWindowsVersionOrGreater(system, 6, 0));
}

bool CZelDlg::HasTray() const
{
    return m_app.m_services.tray->isAvailable();
}

int CZelDlg::DoModal()
{
    // The end of the session saves the settings, and so does a broken X
    // connection, after which Qt ends the process at once; a signal ends the
    // program the normal way as well, since nobody else will.
    platform::SessionEndWatcher sessionEnd([this](platform::SessionEndWatcher::Reason reason) {
        OnEndSession(reason == platform::SessionEndWatcher::Reason::Terminated);
    });
    OnInitDialog();
    // The layout asks for a visible window; setVisible() turns that down
    // while the window is to start hidden.
    setVisible(true);
    qInfo("Yulavin runs; the settings window is %s.", m_bStartHidden ? "hidden" : "shown");
    if (!m_bEnded) {
        QEventLoop loop;
        m_pModalLoop = &loop;
        loop.exec();
        m_pModalLoop = nullptr;
    }
    DestroyWindow();
    return m_nModalResult;
}

void CZelDlg::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEnded = true;
    if (m_pModalLoop)
        m_pModalLoop->quit();
}

bool CZelDlg::OnInitDialog()
{
    // The window's one control, as its layout places it.
    setFixedSize(DialogUnits::ToPixels(QSize(333, 200)));
    // The layouts' 6 x 13 base units are an average letter 6 pixels wide;
    // Liberation Sans comes closest at 10 pixels (5.8), where 11 pixels would
    // be 6.4 and widen every caption and tab past the room laid out for it.
    QFont dialogFont(QStringLiteral("Liberation Sans"));
    dialogFont.setPixelSize(10);
    setFont(dialogFont);
    // The tray menu belongs to this window and is written in the same letters.
    QApplication::setFont(dialogFont, "QMenu");
    m_tab = new TabControl(this);
    SetDlgCtrlID(m_tab, IDC_TAB);
    m_tab->setGeometry(DialogUnits::ToPixels(QRect(7, 7, 319, 186)));
    connect(m_tab, &TabControl::selChanging, this, &CZelDlg::OnTcnSelchangingTab);
    connect(m_tab, &TabControl::selChange, this, &CZelDlg::OnTcnSelchangeTab);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { OnActivateApp(state == Qt::ApplicationActive); });

    setWindowIcon(m_hIcon);
    m_pBackground = LoadPngResource(kWindowBackgroundPicture);

    platform::Tray& tray = *m_app.m_services.tray;
    tray.onDoubleClick = [this] { OnTrayNotify(TrayMessage::DoubleClick); };
    tray.onContextMenu = [this] { OnTrayNotify(TrayMessage::RightButtonUp); };
    m_trayIcon.Add();

    m_imageList.clear();
    for (unsigned id : kTabIcons)
        m_imageList.push_back(LoadIconResource(id));
    m_tab->SetImageList(m_imageList);

    const bool logon = HasLogonTab();
    for (int i = 0; i < 8; ++i)
        m_tab->InsertItem(i, Text(kFirstTabTexts[i]), i);
    int next = 8;
    if (logon)
        m_tab->InsertItem(next++, Text(kLogonTabText), IMAGE_LOGON);
    m_tab->InsertItem(next++, Text(kFrostTabText), IMAGE_FROST);
    m_tab->InsertItem(next, Text(kAboutTabText), IMAGE_ABOUT);

    std::vector<SettingsPage*> pages = {m_pTabGeneral,    m_pTabLights, m_pTabSnow,
                                        m_pTabWallpapers, m_pTabSound,  m_pTabCountdown,
                                        m_pTabCursor,     m_pTabTree};
    if (logon)
        pages.push_back(m_pTabLogon);
    pages.push_back(m_pTabFrost);
    pages.push_back(m_pTabAbout);
    for (size_t i = 0; i < pages.size(); ++i) {
        SettingsPage* page = pages[i];
        m_tab->SetItemData(static_cast<int>(i), page);
        page->Create(m_tab);
        page->move(m_tab->PageOrigin(page->size()));
        page->setVisible(page == m_pTabGeneral);
    }

    ApplyLanguage();

    // Made while the window still stays hidden too; with nothing queued it
    // shows nothing.
    m_effectUnder.Create();

    if (!m_bStartHidden) {
        setVisible(true);
        ShowRestoreAndActivate();
    }

    m_updateThread = std::jthread(
        UpdateCheckThreadProc,
        UpdateCheckParameter{this, m_app.m_services, &m_app.m_translate, m_app.m_options.Language});
    return true;
}

void CZelDlg::ApplyLanguage()
{
    const bool logon = HasLogonTab();
    for (int i = 0; i < 8; ++i)
        m_tab->SetItemText(i, Text(kFirstTabTexts[i]));
    int next = 8;
    if (logon)
        m_tab->SetItemText(next++, Text(kLogonTabText));

    // The Russian site tab comes with the first switch to Russian and stays,
    // caption and all, whatever the language later.
    const int tabsWithoutSite = logon ? 11 : 10;
    if (m_app.m_options.Language == QLatin1String("Russian") &&
        m_tab->GetItemCount() == tabsWithoutSite) {
        m_tab->InsertItem(next, kSiteTabCaption, IMAGE_SITE);
        m_pTabSite = new CDlgTabSite(Context());
        m_tab->SetItemData(next, m_pTabSite);
        m_pTabSite->Create(m_tab);
        m_pTabSite->move(m_tab->PageOrigin(m_pTabSite->size()));
        m_pTabSite->hide();
    }
    const int frost = m_tab->GetItemCount() > tabsWithoutSite ? next + 1 : next;
    m_tab->SetItemText(frost, Text(kFrostTabText));
    m_tab->SetItemText(frost + 1, Text(kAboutTabText));

    // The General page: its labels are set here rather than by the page.
    // Hiding and showing it again repaints the labels over its picture; a
    // page the user is not looking at stays hidden, and the keyboard stays
    // where the user left it.
    QWidget* focus = m_pTabGeneral->isAncestorOf(focusWidget()) ? focusWidget() : nullptr;
    const bool generalShown = m_pTabGeneral->isVisibleTo(m_tab);
    m_pTabGeneral->hide();
    m_pTabGeneral->setVisible(generalShown);
    for (const CONTROL_TEXT& row : CDlgTabGeneral::GENERAL_TEXTS)
        SetDlgItemText(m_pTabGeneral, row.controlId, Text(row.textId));
    ShowDlgItem(m_pTabGeneral, 1066, false);
    m_pTabGeneral->RefreshHelpButton(m_pTabGeneral->m_btnHelp);
    if (focus)
        focus->setFocus();

    m_pTabLights->RefreshTexts();
    if (logon)
        m_pTabLogon->RefreshTexts();
    m_pTabSnow->RefreshTexts();
    m_pTabSound->RefreshTexts();
    m_pTabCountdown->RefreshTexts();
    m_pTabCursor->RefreshTexts();
    m_pTabTree->RefreshTexts();
    m_pTabFrost->RefreshTexts();
    m_pTabAbout->RefreshTexts();
}

void CZelDlg::OnTcnSelchangingTab(int left)
{
    if (QWidget* page = m_tab->GetItemData(left))
        page->hide();
}

void CZelDlg::OnTcnSelchangeTab(int selected)
{
    if (QWidget* page = m_tab->GetItemData(selected))
        page->show();
}

void CZelDlg::setVisible(bool visible)
{
    if (visible && m_bStartHidden)
        return;
    QDialog::setVisible(visible);
}

void CZelDlg::ShowRestoreAndActivate()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    setVisible(true);
    raise();
    activateWindow();
}

void CZelDlg::OnTrayNotify(TrayMessage message)
{
    switch (message) {
    case TrayMessage::DoubleClick:
        m_bStartHidden = false;
        ShowRestoreAndActivate();
        break;
    case TrayMessage::RightButtonUp: {
        // The menu is made afresh each time, so it always speaks the current
        // language. Qt's menus close on a click elsewhere by themselves; the
        // window need not come to the front first.
        std::vector<platform::Tray::MenuItem> items;
        for (const TRAY_MENU_TEXT& row : TRAY_MENU_TEXTS) {
            if (row.textId == kSeparatorText)
                items.push_back({0, QString()});
            else
                items.push_back({row.command, Text(row.textId)});
        }
        const int chosen =
            m_app.m_services.tray->trackPopupMenu(items, ID_TRAY_SETTINGS, QCursor::pos());
        if (chosen != 0)
            OnCommand(chosen);
        break;
    }
    }
}

void CZelDlg::OnCommand(int id)
{
    switch (id) {
    case ID_TRAY_SETTINGS:
        OnTraySettings();
        break;
    case ID_TRAY_HELP:
        OnTrayHelp();
        break;
    case ID_TRAY_UPDATE:
        OnTrayUpdate();
        break;
    case ID_TRAY_ABOUT:
        OnTrayAbout();
        break;
    case ID_TRAY_EXIT:
        OnTrayExit();
        break;
    default:
        break;
    }
}

std::vector<QWidget*> CZelDlg::PageWindows() const
{
    std::vector<QWidget*> pages;
    for (int i = 0; i < m_tab->GetItemCount(); ++i) {
        if (QWidget* page = m_tab->GetItemData(i))
            pages.push_back(page);
    }
    return pages;
}

void CZelDlg::OnTraySettings()
{
    // Selecting from code tells nobody, so the pages are switched here.
    m_tab->SetCurSel(0);
    for (QWidget* page : PageWindows())
        ShowPage(page, page == m_pTabGeneral);
    m_bStartHidden = false;
    ShowRestoreAndActivate();
}

void CZelDlg::OnTrayAbout()
{
    for (QWidget* page : PageWindows())
        ShowPage(page, page == m_pTabAbout);
    // About is always the last tab, whichever tabs come before it.
    m_tab->SetCurSel(m_tab->GetItemCount() - 1);
    m_bStartHidden = false;
    ShowRestoreAndActivate();
}

void CZelDlg::OnTrayHelp()
{
    OpenHelpPage(*m_app.m_services.shell, m_app.m_options.Language);
}

void CZelDlg::OnTrayUpdate()
{
    m_app.m_services.shell->open(
        MakerPageAddress(QStringLiteral("yulavin"), m_app.m_options.Language));
}

void CZelDlg::OnTrayExit()
{
    m_trayIcon.Remove();
    EndDialog(0);
}

void CZelDlg::accept()
{
    OnOK();
}

void CZelDlg::reject()
{
    OnCancel();
}

void CZelDlg::OnCancel()
{
    showMinimized();
}

void CZelDlg::closeEvent(QCloseEvent* event)
{
    event->ignore();
    // The close box and Alt+F4 only minimise (and so hide) the window; with
    // no notification area to come back through they end the program.
    if (HasTray())
        showMinimized();
    else
        OnTrayExit();
}

void CZelDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        OnSize(isMinimized());
}

void CZelDlg::OnSize(bool minimised)
{
    if (!minimised || !HasTray())
        return;
    platform::Scheduler& scheduler = *m_app.m_services.scheduler;
    scheduler.setTimer(this, kHideTimer, kHideDelayMs, [this](platform::Scheduler::TimerId id) {
        m_app.m_services.scheduler->killTimer(this, id);
        if (!isMinimized())
            return;
        hide();
        // Brings back an icon the panel lost; changes nothing otherwise.
        m_trayIcon.Add();
    });
}

void CZelDlg::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    // Qt also tells a window where it is as it first shows it; only a change
    // of place is a move. Where the desktop tells of the frame's moves, those
    // are all of them.
    if (event->pos() != event->oldPos() && !m_bFrameFollowed)
        OnMove();
}

QRect CZelDlg::GetWindowRect() const
{
    if (m_bFrameFollowed)
        return m_rcFrame;
    return platform::toPhysicalPixels(frameGeometry(), screen());
}

void CZelDlg::OnMove()
{
    if (m_bStartHidden)
        return;
    // Every move leaves a star on each edge of the window's outline, so a
    // drag leaves stars all around it.
    const QRect rect = GetWindowRect();
    const int L = rect.left();
    const int T = rect.top();
    const int R = L + rect.width();
    const int B = T + rect.height();
    const int w = R - L;
    const int h = B - T;
    std::deque<QPoint>& points = m_effectUnder.m_points;
    points.push_back(QPoint(L + crt::rand() % (w + 1), T));
    points.push_back(QPoint(R, T + crt::rand() % (h + 1)));
    points.push_back(QPoint(L + crt::rand() % (w + 1), B));
    points.push_back(QPoint(L, T + crt::rand() % (h + 1)));
}

void CZelDlg::OnActivateApp(bool bActive)
{
    // The fairy dust lies directly above this window, so the stars that fall
    // across it are seen on top of it, and every window higher in the order
    // covers them.
    if (!bActive || !windowHandle())
        return;
    // A window manager that drags the window may tell it where it went only
    // once the drag ends; the frame's every step comes this way.
    m_bFrameFollowed = m_effectUnder.KeepAbove(windowHandle(), [this](const QRect& outline) {
        m_rcFrame = outline;
        OnMove();
    });
}

void CZelDlg::OnSettingsChanged()
{
    platform::Scheduler& scheduler = *m_app.m_services.scheduler;
    scheduler.setTimer(this, kSaveTimer, kSaveDelayMs, [this, &scheduler](auto id) {
        scheduler.killTimer(this, id);
        // The Exit that ends the run shows a failure; a box every time a
        // setting changes would not help.
        m_app.m_options.Save(COptions::SaveReport::LogOnly);
    });
}

void CZelDlg::OnEndSession(bool processMustEnd)
{
    // The session manager stops waiting for a program that asks a question
    // now, so a failed save goes to the log; and the exit that follows does
    // not save (nor ask) a second time.
    m_app.m_options.Save(COptions::SaveReport::LogOnly);
    if (processMustEnd) {
        m_bSessionEnded = true;
        EndDialog(0);
    }
}

void CZelDlg::paintEvent(QPaintEvent*)
{
    if (!m_pBackground)
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), *m_pBackground);
}

void CZelDlg::DestroyWindow()
{
    m_updateThread.request_stop();
    if (m_updateThread.joinable())
        m_updateThread.join();
    m_trayIcon.Remove();
    m_effectUnder.DestroyWindow();
    platform::Tray& tray = *m_app.m_services.tray;
    tray.onDoubleClick = nullptr;
    tray.onContextMenu = nullptr;
    m_app.m_services.scheduler->killAllTimers(this);
    DeletePages();
    m_pBackground.reset();
    // The window's own control goes with it, and with it the tabs' hold on
    // the pages just deleted.
    delete m_tab;
    m_tab = nullptr;
    QDialog::setVisible(false);
}

void CZelDlg::DeletePages()
{
    // In the order of the members; the site page, made later, goes last.
    DeletePage(m_pTabCursor);
    DeletePage(m_pTabFrost);
    DeletePage(m_pTabGeneral);
    DeletePage(m_pTabLights);
    DeletePage(m_pTabLogon);
    DeletePage(m_pTabSnow);
    DeletePage(m_pTabSound);
    DeletePage(m_pTabWallpapers);
    DeletePage(m_pTabCountdown);
    DeletePage(m_pTabAbout);
    DeletePage(m_pTabTree);
    DeletePage(m_pTabSite);
}
