// UTF-8 validity and the lossy form of byte strings.
#include <cstdint>

#include "tarvik/model.h"

namespace tarvik {

namespace {

// Length of the well-formed UTF-8 sequence at s[i..n), or 0 when the bytes
// there are ill-formed; `bad` then receives the length of the maximal
// ill-formed subpart (at least 1), as the Unicode standard defines it.
size_t utf8_sequence(const unsigned char* s, size_t i, size_t n, size_t& bad) {
    const unsigned char c = s[i];
    bad = 1;
    if (c < 0x80) return 1;
    size_t need;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        need = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
        need = 2;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        need = 3;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    for (size_t k = 1; k <= need; ++k) {
        if (i + k >= n) return 0;
        const unsigned char d = s[i + k];
        const unsigned char l = k == 1 ? lo : 0x80, h = k == 1 ? hi : 0xBF;
        if (d < l || d > h) return 0;
        bad = k + 1;
    }
    return need + 1;
}

}  // namespace

bool is_valid_utf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    for (size_t i = 0, bad = 0; i < bytes.size();) {
        if (s[i] < 0x80) {
            ++i;
            continue;
        }
        size_t len = utf8_sequence(s, i, bytes.size(), bad);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

std::string lossy_utf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0, bad = 0; i < bytes.size();) {
        size_t len = utf8_sequence(s, i, bytes.size(), bad);
        if (len) {
            out.append(bytes.data() + i, len);
            i += len;
        } else {
            out += "\xEF\xBF\xBD";
            i += bad;
        }
    }
    return out;
}

}  // namespace tarvik
