// The one loop that receives every event of the program and decides what runs.
#pragma once

#include "app/program_state.h"

namespace corvane {

inline constexpr int32_t kLoopWaitMs = 200;

// Runs until "Exit" is chosen in the tray menu.
void RunEventLoop(Program& program);

// One turn: wait, poll Print Screen, handle the event. False after CmdExit.
bool RunLoopTurn(Program& program);

}  // namespace corvane
