#include "core/COptions.h"
#include "decorations/CDlgCursor.h"
#include "decorations/CDlgLights.h"
#include "decorations/CDlgSnow.h"
#include "decorations/CDlgTree.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using Stacking = FakeOverlaySurface::Stacking;

// Each decoration keeps to the layer its "on top" setting names: made there,
// sent back to the bottom when it takes the focus while on the desktop, and
// raised again when the program is activated while on top. The setting is
// read when the message comes, so a change on a page counts at once.
struct StackingCase {
    const char* name;
    bool COptions::*onTop;
    std::function<std::unique_ptr<DecorationWindow>(COptions&, const platform::Platform&)> make;
    bool stacksWhenMade;         // the cursor leaves its first place to start-up
    bool activationRestoresBoth; // the tree goes back to the bottom on activation too
};

template <typename Window>
std::unique_ptr<DecorationWindow> make(COptions& options, const platform::Platform& services)
{
    return std::make_unique<Window>(options, services);
}

TEST(DecorationStacking, EveryDecorationReturnsToItsLayerOnFocusAndActivation)
{
    const StackingCase cases[] = {
        {"snow", &COptions::fSnowTop, make<CDlgSnow>, true, false},
        {"garland", &COptions::fGarlandTop, make<CDlgLights>, true, false},
        {"cursor", &COptions::fCursorTop, make<CDlgCursor>, false, false},
        {"tree", &COptions::fTreeTop, make<CDlgTree>, true, true},
    };
    for (const StackingCase& c : cases) {
        for (bool onTop : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (onTop ? " on top" : " on desktop"));
            FakePlatform platform;
            COptions options(platform.services());
            bool& setting = options.*c.onTop;
            setting = onTop;
            const std::unique_ptr<DecorationWindow> window = c.make(options, platform.services());
            ASSERT_TRUE(window->Create());
            FakeOverlaySurface& surface = *platform.windows.live().front();
            const Stacking layer = onTop ? Stacking::Top : Stacking::Bottom;
            EXPECT_EQ(surface.m_stacking, c.stacksWhenMade ? layer : Stacking::Unset);
            surface.m_stackingCalls.clear();

            std::vector<Stacking> expected;
            auto focusAndActivate = [&](bool top) {
                surface.onFocusIn();
                if (!top)
                    expected.push_back(Stacking::Bottom);
                platform.windows.activateApplication(false);
                platform.windows.activateApplication(true);
                if (top || c.activationRestoresBoth)
                    expected.push_back(top ? Stacking::Top : Stacking::Bottom);
                EXPECT_EQ(surface.m_stackingCalls, expected);
            };
            focusAndActivate(onTop);
            setting = !onTop;
            focusAndActivate(!onTop);
        }
    }
}

} // namespace
