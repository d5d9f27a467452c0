// The export file's name, made from the local date and time with a small
// mask language: %yyyy, %yy, %mm, %dd, %hh, %ii, %ss.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/toolkit.h"

namespace corvane {

inline constexpr std::string_view kExportDateMask = "%dd_%mm_%yyyy";
inline constexpr std::string_view kExportTimeMask = "%hh.%ii.%ss";
inline constexpr std::string_view kExportNameMiddle = " - ";
inline constexpr std::string_view kExportExtension = ".jpg";

// Replaces each token (any letter case; %yyyy is tried before %yy) by its
// value: four digits for %yyyy, two digits with a leading 0 for the others.
// Every other character, a '%' that begins no token included, is copied.
std::string FormatDateMask(std::string_view mask, const LocalTime& t);

// "dd_mm_yyyy - hh.ii.ss.jpg": the date from one clock reading, the time
// from a second one taken after it.
std::string ExportFileName(const LocalTime& date, const LocalTime& time);

}  // namespace corvane
