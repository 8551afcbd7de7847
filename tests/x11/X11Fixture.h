#pragma once

#include "ForeignWindow.h"
#include "ScreenInspection.h"
#include "XServerSession.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A case on the test program's X server (REQUIRE_X_SERVER in SetUp): the
// helper programs it starts are stopped and the windows it made destroyed
// after it.
class X11Fixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        m_foreignWindows.clear();
        if (m_session)
            m_session->stopHelpers();
    }

    _XDisplay* x() const { return m_session->display(); }
    bool xdotool(const QStringList& arguments) const { return m_session->xdotool(arguments); }
    // Waits until the window is on screen: mapped and, with a window manager,
    // framed.
    bool shown(unsigned long window) const
    {
        return waitUntil([&] { return screen_inspection::viewable(x(), window); });
    }
    unsigned long activeWindow() const { return screen_inspection::activeWindow(x()); }

    // A window of another program in a solid colour that hears its clicks.
    ForeignWindow& foreignWindow(const QRect& rect, unsigned long colour,
                                 const char* type = nullptr)
    {
        m_foreignWindows.push_back(std::make_unique<ForeignWindow>(x(), rect));
        if (type)
            m_foreignWindows.back()->setAtom("_NET_WM_WINDOW_TYPE", type);
        m_foreignWindows.back()->showFilled(colour);
        return *m_foreignWindows.back();
    }

    XServerSession* m_session = nullptr;
    std::vector<std::unique_ptr<ForeignWindow>> m_foreignWindows;
};
