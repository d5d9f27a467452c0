// Test helpers on real POSIX files: a FileService for the save tests and a
// temporary folder that removes itself.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "toolkit/files.h"

namespace corvane::test {

class PosixFileService : public FileService {
public:
    bool Exists(const std::string& path) override;
    std::FILE* CreateNew(const std::string& path) override;
    // link + unlink: the link fails when the target exists, unlike rename.
    bool MoveNoReplace(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    std::string LastError() override { return lastError_; }

protected:
    // For test services that fail on purpose with the system's words.
    void SetLastError(std::string text) { lastError_ = std::move(text); }

private:
    void NoteError();
    std::string lastError_;
};

// A fresh folder under the system's temporary folder, removed with all its
// files (not subfolders) at the end of the test.
class ScopedTempDir {
public:
    ScopedTempDir();
    ~ScopedTempDir();
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    const std::string& path() const { return path_; }
    // Names of the files in the folder, sorted.
    std::vector<std::string> FileNames() const;

private:
    std::string path_;
};

}  // namespace corvane::test
