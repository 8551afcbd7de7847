#include "decorations/FrameCompositor.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

constexpr QSize kScreen(1920, 1080);
constexpr int kFlakes = 270;

// 270 white 16x16 flakes drifting down a 1920x1080 screen, a few pixels a
// frame, as the snow at its default density draws them.
class DriftingFlakes {
public:
    DriftingFlakes() : m_flake(16, 16, QImage::Format_ARGB32_Premultiplied)
    {
        m_flake.fill(Qt::transparent);
        QPainter painter(&m_flake);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        for (int i = 0; i < kFlakes; ++i)
            m_positions.emplace_back(std::uniform_int_distribution(0, 1903)(m_random),
                                     std::uniform_int_distribution(0, 1063)(m_random));
    }

    void nextFrame(FrameDrawing& drawing)
    {
        drawing.clear();
        for (QPoint& position : m_positions) {
            position += QPoint(std::uniform_int_distribution(-1, 1)(m_random),
                               std::uniform_int_distribution(1, 3)(m_random));
            if (position.y() > kScreen.height() - 16)
                position.setY(0);
            drawing.drawImage(m_flake, position.x(), position.y());
        }
    }

private:
    std::mt19937 m_random{1};
    QImage m_flake;
    std::vector<QPoint> m_positions;
};

void changedAreaOnly(benchmark::State& state)
{
    DriftingFlakes flakes;
    FrameCompositor compositor;
    FrameDrawing drawing;
    flakes.nextFrame(drawing);
    compositor.update(drawing, kScreen);
    int64_t rectangles = 0;
    for (auto _ : state) {
        flakes.nextFrame(drawing);
        const QRegion changed = compositor.update(drawing, kScreen);
        rectangles += changed.rectCount();
        benchmark::DoNotOptimize(compositor.image().constBits());
    }
    state.counters["rects"] =
        benchmark::Counter(static_cast<double>(rectangles), benchmark::Counter::kAvgIterations);
}
BENCHMARK(changedAreaOnly)->Name("Frame/270flakes/changedArea")->Unit(benchmark::kMicrosecond);

// The same frames painted in full on a cleared picture, as every frame was
// before only the changed area was repainted.
void fullRepaint(benchmark::State& state)
{
    DriftingFlakes flakes;
    FrameDrawing drawing;
    QImage picture(kScreen, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        flakes.nextFrame(drawing);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        for (const FrameDrawing::Item& item : drawing.items())
            FrameCompositor::paintItem(painter, item);
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(fullRepaint)->Name("Frame/270flakes/fullRepaint")->Unit(benchmark::kMicrosecond);

} // namespace
