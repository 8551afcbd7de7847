#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// One application object for every test of a program; widgets run on Qt's
// offscreen platform. The user's own configuration is never touched: each
// test program gets a private configuration, data and runtime folder.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    const QString config = home.path() + QStringLiteral("/config");
    const QString runtime = home.path() + QStringLiteral("/runtime");
    const QString data = home.path() + QStringLiteral("/data");
    QDir().mkpath(config);
    QDir().mkpath(data);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data));
    // The program the tests start plays its tunes, into a device that sounds
    // nowhere rather than through the speakers of whoever runs the tests.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
