// The two icon files built into the program, whole and in ICO format, for the
// program's own decoder. Their bytes come from resources/*.ico at build time.
#pragma once

#include <cstdint>
#include <span>

namespace corvane {

// The tray icon: 48, 32, 24 and 16 pixel images, 32 bits per pixel.
std::span<const uint8_t> TrayIconFile();
// The face of the export menu button: one 16 pixel image, 32 bits per pixel.
std::span<const uint8_t> MenuButtonIconFile();

}  // namespace corvane
