#pragma once

#include "ScreenInspection.h"
#include "XServerSession.h"

#include <gtest/gtest.h>

// A case on the test program's X server (REQUIRE_X_SERVER in SetUp): the
// helper programs it starts are stopped after it.
class X11Fixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (m_session)
            m_session->stopHelpers();
    }

    _XDisplay* x() const { return m_session->display(); }
    bool xdotool(const QStringList& arguments) const { return m_session->xdotool(arguments); }
    bool shown(unsigned long window) const { return screen_inspection::shown(x(), window); }
    unsigned long activeWindow() const { return screen_inspection::activeWindow(x()); }

    XServerSession* m_session = nullptr;
};
