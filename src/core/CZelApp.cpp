#include "core/CZelApp.h"

#include "core/CZelDlg.h"
#include "core/MessageBox.h"
#include "core/WindowsVersion.h"
#include "decorations/CDlgCursor.h"
#include "decorations/CDlgFrost.h"
#include "decorations/CDlgLights.h"
#include "decorations/CDlgSnow.h"
#include "decorations/CDlgTree.h"
#include "platform/Platform.h"
#include "platform/SingleInstanceLock.h"
#include "platform/SystemInfo.h"

namespace {
CZelApp* g_pApp = nullptr;
}

CZelApp& theApp()
{
    Q_ASSERT(g_pApp);
    return *g_pApp;
}

CZelApp::CZelApp() : m_highLoad{true, 0, false}
{
    g_pApp = this;
}

CZelApp::~CZelApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

bool CZelApp::InitInstance()
{
    const platform::Platform& services = platform::Platform::current();

    // 1-2. Common controls and the framework need no preparation here.
    // 3. Where the program lives: the autostart entry starts this path.
    m_strModulePath = services.system->programPath();

    // 4-5. Settings, then the language they name, before any window exists.
    m_options.Load();
    m_translate.LoadLanguage(m_options.Language);

    // 6. One copy per user.
    m_hMutex = std::make_unique<platform::SingleInstanceLock>(services.system->runtimeDir(),
                                                              QStringLiteral("VarnelYulavinMutex"));
    if (m_hMutex->alreadyExists()) {
        AfxMessageBox(m_translate.m_arrText.at(2));
        return false;
    }

    // 7. The drawing library needs no start-up.
    // 8. The decorations, in the order cursor, tree, garland, snow, frost. Each
    //    object exists for the whole run; its window only while it is on.
    m_pDlgCursor = new CDlgCursor;
    if (m_options.fCursorEnable) {
        m_pDlgCursor->Create();
        m_pDlgCursor->SetCursorType(m_options.strCursorType);
        if (m_options.fCursorTop)
            m_pDlgCursor->SetOnTop();
        else
            m_pDlgCursor->SetOnDesktop();
    }
    m_pDlgTree = new CDlgTree;
    if (m_options.fTree)
        m_pDlgTree->Create();
    m_pDlgLights = new CDlgLights;
    if (m_options.fGarland)
        m_pDlgLights->Create();
    m_pDlgSnow = new CDlgSnow;
    if (m_options.fSnow)
        m_pDlgSnow->Create();
    m_pDlgFrost = new CDlgFrost;
    if (m_options.fFrostEnable) {
        m_pDlgFrost->Create();
        m_pDlgFrost->m_dwWaitTime = m_options.uFrostWaitTime * 60000u;
    }

    // 9. The high-load watcher.
    if (IsWindowsVersionOrGreater(6, 0) && m_options.fDisableAtHighLoad) {
        m_highLoad.m_nTimer =
            services.scheduler->setTimer(nullptr, m_highLoad.m_nTimer, 1000, HighLoadTimerProc);
        m_highLoad.m_bEnabled = true;
    }

    // 10. The settings window, whose loop is the main loop. It shows at once
    //     on a first run, and on a desktop without a notification area, where
    //     the icon could never bring it back.
    m_pMainDlg = new CZelDlg;
    if (!m_options.m_bFileRead || !CZelDlg::HasTray())
        m_pMainDlg->m_bStartHidden = false;
    m_pMainDlg->DoModal();

    // Shutdown.
    // 1. Settings first, so nothing later can lose them.
    m_options.Save();
    // 2. Every window goes before any object, so none draws from a freed one.
    DecorationWindow* const decorations[] = {m_pDlgTree, m_pDlgCursor, m_pDlgLights, m_pDlgSnow,
                                             m_pDlgFrost};
    for (DecorationWindow* decoration : decorations)
        if (decoration && decoration->IsWindow())
            decoration->DestroyWindow();
    // 3. The objects, in the same order.
    delete m_pDlgTree;
    m_pDlgTree = nullptr;
    delete m_pDlgCursor;
    m_pDlgCursor = nullptr;
    delete m_pDlgLights;
    m_pDlgLights = nullptr;
    delete m_pDlgSnow;
    m_pDlgSnow = nullptr;
    delete m_pDlgFrost;
    m_pDlgFrost = nullptr;
    // 4. The settings window's own window went with its loop.
    delete m_pMainDlg;
    m_pMainDlg = nullptr;
    // 5. The watcher, if it still runs.
    if (IsWindowsVersionOrGreater(6, 0) && m_options.fDisableAtHighLoad) {
        if (m_highLoad.m_nTimer != 0) {
            services.scheduler->killTimer(nullptr, m_highLoad.m_nTimer);
            m_highLoad.m_nTimer = 0;
        }
        m_highLoad.m_bEnabled = false;
    }
    // 6. Let another copy start.
    m_hMutex.reset();
    // 7-8. Nothing to shut down for drawing.
    return false;
}

void CZelApp::EndMainLoop()
{
    if (m_pMainDlg)
        m_pMainDlg->OnTrayExit();
}
