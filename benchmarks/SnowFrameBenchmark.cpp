#include "core/COptions.h"
#include "decorations/CDlgSnow.h"
#include "platform/Platform.h"
#include "platform/RuntimeLibrary.h"
#include "support/FakeClock.h"
#include "support/FakeDesktop.h"
#include "support/FakeScheduler.h"
#include "support/FakeSystemInfo.h"
#include "vocabulary/SnowKinds.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A window that takes frames and does nothing with them, so a case times the
// drawing and the frame picture's update, not a screen.
class DiscardingSurface final : public platform::OverlaySurface {
public:
    void setGeometry(const QRect& rect) override { m_geometry = rect; }
    QRect geometry() override { return m_geometry; }
    void present(const QImage& frame, const QRegion& changed, uint8_t) override
    {
        benchmark::DoNotOptimize(frame.constBits());
        benchmark::DoNotOptimize(changed.rectCount());
    }
    void setZOrder(bool) override {}
    void raise() override {}
    bool keepAbove(QWindow*) override { return false; }
    bool startSystemMove() override { return false; }

private:
    QRect m_geometry;
};

class DiscardingWindowSystem final : public platform::WindowSystem {
public:
    std::unique_ptr<platform::OverlaySurface> createOverlay(const OverlayOptions&) override
    {
        return std::make_unique<DiscardingSurface>();
    }
};

// The process's resident memory in megabytes, from /proc.
double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// A snow window over one 1920x1080 screen on virtual time.
class SnowBench {
public:
    SnowBench()
    {
        m_desktop.m_workArea = QRect(0, 0, 1920, 1080);
        m_services.clock = &m_clock;
        m_services.scheduler = &m_scheduler;
        m_services.desktop = &m_desktop;
        m_services.system = &m_system;
        m_services.windows = &m_windows;
        m_options = std::make_unique<COptions>(m_services);
    }

    COptions& options() { return *m_options; }

    CDlgSnow& create()
    {
        m_snow = std::make_unique<CDlgSnow>(*m_options, m_services);
        crt::srand(20241224);
        m_snow->Create();
        return *m_snow;
    }

    // Runs one tick of the frame timer.
    void frame()
    {
        const void* window = static_cast<const DecorationWindow*>(m_snow.get());
        m_scheduler.advance(m_scheduler.periodOf(window, m_snow->m_nTimer));
    }

private:
    FakeClock m_clock;
    FakeScheduler m_scheduler{m_clock};
    FakeDesktop m_desktop;
    FakeSystemInfo m_system;
    DiscardingWindowSystem m_windows;
    platform::Platform m_services;
    std::unique_ptr<COptions> m_options;
    std::unique_ptr<CDlgSnow> m_snow;
};

void snowFrame(benchmark::State& state, const char* kind, uint32_t density, bool accumulate)
{
    SnowBench bench;
    bench.options().strSnowType = kind;
    bench.options().uSnowDensity = density;
    bench.options().fSnowAcumulate = accumulate;
    CDlgSnow& snow = bench.create();
    // Let the first flakes reach the screen (and the pile fill) before timing.
    for (int i = 0; i < 600; ++i)
        bench.frame();
    for (auto _ : state)
        bench.frame();
    state.counters["flakes"] = static_cast<double>(snow.m_flakes.size());
    state.counters["pile"] = static_cast<double>(snow.m_pile.size());
    state.counters["residentMB"] = residentMegabytes();
}

void fluffyDefault(benchmark::State& state)
{
    snowFrame(state, kSnowFluffy, 5, false);
}
void fluffyDense(benchmark::State& state)
{
    snowFrame(state, kSnowFluffy, 9, false);
}
void fluffyDenseAccumulating(benchmark::State& state)
{
    snowFrame(state, kSnowFluffy, 9, true);
}
void fantasyDense(benchmark::State& state)
{
    snowFrame(state, kSnowFantasy, 9, false);
}
void deep(benchmark::State& state)
{
    snowFrame(state, kSnowDeep, 5, false);
}

BENCHMARK(fluffyDefault)->Name("Snow/fluffy50At1920x1080")->Unit(benchmark::kMicrosecond);
BENCHMARK(fluffyDense)->Name("Snow/fluffy270At1920x1080")->Unit(benchmark::kMicrosecond);
BENCHMARK(fluffyDenseAccumulating)
    ->Name("Snow/fluffy270PilingUpAt1920x1080")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(fantasyDense)->Name("Snow/fantasy270At1920x1080")->Unit(benchmark::kMicrosecond);
BENCHMARK(deep)->Name("Snow/deepAt1920x1080")->Unit(benchmark::kMicrosecond);

} // namespace
