// The window's keyboard shortcuts as one system accelerator table, rebuilt
// whenever a shortcut is added.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "toolkit/win32/handles.h"

namespace corvane::win32 {

// The accelerator entry for a shortcut integer (see shortcut_key.h), or
// nothing when the integer is not a valid shortcut or the command does not
// fit a command identifier.
std::optional<ACCEL> AcceleratorFor(int32_t key, int32_t command) noexcept;

class ShortcutTable {
public:
    [[nodiscard]] bool Add(int32_t key, int32_t command) noexcept;
    void Clear() noexcept;
    HACCEL Table() const noexcept { return table_.get(); }

private:
    std::vector<ACCEL> entries_;
    ScopedAccelerators table_;
};

}  // namespace corvane::win32
