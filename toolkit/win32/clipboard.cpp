// CF_DIB in and out. The clipboard is opened without an owner window and
// held open only for the copy itself.
#include "toolkit/win32/clipboard.h"

#include <windows.h>

#include <cstring>
#include <new>

#include "toolkit/image.h"
#include "toolkit/win32/handles.h"

namespace corvane::win32 {
namespace {

static_assert(kMaxClipboardDibBytes > kMaxImageBytes, "a largest 24-bit picture must fit");

// A movable block holding a copy of `block`, ready for SetClipboardData.
ScopedGlobal CopyToGlobal(const std::vector<uint8_t>& block) noexcept {
    ScopedGlobal global(::GlobalAlloc(GMEM_MOVEABLE, block.size()));
    if (!global) return {};
    {
        GlobalView view(global.get());
        if (!view.data() || view.size() < block.size()) return {};
        std::memcpy(view.data(), block.data(), block.size());
    }
    return global;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadClipboardDib() noexcept {
    ClipboardLock lock(nullptr);
    if (!lock.isOpen()) return std::nullopt;
    // The clipboard owns this handle; it is only locked, never freed.
    const HANDLE data = ::GetClipboardData(CF_DIB);
    if (!data) return std::nullopt;
    GlobalView view(data);
    const size_t size = view.size();
    if (!view.data() || size == 0 || size > kMaxClipboardDibBytes) return std::nullopt;
    try {
        const auto* bytes = static_cast<const uint8_t*>(view.data());
        return std::vector<uint8_t>(bytes, bytes + size);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

bool WriteClipboardDib(const std::vector<uint8_t>& block, HWND owner) noexcept {
    if (block.empty()) return false;
    ScopedGlobal global = CopyToGlobal(block);
    if (!global) return false;
    // Opened without an owner, EmptyClipboard leaves the clipboard ownerless
    // and SetClipboardData may then fail, so the write names a window.
    ClipboardLock lock(owner);
    if (!lock.isOpen()) return false;
    if (!::EmptyClipboard()) return false;
    if (!::SetClipboardData(CF_DIB, global.get())) return false;
    // The clipboard owns the block now and frees it itself.
    static_cast<void>(global.release());
    return true;
}

}  // namespace corvane::win32
