// Visiting every position of one byte value in a range, for bytes that are
// common in the content (line feeds, '<' in source code): vector compares
// cover 64 bytes a step and each position found costs a few instructions,
// where a memchr per position would pay a call and its set-up every time.
// A detection makes a few dozen such passes over the buffer, so on x86-64
// the 32-byte compares are used where the processor has them.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define MIME_MAGIC_SCAN_AVX2 1
#endif

namespace mime_magic {

// Calls visit(i) for each i in [from, to) with s[i] == c, in increasing
// order, until a call returns true; returns whether one did. Any processor.
template <class Visit>
bool any_position_of_portable(const uint8_t* s, size_t from, size_t to, uint8_t c, Visit& visit) {
    size_t i = from;
#if defined(__SSE2__)
    // 64 bytes a step: four compares, and a block without the byte is passed
    // over after one test.
    const __m128i want = _mm_set1_epi8(static_cast<char>(c));
    auto eq = [&](size_t at) {
        return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at)), want);
    };
    for (; i + 64 <= to; i += 64) {
        const __m128i e0 = eq(i), e1 = eq(i + 16), e2 = eq(i + 32), e3 = eq(i + 48);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(e0, e1), _mm_or_si128(e2, e3))) == 0)
            continue;
        uint64_t mask = uint64_t(uint16_t(_mm_movemask_epi8(e0))) |
                        uint64_t(uint16_t(_mm_movemask_epi8(e1))) << 16 |
                        uint64_t(uint16_t(_mm_movemask_epi8(e2))) << 32 |
                        uint64_t(uint16_t(_mm_movemask_epi8(e3))) << 48;
        while (mask != 0) {
            if (visit(i + static_cast<size_t>(__builtin_ctzll(mask)))) return true;
            mask &= mask - 1;
        }
    }
    for (; i + 16 <= to; i += 16) {
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(eq(i)));
        while (mask != 0) {
            if (visit(i + static_cast<size_t>(__builtin_ctz(mask)))) return true;
            mask &= mask - 1;
        }
    }
#endif
    for (; i < to; ++i)
        if (s[i] == c && visit(i)) return true;
    return false;
}

#if MIME_MAGIC_SCAN_AVX2
// Whether the processor (and the system) offer the 32-byte compares.
inline const bool kScanHasAvx2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
}();

// The same visits with 32-byte compares: only for processors that have them.
template <class Visit>
__attribute__((target("avx2"))) bool any_position_of_avx2(const uint8_t* s, size_t from, size_t to,
                                                          uint8_t c, Visit& visit) {
    size_t i = from;
    const __m256i want = _mm256_set1_epi8(static_cast<char>(c));
    for (; i + 64 <= to; i += 64) {
        const auto* at = reinterpret_cast<const __m256i*>(s + i);
        const __m256i e0 = _mm256_cmpeq_epi8(_mm256_loadu_si256(at), want);
        const __m256i e1 = _mm256_cmpeq_epi8(_mm256_loadu_si256(at + 1), want);
        const __m256i any = _mm256_or_si256(e0, e1);
        if (_mm256_testz_si256(any, any)) continue;
        uint64_t mask = uint64_t(uint32_t(_mm256_movemask_epi8(e0))) |
                        uint64_t(uint32_t(_mm256_movemask_epi8(e1))) << 32;
        while (mask != 0) {
            if (visit(i + static_cast<size_t>(__builtin_ctzll(mask)))) return true;
            mask &= mask - 1;
        }
    }
    return any_position_of_portable(s, i, to, c, visit);
}
#endif

// Calls visit(i) for each i in [from, to) with s[i] == c, in increasing
// order, until a call returns true; returns whether one did.
template <class Visit>
bool any_position_of(const uint8_t* s, size_t from, size_t to, uint8_t c, Visit visit) {
#if MIME_MAGIC_SCAN_AVX2
    if (kScanHasAvx2) return any_position_of_avx2(s, from, to, c, visit);
#endif
    return any_position_of_portable(s, from, to, c, visit);
}

}  // namespace mime_magic
