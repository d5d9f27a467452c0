// Saves a picture as a JPEG file in a folder without ever replacing or
// half-writing a file: the data goes to a temporary file first, which is
// then renamed to the first free name ("name.jpg", "name (2).jpg", ...).
#pragma once

#include <string>

#include "export/jpeg_writer.h"
#include "toolkit/files.h"
#include "toolkit/image.h"

namespace corvane {

inline constexpr char kWindowsPathSeparator = '\\';
// "name (2).jpg" up to "name (1000).jpg"; past that the save gives up.
inline constexpr int kMaxNameSuffix = 1000;
inline constexpr char kTemporarySuffix[] = ".part";
inline constexpr int kSaveQuality = 10;

struct SaveResult {
    bool ok = false;
    std::string path;   // the file written, when ok
    std::string error;  // for the user: what failed and why, when not ok
};

// Writes `image` at quality 10 into `folder` under `fileName` or, when that
// name is taken, under the first free numbered variant of it. On failure no
// file is left behind and no existing file is touched.
[[nodiscard]] SaveResult SaveJpegNoOverwrite(FileService& files, const std::string& folder,
                                             const std::string& fileName, const Image24& image,
                                             char separator = kWindowsPathSeparator,
                                             JpegEncoder encode = &WriteJpeg);

}  // namespace corvane
