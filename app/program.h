// The program from start-up to shut-down, on any toolkit.
#pragma once

#include "toolkit/toolkit.h"

namespace corvane {

// Runs start-up, the event loop and the shutdown; returns the exit code (0).
int RunProgram(Toolkit& toolkit);

}  // namespace corvane
