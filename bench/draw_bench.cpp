// The overlay's worst case: the whole preview copied onto the canvas and the
// whole canvas veiled, as on every pointer move with an empty selection.
#include <benchmark/benchmark.h>

#include "bench/bench_baseline.h"
#include "toolkit/draw.h"

namespace corvane {
namespace {

void RunOverlay(benchmark::State& state, Colour veil) {
    const int32_t width = int32_t(state.range(0)), height = int32_t(state.range(1));
    const Image24 preview = bench::TestPicture(width, height);
    Image24 canvas = *Image24::Create(width, height);
    const double memcpyUs = bench::MemcpyMicroseconds(canvas.byteCount());
    bench::CallTimer timer;
    for (auto _ : state) {
        timer.Start();
        Painter painter(canvas);
        painter.SetMode(DrawMode::Opaque);
        painter.CopyImage(preview, {0, 0});
        painter.SetMode(DrawMode::Blend);
        painter.FillBox({0, 0, width, height}, veil);
        benchmark::DoNotOptimize(canvas.bits());
        benchmark::ClobberMemory();
        timer.Stop();
    }
    bench::ReportMicrosecondsAgainstMemcpy(state, timer, memcpyUs);
}

void BM_OverlayCopyAndWhiteVeil(benchmark::State& state) { RunOverlay(state, MakeColour(255, 255, 255, 200)); }
void BM_OverlayCopyAndColouredVeil(benchmark::State& state) { RunOverlay(state, MakeColour(40, 90, 200, 128)); }

BENCHMARK(BM_OverlayCopyAndWhiteVeil)->Args({1440, 810})->Args({2880, 1620})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OverlayCopyAndColouredVeil)->Args({1440, 810})->Args({2880, 1620})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
