// The one UTF-8 decoder of the core: validity, the lossy form of byte strings
// and the quoted forms all read sequences through it.
#pragma once

#include <cstddef>

namespace tarvik {

// Length of the well-formed UTF-8 sequence at s[i..n) with its code point in
// `cp`, or 0 when the bytes there are ill-formed; `bad` then receives the
// length of the maximal ill-formed subpart (at least 1), as the Unicode
// standard defines it.
inline size_t decode_utf8(const unsigned char* s, size_t n, size_t i, char32_t& cp, size_t& bad) {
    const unsigned char c = s[i];
    bad = 1;
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    size_t need;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        need = 1;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        need = 2;
        cp = c & 0x0F;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        need = 3;
        cp = c & 0x07;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    for (size_t k = 1; k <= need; ++k) {
        if (i + k >= n) return 0;
        const unsigned char d = s[i + k];
        if (d < (k == 1 ? lo : 0x80) || d > (k == 1 ? hi : 0xBF)) return 0;
        cp = (cp << 6) | (d & 0x3F);
        bad = k + 1;
    }
    return need + 1;
}

}  // namespace tarvik
