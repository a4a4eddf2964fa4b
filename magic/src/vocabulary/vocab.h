// The check vocabulary: small inline tests over the detection buffer, so that
// each check reads like one line of a check table:
//
//   at(b, 0, "BEGIN:VCARD")                  bytes at an offset
//   at_any_case(b, 2, "/usr/bin/env node")   same, ASCII case folded
//   within(b, 15, 360, "\nVERSION:2.0")      whole occurrence inside bytes A..B
//   within_any_case(b, 0, 2048, "...")
//   byte_mask(b, 5, 0xF8, 0x70)              (byte N & M) == V
//   text(b)                                  the text heuristic
//   xml_root(b, "svg"), xml_root(b, "svg", "http://www.w3.org/2000/svg")
//   pattern(b, Pat::TextHtml1), pattern_over(b, Pat::ImageXTga1, 8)
//   u16le(b, N), u32le(b, N), u16be(b, N), u32be(b, N)   words (0 past the end)
//
// and &&, ||, ! for and, or, not (left to right, short-circuit). Byte strings
// are string literals (mind that "\x1F" "A" needs the split: C++ hex escapes are
// greedy) or "1F 8B"_hex.
//
// Every test is bounds-checked against the buffer length, so a test reaching
// past the end is simply false; in the detector the length is always 131072.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "search/byte_positions.h"
#include "patterns/patterns.h"
#include "vocabulary/shared_tests.h"
#include "search/zero_tail.h"

namespace mime_magic {

// The bytes a check looks at: in the detector always the 131072-byte buffer.
// Two words, so that it travels in registers to every check.
struct Buf {
    const uint8_t* p;
    size_t n;
    constexpr Buf(const uint8_t* bytes, size_t len) : p(bytes), n(len) {}
};

// What one detection knows about its buffer beyond the bytes: where the run
// of zeros at its end starts, the work the XML root tests share, and the
// positions of the bytes long searches look for. Checks
// use it only to skip work whose answer is already decided; a Buf that is not
// the detection's buffer (another span, a test's own bytes) gets the plain
// evaluation.
struct DetectionContext {
    const uint8_t* p;
    size_t n;
    size_t z;  // every byte from index z to n-1 is 00
    XmlRootIndex xml;
    BytePositions positions;
};

inline thread_local DetectionContext* current_detection = nullptr;

// Makes `ctx` the current detection's context for the scope's lifetime.
class DetectionScope {
public:
    explicit DetectionScope(DetectionContext& ctx) : saved_(current_detection) { current_detection = &ctx; }
    ~DetectionScope() { current_detection = saved_; }
    DetectionScope(const DetectionScope&) = delete;
    DetectionScope& operator=(const DetectionScope&) = delete;

private:
    DetectionContext* saved_;
};

// Calls visit(i) for each i in [from, to) with bytes[i] == c, in increasing
// order, until a call returns true; returns whether one did. The way to find
// them depends on the window and the byte: over a long window of the current
// detection's buffer the positions are shared with the other searches for c;
// otherwise a common byte (`rare` false) is visited by vector compares over
// long windows, and memchr finds rare bytes and those of short windows.
template <class Visit>
bool visit_byte_positions(const uint8_t* bytes, size_t from, size_t to, uint8_t c, bool rare,
                          Visit visit) {
    if (to >= from + 256) {
        if (DetectionContext* d = current_detection; d && d->p == bytes)
            if (auto found = d->positions.visit(bytes, c, from, to, visit)) return *found;
        if (!rare) return any_position_of(bytes, from, to, c, visit);
    }
    for (size_t h = from; h < to; ++h) {
        const void* hit = std::memchr(bytes + h, c, to - h);
        if (!hit) return false;
        h = size_t(static_cast<const uint8_t*>(hit) - bytes);
        if (visit(h)) return true;
    }
    return false;
}

inline const DetectionContext* context_of(Buf b) {
    const DetectionContext* c = current_detection;
    return c && c->p == b.p && c->n == b.n ? c : nullptr;
}

// Where the zero tail of `b` starts, as far as the detection knows (n: unknown).
inline size_t zero_from(Buf b) {
    const DetectionContext* c = context_of(b);
    return c ? c->z : b.n;
}

// A byte string to look for: a string literal (without its terminating NUL)
// or a compile-time byte array.
struct Needle {
    const uint8_t* p;
    size_t n;
    template <size_t K>
    constexpr Needle(const char (&s)[K]) : p(reinterpret_cast<const uint8_t*>(s)), n(K - 1) {}
    template <size_t K>
    constexpr Needle(const std::array<uint8_t, K>& a) : p(a.data()), n(K) {}
    constexpr Needle(const uint8_t* bytes, size_t len) : p(bytes), n(len) {}
};

namespace detail {
template <size_t N>
struct HexLiteral {
    char s[N];
    constexpr HexLiteral(const char (&in)[N]) {
        for (size_t i = 0; i < N; ++i) s[i] = in[i];
    }
    constexpr size_t digits() const {
        size_t c = 0;
        for (size_t i = 0; i + 1 < N; ++i)
            if (s[i] != ' ') ++c;
        return c;
    }
};
constexpr uint8_t hex_value(char c) {
    return c >= '0' && c <= '9' ? uint8_t(c - '0')
         : c >= 'A' && c <= 'F' ? uint8_t(c - 'A' + 10)
         : c >= 'a' && c <= 'f' ? uint8_t(c - 'a' + 10)
                                : throw "not a hexadecimal digit";
}
}  // namespace detail

// "1F 8B"_hex: the bytes written as hexadecimal pairs separated by blanks.
template <detail::HexLiteral L>
consteval auto operator""_hex() {
    static_assert(L.digits() % 2 == 0, "hex literal needs whole bytes");
    std::array<uint8_t, L.digits() / 2> out{};
    size_t k = 0;
    int half = -1;
    for (char c : L.s) {
        if (c == ' ' || c == '\0') continue;
        uint8_t v = detail::hex_value(c);
        if (half < 0) {
            half = v;
        } else {
            out[k++] = uint8_t(half << 4 | v);
            half = -1;
        }
    }
    return out;
}

inline bool at(Buf b, size_t off, Needle s) {
    return off <= b.n && s.n <= b.n - off && std::memcmp(b.p + off, s.p, s.n) == 0;
}

inline bool at_any_case(Buf b, size_t off, Needle s) {
    if (off > b.n || s.n > b.n - off) return false;
    for (size_t i = 0; i < s.n; ++i)
        if (ascii_fold(b.p[off + i]) != ascii_fold(s.p[i])) return false;
    return true;
}

namespace detail {
// The last index an occurrence of `s` can end at when every byte from b.z on
// is 00: its last non-zero byte must lie before b.z. All-zero needles are not
// limited.
inline size_t last_useful(Buf b, size_t last, Needle s) {
    size_t t = 0;
    while (t < s.n && s.p[s.n - 1 - t] == 0) ++t;
    if (t == s.n) return last;
    size_t lim = zero_from(b) + t;  // one past the last index an occurrence can reach
    return lim == 0 ? 0 : (last < lim - 1 ? last : lim - 1);
}
}  // namespace detail

// The whole occurrence of `s` lies inside bytes first..last (both inclusive).
inline bool within(Buf b, size_t first, size_t last, Needle s) {
    return range_contains(b.p, b.n, first, detail::last_useful(b, last, s), s.p, s.n);
}

// Any of the needles wholly inside bytes first..last (the same as `within`
// for each), searched together where they look for the same byte.
template <class... Needles>
inline bool within_any(Buf b, size_t first, size_t last, const Needles&... needles) {
    static_assert(sizeof...(Needles) <= kMaxRangeNeedles, "too many needles for one search");
    const Needle all[] = {Needle(needles)...};
    RangeNeedle list[sizeof...(Needles)];
    for (size_t i = 0; i < sizeof...(Needles); ++i)
        list[i] = {all[i].p, all[i].n, detail::last_useful(b, last, all[i])};
    return range_contains_any(b.p, b.n, first, list, sizeof...(Needles));
}

inline bool within_any_case(Buf b, size_t first, size_t last, Needle s) {
    return range_contains_ignore_ascii_case(b.p, b.n, first, detail::last_useful(b, last, s), s.p,
                                            s.n);
}

inline bool byte_mask(Buf b, size_t off, uint8_t mask, uint8_t value) {
    return off < b.n && (b.p[off] & mask) == value;
}

inline uint8_t byte_at(Buf b, size_t off) { return off < b.n ? b.p[off] : 0; }

inline uint16_t u16le(Buf b, size_t off) {
    return uint16_t(byte_at(b, off) | byte_at(b, off + 1) << 8);
}
inline uint16_t u16be(Buf b, size_t off) {
    return uint16_t(byte_at(b, off) << 8 | byte_at(b, off + 1));
}
inline uint32_t u32le(Buf b, size_t off) {
    return uint32_t(u16le(b, off)) | uint32_t(u16le(b, off + 2)) << 16;
}
inline uint32_t u32be(Buf b, size_t off) {
    return uint32_t(u16be(b, off)) << 16 | uint32_t(u16be(b, off + 2));
}

inline bool text(Buf b) { return looks_like_text(b.p, b.n); }

// The XML root test for root name `root` (a string literal).
template <size_t K>
inline bool xml_root(Buf b, const char (&root)[K]) {
    if (DetectionContext* c = current_detection; c && c->p == b.p && c->n == b.n)
        return c->xml.matches(b.p, b.n, root, K - 1);
    return xml_root_matches(b.p, b.n, root);
}

// The XML root test and the namespace text inside bytes 0..2048, any case.
template <size_t K>
inline bool xml_root(Buf b, const char (&root)[K], Needle ns) {
    return xml_root(b, root) && within_any_case(b, 0, XML_ROOT_WINDOW, ns);
}

// A compiled pattern over the whole buffer, over bytes first.. , or over
// bytes first..last (both inclusive).
inline bool pattern(Buf b, Pat id) { return pattern_matches(id, b.p, b.n, zero_from(b)); }
inline bool pattern_over(Buf b, Pat id, size_t first) {
    size_t zf = zero_from(b);
    return first < b.n && pattern_matches(id, b.p + first, b.n - first, zf > first ? zf - first : 0);
}
inline bool pattern_over(Buf b, Pat id, size_t first, size_t last) {
    if (first >= b.n) return false;
    size_t end = last + 1 < b.n ? last + 1 : b.n;
    if (first >= end) return false;
    size_t zf = zero_from(b);
    size_t z = zf > first ? zf - first : 0;
    return pattern_matches(id, b.p + first, end - first, z < end - first ? z : end - first);
}

}  // namespace mime_magic
