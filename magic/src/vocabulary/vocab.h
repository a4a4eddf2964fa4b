// The check vocabulary: small inline tests over a probe `b` (the detection
// buffer and what the detection knows of it), so that each check reads like
// one line of a check table:
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

#include "patterns/patterns.h"
#include "search/byte_positions.h"
#include "search/zero_tail.h"
#include "vocabulary/shared_tests.h"

namespace mime_magic {

// What one detection finds out about its buffer while its checks run: the
// work the XML root tests share, and the positions of the bytes long
// searches look for. Filled on first use; the vocabulary uses them only to
// skip work whose answer is already decided.
struct DetectionCaches {
    XmlRootIndex xml;
    BytePositions positions;
};

// What a check is given: the bytes (in the detector always the 131072-byte
// buffer), where the run of zeros at their end starts as far as is known,
// and the detection's caches. Every check and every test of the vocabulary
// is a function of its probe alone, and answers the same with or without
// what the probe knows beyond the bytes. Passed by reference, so that it
// reaches a check in one register.
struct Probe {
    const uint8_t* p;
    size_t n;
    size_t z;                 // every byte from index z to n-1 is 00 (n: not known)
    DetectionCaches* caches;  // nullptr: none, every test works from the bytes alone

    // The plain probe: nothing known beyond the bytes.
    constexpr Probe(const uint8_t* bytes, size_t len) : p(bytes), n(len), z(len), caches(nullptr) {}

private:
    friend class DetectionProbe;
    constexpr Probe(const uint8_t* bytes, size_t len, size_t zero_from, DetectionCaches* c)
        : p(bytes), n(len), z(zero_from), caches(c) {}
};

// The probe of one detection: its buffer, where the zero tail starts (found
// from the first index it is known to start at, the number of bytes read),
// and caches of its own, left empty until the checks need them.
class DetectionProbe {
public:
    DetectionProbe(const uint8_t* bytes, size_t len, size_t zero_from)
        : probe_(bytes, len, zero_tail_start(bytes, zero_from < len ? zero_from : len), &caches_) {}
    DetectionProbe(const DetectionProbe&) = delete;
    DetectionProbe& operator=(const DetectionProbe&) = delete;

    const Probe& probe() const { return probe_; }

private:
    mutable DetectionCaches caches_;  // filled as the checks run, also for a const DetectionProbe
    Probe probe_;
};

// The positions the searches of `b`'s bytes may share (nullptr: none).
inline BytePositions* shared_positions(const Probe& b) {
    return b.caches ? &b.caches->positions : nullptr;
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
    return c >= '0' && c <= '9'   ? uint8_t(c - '0')
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

inline bool at(const Probe& b, size_t off, Needle s) {
    return off <= b.n && s.n <= b.n - off && std::memcmp(b.p + off, s.p, s.n) == 0;
}

inline bool at_any_case(const Probe& b, size_t off, Needle s) {
    if (off > b.n || s.n > b.n - off) return false;
    for (size_t i = 0; i < s.n; ++i)
        if (ascii_fold(b.p[off + i]) != ascii_fold(s.p[i])) return false;
    return true;
}

namespace detail {
// The last index an occurrence of `s` can end at when every byte from b.z on
// is 00: its last non-zero byte must lie before b.z. All-zero needles are not
// limited.
inline size_t last_useful(const Probe& b, size_t last, Needle s) {
    size_t t = 0;
    while (t < s.n && s.p[s.n - 1 - t] == 0) ++t;
    if (t == s.n) return last;
    size_t lim = b.z + t;  // one past the last index an occurrence can reach
    return lim == 0 ? 0 : (last < lim - 1 ? last : lim - 1);
}
}  // namespace detail

// The whole occurrence of `s` lies inside bytes first..last (both inclusive).
inline bool within(const Probe& b, size_t first, size_t last, Needle s) {
    return range_contains(b.p, b.n, first, detail::last_useful(b, last, s), s.p, s.n,
                          shared_positions(b));
}

// Any of the needles wholly inside bytes first..last (the same as `within`
// for each), searched together where they look for the same byte.
template <class... Needles>
inline bool within_any(const Probe& b, size_t first, size_t last, const Needles&... needles) {
    static_assert(sizeof...(Needles) <= kMaxRangeNeedles, "too many needles for one search");
    const Needle all[] = {Needle(needles)...};
    RangeNeedle list[sizeof...(Needles)];
    for (size_t i = 0; i < sizeof...(Needles); ++i)
        list[i] = {all[i].p, all[i].n, detail::last_useful(b, last, all[i])};
    return range_contains_any(b.p, b.n, first, list, sizeof...(Needles), shared_positions(b));
}

inline bool within_any_case(const Probe& b, size_t first, size_t last, Needle s) {
    return range_contains_ignore_ascii_case(b.p, b.n, first, detail::last_useful(b, last, s), s.p,
                                            s.n, shared_positions(b));
}

inline bool byte_mask(const Probe& b, size_t off, uint8_t mask, uint8_t value) {
    return off < b.n && (b.p[off] & mask) == value;
}

inline uint8_t byte_at(const Probe& b, size_t off) { return off < b.n ? b.p[off] : 0; }

inline uint16_t u16le(const Probe& b, size_t off) {
    return uint16_t(byte_at(b, off) | byte_at(b, off + 1) << 8);
}
inline uint16_t u16be(const Probe& b, size_t off) {
    return uint16_t(byte_at(b, off) << 8 | byte_at(b, off + 1));
}
inline uint32_t u32le(const Probe& b, size_t off) {
    return uint32_t(u16le(b, off)) | uint32_t(u16le(b, off + 2)) << 16;
}
inline uint32_t u32be(const Probe& b, size_t off) {
    return uint32_t(u16be(b, off)) << 16 | uint32_t(u16be(b, off + 2));
}

inline bool text(const Probe& b) { return looks_like_text(b.p, b.n); }

// The XML root test for root name `root` (a string literal).
template <size_t K>
inline bool xml_root(const Probe& b, const char (&root)[K]) {
    if (b.caches) return b.caches->xml.matches(b.p, b.n, root, K - 1);
    return xml_root_matches(b.p, b.n, root);
}

// The XML root test and the namespace text inside bytes 0..2048, any case.
template <size_t K>
inline bool xml_root(const Probe& b, const char (&root)[K], Needle ns) {
    return xml_root(b, root) && within_any_case(b, 0, XML_ROOT_WINDOW, ns);
}

// A compiled pattern over the whole buffer, over bytes first.. , or over
// bytes first..last (both inclusive). The shared positions count from the
// buffer's start, so only a span that starts there can use them.
inline bool pattern(const Probe& b, Pat id) {
    return pattern_matches(id, b.p, b.n, b.z, shared_positions(b));
}
inline bool pattern_over(const Probe& b, Pat id, size_t first) {
    if (first >= b.n) return false;
    return pattern_matches(id, b.p + first, b.n - first, b.z > first ? b.z - first : 0,
                           first == 0 ? shared_positions(b) : nullptr);
}
inline bool pattern_over(const Probe& b, Pat id, size_t first, size_t last) {
    if (first >= b.n) return false;
    size_t end = last + 1 < b.n ? last + 1 : b.n;
    if (first >= end) return false;
    size_t z = b.z > first ? b.z - first : 0;
    return pattern_matches(id, b.p + first, end - first, z < end - first ? z : end - first,
                           first == 0 ? shared_positions(b) : nullptr);
}

}  // namespace mime_magic
