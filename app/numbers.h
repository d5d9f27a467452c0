// Numbers of the program's objects and commands. The toolkit keeps one number
// space per kind of object; a button, a menu item and a shortcut that do the
// same thing carry the same number. In the Win32 backend these are the real
// control, menu item and accelerator IDs.
#pragma once

#include <cstdint>

namespace corvane::ids {

// Windows
inline constexpr int32_t CaptureWindow = 0;

// Controls
inline constexpr int32_t SelectionCanvas = 0;
inline constexpr int32_t DesktopButton = 1;
inline constexpr int32_t SeparatorLine = 2;
inline constexpr int32_t ClipboardButton = 3;
inline constexpr int32_t XLabel = 4;
inline constexpr int32_t XField = 5;
inline constexpr int32_t YLabel = 6;
inline constexpr int32_t YField = 7;
inline constexpr int32_t WidthLabel = 8;
inline constexpr int32_t WidthField = 9;
inline constexpr int32_t HeightLabel = 10;
inline constexpr int32_t HeightField = 11;
inline constexpr int32_t MenuButton = 12;

// Commands (menu items and shortcuts)
inline constexpr int32_t CmdSaveToDesktop = 1;
inline constexpr int32_t CmdCopyToClipboard = 3;
inline constexpr int32_t CmdSelectAll = 13;
inline constexpr int32_t CmdCancel = 14;
inline constexpr int32_t CmdExit = 19;

// Tray icons
inline constexpr int32_t TrayIcon = 15;

// Images
inline constexpr int32_t CaptureImage = 16;
inline constexpr int32_t TrayIconImage = 17;
inline constexpr int32_t CropImage = 20;
inline constexpr int32_t PreviewImage = 21;
inline constexpr int32_t MenuButtonImage = 22;

// Menus
inline constexpr int32_t TrayMenu = 18;
inline constexpr int32_t ExportMenu = 23;

}  // namespace corvane::ids
