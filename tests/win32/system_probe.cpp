// Manual check of the Win32 system services under Wine or Windows. Each
// subcommand exercises one service and prints what it saw as "key: value"
// lines; run_probe.sh drives it together with the X side (xclip, import).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/win32/icon.h"
#include "toolkit/win32/text.h"
#include "toolkit/win32/win32_system.h"

namespace {

using corvane::win32::Win32System;

uint32_t Le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

bool WriteWhole(const char* path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

// A BMP file around a packed DIB block with no colour table.
std::vector<uint8_t> BmpFile(const std::vector<uint8_t>& dib) {
    std::vector<uint8_t> file{'B', 'M'};
    Put32(file, uint32_t(14 + dib.size()));
    Put32(file, 0);
    Put32(file, 14 + Le32(dib.data()) + (Le32(dib.data() + 16) == 3 ? 12 : 0));
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

// The pattern the clipboard write check expects back: pixel (x, y) from the
// top is (red, green, blue) = (40x + 1, 50y + 2, 7x + 11y + 3).
std::vector<uint8_t> PatternDib(int32_t width, int32_t height) {
    const int32_t stride = ((24 * width + 31) / 32) * 4;
    std::vector<uint8_t> dib;
    Put32(dib, 40);
    Put32(dib, uint32_t(width));
    Put32(dib, uint32_t(height));
    Put16(dib, 1);
    Put16(dib, 24);
    Put32(dib, 0);
    Put32(dib, uint32_t(stride * height));
    for (int i = 0; i < 4; ++i) Put32(dib, 0);
    for (int32_t stored = 0; stored < height; ++stored) {
        const int32_t y = height - 1 - stored;  // bottom row first
        for (int32_t x = 0; x < width; ++x) {
            dib.push_back(uint8_t(7 * x + 11 * y + 3));
            dib.push_back(uint8_t(50 * y + 2));
            dib.push_back(uint8_t(40 * x + 1));
        }
        for (int32_t pad = width * 3; pad < stride; ++pad) dib.push_back(0xEE);
    }
    return dib;
}

int Mutex(Win32System& system, int holdMs) {
    const corvane::MutexResult result = system.CreateInstanceMutex("Select the wanted area");
    std::printf("mutex_handle: %d\nmutex_last_error: %u\n", result.gotHandle ? 1 : 0, unsigned(result.lastError));
    std::fflush(stdout);
    system.Sleep(holdMs);
    system.CloseInstanceMutex();
    return 0;
}

int Display(Win32System& system) {
    const corvane::Size size = system.PrimaryDisplaySize();
    std::printf("display: %dx%d\n", size.width, size.height);
    return 0;
}

int Folders(Win32System& system) {
    const std::optional<std::string> desktop = system.DesktopFolder();
    std::printf("desktop: %s\n", desktop ? desktop->c_str() : "(none)");
    system.SetCurrentDirectoryToProgramFolder();
    wchar_t current[MAX_PATH * 4] = {};
    ::GetCurrentDirectoryW(DWORD(std::size(current)), current);
    std::printf("current_directory: %s\n", corvane::win32::Narrow(current).c_str());
    wchar_t module[MAX_PATH * 4] = {};
    ::GetModuleFileNameW(nullptr, module, DWORD(std::size(module)));
    std::printf("module: %s\n", corvane::win32::Narrow(module).c_str());
    const corvane::LocalTime now = system.LocalClock();
    std::printf("clock: %04d-%02d-%02d %02d:%02d:%02d\n", now.year, now.month, now.day, now.hour, now.minute,
                now.second);
    std::printf("snipping: %d\n", system.PrintScreenOpensSnipping() ? 1 : 0);
    return 0;
}

void Report(const char* name, bool ok, corvane::FileService& files) {
    std::printf("%s: %s", name, ok ? "yes" : "no");
    if (!ok) std::printf(" (%s)", files.LastError().c_str());
    std::printf("\n");
}

int Files(Win32System& system, const std::string& folder) {
    corvane::FileService& files = system.Files();
    // A name outside every single-byte code page shows the paths stay wide.
    const std::string first = folder + "\\probe \xE2\x98\x83 \xCE\xB1.tmp";
    const std::string second = folder + "\\probe moved \xE2\x98\x83.jpg";
    std::FILE* stream = files.CreateNew(first);
    Report("create_new", stream != nullptr, files);
    if (stream) {
        std::fputs("probe\r\n", stream);
        std::fclose(stream);
    }
    std::FILE* again = files.CreateNew(first);
    Report("create_existing", again != nullptr, files);
    if (again) std::fclose(again);
    Report("exists_first", files.Exists(first), files);
    Report("move_new", files.MoveNoReplace(first, second), files);
    Report("exists_first_after_move", files.Exists(first), files);
    stream = files.CreateNew(first);
    if (stream) std::fclose(stream);
    Report("move_onto_existing", files.MoveNoReplace(first, second), files);
    Report("remove_first", files.Remove(first), files);
    Report("remove_second", files.Remove(second), files);
    Report("remove_missing", files.Remove(second), files);
    Report("exists_second_after_remove", files.Exists(second), files);
    return 0;
}

int ClipRead(Win32System& system, const char* outPath) {
    std::printf("sequence: %u\n", unsigned(system.ClipboardSequenceNumber()));
    const std::optional<std::vector<uint8_t>> block = system.ReadClipboardDib();
    if (!block) {
        std::printf("clip_read: none\n");
        return 1;
    }
    std::printf("clip_read: %zu bytes\n", block->size());
    if (block->size() >= 40) {
        const uint8_t* h = block->data();
        std::printf("biSize: %u\nbiWidth: %d\nbiHeight: %d\nbiPlanes: %u\nbiBitCount: %u\nbiCompression: %u\n"
                    "biSizeImage: %u\nbiClrUsed: %u\n",
                    Le32(h), int32_t(Le32(h + 4)), int32_t(Le32(h + 8)), Le16(h + 12), Le16(h + 14), Le32(h + 16),
                    Le32(h + 20), Le32(h + 32));
    }
    return WriteWhole(outPath, *block) ? 0 : 1;
}

int ClipWrite(Win32System& system, int32_t width, int32_t height) {
    const uint32_t before = system.ClipboardSequenceNumber();
    const bool ok = system.WriteClipboardDib(PatternDib(width, height), nullptr);
    std::printf("clip_write: %s\nsequence_changed: %d\n", ok ? "yes" : "no",
                system.ClipboardSequenceNumber() != before ? 1 : 0);
    return ok ? 0 : 1;
}

// Keeps the clipboard open, as a busy program would, for the given time.
// Opened with a window of its own: Wine lets a second opener without a
// window in while the holder has none either.
int HoldClipboard(Win32System& system, int holdMs) {
    const HWND holder = ::CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          nullptr, nullptr);
    const bool open = ::OpenClipboard(holder) != FALSE;
    std::printf("holding: %d\n", open ? 1 : 0);
    std::fflush(stdout);
    system.Sleep(holdMs);
    if (open) ::CloseClipboard();
    if (holder) ::DestroyWindow(holder);
    return open ? 0 : 1;
}

// Leaves "probe ☃ α.txt" in the folder, for a look at the name from outside.
int CreateOne(Win32System& system, const std::string& folder) {
    std::FILE* stream = system.Files().CreateNew(folder + "\\probe \xE2\x98\x83 \xCE\xB1.txt");
    Report("create_new", stream != nullptr, system.Files());
    if (!stream) return 1;
    std::fputs("probe", stream);
    return std::fclose(stream) == 0 ? 0 : 1;
}

int Grab(Win32System& system, const char* outPath) {
    const std::optional<corvane::Image24> image = system.GrabScreen();
    if (!image) {
        std::printf("grab: none\n");
        return 1;
    }
    std::printf("grab: %dx%d\n", image->width(), image->height());
    std::vector<uint8_t> dib;
    Put32(dib, 40);
    Put32(dib, uint32_t(image->width()));
    Put32(dib, uint32_t(image->height()));
    Put16(dib, 1);
    Put16(dib, 24);
    Put32(dib, 0);
    Put32(dib, uint32_t(image->byteCount()));
    for (int i = 0; i < 4; ++i) Put32(dib, 0);
    dib.insert(dib.end(), image->bits(), image->bits() + image->byteCount());
    return WriteWhole(outPath, BmpFile(dib)) ? 0 : 1;
}

int PrintScreen(Win32System& system) {
    system.PrintScreenPressed();  // clears a mark left from before
    std::printf("print_before: %d\n", system.PrintScreenPressed() ? 1 : 0);
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_SNAPSHOT;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
    system.Sleep(200);
    std::printf("print_after_press: %d\n", system.PrintScreenPressed() ? 1 : 0);
    std::printf("print_second_query: %d\n", system.PrintScreenPressed() ? 1 : 0);
    return 0;
}

int Icon() {
    corvane::IconImage image;
    image.width = 24;
    image.height = 16;
    image.bgra = std::make_unique<uint8_t[]>(24 * 16 * 4);
    for (int i = 0; i < 24 * 16; ++i) image.bgra[size_t(i) * 4 + 3] = uint8_t(i % 2 ? 255 : 0);
    const corvane::win32::ScopedIcon icon = corvane::win32::MakeIcon(image);
    ICONINFO info{};
    BITMAP colour{};
    if (icon && ::GetIconInfo(icon.get(), &info)) {
        ::GetObjectW(info.hbmColor, sizeof colour, &colour);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
    }
    std::printf("icon: %s %dx%d %ubpp\n", icon ? "yes" : "no", int(colour.bmWidth), int(colour.bmHeight),
                unsigned(colour.bmBitsPixel));
    corvane::IconImage empty;
    std::printf("icon_from_empty: %s\n", corvane::win32::MakeIcon(empty) ? "yes" : "no");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Win32System system;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "mutex") return Mutex(system, argc > 2 ? std::atoi(argv[2]) : 0);
    if (command == "display") return Display(system);
    if (command == "folders") return Folders(system);
    if (command == "files" && argc > 2) return Files(system, argv[2]);
    if (command == "clip-read" && argc > 2) return ClipRead(system, argv[2]);
    if (command == "clip-write" && argc > 3) return ClipWrite(system, std::atoi(argv[2]), std::atoi(argv[3]));
    if (command == "idle") {  // keeps the Wine session, and with it the clipboard, alive
        system.Sleep(argc > 2 ? std::atoi(argv[2]) : 0);
        return 0;
    }
    if (command == "hold-clipboard") return HoldClipboard(system, argc > 2 ? std::atoi(argv[2]) : 0);
    if (command == "create" && argc > 2) return CreateOne(system, argv[2]);
    if (command == "grab" && argc > 2) return Grab(system, argv[2]);
    if (command == "print-screen") return PrintScreen(system);
    if (command == "icon") return Icon();
    std::fprintf(stderr,
                 "usage: system_probe mutex [hold-ms] | display | folders | files <folder> | clip-read <out> |"
                 " clip-write <w> <h> | idle <ms> | hold-clipboard <ms> | create <folder> | grab <out.bmp> | print-screen | icon\n");
    return 2;
}
