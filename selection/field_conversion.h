// Conversions between preview pixels and full-resolution pixels for the
// coordinate fields. Products are 64-bit and divisions truncate toward zero;
// the low 32 bits of the result are kept.
#pragma once

#include <cstdint>

namespace corvane {

// value * numerator / denominator; 0 for a denominator of 0.
constexpr int32_t ScaleTruncating(int32_t value, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return 0;
    return static_cast<int32_t>((int64_t{value} * numerator) / denominator);
}

}  // namespace corvane
