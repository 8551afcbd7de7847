#pragma once

#include <QObject>

// A screen locker on a test bus, answering GetActive like the desktop's.
class FakeScreenLocker : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    bool active = false;

public Q_SLOTS:
    bool GetActive() const { return active; }
};
