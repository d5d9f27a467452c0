// File services the export needs, with UTF-8 paths. Kept apart from the rest
// of the toolkit so the save logic can be tested on real folders.
#pragma once

#include <cstdio>
#include <string>

namespace corvane {

class FileService {
public:
    virtual ~FileService() = default;
    virtual bool Exists(const std::string& path) = 0;
    // Creates a file that must not exist yet, opened for binary writing;
    // nullptr on failure (see LastError).
    virtual std::FILE* CreateNew(const std::string& path) = 0;
    // Renames a file to a name that must not exist yet.
    virtual bool MoveNoReplace(const std::string& from, const std::string& to) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // The system's words for the last failure of a call above.
    virtual std::string LastError() = 0;
};

}  // namespace corvane
