// How the program writes a keyboard shortcut as one integer: the virtual-key
// code in the low 16 bits and one bit each for Shift, Ctrl and Alt above it.
// Kept free of system headers so the decoding can be checked on its own.
#pragma once

#include <cstdint>
#include <optional>

#include "toolkit/toolkit.h"

namespace corvane::win32 {

struct ShortcutKeyParts {
    uint16_t virtualKey = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    friend constexpr bool operator==(const ShortcutKeyParts&, const ShortcutKeyParts&) = default;
};

// Nothing for a negative value, bits above Alt, or a key code outside the
// system's range 1..254.
constexpr std::optional<ShortcutKeyParts> SplitShortcutKey(int32_t key) {
    constexpr int32_t kKnownBits = 0xFFFF | kShortcutShift | kShortcutCtrl | kShortcutAlt;
    if (key < 0 || (key & ~kKnownBits) != 0) return std::nullopt;
    const int32_t virtualKey = key & 0xFFFF;
    if (virtualKey < 1 || virtualKey > 254) return std::nullopt;
    return ShortcutKeyParts{uint16_t(virtualKey), (key & kShortcutShift) != 0, (key & kShortcutCtrl) != 0,
                            (key & kShortcutAlt) != 0};
}

}  // namespace corvane::win32
