// Putting a picture on the clipboard as one CF_DIB item.
#pragma once

#include "toolkit/image.h"
#include "toolkit/toolkit.h"

namespace corvane {

// Builds the whole block first, so a failure leaves the clipboard as it was.
// Another program may hold the clipboard open for a moment; a few tries over
// about a quarter of a second ride that out.
bool PutClipboardImage(Toolkit& toolkit, const Image24& image);

}  // namespace corvane
