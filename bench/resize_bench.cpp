// Preview scaling at the sizes the intake meets most: a 4K and a full-HD
// screenshot fitted to a 1440 x 810 preview. Compare with
// scripts/pillow_resize_baseline.py on the same machine.
#include <benchmark/benchmark.h>

#include "bench/bench_baseline.h"
#include "toolkit/resize.h"

namespace corvane {
namespace {

void BM_ResizeSmooth(benchmark::State& state) {
    const Image24 source = bench::TestPicture(int32_t(state.range(0)), int32_t(state.range(1)));
    const int32_t width = int32_t(state.range(2)), height = int32_t(state.range(3));
    const double memcpyUs = bench::MemcpyMicroseconds(source.byteCount());
    bench::CallTimer timer;
    for (auto _ : state) {
        timer.Start();
        auto preview = ResizeSmooth(source, width, height);
        benchmark::DoNotOptimize(preview);
        timer.Stop();
    }
    state.counters["best_ms"] = timer.BestMicroseconds() * 1e-3;
    state.counters["mean_ms"] = timer.MeanMicroseconds() * 1e-3;
    state.counters["memcpy_ms"] = memcpyUs * 1e-3;
    state.counters["best_to_memcpy"] = timer.BestMicroseconds() / memcpyUs;
}

BENCHMARK(BM_ResizeSmooth)
    ->Args({3840, 2160, 1440, 810})
    ->Args({1920, 1080, 1440, 810})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
