#include "export/clipboard_out.h"

#include "toolkit/dib_codec.h"

namespace corvane {
namespace {

constexpr int kClipboardTries = 6;
constexpr int32_t kClipboardRetryMs = 50;

}  // namespace

bool PutClipboardImage(Toolkit& toolkit, const Image24& image) {
    const std::vector<uint8_t> block = EncodeDib(image);
    if (block.empty()) return false;
    for (int attempt = 0; attempt < kClipboardTries; ++attempt) {
        if (attempt > 0) toolkit.Sleep(kClipboardRetryMs);
        if (toolkit.WriteClipboardDib(block)) return true;
    }
    return false;
}

}  // namespace corvane
