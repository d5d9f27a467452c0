// The decoder keeps libjpeg's errors from ending the test process the same
// way the writer does: error_exit jumps back into a frame without destructors.
#include "tests/unit/jpeg_test_support.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

#include "export/jpeg_writer.h"

namespace corvane::test {

Image24 BusyPicture(int32_t width, int32_t height) {
    auto image = Image24::Create(width, height);
    uint32_t noise = 12345;
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = image->RowFromTop(y);
        for (int32_t x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const uint8_t grain = uint8_t((noise >> 16) & 0x1f);
            row[3 * x] = uint8_t(x * 255 / width + grain);
            row[3 * x + 1] = uint8_t(y * 255 / height + ((x ^ y) & 8 ? 40 : 0));
            row[3 * x + 2] = uint8_t((x + y) * 3 + grain * 2);
        }
    }
    return std::move(*image);
}

Bytes RgbRowsOf(const Image24& image) {
    Bytes rgb;
    rgb.reserve(size_t(image.width()) * size_t(image.height()) * 3);
    for (int32_t y = 0; y < image.height(); ++y) {
        const uint8_t* row = image.RowFromTop(y);
        for (int32_t x = 0; x < image.width(); ++x) {
            rgb.push_back(row[3 * x + 2]);
            rgb.push_back(row[3 * x + 1]);
            rgb.push_back(row[3 * x]);
        }
    }
    return rgb;
}

std::optional<Bytes> EncodeToMemory(const Image24& image, int quality) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    if (!stream) return std::nullopt;
    const bool written = WriteJpeg(image, stream, quality);
    std::fclose(stream);
    std::optional<Bytes> bytes;
    if (written) bytes = Bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

namespace {

struct DecodeTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<DecodeTrap*>(cinfo->err)->jump, 1); }
void Silence(j_common_ptr) {}

// Fills `out` (already sized by the caller after the header) row by row.
bool DecodeInto(jpeg_decompress_struct* cinfo, DecodeTrap* trap, const Bytes& jpeg, DecodedPicture* out) {
    cinfo->err = jpeg_std_error(&trap->manager);
    trap->manager.error_exit = JumpBack;
    trap->manager.output_message = Silence;
    if (setjmp(trap->jump)) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    jpeg_create_decompress(cinfo);
    jpeg_mem_src(cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(cinfo, TRUE);
    cinfo->out_color_space = JCS_RGB;
    jpeg_start_decompress(cinfo);
    out->width = int32_t(cinfo->output_width);
    out->height = int32_t(cinfo->output_height);
    out->rgb.resize(size_t(out->width) * size_t(out->height) * 3);
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = out->rgb.data() + size_t(cinfo->output_scanline) * size_t(out->width) * 3;
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
    jpeg_destroy_decompress(cinfo);
    return true;
}

bool IsStandalone(uint8_t marker) { return marker == 0xD8 || marker == 0xD9 || (marker >= 0xD0 && marker <= 0xD7); }

}  // namespace

std::optional<DecodedPicture> Decode(const Bytes& jpeg) {
    jpeg_decompress_struct cinfo{};
    DecodeTrap trap{};
    DecodedPicture picture;
    if (!DecodeInto(&cinfo, &trap, jpeg, &picture)) return std::nullopt;
    return picture;
}

std::optional<std::vector<Segment>> ReadSegments(const Bytes& jpeg) {
    std::vector<Segment> segments;
    size_t at = 0;
    bool inEntropyData = false;
    while (at + 1 < jpeg.size()) {
        if (jpeg[at] != 0xFF) {
            if (!inEntropyData) return std::nullopt;
            ++at;
            continue;
        }
        const uint8_t marker = jpeg[at + 1];
        at += 2;
        if (marker == 0x00 || marker == 0xFF) {  // stuffed byte or fill
            if (!inEntropyData) return std::nullopt;
            if (marker == 0xFF) --at;
            continue;
        }
        if (IsStandalone(marker)) {
            segments.push_back({marker, {}});
            continue;
        }
        if (at + 2 > jpeg.size()) return std::nullopt;
        const size_t length = size_t(jpeg[at]) << 8 | jpeg[at + 1];
        if (length < 2 || at + length > jpeg.size()) return std::nullopt;
        segments.push_back({marker, Bytes(jpeg.begin() + ptrdiff_t(at + 2), jpeg.begin() + ptrdiff_t(at + length))});
        at += length;
        inEntropyData = marker == 0xDA;
    }
    if (at != jpeg.size()) return std::nullopt;
    return segments;
}

Bytes ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace corvane::test
