// The one interface between the program's logic and the platform: numbered
// windows and controls, menus, the tray icon, the event wait, message boxes,
// the clipboard and the system services. The Win32 backend implements it for
// real; the tests use a recording fake.
//
// Every object is addressed by a small number, one number space per kind of
// object (windows, controls, menus, tray icons). Creating an object under a
// number in use destroys the old one first.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/files.h"
#include "toolkit/geometry.h"
#include "toolkit/image.h"

namespace corvane {

enum class EventKind : uint8_t {
    None,     // the wait timed out
    Control,  // number: the control; type: what happened there
    Menu,     // number: the command of the chosen menu item or shortcut
    Tray,     // number: the tray icon; type: a TrayEvent
    Close,    // number: the window whose close was requested
    Other,    // anything the program does not look at
};

// Event types of a push button or the image button.
inline constexpr int32_t kButtonClicked = 0;

// Event types of a numeric spin field. Steps carry their direction.
inline constexpr int32_t kFieldTextChanged = 768;
inline constexpr int32_t kFieldStepUp = 1;
inline constexpr int32_t kFieldStepDown = -1;
inline constexpr int32_t kFieldFocusGained = 256;
inline constexpr int32_t kFieldFocusLost = 512;

// Event types of the canvas.
enum CanvasEvent : int32_t {
    kCanvasPointerMoved = 0x1000,
    kCanvasPointerEntered,  // the first movement after the pointer came in
    kCanvasPointerLeft,
    kCanvasLeftPressed,     // also the second press of a double click
    kCanvasLeftReleased,
    kCanvasOtherButton,     // right or middle button, wheel
    kCanvasKeyPressed,      // key holds the virtual-key code; repeats
    kCanvasKeyReleased,
    kCanvasCharacter,
    kCanvasFocusGained,
    kCanvasFocusLost,
};

// Event types of the tray icon.
enum TrayEvent : int32_t {
    kTrayOther = 0,
    kTrayLeftPressed,
    kTrayRightPressed,
    kTrayLeftDoubleClicked,
    kTrayRightDoubleClicked,
};

struct Event {
    EventKind kind = EventKind::None;
    int32_t number = 0;
    int32_t type = 0;
    Point position{};  // canvas events: pointer position in canvas pixels, not clipped
    int32_t key = 0;   // canvas key events: virtual-key code

    friend bool operator==(const Event&, const Event&) = default;
};

// Shortcut keys: the virtual-key code in the low 16 bits, plus these bits.
inline constexpr int32_t kShortcutShift = 1 << 16;
inline constexpr int32_t kShortcutCtrl = 1 << 17;
inline constexpr int32_t kShortcutAlt = 1 << 18;

enum class StaticStyle { LeftAligned, EtchedLine };

// Cursor shapes of the canvas.
inline constexpr int32_t kCursorArrow = 0;
inline constexpr int32_t kCursorMove = 6;
inline constexpr int32_t kCursorSizeWestEast = 7;
inline constexpr int32_t kCursorSizeNorthSouth = 8;
inline constexpr int32_t kCursorSizeNeSw = 9;
inline constexpr int32_t kCursorSizeNwSe = 10;

// A control's new place; a member left empty keeps its value.
struct Placement {
    std::optional<int32_t> x{}, y{}, width{}, height{};
};

struct MutexResult {
    bool gotHandle = false;
    uint32_t lastError = 0;  // read right after the creating call
};

struct LocalTime {
    int32_t year = 0, month = 0, day = 0;  // month 1..12
    int32_t hour = 0, minute = 0, second = 0;
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // --- services and system ---------------------------------------------
    virtual void StartServices() = 0;
    // Ends what StartServices began; the last call before the process ends.
    virtual void StopServices() = 0;
    virtual void SetCurrentDirectoryToProgramFolder() = 0;
    // Creates the named mutex asking for initial ownership.
    virtual MutexResult CreateInstanceMutex(const std::string& name) = 0;
    virtual void CloseInstanceMutex() = 0;
    // Primary display's current mode; the screen metrics when the display
    // devices cannot be enumerated.
    virtual Size PrimaryDisplaySize() = 0;
    // Reads and clears the mark that Print Screen was pressed since the last query.
    virtual bool PrintScreenPressed() = 0;
    virtual LocalTime LocalClock() = 0;
    // The user's desktop folder (UTF-8), or nothing when the shell has none.
    virtual std::optional<std::string> DesktopFolder() = 0;

    // --- the window ----------------------------------------------------------
    // A hidden top-level window with a title bar and thin fixed frame only,
    // its client area `client` centred on the screen.
    virtual bool CreateMainWindow(int32_t number, const std::string& title, Size client) = 0;
    virtual void DestroyMainWindow(int32_t number) = 0;
    // Outer corner and client size in one step, without activation.
    virtual void PlaceWindow(int32_t number, Point outerCorner, Size client) = 0;
    virtual void ShowWindow(int32_t number, bool show) = 0;
    virtual Point WindowOuterCorner(int32_t number) = 0;

    // --- controls (children of the window) -------------------------------
    virtual bool CreateStatic(int32_t number, Rect place, const std::string& text, StaticStyle style) = 0;
    virtual bool CreateSpinField(int32_t number, Rect place, int32_t minimum, int32_t maximum) = 0;
    virtual bool CreateButton(int32_t number, Rect place, const std::string& text, bool isDefault) = 0;
    virtual bool CreateImageButton(int32_t number, Rect place, const IconImage& image) = 0;
    // A borderless drawing surface whose picture starts white. It confines
    // the pointer from a button press to the release, takes the focus when
    // clicked and reports keys.
    virtual bool CreateCanvas(int32_t number, Rect place) = 0;
    virtual void DestroyControl(int32_t number) = 0;
    virtual void MoveControl(int32_t number, const Placement& placement) = 0;
    virtual Point ControlPosition(int32_t number) = 0;  // in the window's client coordinates
    virtual void ShowControl(int32_t number, bool show) = 0;
    virtual void FocusControl(int32_t number) = 0;

    // Spin fields. Writes from the program produce no notification.
    virtual void SetFieldMaximum(int32_t number, int32_t maximum) = 0;
    virtual void SetFieldValue(int32_t number, int32_t value) = 0;
    virtual void SetFieldText(int32_t number, const std::string& text) = 0;
    // The value after taking the text into account (a whole decimal integer
    // within the range becomes the value; anything else leaves it).
    virtual int32_t FieldValue(int32_t number) = 0;
    virtual std::string FieldText(int32_t number) = 0;

    // The canvas. Drawing goes into the canvas's own picture, which is shown
    // when drawing ends. Nothing when no canvas has that number.
    virtual Image24* BeginCanvasDrawing(int32_t number) = 0;
    virtual void EndCanvasDrawing(int32_t number) = 0;
    virtual void SetCanvasCursor(int32_t number, int32_t shape) = 0;

    // --- shortcuts, tray icon, menus -------------------------------------
    // Shortcuts act only while the window is active, before the focused control.
    virtual bool AddShortcut(int32_t window, int32_t key, int32_t command) = 0;
    virtual bool AddTrayIcon(int32_t number, int32_t ownerWindow, const IconImage& image) = 0;
    // At most 63 characters reach the system.
    virtual void SetTrayTooltip(int32_t number, const std::string& text) = 0;
    virtual void ShowTrayBalloon(int32_t number, const std::string& title, const std::string& text) = 0;
    virtual void RemoveTrayIcon(int32_t number) = 0;
    virtual bool CreatePopupMenu(int32_t number) = 0;
    virtual bool AppendMenuItem(int32_t menu, int32_t command, const std::string& text) = 0;
    // Both make the owner the foreground window and return when the menu
    // closes; a chosen item arrives later as a Menu event.
    virtual void ShowPopupMenu(int32_t menu, int32_t ownerWindow, Point screen) = 0;
    virtual void ShowPopupMenuAtCursor(int32_t menu, int32_t ownerWindow) = 0;

    // --- events and messages ---------------------------------------------
    virtual Event WaitEvent(int32_t timeoutMs) = 0;
    virtual void MessageBox(int32_t ownerWindow, const std::string& title, const std::string& text) = 0;
    // Pauses the thread without handling events (short retries only).
    virtual void Sleep(int32_t milliseconds) = 0;

    // --- clipboard ---------------------------------------------------------
    // The clipboard's CF_DIB block, or nothing when the clipboard cannot be
    // opened or holds no such data.
    virtual std::optional<std::vector<uint8_t>> ReadClipboardDib() = 0;
    // Replaces the clipboard's content by one CF_DIB item; false when the
    // clipboard could not be opened or the block not handed over.
    virtual bool WriteClipboardDib(const std::vector<uint8_t>& block) = 0;
    virtual uint32_t ClipboardSequenceNumber() = 0;
    // Whether Print Screen opens the system's own screen capture instead of
    // copying the screen to the clipboard.
    virtual bool PrintScreenOpensSnipping() = 0;
    // The whole virtual screen as the system's Print Screen would copy it.
    virtual std::optional<Image24> GrabScreen() = 0;

    // --- files -------------------------------------------------------------
    virtual FileService& Files() = 0;
};

}  // namespace corvane
