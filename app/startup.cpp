#include "app/startup.h"

#include <array>

#include "app/numbers.h"
#include "capture/print_screen.h"
#include "export/jpeg_writer.h"
#include "resources/embedded_icons.h"
#include "toolkit/ico_codec.h"

namespace corvane {
namespace {

enum class ControlKind { Static, EtchedLine, SpinField, Button, DefaultButton, ImageButton };

struct ControlRow {
    int32_t number;
    ControlKind kind;
    Rect place;
    const char* text;
};

// In creation order. The row under the preview is placed again for every
// capture; only the x of labels and fields and the sizes stay as here.
constexpr std::array<ControlRow, 12> kControls = {{
    {ids::SeparatorLine, ControlKind::EtchedLine, {1, 0, 1, 1}, ""},
    {ids::XLabel, ControlKind::Static, {5, 0, 15, 15}, "X:"},
    {ids::XField, ControlKind::SpinField, {25, 0, 40, 20}, nullptr},
    {ids::YLabel, ControlKind::Static, {70, 0, 15, 15}, "Y:"},
    {ids::YField, ControlKind::SpinField, {90, 0, 40, 20}, nullptr},
    {ids::WidthLabel, ControlKind::Static, {135, 1, 15, 15}, "W:"},
    {ids::WidthField, ControlKind::SpinField, {155, 0, 40, 20}, nullptr},
    {ids::HeightLabel, ControlKind::Static, {200, 1, 15, 15}, "H :"},
    {ids::HeightField, ControlKind::SpinField, {220, 0, 40, 20}, nullptr},
    {ids::ClipboardButton, ControlKind::DefaultButton, {0, 0, 70, 20}, "Clipboard"},
    {ids::DesktopButton, ControlKind::Button, {0, 0, 70, 20}, "Desktop"},
    {ids::MenuButton, ControlKind::ImageButton, {0, 0, 20, 20}, nullptr},
}};

struct ShortcutRow {
    int32_t key;
    int32_t command;
};
constexpr int32_t kKeyS = 'S', kKeyA = 'A', kKeyReturn = 13, kKeyEscape = 27;
constexpr std::array<ShortcutRow, 4> kShortcuts = {{
    {kShortcutCtrl | kKeyS, ids::CmdSaveToDesktop},
    {kShortcutCtrl | kKeyA, ids::CmdSelectAll},
    {kKeyReturn, ids::CmdCopyToClipboard},
    {kKeyEscape, ids::CmdCancel},
}};

struct MenuItemRow {
    int32_t menu;
    int32_t command;
    const char* text;
};
constexpr std::array<MenuItemRow, 3> kMenuItems = {{
    {ids::TrayMenu, ids::CmdExit, "Exit"},
    {ids::ExportMenu, ids::CmdCopyToClipboard, "Clipboard"},
    {ids::ExportMenu, ids::CmdSaveToDesktop, "Desktop"},
}};

constexpr Size kInitialClient = {200, 200};
constexpr int32_t kFieldInitialMaximum = 1;

IconImage DecodeEmbedded(std::span<const uint8_t> file) {
    auto icon = DecodeIco(file);
    return icon ? std::move(*icon) : IconImage{};
}

void CreateControl(Program& program, const ControlRow& row) {
    Toolkit& tk = program.toolkit;
    switch (row.kind) {
        case ControlKind::Static: tk.CreateStatic(row.number, row.place, row.text, StaticStyle::LeftAligned); break;
        case ControlKind::EtchedLine: tk.CreateStatic(row.number, row.place, row.text, StaticStyle::EtchedLine); break;
        case ControlKind::SpinField: tk.CreateSpinField(row.number, row.place, 0, kFieldInitialMaximum); break;
        case ControlKind::Button: tk.CreateButton(row.number, row.place, row.text, false); break;
        case ControlKind::DefaultButton: tk.CreateButton(row.number, row.place, row.text, true); break;
        case ControlKind::ImageButton: tk.CreateImageButton(row.number, row.place, program.shell.menuButtonImage); break;
    }
}

// What fails here is not reported and does not stop the start-up.
void BuildResidentObjects(Program& program) {
    Toolkit& tk = program.toolkit;
    program.shell.desktopSize = tk.PrimaryDisplaySize();
    program.jpegEncoder = &WriteJpeg;
    program.shell.trayIconImage = DecodeEmbedded(TrayIconFile());
    program.shell.menuButtonImage = DecodeEmbedded(MenuButtonIconFile());
    tk.CreateMainWindow(ids::CaptureWindow, kInstanceName, kInitialClient);
    for (const ControlRow& row : kControls) CreateControl(program, row);
    for (const ShortcutRow& row : kShortcuts) tk.AddShortcut(ids::CaptureWindow, row.key, row.command);
    tk.AddTrayIcon(ids::TrayIcon, ids::CaptureWindow, program.shell.trayIconImage);
    tk.SetTrayTooltip(ids::TrayIcon, kTrayTooltip);
    for (int32_t menu : {ids::TrayMenu, ids::ExportMenu}) {
        tk.CreatePopupMenu(menu);
        for (const MenuItemRow& row : kMenuItems)
            if (row.menu == menu) tk.AppendMenuItem(row.menu, row.command, row.text);
    }
}

}  // namespace

bool StartUp(Program& program) {
    Toolkit& tk = program.toolkit;
    tk.StartServices();
    tk.SetCurrentDirectoryToProgramFolder();
    const MutexResult mutex = tk.CreateInstanceMutex(kInstanceName);
    if (!mutex.gotHandle || mutex.lastError != 0) {
        if (mutex.gotHandle) tk.CloseInstanceMutex();
        tk.StopServices();
        return false;
    }
    BuildResidentObjects(program);
    RememberClipboardState(program);
    return true;
}

void ShutDown(Program& program) {
    Toolkit& tk = program.toolkit;
    tk.CloseInstanceMutex();
    tk.RemoveTrayIcon(ids::TrayIcon);
    tk.DestroyMainWindow(ids::CaptureWindow);
    tk.StopServices();
    program.capture.cropImage.reset();
    program.capture.captureImage.reset();
    program.capture.previewImage.reset();
    program.shell.trayIconImage = {};
    program.shell.menuButtonImage = {};
}

}  // namespace corvane
