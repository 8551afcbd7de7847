#include "core/CZelApp.h"

#include "core/CZelDlg.h"
#include "core/MessageBox.h"
#include "core/WindowsVersion.h"
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
    // 8. The decoration windows join here as they are built: cursor, tree,
    //    garland, snow, frost.

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
    // 2-3. The decoration windows go here as they are built.
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
