// Baseline figures that the other benchmarks are compared against.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

// One copy of a 3840 x 2160 RGB picture: the cheapest thing a whole-picture
// operation could possibly cost.
void BM_MemcpyOf4kPicture(benchmark::State& state) {
    const size_t bytes = size_t(3840) * 2160 * 3;
    std::vector<unsigned char> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_MemcpyOf4kPicture)->Unit(benchmark::kMillisecond);

}  // namespace
