#pragma once

#include "core/COptions.h"
#include "decorations/CDlgSnow.h"
#include "platform/RuntimeLibrary.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <memory>

// A snow window on fake screens, with the settings at their defaults and
// time moved by hand. Most cases use a small screen so thousands of frames
// stay quick; the frame timer runs at speed 5 (20 ms) unless a case changes it.
class SnowTest : public ::testing::Test {
protected:
    static constexpr uint32_t kSeed = 20241224;

    SnowTest() { useScreen(200, 100); }

    COptions& options() { return m_options; }

    // One monitor of that size with no panel, so the window is the whole screen.
    void useScreen(int width, int height)
    {
        m_platform.desktop.m_primary = QSize(width, height);
        m_platform.desktop.m_virtual = QRect(0, 0, width, height);
        m_platform.desktop.m_workArea = QRect(0, 0, width, height);
    }

    // Builds the window object on the screens set so far and reseeds the random numbers.
    CDlgSnow& makeSnow()
    {
        m_snow = std::make_unique<CDlgSnow>(m_options, m_platform.services());
        crt::srand(kSeed);
        return *m_snow;
    }

    // Builds and creates the window (which draws its first frame).
    CDlgSnow& createSnow()
    {
        CDlgSnow& snow = makeSnow();
        snow.Create();
        return snow;
    }

    // Runs frames of the frame timer at its current period.
    void frames(int count)
    {
        const uint32_t period = m_platform.scheduler.periodOf(window(), m_snow->m_nTimer);
        for (int i = 0; i < count; ++i)
            m_platform.scheduler.advance(period);
    }

    const void* window() const { return static_cast<const DecorationWindow*>(m_snow.get()); }
    FakeOverlaySurface* surface() const { return m_platform.windows.first(); }

    FakePlatform m_platform;
    COptions m_options{m_platform.services()};
    std::unique_ptr<CDlgSnow> m_snow;
};
