#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A configuration and runtime folder of the test's own for a program run in
// the test's process, for as long as the object lives: other test programs
// run the program at the same time, and one copy per user is all it allows.
class PrivateHome {
public:
    PrivateHome();
    ~PrivateHome();
    PrivateHome(const PrivateHome&) = delete;
    PrivateHome& operator=(const PrivateHome&) = delete;

    // $XDG_CONFIG_HOME.
    QString path() const { return m_home.path(); }
    QString settingsPath() const { return path() + "/Varnel/Yulavin/settings.xml"; }

private:
    QTemporaryDir m_home;
    QByteArray m_savedConfig;
    QByteArray m_savedRuntime;
};
