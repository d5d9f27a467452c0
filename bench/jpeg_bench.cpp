// The JPEG writer against a bare libjpeg encode of the same pixels already in
// RGB order, with the same settings and the same sink, in the same run: the
// writer's own cost (the colour order and row handling) is the difference.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "bench/bench_baseline.h"
#include "bench/screen_picture.h"
#include "export/jpeg_writer.h"

namespace corvane {
namespace {

std::vector<uint8_t> RgbTopDown(const Image24& image) {
    std::vector<uint8_t> rgb(size_t(image.width()) * size_t(image.height()) * 3);
    uint8_t* out = rgb.data();
    for (int32_t y = 0; y < image.height(); ++y) {
        const uint8_t* row = image.RowFromTop(y);
        for (int32_t x = 0; x < image.width(); ++x, out += 3) {
            out[0] = row[3 * x + 2];
            out[1] = row[3 * x + 1];
            out[2] = row[3 * x];
        }
    }
    return rgb;
}

// libjpeg at its plainest: no error trap (nothing fails writing to /dev/null),
// all rows handed over in one call.
void BareLibjpegEncode(const std::vector<uint8_t>& rgb, int32_t width, int32_t height, std::FILE* sink) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, sink);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, FALSE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPROW> rows(static_cast<size_t>(height));
    for (int32_t y = 0; y < height; ++y) rows[size_t(y)] = const_cast<JSAMPROW>(&rgb[size_t(y) * size_t(width) * 3]);
    jpeg_write_scanlines(&cinfo, rows.data(), JDIMENSION(height));
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
}

void BM_WriteJpegAgainstBareLibjpeg(benchmark::State& state) {
    const int32_t width = int32_t(state.range(0)), height = int32_t(state.range(1));
    const Image24 picture = bench::ScreenPicture(width, height);
    const std::vector<uint8_t> rgb = RgbTopDown(picture);
    std::FILE* sink = std::fopen("/dev/null", "wb");
    if (!sink) {
        state.SkipWithError("cannot open /dev/null");
        return;
    }
    bench::CallTimer writer, bare;
    for (auto _ : state) {
        writer.Start();
        const bool ok = WriteJpeg(picture, sink, 10);
        writer.Stop();
        benchmark::DoNotOptimize(ok);
        bare.Start();
        BareLibjpegEncode(rgb, width, height, sink);
        bare.Stop();
    }
    std::fclose(sink);
    state.counters["writer_ms"] = writer.BestMicroseconds() * 1e-3;
    state.counters["bare_ms"] = bare.BestMicroseconds() * 1e-3;
    state.counters["writer_to_bare"] = writer.BestMicroseconds() / bare.BestMicroseconds();
    state.counters["mean_writer_to_bare"] = writer.MeanMicroseconds() / bare.MeanMicroseconds();
}

BENCHMARK(BM_WriteJpegAgainstBareLibjpeg)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
