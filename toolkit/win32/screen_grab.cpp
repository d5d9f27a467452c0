// Screen grab through a 24-bit bottom-up DIB section, whose bits have the
// same layout as Image24 and so are taken over with one copy.
#include "toolkit/win32/screen_grab.h"

#include <windows.h>

#include <cstring>

#include "toolkit/win32/handles.h"

namespace corvane::win32 {
namespace {

// Selects an object into a DC for one scope and puts the previous one back,
// so the object is never deleted while selected.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    bool ok() const noexcept { return previous_ && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

BITMAPINFO BottomUp24(int32_t width, int32_t height) noexcept {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom row first, as in Image24
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

std::optional<Image24> GrabScreen() noexcept {
    const int32_t left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int32_t top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int32_t width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int32_t height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    std::optional<Image24> image = Image24::Create(width, height);
    if (!image) return std::nullopt;

    WindowDc screen(nullptr);
    if (!screen.get()) return std::nullopt;
    ScopedMemoryDc memory(::CreateCompatibleDC(screen.get()));
    if (!memory) return std::nullopt;
    const BITMAPINFO info = BottomUp24(width, height);
    void* bits = nullptr;
    ScopedGdiObject bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return std::nullopt;
    {
        Selection selected(memory.get(), bitmap.get());
        if (!selected.ok()) return std::nullopt;
        // CAPTUREBLT includes layered windows, as the system's own Print Screen does.
        if (!::BitBlt(memory.get(), 0, 0, width, height, screen.get(), left, top, SRCCOPY | CAPTUREBLT)) {
            return std::nullopt;
        }
        ::GdiFlush();  // the bits are read directly next
    }
    std::memcpy(image->bits(), bits, image->byteCount());
    return image;
}

}  // namespace corvane::win32
