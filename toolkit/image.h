// The program's picture type: 24 bits per pixel, no alpha, in the system's
// device-independent bitmap layout (blue, green, red bytes; bottom row first;
// each row padded to a multiple of 4 bytes), so it can go to and from the
// clipboard and the screen without conversion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

#include "toolkit/geometry.h"

namespace corvane {

// Largest picture the program accepts: 32768 pixels per side and 1 GiB of
// 24-bit pixel data. Anything larger is refused before memory is asked for.
inline constexpr int32_t kMaxImageSide = 32768;
inline constexpr uint64_t kMaxImageBytes = uint64_t{1} << 30;

class Image24 {
public:
    // A new all-black image, or nothing when the size is not 1..kMaxImageSide
    // on each side, exceeds kMaxImageBytes, or memory runs out.
    static std::optional<Image24> Create(int32_t width, int32_t height);

    static constexpr int32_t StrideFor(int32_t width) { return ((24 * width + 31) / 32) * 4; }

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    Size size() const { return {width_, height_}; }
    int32_t stride() const { return stride_; }
    size_t byteCount() const { return size_t(stride_) * size_t(height_); }

    // Rows are addressed from the top (row 0 is the top row on screen).
    uint8_t* RowFromTop(int32_t row) { return data_.get() + size_t(height_ - 1 - row) * size_t(stride_); }
    const uint8_t* RowFromTop(int32_t row) const {
        return data_.get() + size_t(height_ - 1 - row) * size_t(stride_);
    }
    // The whole block, bottom row first.
    uint8_t* bits() { return data_.get(); }
    const uint8_t* bits() const { return data_.get(); }

    // A copy, or nothing when memory runs out.
    std::optional<Image24> Clone() const;

private:
    struct FreeBlock {
        void operator()(uint8_t* p) const { std::free(p); }
    };
    using Block = std::unique_ptr<uint8_t[], FreeBlock>;

    Image24(int32_t width, int32_t height, Block data);

    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t stride_ = 0;
    Block data_;
};

// A decoded icon: 32 bits per pixel, blue, green, red, alpha; top row first,
// rows not padded (width * 4 bytes each).
struct IconImage {
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<uint8_t[]> bgra;
};

}  // namespace corvane
