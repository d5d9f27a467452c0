// The Win32 implementation of the toolkit. This half owns the window, its
// controls, the shortcuts, the tray icon, the menus and the event wait; the
// system calls go to the Win32System it holds.
#pragma once

// First, before <windows.h> can turn the interface's MessageBox into MessageBoxW.
#include "toolkit/toolkit.h"

#include <windows.h>

#include <memory>

#include "toolkit/win32/accelerators.h"
#include "toolkit/win32/controls.h"
#include "toolkit/win32/event_queue.h"
#include "toolkit/win32/main_window.h"
#include "toolkit/win32/menus.h"
#include "toolkit/win32/tray.h"
#include "toolkit/win32/win32_system.h"

// The program's method keeps its own name here; the system call is spelt
// MessageBoxW where it is meant.
#undef MessageBox

namespace corvane::win32 {

class Win32Toolkit final : public Toolkit {
public:
    Win32Toolkit() noexcept;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;
    ~Win32Toolkit() override;

    void StartServices() override;
    void StopServices() override;
    void SetCurrentDirectoryToProgramFolder() override { system_.SetCurrentDirectoryToProgramFolder(); }
    MutexResult CreateInstanceMutex(const std::string& name) override { return system_.CreateInstanceMutex(name); }
    void CloseInstanceMutex() override { system_.CloseInstanceMutex(); }
    Size PrimaryDisplaySize() override { return system_.PrimaryDisplaySize(); }
    bool PrintScreenPressed() override { return system_.PrintScreenPressed(); }
    LocalTime LocalClock() override { return system_.LocalClock(); }
    std::optional<std::string> DesktopFolder() override { return system_.DesktopFolder(); }

    bool CreateMainWindow(int32_t number, const std::string& title, Size client) override;
    void DestroyMainWindow(int32_t number) override;
    void PlaceWindow(int32_t number, Point outerCorner, Size client) override;
    void ShowWindow(int32_t number, bool show) override;
    Point WindowOuterCorner(int32_t number) override;

    bool CreateStatic(int32_t number, Rect place, const std::string& text, StaticStyle style) override;
    bool CreateSpinField(int32_t number, Rect place, int32_t minimum, int32_t maximum) override;
    bool CreateButton(int32_t number, Rect place, const std::string& text, bool isDefault) override;
    bool CreateImageButton(int32_t number, Rect place, const IconImage& image) override;
    bool CreateCanvas(int32_t number, Rect place) override;
    void DestroyControl(int32_t number) override { controls_.Destroy(number); }
    void MoveControl(int32_t number, const Placement& placement) override { controls_.Move(number, placement); }
    Point ControlPosition(int32_t number) override { return controls_.Position(number); }
    void ShowControl(int32_t number, bool show) override { controls_.Show(number, show); }
    void FocusControl(int32_t number) override;

    void SetFieldMaximum(int32_t number, int32_t maximum) override { controls_.SetFieldMaximum(number, maximum); }
    void SetFieldValue(int32_t number, int32_t value) override { controls_.SetFieldValue(number, value); }
    void SetFieldText(int32_t number, const std::string& text) override;
    int32_t FieldValue(int32_t number) override { return controls_.FieldValue(number); }
    std::string FieldText(int32_t number) override;

    Image24* BeginCanvasDrawing(int32_t number) override;
    void EndCanvasDrawing(int32_t number) override;
    void SetCanvasCursor(int32_t number, int32_t shape) override;

    bool AddShortcut(int32_t window, int32_t key, int32_t command) override;
    bool AddTrayIcon(int32_t number, int32_t ownerWindow, const IconImage& image) override;
    void SetTrayTooltip(int32_t number, const std::string& text) override;
    void ShowTrayBalloon(int32_t number, const std::string& title, const std::string& text) override;
    void RemoveTrayIcon(int32_t number) override { tray_.Remove(number); }
    bool CreatePopupMenu(int32_t number) override { return menus_.Create(number); }
    bool AppendMenuItem(int32_t menu, int32_t command, const std::string& text) override;
    void ShowPopupMenu(int32_t menu, int32_t ownerWindow, Point screen) override;
    void ShowPopupMenuAtCursor(int32_t menu, int32_t ownerWindow) override;

    Event WaitEvent(int32_t timeoutMs) override;
    void MessageBox(int32_t ownerWindow, const std::string& title, const std::string& text) override;
    void Sleep(int32_t milliseconds) override { system_.Sleep(milliseconds); }

    std::optional<std::vector<uint8_t>> ReadClipboardDib() override { return system_.ReadClipboardDib(); }
    bool WriteClipboardDib(const std::vector<uint8_t>& block) override {
        return system_.WriteClipboardDib(block, window_ ? window_->Handle() : nullptr);
    }
    uint32_t ClipboardSequenceNumber() override { return system_.ClipboardSequenceNumber(); }
    bool PrintScreenOpensSnipping() override { return system_.PrintScreenOpensSnipping(); }
    std::optional<Image24> GrabScreen() override { return system_.GrabScreen(); }

    FileService& Files() override { return system_.Files(); }

private:
    // The window of that number, or nullptr.
    MainWindow* Window(int32_t number) const noexcept;
    HWND WindowHandle(int32_t number) const noexcept;
    void TearDownWindow() noexcept;

    Win32System system_;
    HINSTANCE instance_;
    bool classesRegistered_ = false;
    EventQueue queue_;
    TrayIcons tray_;
    ControlSet controls_{queue_};
    PopupMenus menus_;
    ShortcutTable shortcuts_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace corvane::win32
