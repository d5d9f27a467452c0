// A recording toolkit for scenario tests: it keeps the state a real one would
// (windows, controls, fields, canvas picture, clipboard, tray, menus), logs
// every call that changes something, and plays a script of events.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/toolkit.h"
#include "tests/unit/posix_file_service.h"

namespace corvane::test {

struct FakeControl {
    enum class Kind { Static, SpinField, Button, ImageButton, Canvas } kind = Kind::Static;
    Rect place;
    std::string text;
    bool visible = true;
    int32_t minimum = 0, maximum = 0, value = 0;  // spin fields
    int32_t cursor = 0;                           // canvas
    std::optional<Image24> picture;               // canvas
};

// One entry of the script: what happens before the wait returns, whether
// Print Screen counts as pressed for the poll after it, and the event.
struct Step {
    Event event;
    bool printScreen = false;
    std::function<void()> before;
};

class FakeToolkit : public Toolkit {
public:
    FakeToolkit();

    // --- script and inspection ---------------------------------------
    void Play(Step step) { script_.push_back(std::move(step)); }
    void Play(Event event) { script_.push_back({event, false, {}}); }
    void PressPrintScreen() { script_.push_back({{}, true, {}}); }
    size_t stepsLeft() const { return script_.size(); }

    std::vector<std::string> log;  // one line per call that changes something
    std::vector<std::string> LogMatching(const std::string& prefix) const;

    std::map<int32_t, FakeControl> controls;
    bool windowExists = false, windowVisible = false;
    Point windowCorner;
    Size windowClient;
    std::string windowTitle;
    std::map<int32_t, std::vector<std::pair<int32_t, std::string>>> menus;
    std::vector<std::pair<int32_t, int32_t>> shortcuts;  // key, command
    bool trayPresent = false;
    std::string trayTooltip;
    IconImage trayIcon;
    std::vector<std::pair<std::string, std::string>> messageBoxes;  // title, text
    std::vector<std::string> balloons;

    // System
    Size displaySize{1920, 1080};
    MutexResult mutexResult{true, 0};
    bool mutexOpen = false;
    bool servicesRunning = false;
    std::optional<std::vector<uint8_t>> clipboard;
    uint32_t clipboardSequence = 1;
    int clipboardWritesToRefuse = 0;  // the next N writes fail, as if the clipboard were held
    std::function<void(int32_t)> onSleep;  // lets a test change the clipboard during a wait
    bool snippingSetting = false;
    std::optional<Image24> screen;
    std::optional<std::string> desktopFolder;
    LocalTime clock{2012, 5, 1, 9, 5, 3};
    Point cursor{500, 400};
    int32_t sleptMs = 0;

    // Puts a picture on the clipboard as another program would.
    void SetClipboardPicture(const Image24& picture);
    const FakeControl* control(int32_t number) const;
    const Image24* canvasPicture() const;

    // --- Toolkit ---------------------------------------------------------
    void StartServices() override;
    void StopServices() override;
    void SetCurrentDirectoryToProgramFolder() override;
    MutexResult CreateInstanceMutex(const std::string& name) override;
    void CloseInstanceMutex() override;
    Size PrimaryDisplaySize() override;
    bool PrintScreenPressed() override;
    LocalTime LocalClock() override;
    std::optional<std::string> DesktopFolder() override;

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
    void DestroyControl(int32_t number) override;
    void MoveControl(int32_t number, const Placement& placement) override;
    Point ControlPosition(int32_t number) override;
    void ShowControl(int32_t number, bool show) override;
    void FocusControl(int32_t number) override;

    void SetFieldMaximum(int32_t number, int32_t maximum) override;
    void SetFieldValue(int32_t number, int32_t value) override;
    void SetFieldText(int32_t number, const std::string& text) override;
    int32_t FieldValue(int32_t number) override;
    std::string FieldText(int32_t number) override;

    Image24* BeginCanvasDrawing(int32_t number) override;
    void EndCanvasDrawing(int32_t number) override;
    void SetCanvasCursor(int32_t number, int32_t shape) override;

    bool AddShortcut(int32_t window, int32_t key, int32_t command) override;
    bool AddTrayIcon(int32_t number, int32_t ownerWindow, const IconImage& image) override;
    void SetTrayTooltip(int32_t number, const std::string& text) override;
    void ShowTrayBalloon(int32_t number, const std::string& title, const std::string& text) override;
    void RemoveTrayIcon(int32_t number) override;
    bool CreatePopupMenu(int32_t number) override;
    bool AppendMenuItem(int32_t menu, int32_t command, const std::string& text) override;
    void ShowPopupMenu(int32_t menu, int32_t ownerWindow, Point screen) override;
    void ShowPopupMenuAtCursor(int32_t menu, int32_t ownerWindow) override;

    Event WaitEvent(int32_t timeoutMs) override;
    void MessageBox(int32_t ownerWindow, const std::string& title, const std::string& text) override;
    void Sleep(int32_t milliseconds) override;

    std::optional<std::vector<uint8_t>> ReadClipboardDib() override;
    bool WriteClipboardDib(const std::vector<uint8_t>& block) override;
    uint32_t ClipboardSequenceNumber() override;
    bool PrintScreenOpensSnipping() override;
    std::optional<Image24> GrabScreen() override;

    FileService& Files() override;

    std::unique_ptr<FileService> files;  // real files in a folder of the test's

private:
    void Record(std::string line) { log.push_back(std::move(line)); }
    FakeControl* Find(int32_t number);

    std::deque<Step> script_;
    bool pendingPrintScreen_ = false;
    int waitsAfterScript_ = 0;
};

}  // namespace corvane::test
