// The two export commands: both refuse a missing selection, cut the field
// rectangle out of the full-resolution capture and deliver it. On success
// the capture window is dismissed; on failure it stays, with its selection,
// and the user is told what failed, so no crop is silently lost.
#pragma once

#include "app/program_state.h"

namespace corvane {

void CmdSaveToDesktop(Program& program);
void CmdCopyToClipboard(Program& program);

// True when a committed, non-empty selection exists; otherwise shows the
// "No selected area" message and returns false.
bool ExportGuard(Program& program);

// Creates the crop from the four field values; false when it could not be
// created (out of memory).
bool BuildCropImage(Program& program);

}  // namespace corvane
