// The four coordinate fields: they show the selection in full-resolution
// pixels and let the user type or step exact values.
#pragma once

#include "app/program_state.h"

namespace corvane {

// Writes the selection, scaled to full resolution, into the four fields.
void UpdateFields(Program& program);

// Handles one notification of field `number`: normalises its text, and for a
// text change or a step clamps it against its partner, derives the selection
// from the four fields and redraws.
void ApplyFieldEdit(Program& program, int32_t number, int32_t kind);

}  // namespace corvane
