#include "platform/SessionEndWatcher.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>

#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

int g_signalPipe[2] = {-1, -1};
SessionEndWatcher* g_watcher = nullptr;
const int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Only async-signal-safe work here: one byte into the pipe, read on the UI thread.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

} // namespace

SessionEndWatcher::SessionEndWatcher(std::function<void(Reason)> onSessionEnd)
    : m_onSessionEnd(std::move(onSessionEnd))
{
    g_watcher = this;
    [[maybe_unused]] static const bool exitHandlerSet = std::atexit(onProcessExit) == 0;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) == 0) {
        m_notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionEndWatcher::readSignal);
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : kSignals)
            ::sigaction(signal, &action, nullptr);
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
            if (m_onSessionEnd)
                m_onSessionEnd(Reason::SaveRequested);
        });
    }
}

SessionEndWatcher::~SessionEndWatcher()
{
    g_watcher = nullptr;
    for (int signal : kSignals)
        ::signal(signal, SIG_DFL);
    delete m_notifier;
    for (int& fd : g_signalPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void SessionEndWatcher::onProcessExit()
{
    // Only while the loop runs, and only on its own thread.
    if (!g_watcher || !g_watcher->m_onSessionEnd || !QCoreApplication::instance() ||
        QThread::currentThread() != QCoreApplication::instance()->thread())
        return;
    SessionEndWatcher* watcher = g_watcher;
    g_watcher = nullptr;
    watcher->m_onSessionEnd(Reason::ProcessEnding);
}

void SessionEndWatcher::readSignal()
{
    char byte;
    if (::read(g_signalPipe[1], &byte, 1) == 1 && m_onSessionEnd)
        m_onSessionEnd(Reason::Terminated);
}

} // namespace platform
