#pragma once

#include "core/COptions.h"
#include "decorations/CDlgLights.h"
#include "support/FakePlatform.h"
#include "vocabulary/GarlandKeys.h"

#include <QPoint>
#include <QSize>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The garland window with its frame drawing and its timer handler in reach.
class TestableLights final : public CDlgLights {
public:
    using CDlgLights::CDlgLights;
    using CDlgLights::RedrawWindow;
};

// What a slot holds, as far as the layout is concerned.
enum class Group {
    Straight,      // a bulb, ball, glow or snowflake along an edge
    Corner,        // a corner bulb or ball
    Branch,        // the pine branch tile (always drawn, not a bulb)
    PineLight,     // the small light on the pine
    PineSection,   // the decorated pine section (always drawn, not a bulb)
    SectionLights, // the lights of a decorated pine section
    Icicle,        // a hanging string of icicle lights
};

Group groupOf(int slot);
bool isBulb(int slot);
bool isLitPicture(int slot);

// One picture of a frame: which slot, how far it was turned, where.
struct Drawn {
    int slot = -1;
    int turns = 0;
    QPoint position;
};

// The pictures of the window's last frame, in drawing order. A picture that
// is none of the window's slots gives slot -1.
std::vector<Drawn> drawsOf(const CDlgLights& window);
// Only the bulbs, in drawing order: bulb number n is element n - 1.
std::vector<Drawn> bulbsOf(const CDlgLights& window);

// A desktop whose garland window is exactly the given size on the default
// emulated Windows 10 (a 40-pixel panel below it), the program's settings
// and a garland window that is not yet created.
class GarlandTest : public ::testing::Test {
protected:
    void useWindowSize(QSize size);
    // Creates the window with the garland and flash mode given.
    void createGarland(const QString& key, int nFlash = 0);
    // Draws a frame at the flash mode and phase given, the random numbers
    // seeded first.
    void drawAt(int nFlash, int nPhase, uint32_t seed = 1);

    FakePlatform m_platform;
    COptions m_options{m_platform.services()};
    TestableLights m_lights{m_options, m_platform.services()};
};
