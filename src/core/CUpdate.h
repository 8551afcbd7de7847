#pragma once

#include "platform/Platform.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <stop_token>

class CTranslate;

// What the settings window hands its update-check thread.
struct UpdateCheckParameter {
    // The settings window: owner of the question. Looked at only on the UI
    // thread, where it tells whether the window still exists.
    QPointer<QWidget> owner;
    platform::Platform services;
    // The texts; read on the UI thread only, while the owner exists.
    const CTranslate* translate = nullptr;
    // The language when the check started; it chooses the update file.
    QString language;
};

// The weekly look at the maker's site for a newer version: at most once in
// seven days it reads the site's update file, and when that names a newer
// version than this one it asks the user, without blocking anything, whether
// to open the download page. Runs on a worker thread; the question and the
// page are handed to the UI thread.
class CUpdate {
public:
    // The time the check waits between two looks, in seconds.
    static constexpr int64_t kCheckPeriod = 604800;
    // Only this much of the update file counts.
    static constexpr int kMaxFileBytes = 511;

    explicit CUpdate(UpdateCheckParameter parameter, std::stop_token stop = {});

    // The whole check of the update file at that address.
    virtual void Check(const QString& strUrl);
    virtual ~CUpdate();
    // The site offers a newer version: asks whether to download it. The
    // address is the file's third field as it stands.
    virtual void OnNewVersion(uint32_t dwCurrentHigh, uint32_t dwCurrentLow, uint32_t dwNewHigh,
                              uint32_t dwNewLow, QString& strDownloadUrl);
    virtual void OnNoNewVersion(uint32_t dwCurrentHigh, uint32_t dwCurrentLow);
    // The file could not be opened or was empty.
    virtual void OnCheckFailed(uint32_t dwCurrentHigh, uint32_t dwCurrentLow);

    // Whether a check is due: no stored time or one at most seven days ago
    // says no, a time longer ago or in the future says yes. Stores the
    // current time whenever it finds none and whenever it says yes, so that
    // a check that then fails still counts as made.
    bool IsCheckDue();

    // The page a Yes opens: the download address without the line ends and
    // blanks round it, when it is a web page (http or https); anything else a
    // hostile or broken file could name (a file, a program, a script) gives
    // the maker's product page instead.
    static QString DownloadPageAddress(const QString& strDownloadUrl, const QString& language);

    QPointer<QWidget> m_hWnd;

protected:
    platform::Platform m_services;
    const CTranslate* m_pTranslate;
    QString m_strLanguage;
    std::stop_token m_stop;
};

// The update-check thread: checks the update file of the parameter's
// language and ends. `stop` ends a download under way early.
unsigned UpdateCheckThreadProc(std::stop_token stop, UpdateCheckParameter parameter);
