#include "XServerSession.h"

#include "ScreenInspection.h"
#include "WaitUntil.h"

#include <QStandardPaths>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// Reads the display number Xvfb writes once it accepts connections; empty
// when the server dies first.
QString readDisplayNumber(int fd)
{
    std::string text;
    char c = 0;
    while (read(fd, &c, 1) == 1 && c != '\n')
        text += c;
    return c == '\n' ? QString::fromStdString(text) : QString();
}

} // namespace

XServerSession::XServerSession()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return;

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return;
    fcntl(fds[1], F_SETFD, 0); // only the write end goes to the server
    m_serverPid = spawn(
        {xvfb, QStringLiteral("-displayfd"), QString::number(fds[1]), QStringLiteral("-screen"),
         QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(kWidth).arg(kHeight),
         QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    close(fds[1]);
    const QString number = m_serverPid > 0 ? readDisplayNumber(fds[0]) : QString();
    close(fds[0]);
    if (number.isEmpty()) {
        stop(m_serverPid);
        return;
    }
    m_displayName = QLatin1Char(':') + number;
    m_display = XOpenDisplay(m_displayName.toLocal8Bit().constData());
    if (!m_display)
        stop(m_serverPid);
    else // the helpers started from now on inherit it
        qputenv("DISPLAY", m_displayName.toLocal8Bit());
}

XServerSession::~XServerSession()
{
    stopHelpers();
    if (m_display)
        XCloseDisplay(m_display);
    stop(m_serverPid);
}

bool XServerSession::programInstalled(const QString& name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

pid_t XServerSession::spawn(const QStringList& command) const
{
    // Built before fork so that the child only calls async-signal-safe functions.
    const QString program = QStandardPaths::findExecutable(command.value(0));
    if (program.isEmpty())
        return -1;
    std::vector<std::string> strings{program.toStdString()};
    for (const QString& argument : command.mid(1))
        strings.push_back(argument.toStdString());
    std::vector<char*> argv;
    for (std::string& text : strings)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    const pid_t parent = getpid();

    const pid_t pid = fork();
    if (pid == 0) {
        // A crashed or killed test must not leave servers behind.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        const int devNull = open("/dev/null", O_RDWR);
        if (devNull >= 0) {
            dup2(devNull, STDIN_FILENO);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

void XServerSession::stop(pid_t& pid)
{
    if (pid <= 0)
        return;
    // Plain sleeps: the server itself stops after Qt's event loop is gone.
    kill(pid, SIGTERM);
    for (int step = 0; step < 1000 && waitpid(pid, nullptr, WNOHANG) == 0; ++step)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (waitpid(pid, nullptr, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    pid = -1;
}

bool XServerSession::startHelper(pid_t& pid, const QStringList& command,
                                 const std::function<bool()>& ready)
{
    if (!m_display || pid > 0)
        return pid > 0;
    pid = spawn(command);
    bool gaveUp = pid <= 0;
    if (!waitUntil(
            [&] { return gaveUp || (gaveUp = waitpid(pid, nullptr, WNOHANG) != 0) || ready(); },
            5000) ||
        gaveUp) {
        stop(pid);
        return false;
    }
    return true;
}

bool XServerSession::ownsSelection(const char* selection) const
{
    return XGetSelectionOwner(m_display, XInternAtom(m_display, selection, False)) != 0;
}

bool XServerSession::startWindowManager()
{
    // openbox names its check window before it handles map requests, and a
    // window mapped in that moment stays unmanaged for good. Only a window it
    // has framed proves that it runs, so a probe is mapped until it is.
    if (!m_display)
        return false;
    XSetWindowAttributes attributes{};
    const Window probe = XCreateWindow(m_display, DefaultRootWindow(m_display), 0, 0, 10, 10, 0,
                                       CopyFromParent, InputOutput, CopyFromParent, 0, &attributes);
    const bool started = startHelper(m_windowManagerPid, {"openbox", "--sm-disable"}, [&] {
        XMapWindow(m_display, probe);
        XSync(m_display, False);
        if (waitUntil([&] { return screen_inspection::topLevelOf(m_display, probe) != probe; },
                      100))
            return true;
        XUnmapWindow(m_display, probe);
        XSync(m_display, False);
        return false;
    });
    XDestroyWindow(m_display, probe);
    XSync(m_display, False);
    return started;
}

bool XServerSession::startCompositor()
{
    return startHelper(m_compositorPid, {"xcompmgr"},
                       [&] { return ownsSelection("_NET_WM_CM_S0"); });
}

bool XServerSession::startTrayHost()
{
    return startHelper(m_trayHostPid,
                       {"trayer", "--edge", "bottom", "--align", "right", "--widthtype", "request",
                        "--height", "32", "--transparent", "false"},
                       [&] { return ownsSelection("_NET_SYSTEM_TRAY_S0"); });
}

bool XServerSession::stopCompositor()
{
    stop(m_compositorPid);
    return waitUntil([&] { return !ownsSelection("_NET_WM_CM_S0"); }, 5000);
}

void XServerSession::releaseHeldKeys() const
{
    char keys[32] = {};
    XQueryKeymap(m_display, keys);
    QStringList held;
    for (int code = 8; code < 256; ++code) {
        if (!(keys[code / 8] & (1 << (code % 8))))
            continue;
        const KeySym symbol = XkbKeycodeToKeysym(m_display, static_cast<KeyCode>(code), 0, 0);
        if (const char* name = XKeysymToString(symbol))
            held << QString::fromLatin1(name);
    }
    if (!held.isEmpty())
        xdotool(QStringList{QStringLiteral("keyup")} + held);
}

void XServerSession::stopHelpers()
{
    // An xdotool that failed between a key's press and its release (its
    // window went away) leaves the key down, and the server would repeat it
    // into the next case.
    releaseHeldKeys();
    if (m_trayHostPid > 0) {
        stop(m_trayHostPid);
        // The selection goes with its owner; the next case starts without a tray.
        waitUntil([&] { return !ownsSelection("_NET_SYSTEM_TRAY_S0"); }, 5000);
    }
    stop(m_compositorPid);
    if (m_windowManagerPid > 0) {
        stop(m_windowManagerPid);
        // No leftovers of this window manager for the next case.
        const Window root = DefaultRootWindow(m_display);
        for (const char* name : {"_NET_SUPPORTING_WM_CHECK", "_NET_WORKAREA", "_NET_ACTIVE_WINDOW"})
            XDeleteProperty(m_display, root, XInternAtom(m_display, name, False));
        XSync(m_display, False);
    }
}

bool XServerSession::xdotool(const QStringList& arguments, int timeoutMs) const
{
    const pid_t pid = spawn(QStringList{QStringLiteral("xdotool")} + arguments);
    if (pid <= 0)
        return false;
    // Plain sleeps, as the callers did not expect Qt's events to run meanwhile.
    int status = 0;
    pid_t ended = 0;
    for (int waited = 0;; waited += 5) {
        ended = waitpid(pid, &status, WNOHANG);
        if (ended < 0 && errno == EINTR)
            continue;
        if (ended != 0 || waited >= timeoutMs)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (ended == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return false;
    }
    return ended == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool XServerSession::clickAt(QPoint at, int button, int times) const
{
    return xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                    "--repeat", QString::number(times), "--delay", "120", QString::number(button)});
}
