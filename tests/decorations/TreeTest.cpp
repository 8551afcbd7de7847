#include "core/COptions.h"
#include "decorations/CDlgTree.h"
#include "decorations/CaseName.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// The resource each picture slot of the tree window holds.
const std::vector<int> kSlotResources = {295, 296, 297, 298, 299, 300, 301, 302, 303,
                                         303, 304, 311, 312, 313, 314, 315, 316, 317,
                                         318, 319, 320, 321, 322, 323, 324, 325};

class TreeTest : public ::testing::Test {
protected:
    FakeOverlaySurface* surface() const { return m_platform.windows.first(); }
    COptions& options() { return m_options; }
    // The resource of the picture in the last frame; 0 for none.
    int shownPicture() const
    {
        const auto& items = m_tree.lastDrawing().items();
        if (items.size() != 1)
            return 0;
        for (size_t slot = 0; slot < m_tree.m_pFrames.size(); ++slot)
            if (m_tree.m_pFrames[slot] &&
                m_tree.m_pFrames[slot]->cacheKey() == items[0].image.cacheKey())
                return kSlotResources[slot];
        return -1;
    }
    // The pictures of `count` frames: the one shown at creation and one per tick.
    std::vector<int> framesFromCreation(size_t count, uint32_t periodMs)
    {
        std::vector<int> shown;
        m_tree.Create();
        shown.push_back(shownPicture());
        while (shown.size() < count) {
            m_platform.scheduler.advance(periodMs);
            shown.push_back(shownPicture());
        }
        return shown;
    }

    FakePlatform m_platform;
    COptions m_options{m_platform.services()};
    CDlgTree m_tree{m_options, m_platform.services()};
};

// Where Joy (400x443) stands: a stored place as it is, even off the screen;
// with either coordinate missing, centred in the primary monitor's work area.
struct PlaceCase {
    const char* name;
    int x, y;
    QRect workArea;
    QPoint expected;
};

class TreePlaceTest : public TreeTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(TreePlaceTest, IsStoredOrCentredAndStoredAgain)
{
    m_platform.desktop.m_virtual = QRect(0, 0, 3840, 1080);
    m_platform.desktop.m_workArea = GetParam().workArea;
    options().iTree = 2;
    options().iTreeX = GetParam().x;
    options().iTreeY = GetParam().y;
    ASSERT_TRUE(m_tree.Create());
    ASSERT_NE(surface(), nullptr);
    EXPECT_EQ(surface()->m_geometry, QRect(GetParam().expected, QSize(400, 443)));
    EXPECT_EQ(QPoint(options().iTreeX, options().iTreeY), GetParam().expected);
    // The tree takes clicks so that it can be dragged.
    EXPECT_FALSE(surface()->m_clickThrough);
    EXPECT_EQ(surface()->m_alpha, 255);
}

const QRect kWorkArea(0, 0, 1920, 1040);

INSTANTIATE_TEST_SUITE_P(
    Places, TreePlaceTest,
    ::testing::Values(PlaceCase{"FirstStart", -1, -1, kWorkArea, {760, 299}},
                      PlaceCase{"NoY", 100, -1, kWorkArea, {760, 299}},
                      PlaceCase{"NoX", -1, 100, kWorkArea, {760, 299}},
                      // The primary monitor right of another one, its panel at the top.
                      PlaceCase{"PrimaryOnTheRight", -1, -1, {1920, 40, 1920, 1040}, {2680, 339}},
                      PlaceCase{"PartlyOff", 50, -20, kWorkArea, {50, -20}},
                      PlaceCase{"FarOff", 5000, 3000, kWorkArea, {5000, 3000}},
                      PlaceCase{
                          "BeyondAnyScreen", INT_MAX, INT_MIN, kWorkArea, {1 << 30, -(1 << 30)}}),
    CaseName());

struct CycleCase {
    const char* name;
    int iTree;
    QSize size;
    std::vector<int> cycle; // the pictures of one cycle, in order
};

class TreeCycleTest : public TreeTest, public ::testing::WithParamInterface<CycleCase> {};

TEST_P(TreeCycleTest, ShowsItsPicturesInOrderOnePerTickAndStartsOver)
{
    const CycleCase& tree = GetParam();
    options().iTree = tree.iTree;
    const std::vector<int> shown = framesFromCreation(2 * tree.cycle.size() + 1, 500);
    EXPECT_EQ(surface()->m_geometry.size(), tree.size);
    std::vector<int> expected = tree.cycle;
    expected.insert(expected.end(), tree.cycle.begin(), tree.cycle.end());
    expected.push_back(tree.cycle.front());
    EXPECT_EQ(shown, expected);
    // A tree out of range from a hand-edited file stays in the settings as it was.
    EXPECT_EQ(options().iTree, tree.iTree);
}

INSTANTIATE_TEST_SUITE_P(
    Trees, TreeCycleTest,
    ::testing::Values(CycleCase{"Bow", 0, {300, 500}, {311, 312}},
                      CycleCase{"Hoarfrost", 1, {300, 431}, {321, 322, 323, 324, 325}},
                      CycleCase{
                          "Joy", 2, {400, 443}, {313, 314, 315, 316, 317, 318, 318, 318, 318}},
                      CycleCase{"Silver",
                                3,
                                {300, 355},
                                {295, 295, 295, 295, 296, 297, 298, 299, 300, 301, 301, 301, 301,
                                 302, 303, 303, 304}},
                      CycleCase{"Snowy", 4, {300, 392}, {319, 320}},
                      // Out of range: the nearest tree.
                      CycleCase{"Lowest", -2147483647 - 1, {300, 500}, {311, 312}},
                      CycleCase{"Highest", 2147483647, {300, 392}, {319, 320}}),
    CaseName());

struct SpeedCase {
    int iTreeSpeed;
    uint32_t periodMs;
};

class TreeSpeedTest : public TreeTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(TreeSpeedTest, FramePeriodIsElevenLessSpeedTimes100Ms)
{
    options().iTreeSpeed = GetParam().iTreeSpeed;
    m_tree.Create();
    EXPECT_EQ(m_platform.scheduler.periodOf(&m_tree, 1), GetParam().periodMs);
    const int before = surface()->m_presentCount;
    m_platform.scheduler.advance(GetParam().periodMs - 1);
    EXPECT_EQ(surface()->m_presentCount, before);
    m_platform.scheduler.advance(1);
    EXPECT_EQ(surface()->m_presentCount, before + 1);
    // A speed out of range runs at the nearest one and stays in the settings as it was.
    EXPECT_EQ(options().iTreeSpeed, GetParam().iTreeSpeed);
}

INSTANTIATE_TEST_SUITE_P(Speeds, TreeSpeedTest,
                         ::testing::Values(SpeedCase{1, 1000}, SpeedCase{6, 500},
                                           SpeedCase{10, 100}, SpeedCase{0, 1000},
                                           SpeedCase{-7, 1000}, SpeedCase{11, 100},
                                           SpeedCase{1000, 100}));

TEST_F(TreeTest, DraggingMovesTheTreeAndTheNextFrameStoresThePlace)
{
    m_tree.Create();
    ASSERT_TRUE(surface()->onLeftButtonDown);
    surface()->onLeftButtonDown(QPoint(200, 300));
    EXPECT_EQ(surface()->m_systemMoves, 1);

    // The window manager moves the window while the button is held.
    surface()->setGeometry(QRect(100, 640, 400, 443));
    EXPECT_EQ(options().iTreeX, 760);
    m_platform.scheduler.advance(500);
    EXPECT_EQ(QPoint(options().iTreeX, options().iTreeY), QPoint(100, 640));
    // The picture moves with the window, not inside it: the frame is the picture itself.
    EXPECT_EQ(m_tree.frameImage(), m_tree.lastDrawing().items()[0].image.convertToFormat(
                                       QImage::Format_ARGB32_Premultiplied));

    // Next time the tree stands where it was left.
    m_tree.DestroyWindow();
    m_tree.Create();
    EXPECT_EQ(surface()->m_geometry.topLeft(), QPoint(100, 640));
}

TEST_F(TreeTest, AnotherTreeKeepsTheCornerAndMadeAgainTheTreeGoesOn)
{
    // Silver, 12 frames on, then Joy: the corner stays, the counter comes into range.
    options().iTree = 3;
    framesFromCreation(12, 500);
    EXPECT_TRUE(m_tree.DestroyWindow());
    options().iTree = 2;
    ASSERT_TRUE(m_tree.Create());
    EXPECT_EQ(surface()->m_geometry, QRect(810, 343, 400, 443));
    EXPECT_EQ(shownPicture(), 313);

    m_platform.scheduler.advance(1000);
    m_tree.DestroyWindow();
    ASSERT_TRUE(m_tree.Create());
    EXPECT_EQ(shownPicture(), 316);
    EXPECT_EQ(surface()->m_stacking, FakeOverlaySurface::Stacking::Bottom);
    m_platform.scheduler.advance(500);
    EXPECT_EQ(shownPicture(), 317);
}

} // namespace
