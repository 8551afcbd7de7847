#include "app/CZelApp.h"

#include "app/CZelDlg.h"
#include "core/MessageBox.h"
#include "core/WindowsVersion.h"
#include "decorations/CDlgCursor.h"
#include "decorations/CDlgFrost.h"
#include "decorations/CDlgLights.h"
#include "decorations/CDlgSnow.h"
#include "decorations/CDlgTree.h"
#include "platform/SingleInstanceLock.h"
#include "platform/SystemInfo.h"

#include <cstdint>

CZelApp::CZelApp(const platform::Platform& services)
    : m_services(services), m_options(services), m_translate(*services.system),
      m_highLoad(m_options, services)
{
}

CZelApp::~CZelApp() = default;

bool CZelApp::InitInstance()
{
    // The autostart entry starts this path.
    m_strModulePath = m_services.system->programPath();

    // The language comes from the settings, and both come before any window,
    // so that the very first message speaks the user's language.
    m_options.Load();
    m_translate.LoadLanguage(m_options.Language);

    m_hMutex = std::make_unique<platform::SingleInstanceLock>(m_services.system->runtimeDir(),
                                                              QStringLiteral("VarnelYulavinMutex"));
    if (m_hMutex->alreadyExists()) {
        AfxMessageBox(*m_services.dialogs, m_translate.m_arrText.at(2));
        m_nExitCode = 1;
        return false;
    }

    // Each decoration object exists for the whole run, so the pages and the
    // watcher can always reach it; its window only while it is on.
    m_pDlgCursor = std::make_unique<CDlgCursor>(m_options, m_services);
    if (m_options.fCursorEnable) {
        m_pDlgCursor->Create();
        m_pDlgCursor->SetCursorType(m_options.strCursorType);
        if (m_options.fCursorTop)
            m_pDlgCursor->SetOnTop();
        else
            m_pDlgCursor->SetOnDesktop();
    }
    m_pDlgTree = std::make_unique<CDlgTree>(m_options, m_services);
    if (m_options.fTree)
        m_pDlgTree->Create();
    m_pDlgLights = std::make_unique<CDlgLights>(m_options, m_services);
    if (m_options.fGarland)
        m_pDlgLights->Create();
    m_pDlgSnow = std::make_unique<CDlgSnow>(m_options, m_services);
    if (m_options.fSnow)
        m_pDlgSnow->Create();
    m_pDlgFrost = std::make_unique<CDlgFrost>(m_options, m_services);
    if (m_options.fFrostEnable) {
        m_pDlgFrost->Create();
        m_pDlgFrost->m_dwWaitTime = CDlgFrost::WaitTimeOfMinutes(m_options.uFrostWaitTime);
    }

    m_highLoad.SetDecorations({m_pDlgCursor.get(), m_pDlgTree.get(), m_pDlgLights.get(),
                               m_pDlgSnow.get(), m_pDlgFrost.get()});
    // Only Vista and later can tell a full-screen program or a presentation.
    if (IsWindowsVersionOrGreater(*m_services.system, 6, 0) && m_options.fDisableAtHighLoad)
        m_highLoad.StartWatcher();

    // The settings window's loop is the main loop. The window shows at once on
    // a first run, and on a desktop without a notification area, where the
    // icon could never bring it back.
    m_pMainDlg = std::make_unique<CZelDlg>(*this);
    if (!m_options.m_bFileRead || !m_pMainDlg->HasTray())
        m_pMainDlg->m_bStartHidden = false;
    m_pMainDlg->DoModal();

    // Saved before anything is taken down, so nothing later can lose them.
    if (!m_pMainDlg->m_bSessionEnded)
        m_options.Save();
    return false;
}

void CZelApp::EndMainLoop()
{
    if (m_pMainDlg)
        m_pMainDlg->OnTrayExit();
}
