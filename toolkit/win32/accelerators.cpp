// Accelerator entries from the program's shortcut integers. A later shortcut
// for the same key replaces the earlier one, as a second binding of one key
// could never be reached.
#include "toolkit/win32/accelerators.h"

#include "toolkit/win32/shortcut_key.h"

namespace corvane::win32 {
namespace {

// The four shortcuts of the capture window decode as intended.
static_assert(SplitShortcutKey(131155) == ShortcutKeyParts{'S', false, true, false});
static_assert(SplitShortcutKey(131137) == ShortcutKeyParts{'A', false, true, false});
static_assert(SplitShortcutKey(13) == ShortcutKeyParts{VK_RETURN, false, false, false});
static_assert(SplitShortcutKey(27) == ShortcutKeyParts{VK_ESCAPE, false, false, false});
static_assert(SplitShortcutKey(kShortcutShift | kShortcutAlt | VK_F4) == ShortcutKeyParts{VK_F4, true, false, true});
static_assert(!SplitShortcutKey(0).has_value());
static_assert(!SplitShortcutKey(-1).has_value());
static_assert(!SplitShortcutKey((1 << 19) | 'S').has_value());
static_assert(!SplitShortcutKey(kShortcutCtrl).has_value());

}  // namespace

std::optional<ACCEL> AcceleratorFor(int32_t key, int32_t command) noexcept {
    const std::optional<ShortcutKeyParts> parts = SplitShortcutKey(key);
    if (!parts || command < 0 || command > 0xFFFF) return std::nullopt;
    ACCEL entry{};
    entry.fVirt = FVIRTKEY;
    if (parts->shift) entry.fVirt |= FSHIFT;
    if (parts->ctrl) entry.fVirt |= FCONTROL;
    if (parts->alt) entry.fVirt |= FALT;
    entry.key = parts->virtualKey;
    entry.cmd = WORD(command);
    return entry;
}

bool ShortcutTable::Add(int32_t key, int32_t command) noexcept {
    const std::optional<ACCEL> entry = AcceleratorFor(key, command);
    if (!entry) return false;
    std::vector<ACCEL> candidate;
    try {
        candidate = entries_;
        std::erase_if(candidate, [&](const ACCEL& old) { return old.key == entry->key && old.fVirt == entry->fVirt; });
        candidate.push_back(*entry);
    } catch (...) {
        return false;
    }
    ScopedAccelerators rebuilt(::CreateAcceleratorTableW(candidate.data(), int(candidate.size())));
    if (!rebuilt) return false;
    entries_ = std::move(candidate);
    table_ = std::move(rebuilt);
    return true;
}

void ShortcutTable::Clear() noexcept {
    entries_.clear();
    table_.reset();
}

}  // namespace corvane::win32
