// The crop of a whole 4K capture against one memcpy of its bytes. The crop
// also creates its image, so a fresh allocation plus the copy is shown too:
// the first writes into new memory pay the system's page faults.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "bench/bench_baseline.h"
#include "bench/screen_picture.h"
#include "export/crop.h"

namespace corvane {
namespace {

double FreshCopyMicroseconds(const Image24& from) {
    double best = 1e30;
    for (int round = 0; round < 15; ++round) {
        const auto start = std::chrono::steady_clock::now();
        void* to = std::calloc(from.byteCount(), 1);
        std::memcpy(to, from.bits(), from.byteCount());
        benchmark::DoNotOptimize(to);
        benchmark::ClobberMemory();
        std::free(to);
        const auto end = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::micro>(end - start).count());
    }
    return best;
}

void BM_CropWhole4kCapture(benchmark::State& state) {
    const Image24 capture = bench::ScreenPicture(3840, 2160);
    const Rect all{0, 0, capture.width(), capture.height()};
    const double memcpyUs = bench::MemcpyMicroseconds(capture.byteCount());
    const double freshCopyUs = FreshCopyMicroseconds(capture);
    bench::CallTimer timer;
    for (auto _ : state) {
        timer.Start();
        auto crop = CropFromCapture(&capture, all);
        benchmark::DoNotOptimize(crop);
        crop.reset();
        timer.Stop();
    }
    state.counters["crop_ms"] = timer.BestMicroseconds() * 1e-3;
    state.counters["memcpy_ms"] = memcpyUs * 1e-3;
    state.counters["fresh_copy_ms"] = freshCopyUs * 1e-3;
    state.counters["crop_to_memcpy"] = timer.BestMicroseconds() / memcpyUs;
    state.counters["crop_to_fresh_copy"] = timer.BestMicroseconds() / freshCopyUs;
}
BENCHMARK(BM_CropWhole4kCapture)->Unit(benchmark::kMillisecond);

// A crop shifted by one pixel cannot copy whole rows at once: row by row.
void BM_CropShifted4kCapture(benchmark::State& state) {
    const Image24 capture = bench::ScreenPicture(3840, 2160);
    const Rect shifted{1, 1, capture.width(), capture.height()};
    const double memcpyUs = bench::MemcpyMicroseconds(capture.byteCount());
    bench::CallTimer timer;
    for (auto _ : state) {
        timer.Start();
        auto crop = CropFromCapture(&capture, shifted);
        benchmark::DoNotOptimize(crop);
        crop.reset();
        timer.Stop();
    }
    state.counters["crop_ms"] = timer.BestMicroseconds() * 1e-3;
    state.counters["crop_to_memcpy"] = timer.BestMicroseconds() / memcpyUs;
}
BENCHMARK(BM_CropShifted4kCapture)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
