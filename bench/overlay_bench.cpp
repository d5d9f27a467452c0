// The whole overlay as every pointer movement of a drag redraws it, and the
// whole intake of a 4K screenshot from its clipboard block to the first frame.
#include <benchmark/benchmark.h>

#include "bench/bench_baseline.h"
#include "capture/preview_fit.h"
#include "selection/overlay.h"
#include "toolkit/dib_codec.h"
#include "toolkit/resize.h"

namespace corvane {
namespace {

void BM_DrawSelectionOverlay(benchmark::State& state) {
    const int32_t width = int32_t(state.range(0)), height = int32_t(state.range(1));
    const Image24 preview = bench::TestPicture(width, height);
    Image24 canvas = *Image24::Create(width, height);
    const double memcpyUs = bench::MemcpyMicroseconds(canvas.byteCount());
    bench::CallTimer timer;
    int32_t step = 0;
    for (auto _ : state) {
        // A selection that changes on every call, as during a drag.
        const Rect selection{width / 5 + step % 50, height / 6, width / 2, height / 2 + step % 30};
        ++step;
        timer.Start();
        PaintOverlay(canvas, preview, selection);
        benchmark::DoNotOptimize(canvas.bits());
        benchmark::ClobberMemory();
        timer.Stop();
    }
    bench::ReportMicrosecondsAgainstMemcpy(state, timer, memcpyUs);
}
BENCHMARK(BM_DrawSelectionOverlay)->Args({1440, 810})->Args({2880, 1620})->Unit(benchmark::kMicrosecond);

// A 32-bit top-down block, as Wine and many programs put a screenshot there.
std::vector<uint8_t> ScreenshotBlock(int32_t width, int32_t height) {
    const Image24 picture = bench::TestPicture(width, height);
    std::vector<uint8_t> block(40 + size_t(width) * size_t(height) * 4);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) block[at + i] = uint8_t(v >> (8 * i));
    };
    put32(0, 40);
    put32(4, uint32_t(width));
    put32(8, uint32_t(-height));
    block[12] = 1;
    block[14] = 32;
    uint8_t* out = block.data() + 40;
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* row = picture.RowFromTop(y);
        for (int32_t x = 0; x < width; ++x, out += 4) {
            out[0] = row[3 * x];
            out[1] = row[3 * x + 1];
            out[2] = row[3 * x + 2];
        }
    }
    return block;
}

void BM_IntakeOf4kScreenshot(benchmark::State& state) {
    const std::vector<uint8_t> block = ScreenshotBlock(3840, 2160);
    bench::CallTimer timer;
    for (auto _ : state) {
        timer.Start();
        auto capture = DecodeDib(block).image;
        const Size fit = FitPreview(capture->size(), {1920, 1080});
        auto preview = ResizeSmooth(*capture, fit.width, fit.height);
        auto canvas = Image24::Create(fit.width, fit.height);
        PaintOverlay(*canvas, *preview, {});
        benchmark::DoNotOptimize(canvas->bits());
        timer.Stop();
    }
    state.counters["best_ms"] = timer.BestMicroseconds() / 1000;
    state.counters["mean_ms"] = timer.MeanMicroseconds() / 1000;
}
BENCHMARK(BM_IntakeOf4kScreenshot)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
