#include "decorations/FrameCompositor.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// The picture the drawing must give: every item painted on a fully
// transparent picture, the way a full repaint of each frame would.
QImage paintedFromScratch(const FrameDrawing& drawing, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (const FrameDrawing::Item& item : drawing.items())
        FrameCompositor::paintItem(painter, item);
    return image;
}

// The earlier picture with the area given taken from the later one: equal to
// the later one when nothing changed outside that area.
QImage patched(QImage earlier, const QImage& later, const QRegion& area)
{
    QPainter painter(&earlier);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setClipRegion(area);
    painter.drawImage(0, 0, later);
    return earlier;
}

// Whether every rectangle of the area lies on whole bands of rows (the last
// band may end at the picture's bottom).
bool onBandRows(const QRegion& area, int pictureHeight)
{
    for (const QRect& rect : area) {
        if (rect.top() % FrameCompositor::kBandHeight != 0)
            return false;
        if ((rect.bottom() + 1) % FrameCompositor::kBandHeight != 0 &&
            rect.bottom() != pictureHeight - 1)
            return false;
    }
    return true;
}

QImage disc(int size, QColor colour)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    return image;
}

// Forty things, pictures or filled paths, that move, turn, appear, vanish
// and change places at random, over a retained pile whose pixels change in
// place; or, still, the same frame drawn again.
class RandomScene {
public:
    RandomScene(unsigned seed, QSize size) : m_random(seed), m_size(size)
    {
        m_pictures = {disc(16, QColor(255, 255, 255, 230)), disc(9, QColor(120, 200, 255, 128)),
                      disc(23, QColor(255, 40, 40, 255))};
        m_pile = QImage(size.width(), 20, QImage::Format_ARGB32_Premultiplied);
        m_pile.fill(Qt::transparent);
        m_things.resize(40);
        for (Thing& thing : m_things)
            thing = randomThing();
    }

    void step(FrameDrawing& drawing, bool still = false)
    {
        drawing.clear();
        const int pileTop = m_size.height() - m_pile.height();
        if (!still && chance(0.5)) {
            const QRect grain(uniform(0, m_size.width() - 6), uniform(0, m_pile.height() - 4), 6,
                              4);
            QPainter(&m_pile).fillRect(grain, QColor(255, 255, 255, uniform(60, 255)));
            drawing.addChangedArea(grain.translated(0, pileTop));
        }
        drawing.drawImage(m_pile, 0, pileTop);
        if (!still && chance(0.1))
            std::swap(m_things[uniform(0, 39)], m_things[uniform(0, 39)]);
        QPainterPath path;
        path.moveTo(0, -8);
        path.lineTo(7, 5);
        path.quadTo(0, 9, -7, 5);
        for (Thing& thing : m_things) {
            thing.visible ^= !still && chance(0.05);
            if (!still && chance(0.7))
                thing.place = QTransform().rotate(thing.spin) * thing.place *
                              QTransform::fromTranslate(thing.velocity.x(), thing.velocity.y());
            if (!QRectF(QPointF(-30, -30), m_size + QSize(60, 60))
                     .contains(thing.place.map(QPointF())))
                thing = randomThing();
            if (!thing.visible)
                continue;
            drawing.setTransform(thing.place);
            if (thing.picture < 0) {
                drawing.fillPath(path, thing.colour, thing.smooth);
                continue;
            }
            const QImage& picture = m_pictures[static_cast<size_t>(thing.picture)];
            if (thing.smooth)
                drawing.drawImage(
                    picture, QRectF(-5.5, -4.25, picture.width() * 1.5, picture.height() * 0.75));
            else
                drawing.drawImage(picture, -picture.width() / 2, -picture.height() / 2);
        }
        drawing.resetTransform();
    }

private:
    struct Thing {
        int picture = 0; // or -1 for the path
        QTransform place;
        QPointF velocity;
        qreal spin = 0;
        QColor colour;
        bool smooth = false;
        bool visible = true;
    };

    int uniform(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }
    qreal real(qreal low, qreal high)
    {
        return std::uniform_real_distribution(low, high)(m_random);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    Thing randomThing()
    {
        Thing thing;
        thing.picture = uniform(-1, 2);
        thing.colour = QColor(uniform(0, 255), uniform(0, 255), uniform(0, 255), uniform(40, 255));
        const QPoint at(uniform(0, m_size.width()), uniform(0, m_size.height()));
        thing.place = QTransform::fromTranslate(at.x(), at.y());
        thing.velocity = QPointF(uniform(-2, 2), uniform(0, 3));
        if (chance(0.4))
            return thing; // at whole pixels, neither turned nor scaled: copied as it is
        thing.place.rotate(chance(0.5) ? 0 : real(0, 360));
        const qreal scale = chance(0.6) ? 1 : real(0.5, 2);
        thing.place.scale(scale, scale);
        thing.velocity = chance(0.2) ? QPointF() : QPointF(real(-3, 3), real(-1, 4));
        thing.spin = chance(0.5) ? 0 : real(-10, 10);
        thing.smooth = chance(0.5);
        return thing;
    }

    std::mt19937 m_random;
    QSize m_size;
    std::vector<QImage> m_pictures;
    QImage m_pile;
    std::vector<Thing> m_things;
};

class FrameCompositorRandomTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(FrameCompositorRandomTest, EveryFrameEqualsAFullRepaint)
{
    const QSize size(320, 200);
    RandomScene scene(GetParam(), size);
    FrameCompositor compositor;
    FrameDrawing drawing;
    // Odd seeds paint in place into memory they are given, red to start with.
    QImage given(size, QImage::Format_ARGB32_Premultiplied);
    given.fill(Qt::red);
    QImage* const target = GetParam() % 2 == 1 ? &given : nullptr;
    QImage previous;
    for (int frame = 0; frame < 80; ++frame) {
        scene.step(drawing);
        const QRegion changed = compositor.update(drawing, size, target);
        ASSERT_TRUE(!target || compositor.image().constBits() == given.constBits());
        const QImage expected = paintedFromScratch(drawing, size);
        ASSERT_EQ(compositor.image(), expected) << "frame " << frame;
        if (previous.isNull()) {
            ASSERT_EQ(changed, QRegion(0, 0, size.width(), size.height()));
        } else {
            ASSERT_EQ(patched(previous, compositor.image(), changed), compositor.image())
                << "frame " << frame;
            ASSERT_TRUE(onBandRows(changed, size.height())) << "frame " << frame;
        }
        previous = compositor.image().copy();
        // The same frame again changes nothing.
        scene.step(drawing, true);
        ASSERT_TRUE(compositor.update(drawing, size, target).isEmpty()) << "frame " << frame;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, FrameCompositorRandomTest, ::testing::Values(1u, 7u, 42u, 2024u),
                         ::testing::PrintToStringParamName());

TEST(FrameCompositorTest, NewSizeOrResetChangesEverythingAndMemoryOfTheWrongSizeIsNotUsed)
{
    FrameCompositor compositor;
    FrameDrawing drawing;
    drawing.drawImage(disc(16, Qt::white), 10, 10);
    compositor.update(drawing, QSize(100, 80));
    EXPECT_EQ(compositor.update(drawing, QSize(120, 80)), QRegion(0, 0, 120, 80));
    compositor.reset();
    QImage small(QSize(20, 20), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(compositor.update(drawing, QSize(120, 80), &small), QRegion(0, 0, 120, 80));
    EXPECT_EQ(compositor.image().size(), QSize(120, 80));
}

// Hundreds of flakes moving at once are cut into taller bands than a few.
TEST(FrameCompositorTest, CrowdedFrameIsCutIntoTallerBands)
{
    const QSize size(1600, 900);
    const QImage flake = disc(16, Qt::white);
    FrameCompositor compositor;
    FrameDrawing drawing;
    // The first flake falls by `first` rows, the others by `others`.
    auto draw = [&](int first, int others) {
        drawing.clear();
        for (int i = 0; i < 400; ++i)
            drawing.drawImage(flake, i * 97 % 1580, i * 53 % 880 + (i == 0 ? first : others));
    };
    draw(0, 0);
    compositor.update(drawing, size);

    draw(1, 1);
    const QRegion crowded = compositor.update(drawing, size);
    ASSERT_FALSE(crowded.isEmpty());
    for (const QRect& rect : crowded)
        EXPECT_EQ(rect.top() % FrameCompositor::kCrowdedBandHeight, 0) << rect.top();
    EXPECT_EQ(compositor.image(), paintedFromScratch(drawing, size));

    // One flake moving on: the usual bands.
    draw(3, 1);
    EXPECT_EQ(compositor.update(drawing, size), QRegion(0, 0, 16, 24));
    EXPECT_EQ(compositor.image(), paintedFromScratch(drawing, size));
}

// In a crowded frame, pieces of one band a few columns apart are sent as one
// rectangle; farther apart, or in a frame of few pieces, they stay apart.
TEST(FrameCompositorTest, CrowdedFrameClosesOnlyNarrowGaps)
{
    const QSize size(1600, 900);
    const QImage flake = disc(16, Qt::white);
    constexpr int narrow = FrameCompositor::kCrowdedMergeGap - 10;
    constexpr int wide = FrameCompositor::kCrowdedMergeGap + 10;
    FrameDrawing drawing;
    // Two pairs of flakes falling side by side, over a crowd of flakes
    // falling far from them, or alone.
    auto draw = [&](int fall, bool crowd) {
        drawing.clear();
        if (crowd) {
            for (int i = 0; i < 200; ++i)
                drawing.drawImage(flake, 40 * (i % 30), 100 + 40 * (i / 30) + fall);
        }
        for (int x : {100, 100 + 16 + narrow, 600, 600 + 16 + wide})
            drawing.drawImage(flake, x, 800 + fall);
    };
    for (bool crowd : {true, false}) {
        FrameCompositor compositor;
        draw(0, crowd);
        compositor.update(drawing, size);
        draw(1, crowd);
        const QRegion changed = compositor.update(drawing, size);
        EXPECT_EQ(changed.contains(QPoint(100 + 16 + narrow / 2, 805)), crowd);
        EXPECT_FALSE(changed.contains(QPoint(600 + 16 + wide / 2, 805)));
        EXPECT_TRUE(changed.contains(QRect(600, 800, 16, 17)));
        EXPECT_EQ(compositor.image(), paintedFromScratch(drawing, size));
    }
}

// Memory said to be blank is painted over without being cleared first, so
// what the items leave alone is never touched; other memory is cleared.
TEST(FrameCompositorTest, BlankTargetIsPaintedOverWithoutClearing)
{
    const QSize size(64, 48);
    FrameDrawing drawing;
    drawing.drawImage(disc(16, Qt::white), 10, 10);
    // Red stands for memory the compositor must not have written to.
    QImage given(size, QImage::Format_ARGB32_Premultiplied);
    given.fill(Qt::red);
    FrameCompositor compositor;
    EXPECT_EQ(compositor.update(drawing, size, &given, true), QRegion(0, 0, 64, 48));
    EXPECT_EQ(given.pixel(40, 40), QColor(Qt::red).rgba());
    EXPECT_EQ(given.pixel(18, 18), paintedFromScratch(drawing, size).pixel(18, 18));

    given.fill(Qt::red);
    compositor.reset();
    compositor.update(drawing, size, &given, false);
    EXPECT_EQ(given, paintedFromScratch(drawing, size));
}

TEST(FrameCompositorTest, PictureEditedInPlaceRepaintsTheNamedAreaOrAllOfIt)
{
    QImage pile(200, 50, QImage::Format_ARGB32_Premultiplied);
    pile.fill(Qt::transparent);
    FrameCompositor compositor;
    FrameDrawing drawing;
    drawing.drawImage(pile, 0, 250);
    compositor.update(drawing, QSize(200, 300));

    // Named: only the new grain's columns in the band around it.
    // The drawing lets go of the picture first, or the edit would copy it.
    drawing.clear();
    QPainter(&pile).fillRect(QRect(50, 10, 4, 3), Qt::white);
    drawing.drawImage(pile, 0, 250);
    drawing.addChangedArea(QRect(50, 260, 4, 3));
    EXPECT_EQ(compositor.update(drawing, QSize(200, 300)), QRegion(50, 256, 4, 8));
    EXPECT_EQ(compositor.image(), paintedFromScratch(drawing, QSize(200, 300)));

    // Not named: the whole picture is repainted, so the frame is still right.
    drawing.clear();
    QPainter(&pile).fillRect(QRect(150, 40, 4, 3), Qt::white);
    drawing.drawImage(pile, 0, 250);
    const QRegion changed = compositor.update(drawing, QSize(200, 300));
    EXPECT_TRUE(changed.contains(QRect(0, 250, 200, 50)));
    EXPECT_EQ(compositor.image(), paintedFromScratch(drawing, QSize(200, 300)));
}

} // namespace
