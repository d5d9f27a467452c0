// Icons from decoded pictures: a 32-bit DIB section carries the colours with
// their alpha, and a monochrome mask, derived from the alpha, serves the
// places that draw icons without alpha.
#include "toolkit/win32/icon.h"

#include <cstring>
#include <new>
#include <vector>

namespace corvane::win32 {
namespace {

// Icons larger than this are not shown by any part of the system.
constexpr int32_t kMaxIconSide = 256;

ScopedGdiObject MakeColourBitmap(const IconImage& image) noexcept {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // negative: top row first, as in IconImage
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    ScopedGdiObject bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    std::memcpy(bits, image.bgra.get(), size_t(image.width) * size_t(image.height) * 4);
    ::GdiFlush();
    return bitmap;
}

// Monochrome rows are padded to 16 bits for CreateBitmap. A set bit keeps
// the background: the fully transparent pixels.
ScopedGdiObject MakeMaskBitmap(const IconImage& image) noexcept {
    const size_t stride = (size_t(image.width) + 15) / 16 * 2;
    std::vector<uint8_t> mask;
    try {
        mask.assign(stride * size_t(image.height), 0);
    } catch (const std::bad_alloc&) {
        return {};
    }
    for (int32_t y = 0; y < image.height; ++y) {
        const uint8_t* row = image.bgra.get() + size_t(y) * size_t(image.width) * 4;
        for (int32_t x = 0; x < image.width; ++x) {
            if (row[size_t(x) * 4 + 3] == 0) mask[size_t(y) * stride + size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
        }
    }
    return ScopedGdiObject(::CreateBitmap(image.width, image.height, 1, 1, mask.data()));
}

}  // namespace

ScopedIcon MakeIcon(const IconImage& image) noexcept {
    if (!image.bgra || image.width < 1 || image.height < 1 || image.width > kMaxIconSide ||
        image.height > kMaxIconSide) {
        return {};
    }
    ScopedGdiObject colour = MakeColourBitmap(image);
    ScopedGdiObject mask = MakeMaskBitmap(image);
    if (!colour || !mask) return {};
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = static_cast<HBITMAP>(mask.get());
    info.hbmColor = static_cast<HBITMAP>(colour.get());
    // The system copies both bitmaps; ours are freed on return.
    return ScopedIcon(::CreateIconIndirect(&info));
}

}  // namespace corvane::win32
