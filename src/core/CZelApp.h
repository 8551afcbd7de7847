#pragma once

#include "core/COptions.h"
#include "core/CTranslate.h"
#include "decorations/CHighLoad.h"

#include <QString>

#include <memory>

class CDlgCursor;
class CDlgFrost;
class CDlgLights;
class CDlgSnow;
class CDlgTree;
class CZelDlg;

namespace platform {
class SingleInstanceLock;
}

// The application: the hub through which every part of the program reaches
// the settings, the texts and the windows. InitInstance() runs the program's
// whole life, from start-up through the main loop to shutdown.
class CZelApp {
public:
    CZelApp();
    virtual ~CZelApp();
    CZelApp(const CZelApp&) = delete;
    CZelApp& operator=(const CZelApp&) = delete;

    // Always false, after a normal run and when another copy already runs.
    bool InitInstance();
    // Ends the main loop as Exit does; the shutdown steps then run.
    void EndMainLoop();

    QString m_strModulePath;
    COptions m_options;
    CTranslate m_translate;
    std::unique_ptr<platform::SingleInstanceLock> m_hMutex;
    CHighLoad m_highLoad;
    // The decorations: set at start-up and never null while the program runs,
    // whether or not each one's window exists at the moment.
    CDlgCursor* m_pDlgCursor = nullptr;
    CDlgFrost* m_pDlgFrost = nullptr;
    CDlgLights* m_pDlgLights = nullptr;
    CDlgSnow* m_pDlgSnow = nullptr;
    CDlgTree* m_pDlgTree = nullptr;
    // The settings window, from the start of the main loop to shutdown.
    CZelDlg* m_pMainDlg = nullptr;
};

// The one application object of the running program.
CZelApp& theApp();
