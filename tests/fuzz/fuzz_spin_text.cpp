// Fuzzes the spin-field text rules. The first eight bytes pick the range;
// the rest is the text. A strict value must lie in the range and agree with
// the lenient reading; formatted numbers must read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>

#include "toolkit/spin_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8) return 0;
    int32_t minimum, maximum;
    std::memcpy(&minimum, data, 4);
    std::memcpy(&maximum, data + 4, 4);
    if (minimum > maximum) std::swap(minimum, maximum);
    const std::string_view text(reinterpret_cast<const char*>(data + 8), size - 8);

    const auto value = corvane::ParseFieldValue(text, minimum, maximum);
    const int32_t lenient = corvane::ReadTextAsNumber(text);
    if (value && (*value < minimum || *value > maximum || *value != lenient)) std::abort();
    if (corvane::ReadTextAsNumber(corvane::FormatDecimal(lenient)) != lenient) std::abort();
    if (corvane::ParseFieldValue(corvane::FormatDecimal(lenient), lenient, lenient) != lenient) std::abort();
    return 0;
}
