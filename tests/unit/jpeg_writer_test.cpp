// The JPEG writer: the file's structure, identity with libjpeg's own tools at
// quality 100, colours and row order after decoding, and write failures.
#include "export/jpeg_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/unit/jpeg_test_support.h"
#include "tests/unit/posix_file_service.h"

namespace corvane {
namespace {

using test::Bytes;
using test::Segment;

constexpr uint8_t kSOI = 0xD8, kAPP0 = 0xE0, kDQT = 0xDB, kSOF0 = 0xC0, kDHT = 0xC4, kSOS = 0xDA, kEOI = 0xD9;

std::vector<Segment> SegmentsOf(const Image24& image, int quality) {
    auto jpeg = test::EncodeToMemory(image, quality);
    EXPECT_TRUE(jpeg);
    if (!jpeg) return {};
    auto segments = test::ReadSegments(*jpeg);
    EXPECT_TRUE(segments) << "malformed stream";
    return segments ? *segments : std::vector<Segment>{};
}

uint16_t BigEndian16(const Bytes& b, size_t at) { return uint16_t(b[at] << 8 | b[at + 1]); }

TEST(JpegWriter, WritesTheBaselineJfifMarkersInLibjpegsOrder) {
    const auto segments = SegmentsOf(test::BusyPicture(35, 19), 10);
    std::vector<uint8_t> markers;
    for (const Segment& s : segments) markers.push_back(s.marker);
    const std::vector<uint8_t> expected = {kSOI, kAPP0, kDQT, kDQT, kSOF0, kDHT, kDHT, kDHT, kDHT, kSOS, kEOI};
    ASSERT_EQ(markers, expected);  // also: no DRI, no restart markers, one scan

    const Bytes jfif = {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
    EXPECT_EQ(segments[1].payload, jfif);  // 1.01, aspect ratio only, 1:1, no thumbnail

    for (uint8_t table = 0; table < 2; ++table) {
        const Bytes& dqt = segments[2 + table].payload;
        ASSERT_EQ(dqt.size(), 65u);
        EXPECT_EQ(dqt[0], table);  // 8-bit precision, table id
        for (size_t i = 1; i < 65; ++i) ASSERT_EQ(dqt[i], 1) << "table " << int(table) << " entry " << i;
    }

    const Bytes& sof = segments[4].payload;
    ASSERT_EQ(sof.size(), 15u);
    EXPECT_EQ(sof[0], 8);
    EXPECT_EQ(BigEndian16(sof, 1), 19);
    EXPECT_EQ(BigEndian16(sof, 3), 35);
    const Bytes components = {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1};
    EXPECT_EQ(Bytes(sof.begin() + 5, sof.end()), components);

    // Class and id of each table; the Annex K tables have 12 DC and 162 AC codes.
    const std::vector<std::pair<uint8_t, size_t>> tables = {{0x00, 12}, {0x10, 162}, {0x01, 12}, {0x11, 162}};
    for (size_t t = 0; t < tables.size(); ++t) {
        const Bytes& dht = segments[5 + t].payload;
        ASSERT_EQ(dht[0], tables[t].first);
        size_t codes = 0;
        for (size_t i = 1; i <= 16; ++i) codes += dht[i];
        EXPECT_EQ(codes, tables[t].second);
        EXPECT_EQ(dht.size(), 17 + codes);
    }

    const Bytes scan = {3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0};
    EXPECT_EQ(segments[9].payload, scan);
}

struct QualityCase {
    std::string name;
    int quality;
    int sameFileAsQuality;
};

class JpegQuality : public testing::TestWithParam<QualityCase> {};

TEST_P(JpegQuality, IsClampedToZeroToTen) {
    const Image24 image = test::BusyPicture(24, 16);
    EXPECT_EQ(test::EncodeToMemory(image, GetParam().quality),
              test::EncodeToMemory(image, GetParam().sameFileAsQuality));
}

INSTANTIATE_TEST_SUITE_P(JpegWriter, JpegQuality,
                         testing::Values(QualityCase{"AboveTenActsAsTen", 15, 10},
                                         QualityCase{"BelowZeroActsAsZero", -3, 0}),
                         [](const auto& testCase) { return testCase.param.name; });

TEST(JpegWriter, QualityFiveIsLibjpegFiftyWithTheUnscaledTables) {
    const auto segments = SegmentsOf(test::BusyPicture(16, 16), 5);
    ASSERT_GT(segments.size(), 3u);
    // libjpeg quality 50 keeps the standard tables: their first (DC) entries.
    EXPECT_EQ(segments[2].payload[1], 16);
    EXPECT_EQ(segments[3].payload[1], 17);
}

bool CjpegAvailable() { return std::system("command -v cjpeg >/dev/null 2>&1") == 0; }

void WritePpm(const std::string& path, const Image24& image) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.width() << " " << image.height() << "\n255\n";
    const Bytes rgb = test::RgbRowsOf(image);
    out.write(reinterpret_cast<const char*>(rgb.data()), std::streamsize(rgb.size()));
}

class JpegAgainstCjpeg : public testing::TestWithParam<Size> {};

TEST_P(JpegAgainstCjpeg, IsByteIdenticalAtQualityTen) {
    if (!CjpegAvailable()) GTEST_SKIP() << "cjpeg (libjpeg-turbo-progs) is not installed";
    const Image24 image = test::BusyPicture(GetParam().width, GetParam().height);
    test::ScopedTempDir dir;
    ASSERT_FALSE(dir.path().empty());
    const std::string ppm = dir.path() + "/in.ppm", reference = dir.path() + "/reference.jpg";
    WritePpm(ppm, image);
    const std::string command = "cjpeg -quality 100 -sample 2x2 -dct int -baseline -outfile '" + reference +
                                "' '" + ppm + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const auto ours = test::EncodeToMemory(image, 10);
    ASSERT_TRUE(ours);
    const Bytes theirs = test::ReadWholeFile(reference);
    ASSERT_FALSE(theirs.empty());
    EXPECT_TRUE(*ours == theirs) << "ours " << ours->size() << " bytes, cjpeg " << theirs.size() << " bytes";
}

INSTANTIATE_TEST_SUITE_P(JpegWriter, JpegAgainstCjpeg,
                         testing::Values(Size{333, 217}, Size{1, 1}, Size{17, 9}, Size{64, 48}, Size{5, 300}),
                         [](const auto& testCase) {
                             return std::to_string(testCase.param.width) + "x" + std::to_string(testCase.param.height);
                         });

struct Rgb {
    int r, g, b;
};

void PaintBand(Image24& image, int32_t top, int32_t bottom, Rgb colour) {
    for (int32_t y = top; y < bottom; ++y) {
        uint8_t* row = image.RowFromTop(y);
        for (int32_t x = 0; x < image.width(); ++x) {
            row[3 * x] = uint8_t(colour.b);
            row[3 * x + 1] = uint8_t(colour.g);
            row[3 * x + 2] = uint8_t(colour.r);
        }
    }
}

TEST(JpegWriter, KeepsColoursAndTheTopRowFirst) {
    // Red on top, green in the middle, blue at the bottom: a swap of red and
    // blue or of the row order shows as the wrong colour in a band.
    auto image = Image24::Create(40, 48);
    ASSERT_TRUE(image);
    const Rgb bands[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    for (int32_t band = 0; band < 3; ++band) PaintBand(*image, band * 16, band * 16 + 16, bands[band]);

    const auto jpeg = test::EncodeToMemory(*image, 10);
    ASSERT_TRUE(jpeg);
    const auto decoded = test::Decode(*jpeg);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->width, 40);
    ASSERT_EQ(decoded->height, 48);
    constexpr int kTolerance = 8;  // quality 100 with 2x2 chroma, away from band edges
    for (int32_t band = 0; band < 3; ++band) {
        for (int32_t y = band * 16 + 2; y < band * 16 + 14; ++y) {
            for (int32_t x = 0; x < 40; ++x) {
                const uint8_t* p = &decoded->rgb[(size_t(y) * 40 + size_t(x)) * 3];
                ASSERT_NEAR(p[0], bands[band].r, kTolerance) << x << "," << y;
                ASSERT_NEAR(p[1], bands[band].g, kTolerance) << x << "," << y;
                ASSERT_NEAR(p[2], bands[band].b, kTolerance) << x << "," << y;
            }
        }
    }
}

TEST(JpegWriter, OnePixelPictureDecodesToOnePixel) {
    auto image = Image24::Create(1, 1);
    ASSERT_TRUE(image);
    image->bits()[2] = 200;  // red
    const auto jpeg = test::EncodeToMemory(*image, 10);
    ASSERT_TRUE(jpeg);
    const auto decoded = test::Decode(*jpeg);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 1);
    EXPECT_EQ(decoded->height, 1);
    EXPECT_NEAR(decoded->rgb[0], 200, 4);
}

TEST(JpegWriter, FailsWhenTheDiskIsFull) {
    std::FILE* full = std::fopen("/dev/full", "wb");
    if (!full) GTEST_SKIP() << "no /dev/full";
    // Both a picture that fits libjpeg's buffer (the failure comes at the
    // final flush) and one that does not (it comes while writing rows).
    EXPECT_FALSE(WriteJpeg(test::BusyPicture(8, 8), full, 10));
    std::clearerr(full);
    EXPECT_FALSE(WriteJpeg(test::BusyPicture(300, 200), full, 10));
    std::fclose(full);
}

TEST(JpegWriter, LeavesTheFileOpenForTheCaller) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    ASSERT_TRUE(stream);
    EXPECT_TRUE(WriteJpeg(test::BusyPicture(9, 9), stream, 10));
    EXPECT_EQ(std::fputc('!', stream), '!');
    ASSERT_EQ(std::fclose(stream), 0);
    ASSERT_GT(size, 3u);
    EXPECT_EQ(buffer[size - 3], char(0xFF));  // EOI, then the caller's byte
    EXPECT_EQ(buffer[size - 2], char(kEOI));
    EXPECT_EQ(buffer[size - 1], '!');
    std::free(buffer);
}

}  // namespace
}  // namespace corvane
