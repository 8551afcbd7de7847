#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

// Keeps Qt's events flowing (the X server's property and geometry news, and
// what other threads post, reach Qt this way) until the condition holds or
// the time is up; returns whether it held. Desktop changes made by other X
// clients and sound played by the audio thread arrive asynchronously, so
// tests look for the result instead of guessing a delay.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}
