#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

#include <memory>
#include <vector>

class XServerSession;

// The real program on a test's X server, in a home of its own: a settings
// file written before the start, the windows it shows, and the way the
// session's end stops it.
class ProgramUnderTest {
public:
    // How long a start and an end may take, even in a sanitized build on a
    // busy machine; a failing case reports after these, not at CTest's limit.
    static constexpr int kStartLimitMs = 10000;
    static constexpr int kEndLimitMs = 10000;

    explicit ProgramUnderTest(XServerSession& session);
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // A settings file with every decoration and every tune off, then the
    // given "key=value key=value" settings on top.
    static QByteArray settingsFile(const QString& settings);
    void writeSettings(const QString& settings);
    QByteArray settings() const;

    // Starts the program and waits until its start-up is done.
    bool start();
    // Starts another copy in the same home, without waiting.
    std::unique_ptr<QProcess> launch() const;
    // Ends it as the session's end does.
    bool terminate();
    bool running() const;
    pid_t pid() const;

    std::vector<unsigned long> decorationWindows() const;
    // Waits until exactly `count` decoration windows are on screen.
    bool waitForDecorations(size_t count, int timeoutMs = 10000) const;

private:
    QString settingsPath() const { return m_home.path() + "/config/Varnel/Yulavin/settings.xml"; }

    XServerSession& m_session;
    QTemporaryDir m_home;
    std::unique_ptr<QProcess> m_process;
};
