#include "XServerSession.h"

#include <QStandardPaths>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

extern char** environ;

namespace {

constexpr auto kReadyTimeout = std::chrono::seconds(5);
constexpr auto kPollStep = std::chrono::milliseconds(5);

XServerSession* g_current = nullptr;

// argv or envp for execve, built before fork so the child only calls
// async-signal-safe functions.
class CStringList {
public:
    void add(const std::string& text) { m_strings.push_back(text); }
    char** data()
    {
        m_pointers.clear();
        for (std::string& s : m_strings)
            m_pointers.push_back(s.data());
        m_pointers.push_back(nullptr);
        return m_pointers.data();
    }

private:
    std::vector<std::string> m_strings;
    std::vector<char*> m_pointers;
};

// Reads the display number Xvfb writes once it accepts connections.
QString readDisplayNumber(int fd)
{
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + kReadyTimeout;
    while (text.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return QString();
        pollfd pfd{fd, POLLIN, 0};
        const int ready = poll(&pfd, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return QString();
        char buffer[32];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return QString(); // the server died before it was ready
        text.append(buffer, static_cast<size_t>(n));
    }
    return QString::fromStdString(text.substr(0, text.find('\n'))).trimmed();
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
}

XServerSession::~XServerSession()
{
    stopTrayHost();
    stopCompositor();
    stopWindowManager();
    if (m_display)
        XCloseDisplay(m_display);
    stop(m_serverPid);
    if (g_current == this)
        g_current = nullptr;
}

bool XServerSession::programInstalled(const QString& name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

XServerSession* XServerSession::current()
{
    return g_current;
}

void XServerSession::setCurrent(XServerSession* session)
{
    g_current = session;
}

pid_t XServerSession::spawn(const QStringList& command) const
{
    if (command.isEmpty())
        return -1;
    const QString program = command.front().startsWith(QLatin1Char('/'))
                                ? command.front()
                                : QStandardPaths::findExecutable(command.front());
    if (program.isEmpty())
        return -1;

    CStringList argv;
    argv.add(program.toStdString());
    for (qsizetype i = 1; i < command.size(); ++i)
        argv.add(command[i].toStdString());
    CStringList envp;
    for (char** e = environ; *e; ++e) {
        if (m_displayName.isEmpty() || std::string(*e).rfind("DISPLAY=", 0) != 0)
            envp.add(*e);
    }
    if (!m_displayName.isEmpty())
        envp.add("DISPLAY=" + m_displayName.toStdString());
    char** args = argv.data();
    char** env = envp.data();
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
        execve(args[0], args, env);
        _exit(127);
    }
    return pid;
}

void XServerSession::stop(pid_t& pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kReadyTimeout;
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    pid = -1;
}

bool XServerSession::waitFor(pid_t pid, const std::function<bool()>& ready) const
{
    const auto deadline = std::chrono::steady_clock::now() + kReadyTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (ready())
            return true;
        if (waitpid(pid, nullptr, WNOHANG) != 0)
            return false; // it gave up
        std::this_thread::sleep_for(kPollStep);
    }
    return false;
}

bool XServerSession::windowManagerReady(pid_t pid) const
{
    // openbox names its check window before it handles map requests, and a
    // window mapped in that moment stays unmanaged for good. Only a window it
    // has framed proves that it runs, so a probe is mapped until it is.
    const Window root = DefaultRootWindow(m_display);
    XSetWindowAttributes attributes{};
    const Window probe = XCreateWindow(m_display, root, 0, 0, 10, 10, 0, CopyFromParent,
                                       InputOutput, CopyFromParent, 0, &attributes);
    bool framed = false;
    const auto deadline = std::chrono::steady_clock::now() + kReadyTimeout;
    while (!framed && std::chrono::steady_clock::now() < deadline &&
           waitpid(pid, nullptr, WNOHANG) == 0) {
        XMapWindow(m_display, probe);
        XSync(m_display, False);
        const auto retry = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
        while (!framed && std::chrono::steady_clock::now() < retry) {
            Window rootReturn = 0;
            Window parent = 0;
            Window* children = nullptr;
            unsigned int count = 0;
            if (XQueryTree(m_display, probe, &rootReturn, &parent, &children, &count))
                framed = parent != root;
            if (children)
                XFree(children);
            if (!framed)
                std::this_thread::sleep_for(kPollStep);
        }
        if (!framed) {
            XUnmapWindow(m_display, probe);
            XSync(m_display, False);
        }
    }
    XDestroyWindow(m_display, probe);
    XSync(m_display, False);
    return framed;
}

bool XServerSession::ownsSelection(const char* selection) const
{
    return XGetSelectionOwner(m_display, XInternAtom(m_display, selection, False)) != 0;
}

bool XServerSession::startSelectionOwner(pid_t& pid, const QStringList& command,
                                         const char* selection)
{
    if (!m_display || pid > 0)
        return pid > 0;
    pid = spawn(command);
    if (pid <= 0 || !waitFor(pid, [&] { return ownsSelection(selection); })) {
        stop(pid);
        return false;
    }
    return true;
}

bool XServerSession::startWindowManager()
{
    if (!m_display || m_windowManagerPid > 0)
        return m_windowManagerPid > 0;
    m_windowManagerPid = spawn({QStringLiteral("openbox"), QStringLiteral("--sm-disable")});
    if (m_windowManagerPid <= 0 || !windowManagerReady(m_windowManagerPid)) {
        stopWindowManager();
        return false;
    }
    return true;
}

void XServerSession::stopWindowManager()
{
    if (m_windowManagerPid <= 0)
        return;
    stop(m_windowManagerPid);
    // The next test sees a desktop without a window manager, not the
    // leftovers of this one.
    const Window root = DefaultRootWindow(m_display);
    for (const char* name : {"_NET_SUPPORTING_WM_CHECK", "_NET_WORKAREA", "_NET_ACTIVE_WINDOW"})
        XDeleteProperty(m_display, root, XInternAtom(m_display, name, False));
    XSync(m_display, False);
}

bool XServerSession::startCompositor()
{
    return startSelectionOwner(m_compositorPid, {QStringLiteral("xcompmgr")}, "_NET_WM_CM_S0");
}

void XServerSession::stopCompositor()
{
    stop(m_compositorPid);
}

bool XServerSession::startTrayHost()
{
    return startSelectionOwner(
        m_trayHostPid,
        {QStringLiteral("trayer"), QStringLiteral("--edge"), QStringLiteral("bottom"),
         QStringLiteral("--align"), QStringLiteral("right"), QStringLiteral("--widthtype"),
         QStringLiteral("request"), QStringLiteral("--height"), QStringLiteral("32"),
         QStringLiteral("--transparent"), QStringLiteral("false")},
        "_NET_SYSTEM_TRAY_S0");
}

void XServerSession::stopTrayHost()
{
    if (m_trayHostPid <= 0)
        return;
    stop(m_trayHostPid);
    // The selection goes with its owner; wait so the next test starts without a tray.
    const auto deadline = std::chrono::steady_clock::now() + kReadyTimeout;
    while (ownsSelection("_NET_SYSTEM_TRAY_S0") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(kPollStep);
}

bool XServerSession::xdotool(const QStringList& arguments) const
{
    return run(QStringList{QStringLiteral("xdotool")} + arguments) == 0;
}

bool XServerSession::clickAt(QPoint at, int button, int times) const
{
    return xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                    "--repeat", QString::number(times), "--delay", "120", QString::number(button)});
}

int XServerSession::run(const QStringList& command) const
{
    pid_t pid = spawn(command);
    if (pid <= 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
