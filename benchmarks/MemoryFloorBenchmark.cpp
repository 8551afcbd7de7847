#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

// Copying one 1920x1080 32-bit picture: no frame that touches every pixel
// can be cheaper, so the other cases read against this floor.
void copyEightMegabytes(benchmark::State& state)
{
    constexpr size_t kBytes = 1920 * 1080 * 4;
    std::vector<unsigned char> from(kBytes, 1);
    std::vector<unsigned char> to(kBytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(copyEightMegabytes)->Name("Floor/memcpy8MB")->Unit(benchmark::kMicrosecond);

} // namespace
