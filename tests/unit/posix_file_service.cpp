// A FileService on real POSIX files, with the same exclusive-create and
// no-replace rename rules the Windows one keeps.
#include "tests/unit/posix_file_service.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace corvane::test {

void PosixFileService::NoteError() { lastError_ = std::strerror(errno); }

bool PosixFileService::Exists(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return true;
    NoteError();
    return false;
}

std::FILE* PosixFileService::CreateNew(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        NoteError();
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        NoteError();
        ::close(fd);
        ::unlink(path.c_str());
    }
    return file;
}

bool PosixFileService::MoveNoReplace(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) != 0) {
        NoteError();
        return false;
    }
    ::unlink(from.c_str());
    return true;
}

bool PosixFileService::Remove(const std::string& path) {
    if (::unlink(path.c_str()) == 0) return true;
    NoteError();
    return false;
}

ScopedTempDir::ScopedTempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/corvane-test-XXXXXX";
    if (::mkdtemp(pattern.data())) path_ = pattern;
}

ScopedTempDir::~ScopedTempDir() {
    if (path_.empty()) return;
    for (const std::string& name : FileNames()) ::unlink((path_ + "/" + name).c_str());
    ::rmdir(path_.c_str());
}

std::vector<std::string> ScopedTempDir::FileNames() const {
    std::vector<std::string> names;
    DIR* dir = ::opendir(path_.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace corvane::test
