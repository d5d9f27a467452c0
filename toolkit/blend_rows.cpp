// Vector-width variants of the blend loops. The loop bodies are plain C++;
// GCC and Clang vectorise them, and the division by 255 of a 16-bit value
// becomes a high-half multiply. The kernels use the widest instruction set
// the processor reports; other compilers get the portable loop only.
#include "toolkit/blend_rows.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define CORVANE_BLEND_DISPATCH 1
#define CORVANE_INLINE inline __attribute__((always_inline))
#else
#define CORVANE_BLEND_DISPATCH 0
#define CORVANE_INLINE inline
#endif

namespace corvane {
namespace {

// All sums stay within 16 bits: b * keep + add <= 255 * 255.
CORVANE_INLINE void UniformBody(const BlendRows& area, uint16_t add) {
    // Locals: the byte stores could alias the fields of `area` otherwise.
    const size_t count = area.rowBytes;
    const uint16_t keep = area.keep;
    uint8_t* row = area.first;
    for (int32_t r = 0; r < area.rows; ++r, row += area.rowStep) {
        for (size_t i = 0; i < count; ++i) {
            const uint16_t sum = uint16_t(row[i] * keep + add);
            row[i] = uint8_t(uint16_t(sum / 255));
        }
    }
}

CORVANE_INLINE void PatternBody(const BlendRows& area, const uint16_t* add) {
    // Locals: the byte stores could alias the fields of `area` otherwise.
    const size_t count = area.rowBytes;
    const uint16_t keep = area.keep;
    uint8_t* row = area.first;
    for (int32_t r = 0; r < area.rows; ++r, row += area.rowStep) {
        for (size_t i = 0; i < count; ++i) {
            const uint16_t sum = uint16_t(row[i] * keep + add[i]);
            row[i] = uint8_t(uint16_t(sum / 255));
        }
    }
}

#if CORVANE_BLEND_DISPATCH
__attribute__((target("avx512bw"))) void UniformAvx512(const BlendRows& area, uint16_t add) {
    UniformBody(area, add);
}
__attribute__((target("avx2"))) void UniformAvx2(const BlendRows& area, uint16_t add) { UniformBody(area, add); }
__attribute__((target("avx512bw"))) void PatternAvx512(const BlendRows& area, const uint16_t* add) {
    PatternBody(area, add);
}
__attribute__((target("avx2"))) void PatternAvx2(const BlendRows& area, const uint16_t* add) {
    PatternBody(area, add);
}
#endif

}  // namespace

void BlendRowsUniform(const BlendRows& area, uint16_t add) {
#if CORVANE_BLEND_DISPATCH
    if (__builtin_cpu_supports("avx512bw")) return UniformAvx512(area, add);
    if (__builtin_cpu_supports("avx2")) return UniformAvx2(area, add);
#endif
    UniformBody(area, add);
}

void BlendRowsPattern(const BlendRows& area, const uint16_t* add) {
#if CORVANE_BLEND_DISPATCH
    if (__builtin_cpu_supports("avx512bw")) return PatternAvx512(area, add);
    if (__builtin_cpu_supports("avx2")) return PatternAvx2(area, add);
#endif
    PatternBody(area, add);
}

}  // namespace corvane
