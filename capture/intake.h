// Taking the clipboard's screenshot as the new capture.
#pragma once

#include "app/program_state.h"

namespace corvane {

// Reads the clipboard's picture and, when it is usable, makes it the capture:
// the preview is fitted, the window laid out and the selection cleared. When
// the clipboard holds no usable picture, or its preview would be refused,
// nothing changes: a capture being edited stays as it was.
void ScreenshotIntake(Program& program);

// The same, for a picture already in hand.
void IntakePicture(Program& program, Image24 picture);

}  // namespace corvane
