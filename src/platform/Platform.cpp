#include "platform/Platform.h"

#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Http.h"
#include "platform/Registry.h"
#include "platform/Scheduler.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"
#include "platform/Tray.h"
#include "platform/WindowSystem.h"

#include <QDebug>

#include <cstdlib>

namespace platform {

namespace {

// The do-nothing services: each answers as a system would that has nothing to
// offer, so a caller never needs to ask whether a service exists.

class NoClock final : public Clock {
public:
    uint32_t tickCount() override { return 0; }
    int64_t unixTime() override { return 0; }
    std::tm localTime(int64_t) override { return {}; }
};

class NoScheduler final : public Scheduler {
public:
    TimerId setTimer(const void* owner, TimerId id, uint32_t, TimerCallback) override
    {
        return owner || id ? id : 1;
    }
    bool killTimer(const void*, TimerId) override { return false; }
    void killAllTimers(const void*) override {}
    void post(std::function<void()>) override {}
};

class NoDesktop final : public Desktop {
public:
    QSize primaryScreenSize() override { return {}; }
    QRect virtualScreen() override { return {}; }
    QRect workArea() override { return {}; }
    bool taskbarAutoHide() override { return false; }
    QPoint cursorPos() override { return {}; }
    bool leftButtonDown() override { return false; }
    uint32_t lastInputTick() override { return 0; }
    bool screenSaverRunning() override { return false; }
    std::optional<Presence> userNotificationState() override { return std::nullopt; }
};

// Behaves as Windows 10 and knows no folders: names stay unexpanded.
class NoSystemInfo final : public SystemInfo {
public:
    bool versionAtLeast(int major, int minor) override
    {
        return major < 10 || (major == 10 && minor <= 0);
    }
    QString programPath() override { return {}; }
    QString expandEnvironment(const QString& text) override { return text; }
    QString runtimeDir() override { return {}; }
    bool isAdministrator() override { return false; }
    [[noreturn]] void exitNow(int code) override { std::_Exit(code); }
};

class NoRegistry final : public Registry {
public:
    Result get(Root, const QString&, const QString&, Value&) override { return Result::NotFound; }
    Result set(Root, const QString&, const QString&, const Value&, bool, View) override
    {
        return Result::NotFound;
    }
    Result remove(Root, const QString&, const QString&, View) override { return Result::NotFound; }
};

// Nobody to ask: the text goes to the log and the answer is the safe one.
class NoDialogs final : public Dialogs {
public:
    Answer messageBox(QWidget*, const QString& text, const QString&, Style style) override
    {
        qWarning().noquote() << text;
        return style == Style::Ok ? Answer::Ok : Answer::No;
    }
    void messageBoxAsync(QWidget*, const QString& text, const QString&, Style,
                         std::function<void(Answer)>) override
    {
        qWarning().noquote() << text;
    }
};

class NoShell final : public Shell {
public:
    bool open(const QString&) override { return false; }
    bool runElevated(const QString&) override { return false; }
};

class NoHttp final : public Http {
public:
    Reply fetchFirstBytes(const QString&, const QString&, int, std::stop_token) override
    {
        return {Reply::Status::OpenFailed, {}};
    }
};

class NoTray final : public Tray {
public:
    bool isAvailable() override { return false; }
    void add(const QIcon&, const QString&) override {}
    void remove() override {}
    int trackPopupMenu(const std::vector<MenuItem>&, int, QPoint) override { return 0; }
};

class NoWindowSystem final : public WindowSystem {
public:
    std::unique_ptr<OverlaySurface> createOverlay(const OverlayOptions&) override
    {
        return nullptr;
    }
};

// No output device: nothing ever plays.
class NoAudio final : public Audio {
public:
    bool init() override { return false; }
    void uninit() override {}
    std::optional<Sound> open(const QString&, bool) override { return std::nullopt; }
    void setEndCallback(Sound, EndCallback) override {}
    bool start(Sound) override { return false; }
    void stop(Sound) override {}
    void close(Sound) override {}
    bool isPlaying(Sound) override { return false; }
    bool atEnd(Sound) override { return false; }
    void setVolume(Sound, float) override {}
};

// Shared by every bundle; none of them keeps any state worth separating.
NoClock g_noClock;
NoScheduler g_noScheduler;
NoDesktop g_noDesktop;
NoSystemInfo g_noSystem;
NoRegistry g_noRegistry;
NoDialogs g_noDialogs;
NoShell g_noShell;
NoHttp g_noHttp;
NoTray g_noTray;
NoWindowSystem g_noWindows;
NoAudio g_noAudio;

} // namespace

Platform::Platform()
    : clock(&g_noClock), scheduler(&g_noScheduler), desktop(&g_noDesktop), system(&g_noSystem),
      registry(&g_noRegistry), dialogs(&g_noDialogs), shell(&g_noShell), http(&g_noHttp),
      tray(&g_noTray), windows(&g_noWindows), audio(&g_noAudio)
{
}

} // namespace platform
