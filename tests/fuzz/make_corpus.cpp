// Writes the fuzzers' seed corpus: one small valid input per layout the
// decoders know, so the fuzzers start from every branch.
//   fuzz_make_corpus <dir>   (writes <dir>/fuzz_dib, fuzz_ico, fuzz_spin_text)
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/unit/bitmap_builders.h"

namespace {

using corvane::testing::BuildDib;
using corvane::testing::BuildIco;
using corvane::testing::DibFields;
using corvane::testing::IconEntryFields;

void Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<std::vector<uint8_t>> Rows(int32_t count, size_t bytes) {
    std::vector<std::vector<uint8_t>> rows;
    for (int32_t r = 0; r < count; ++r) {
        std::vector<uint8_t> row;
        for (size_t i = 0; i < bytes; ++i) row.push_back(uint8_t(r * 31 + i * 7));
        rows.push_back(row);
    }
    return rows;
}

DibFields Dib(uint32_t header, int32_t width, int32_t height, uint16_t bits, uint32_t compression) {
    DibFields fields;
    fields.headerSize = header;
    fields.width = width;
    fields.height = height;
    fields.bitCount = bits;
    fields.compression = compression;
    const int32_t rows = height < 0 ? -height : height;
    fields.rows = Rows(rows, (size_t(width) * bits + 7) / 8);
    return fields;
}

void WriteDibSeeds(const std::filesystem::path& dir) {
    std::vector<std::pair<std::string, DibFields>> seeds;
    for (uint16_t bits : {1, 4, 8}) {
        DibFields fields = Dib(40, 5, 3, bits, 0);
        fields.palette = {0x000000, 0xFFFFFF, 0x102030};
        fields.coloursUsed = 3;
        seeds.push_back({"indexed_" + std::to_string(bits), fields});
    }
    seeds.push_back({"rgb16", Dib(40, 3, 2, 16, 0)});
    DibFields masks565 = Dib(40, 3, 2, 16, 3);
    masks565.masks = {0xF800, 0x07E0, 0x001F};
    seeds.push_back({"bitfields565", masks565});
    seeds.push_back({"rgb24", Dib(40, 5, 2, 24, 0)});
    seeds.push_back({"rgb24_topdown", Dib(40, 3, -2, 24, 0)});
    seeds.push_back({"rgb32", Dib(40, 2, 2, 32, 0)});
    DibFields masks32 = Dib(40, 2, 2, 32, 3);
    masks32.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    seeds.push_back({"bitfields32", masks32});
    DibFields v4 = Dib(108, 2, 2, 24, 0);
    seeds.push_back({"v4_rgb24", v4});
    DibFields v5 = Dib(124, 2, -2, 32, 3);
    v5.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    v5.trailer = std::vector<uint8_t>(16, 0x42);
    seeds.push_back({"v5_bitfields32_topdown", v5});
    DibFields v3 = Dib(56, 2, 1, 16, 3);
    v3.masks = {0x7C00, 0x03E0, 0x001F, 0x8000};
    seeds.push_back({"v3_bitfields16", v3});
    for (const auto& [name, fields] : seeds) Write(dir / (name + ".dib"), BuildDib(fields));
}

IconEntryFields Icon(int32_t side, uint16_t bits) {
    IconEntryFields entry;
    entry.width = entry.height = side;
    entry.bitCount = entry.directoryBitCount = bits;
    if (bits <= 8) entry.palette = {0x000000, 0xFFFFFF, 0x808080};
    entry.colourRows = Rows(side, (size_t(side) * bits + 7) / 8);
    entry.maskRows = Rows(side, size_t(side + 7) / 8);
    return entry;
}

void WriteIcoSeeds(const std::filesystem::path& dir) {
    for (uint16_t bits : {1, 4, 8, 24, 32}) Write(dir / ("single_" + std::to_string(bits) + ".ico"), BuildIco({Icon(4, bits)}));
    Write(dir / "several_sizes.ico", BuildIco({Icon(8, 32), Icon(4, 32), Icon(8, 8), Icon(2, 24)}));
}

void WriteSpinSeeds(const std::filesystem::path& dir) {
    const std::vector<std::string> texts = {"0", "1919", "-5", "007", "", " 12", "+3", "12a", "99999999999999", "-2147483648"};
    for (size_t i = 0; i < texts.size(); ++i) {
        std::vector<uint8_t> bytes = {0, 0, 0, 0, 0x7F, 0x07, 0, 0};  // range 0..1919
        if (texts[i].front() == '-') bytes = {0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0x7F};
        bytes.insert(bytes.end(), texts[i].begin(), texts[i].end());
        Write(dir / ("text_" + std::to_string(i)), bytes);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus dir>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    for (const char* target : {"fuzz_dib", "fuzz_ico", "fuzz_spin_text"}) std::filesystem::create_directories(root / target);
    WriteDibSeeds(root / "fuzz_dib");
    WriteIcoSeeds(root / "fuzz_ico");
    WriteSpinSeeds(root / "fuzz_spin_text");
    return 0;
}
