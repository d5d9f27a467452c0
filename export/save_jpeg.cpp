// The temporary file and the exclusive rename are what make the save safe:
// a failed write never leaves a partial file under the final name, and a
// name taken between the check and the rename is skipped, not replaced.
#include "export/save_jpeg.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "export/jpeg_writer.h"

namespace corvane {
namespace {

struct NameParts {
    std::string stem;       // "09_12_2012 - 18.05.07"
    std::string extension;  // ".jpg", or empty
};

NameParts SplitExtension(const std::string& fileName) {
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || dot == 0) return {fileName, ""};
    return {fileName.substr(0, dot), fileName.substr(dot)};
}

// n = 1 is the name itself; later ones are "stem (n).ext".
std::string NumberedName(const NameParts& name, int n) {
    if (n == 1) return name.stem + name.extension;
    return name.stem + " (" + std::to_string(n) + ")" + name.extension;
}

class Saver {
public:
    Saver(FileService& files, const std::string& folder, char separator, JpegEncoder encode)
        : files_(files), folder_(folder), separator_(separator), encode_(encode) {}

    SaveResult Save(const std::string& fileName, const Image24& image) {
        if (folder_.empty()) return Failure("Could not save the picture: there is no desktop folder.");
        if (fileName.empty()) return Failure("Could not save the picture: it has no file name.");
        if (!files_.Exists(folder_)) {
            return Failure("Could not save the picture: the folder " + folder_ + " does not exist.");
        }
        const NameParts name = SplitExtension(fileName);
        std::optional<std::string> temporary = CreateTemporary(name, image);
        if (!temporary) return Failure(error_);
        for (int n = 1; n <= kMaxNameSuffix; ++n) {
            const std::string path = InFolder(NumberedName(name, n));
            if (files_.Exists(path)) continue;
            if (files_.MoveNoReplace(*temporary, path)) return {true, path, ""};
            const std::string reason = files_.LastError();  // before Exists replaces it
            // Someone took the name since the check: go on to the next one.
            if (files_.Exists(path)) continue;
            files_.Remove(*temporary);
            return Failure(WriteFailure(reason));
        }
        files_.Remove(*temporary);
        return Failure("Could not save the picture in " + folder_ + ": every name from " + fileName +
                       " to " + NumberedName(name, kMaxNameSuffix) + " is taken.");
    }

private:
    std::string InFolder(const std::string& fileName) const {
        const bool hasSeparator = folder_.back() == separator_ || folder_.back() == '/';
        return hasSeparator ? folder_ + fileName : folder_ + separator_ + fileName;
    }

    std::string WriteFailure(const std::string& reason) const {
        return "Could not write the file in " + folder_ + ": " + reason;
    }

    // The encoded file under a name of its own, or nothing with error_ set.
    std::optional<std::string> CreateTemporary(const NameParts& name, const Image24& image) {
        for (int n = 1; n <= kMaxNameSuffix; ++n) {
            const std::string path = InFolder(NumberedName(name, n) + kTemporarySuffix);
            std::FILE* file = files_.CreateNew(path);
            if (!file) {
                const std::string reason = files_.LastError();  // before Exists replaces it
                // A leftover of an earlier save: leave it and take another name.
                if (files_.Exists(path)) continue;
                error_ = WriteFailure(reason);
                return std::nullopt;
            }
            const bool written = encode_(image, file, kSaveQuality);
            const bool closed = std::fclose(file) == 0;
            if (written && closed) return path;
            files_.Remove(path);
            error_ = WriteFailure("the data could not be written (is the disk full?)");
            return std::nullopt;
        }
        error_ = WriteFailure("no free name for a temporary file");
        return std::nullopt;
    }

    static SaveResult Failure(std::string error) { return {false, "", std::move(error)}; }

    FileService& files_;
    const std::string& folder_;
    char separator_;
    JpegEncoder encode_;
    std::string error_;
};

}  // namespace

SaveResult SaveJpegNoOverwrite(FileService& files, const std::string& folder, const std::string& fileName,
                               const Image24& image, char separator, JpegEncoder encode) {
    if (!encode) return {false, "", "No JPEG encoder is available."};
    return Saver(files, folder, separator, encode).Save(fileName, image);
}

}  // namespace corvane
