#include "app/program.h"

#include "app/event_loop.h"
#include "app/program_state.h"
#include "app/startup.h"

namespace corvane {

int RunProgram(Toolkit& toolkit) {
    Program program(toolkit);
    if (!StartUp(program)) return 0;
    RunEventLoop(program);
    ShutDown(program);
    return 0;
}

}  // namespace corvane
