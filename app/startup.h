// Start-up and shutdown of the resident program.
#pragma once

#include "app/program_state.h"

namespace corvane {

inline constexpr const char* kInstanceName = "Select the wanted area";  // also the window title
inline constexpr const char* kTrayTooltip = "Corvane";

// Builds everything that lives for the whole run. False when another copy
// already runs (or the instance mutex cannot be made): the program must then
// end at once, having shown nothing.
bool StartUp(Program& program);

// Releases what the program holds, in order.
void ShutDown(Program& program);

}  // namespace corvane
