#include <QApplication>

#include <gtest/gtest.h>

// One application object for every test of a program; widgets run on Qt's
// offscreen platform unless a test starts its own X server.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
