// Shared helpers for benchmarks that report their cost relative to a plain
// memory copy of the same bytes, measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

#include "toolkit/image.h"

namespace corvane::bench {

// Best of several copies of `bytes` bytes, in microseconds.
inline double MemcpyMicroseconds(size_t bytes) {
    std::vector<uint8_t> from(bytes, 7), to(bytes, 0);
    double best = 1e30;
    for (int round = 0; round < 15; ++round) {
        const auto start = std::chrono::steady_clock::now();
        std::memcpy(to.data(), from.data(), bytes);
        const auto end = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::micro>(end - start).count());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    return best;
}

// A picture of noisy gradients, the same on every run.
inline Image24 TestPicture(int32_t width, int32_t height) {
    Image24 image = *Image24::Create(width, height);
    uint32_t state = 12345;
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = image.RowFromTop(y);
        for (int32_t i = 0; i < width * 3; ++i) {
            state = state * 1103515245u + 12345u;
            row[i] = uint8_t((i / 3 + y) / 8 + (state >> 28));
        }
    }
    return image;
}

// Times each call of the benchmark loop. The best call is the figure that
// compares with the best memcpy: on a shared two-core machine the mean also
// holds the time other processes took.
class CallTimer {
public:
    void Start() { start_ = std::chrono::steady_clock::now(); }
    void Stop() {
        const double us =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start_).count();
        best_ = std::min(best_, us);
        total_ += us;
        ++calls_;
    }
    double BestMicroseconds() const { return best_; }
    double MeanMicroseconds() const { return calls_ == 0 ? 0 : total_ / double(calls_); }

private:
    std::chrono::steady_clock::time_point start_;
    double best_ = 1e30;
    double total_ = 0;
    int64_t calls_ = 0;
};

// The figures of a benchmark timed in microseconds against one memcpy.
inline void ReportMicrosecondsAgainstMemcpy(benchmark::State& state, const CallTimer& timer, double memcpyUs) {
    state.counters["best_us"] = timer.BestMicroseconds();
    state.counters["mean_us"] = timer.MeanMicroseconds();
    state.counters["memcpy_us"] = memcpyUs;
    state.counters["best_to_memcpy"] = timer.BestMicroseconds() / memcpyUs;
}

}  // namespace corvane::bench
