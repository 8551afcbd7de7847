#pragma once

#include "core/COptions.h"
#include "core/CTranslate.h"
#include "decorations/CHighLoad.h"
#include "platform/Platform.h"

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

// The application: it wires the program together. It owns the settings, the
// texts, the decorations and the settings window, and hands each part what
// it works with. InitInstance() runs the program from start-up through the
// main loop; the object's end takes everything down again, in the reverse of
// the members' order below: the decorations (tree, cursor, garland, snow,
// frost), the settings window, the watcher, and last the single-copy lock, so
// another copy can start only once this one has left the screen.
class CZelApp {
public:
    explicit CZelApp(const platform::Platform& services);
    virtual ~CZelApp();
    CZelApp(const CZelApp&) = delete;
    CZelApp& operator=(const CZelApp&) = delete;

    // Always false, after a normal run and when another copy already runs;
    // m_nExitCode tells the two apart.
    bool InitInstance();
    // Ends the main loop as Exit does.
    void EndMainLoop();

    // What the process ends with: 1 when another copy already ran.
    int m_nExitCode = 0;

    const platform::Platform m_services;
    QString m_strModulePath;
    COptions m_options;
    CTranslate m_translate;
    std::unique_ptr<platform::SingleInstanceLock> m_hMutex;
    CHighLoad m_highLoad;
    // The settings window, from the start of the main loop on.
    std::unique_ptr<CZelDlg> m_pMainDlg;
    // The decorations: made at start-up and kept for the whole run, whether or
    // not each one's window exists at the moment.
    std::unique_ptr<CDlgFrost> m_pDlgFrost;
    std::unique_ptr<CDlgSnow> m_pDlgSnow;
    std::unique_ptr<CDlgLights> m_pDlgLights;
    std::unique_ptr<CDlgCursor> m_pDlgCursor;
    std::unique_ptr<CDlgTree> m_pDlgTree;
};
