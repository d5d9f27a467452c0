// Owning wrappers for Win32 handles: one template, one traits struct per kind.
// Copying is deleted; release() hands ownership to the system (a clipboard
// block given to SetClipboardData must never be freed by the program).
#pragma once

#include <windows.h>

#include <utility>

namespace corvane::win32 {

template <typename Traits>
class Scoped {
public:
    using Handle = typename Traits::Handle;

    Scoped() noexcept = default;
    explicit Scoped(Handle handle) noexcept : handle_(handle) {}
    Scoped(Scoped&& other) noexcept : handle_(other.release()) {}
    Scoped& operator=(Scoped&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    ~Scoped() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }
    [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
    void reset(Handle handle = Traits::Invalid()) noexcept {
        if (handle_ != Traits::Invalid()) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Invalid();
};

#define CORVANE_HANDLE_TRAITS(Name, Type, CloseCall)        \
    struct Name {                                            \
        using Handle = Type;                                 \
        static Handle Invalid() noexcept { return nullptr; } \
        static void Close(Handle h) noexcept { CloseCall; }  \
    }

CORVANE_HANDLE_TRAITS(WindowTraits, HWND, ::DestroyWindow(h));
CORVANE_HANDLE_TRAITS(MenuTraits, HMENU, ::DestroyMenu(h));
CORVANE_HANDLE_TRAITS(IconTraits, HICON, ::DestroyIcon(h));
CORVANE_HANDLE_TRAITS(AcceleratorTraits, HACCEL, ::DestroyAcceleratorTable(h));
CORVANE_HANDLE_TRAITS(GdiObjectTraits, HGDIOBJ, ::DeleteObject(h));
CORVANE_HANDLE_TRAITS(MemoryDcTraits, HDC, ::DeleteDC(h));
CORVANE_HANDLE_TRAITS(GlobalTraits, HGLOBAL, ::GlobalFree(h));
CORVANE_HANDLE_TRAITS(KernelTraits, HANDLE, ::CloseHandle(h));
CORVANE_HANDLE_TRAITS(LibraryTraits, HMODULE, ::FreeLibrary(h));
#undef CORVANE_HANDLE_TRAITS

using ScopedWindow = Scoped<WindowTraits>;
using ScopedMenu = Scoped<MenuTraits>;
using ScopedIcon = Scoped<IconTraits>;
using ScopedAccelerators = Scoped<AcceleratorTraits>;
using ScopedGdiObject = Scoped<GdiObjectTraits>;
using ScopedMemoryDc = Scoped<MemoryDcTraits>;
using ScopedGlobal = Scoped<GlobalTraits>;
using ScopedKernelHandle = Scoped<KernelTraits>;
using ScopedLibrary = Scoped<LibraryTraits>;

// A screen or window DC from GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Holds the clipboard open for one scope.
class ClipboardLock {
public:
    explicit ClipboardLock(HWND owner) noexcept : open_(::OpenClipboard(owner) != FALSE) {}
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;
    ~ClipboardLock() {
        if (open_) ::CloseClipboard();
    }
    bool isOpen() const noexcept { return open_; }

private:
    bool open_;
};

// GlobalLock for one scope.
class GlobalView {
public:
    explicit GlobalView(HGLOBAL block) noexcept : block_(block), data_(block ? ::GlobalLock(block) : nullptr) {}
    GlobalView(const GlobalView&) = delete;
    GlobalView& operator=(const GlobalView&) = delete;
    ~GlobalView() {
        if (data_) ::GlobalUnlock(block_);
    }
    void* data() const noexcept { return data_; }
    size_t size() const noexcept { return data_ ? ::GlobalSize(block_) : 0; }

private:
    HGLOBAL block_;
    void* data_;
};

}  // namespace corvane::win32
