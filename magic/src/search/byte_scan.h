// Visiting every position of one byte value in a range, for bytes that are
// common in the content (line feeds, '<' in source code): vector compares
// cover 64 bytes a step and each position found costs a few instructions,
// where a memchr per position would pay a call and its set-up every time.
// A search for a needle whose rarest byte is still common looks at the
// positions where that byte and a second byte of the needle both stand,
// which the same compares find for little more. A detection makes a few
// dozen such passes over the buffer, so on x86-64 the 32-byte compares are
// used where the processor has them.
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

// Calls visit(i + b) for each bit b set in `mask`, lowest first, until a call
// returns true; returns whether one did.
template <class Visit>
inline bool visit_mask(size_t i, uint64_t mask, Visit& visit) {
    while (mask != 0) {
        if (visit(i + static_cast<size_t>(__builtin_ctzll(mask)))) return true;
        mask &= mask - 1;
    }
    return false;
}

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
        const uint64_t mask = uint64_t(uint16_t(_mm_movemask_epi8(e0))) |
                              uint64_t(uint16_t(_mm_movemask_epi8(e1))) << 16 |
                              uint64_t(uint16_t(_mm_movemask_epi8(e2))) << 32 |
                              uint64_t(uint16_t(_mm_movemask_epi8(e3))) << 48;
        if (visit_mask(i, mask, visit)) return true;
    }
    for (; i + 16 <= to; i += 16)
        if (visit_mask(i, uint16_t(_mm_movemask_epi8(eq(i))), visit)) return true;
#endif
    for (; i < to; ++i)
        if (s[i] == c && visit(i)) return true;
    return false;
}

// Calls visit(i) for each i in [from, to) with s[i] == c and s[i + d] == c2,
// in increasing order, until a call returns true; returns whether one did.
// Every s[i + d] for i in [from, to) must be readable. Any processor.
template <class Visit>
bool any_pair_position_of_portable(const uint8_t* s, size_t from, size_t to, uint8_t c, ptrdiff_t d,
                                   uint8_t c2, Visit& visit) {
    size_t i = from;
#if defined(__SSE2__)
    const __m128i want = _mm_set1_epi8(static_cast<char>(c));
    const __m128i want2 = _mm_set1_epi8(static_cast<char>(c2));
    auto eq = [&](size_t at) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at + d));
        return _mm_and_si128(_mm_cmpeq_epi8(a, want), _mm_cmpeq_epi8(b, want2));
    };
    for (; i + 64 <= to; i += 64) {
        const __m128i e0 = eq(i), e1 = eq(i + 16), e2 = eq(i + 32), e3 = eq(i + 48);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(e0, e1), _mm_or_si128(e2, e3))) == 0)
            continue;
        const uint64_t mask = uint64_t(uint16_t(_mm_movemask_epi8(e0))) |
                              uint64_t(uint16_t(_mm_movemask_epi8(e1))) << 16 |
                              uint64_t(uint16_t(_mm_movemask_epi8(e2))) << 32 |
                              uint64_t(uint16_t(_mm_movemask_epi8(e3))) << 48;
        if (visit_mask(i, mask, visit)) return true;
    }
    for (; i + 16 <= to; i += 16)
        if (visit_mask(i, uint16_t(_mm_movemask_epi8(eq(i))), visit)) return true;
#endif
    for (; i < to; ++i)
        if (s[i] == c && s[i + d] == c2 && visit(i)) return true;
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
        const uint64_t mask = uint64_t(uint32_t(_mm256_movemask_epi8(e0))) |
                              uint64_t(uint32_t(_mm256_movemask_epi8(e1))) << 32;
        if (visit_mask(i, mask, visit)) return true;
    }
    return any_position_of_portable(s, i, to, c, visit);
}

template <class Visit>
__attribute__((target("avx2"))) bool any_pair_position_of_avx2(const uint8_t* s, size_t from,
                                                               size_t to, uint8_t c, ptrdiff_t d,
                                                               uint8_t c2, Visit& visit) {
    size_t i = from;
    const __m256i want = _mm256_set1_epi8(static_cast<char>(c));
    const __m256i want2 = _mm256_set1_epi8(static_cast<char>(c2));
    for (; i + 64 <= to; i += 64) {
        const auto* at = reinterpret_cast<const __m256i*>(s + i);
        const auto* at2 = reinterpret_cast<const __m256i*>(s + i + d);
        const __m256i e0 = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_loadu_si256(at), want),
                                            _mm256_cmpeq_epi8(_mm256_loadu_si256(at2), want2));
        const __m256i e1 = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_loadu_si256(at + 1), want),
                                            _mm256_cmpeq_epi8(_mm256_loadu_si256(at2 + 1), want2));
        const __m256i any = _mm256_or_si256(e0, e1);
        if (_mm256_testz_si256(any, any)) continue;
        const uint64_t mask = uint64_t(uint32_t(_mm256_movemask_epi8(e0))) |
                              uint64_t(uint32_t(_mm256_movemask_epi8(e1))) << 32;
        if (visit_mask(i, mask, visit)) return true;
    }
    return any_pair_position_of_portable(s, i, to, c, d, c2, visit);
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

// Calls visit(i) for each i in [from, to) with s[i] == c and s[i + d] == c2,
// in increasing order, until a call returns true; returns whether one did.
// Every s[i + d] for i in [from, to) must be readable.
template <class Visit>
bool any_pair_position_of(const uint8_t* s, size_t from, size_t to, uint8_t c, ptrdiff_t d,
                          uint8_t c2, Visit visit) {
#if MIME_MAGIC_SCAN_AVX2
    if (kScanHasAvx2) return any_pair_position_of_avx2(s, from, to, c, d, c2, visit);
#endif
    return any_pair_position_of_portable(s, from, to, c, d, c2, visit);
}

}  // namespace mime_magic
