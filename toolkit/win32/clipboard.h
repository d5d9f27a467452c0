// Reading and writing the clipboard's CF_DIB item as a raw block. The block
// is only moved here; parsing and building it is the portable codec's work.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace corvane::win32 {

// The largest CF_DIB block taken from the clipboard: room for a picture at
// 32 bits per pixel whose 24-bit copy still fits the image limit, plus
// headers. A larger block could not become an image anyway.
inline constexpr uint64_t kMaxClipboardDibBytes = (uint64_t{1} << 30) / 3 * 4 + 4096;

// The CF_DIB block, copied out whole, or nothing when the clipboard cannot
// be opened, holds no such data, or the block exceeds the limit above.
std::optional<std::vector<uint8_t>> ReadClipboardDib() noexcept;

// Replaces the clipboard's content by one CF_DIB item. The block is built
// before the clipboard is opened, so a failure leaves the clipboard as it was.
bool WriteClipboardDib(const std::vector<uint8_t>& block, HWND owner) noexcept;

}  // namespace corvane::win32
