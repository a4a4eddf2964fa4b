// The shared byte and text tests: the text heuristic, the XML root test and
// the bounded searches with their anchors.
#include "vocabulary/shared_tests.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "search/byte_positions.h"
#include "search/byte_scan.h"

namespace mime_magic {

namespace {

constexpr bool in_whitespace_set(uint8_t c) {
    return c == 0x09 || c == 0x0A || c == 0x0C || c == 0x0D || c == 0x20;
}

bool any_high_bit(const uint8_t* bytes, size_t n) {
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t w;
        std::memcpy(&w, bytes + i, 8);
        if (w & 0x8080808080808080ULL) return true;
    }
    for (; i < n; ++i)
        if (bytes[i] & 0x80) return true;
    return false;
}

// How common a byte value is in text and binary content (lower is rarer):
// a rough ranking by frequency in prose, source code and binaries. The
// searches below look for the needle's rarest byte with memchr and then
// compare the whole needle around it; the answer is that of a plain scan.
constexpr uint8_t rank_of(uint8_t c) {
    constexpr const char* kLower = "zqxjkvbpygfwmucldrhsnioate";  // rarest first
    constexpr const char* kUpper = "QZJXKVYWBGFHPUMCDLNROITASE";
    if (c == ' ' || c == 0x00) return 255;
    for (int i = 0; kLower[i]; ++i)
        if (kLower[i] == char(c)) return uint8_t(100 + 5 * i);
    for (int i = 0; kUpper[i]; ++i)
        if (kUpper[i] == char(c)) return uint8_t(40 + 2 * i);
    if (c == '\n' || c == '\t' || c == 0xFF) return 95;
    if (c >= '0' && c <= '9') return c == '0' || c == '1' ? 70 : 55;
    switch (c) {
        // Punctuation that source code and markup are full of.
        case '.':
        case ',':
        case '(':
        case ')':
        case ';':
        case '_':
        case '*':
        case '/':
        case '=':
        case '-':
        case '#':
        case '<':
        case '>':
        case ':':
        case '{':
        case '}':
        case '\r': return 90;
        case '"':
        case '\'':
        case '[':
        case ']':
        case '\\':
        case '&':
        case '|':
        case '+': return 45;
        default: return 20;
    }
}

constexpr auto kCommonness = [] {
    std::array<uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) t[size_t(c)] = rank_of(uint8_t(c));
    return t;
}();

constexpr uint8_t commonness(uint8_t c) { return kCommonness[c]; }

// Bytes rare enough that memchr finds them faster than vector compares visit them.
constexpr bool is_rare(uint8_t c) { return commonness(c) < 50; }

// The index of the needle byte to search for: the rarest, or with `fold`
// the rarest that is not a letter (SIZE_MAX when all are letters); never
// `skip`.
size_t anchor_index(const uint8_t* needle, size_t n, bool fold, size_t skip = SIZE_MAX) {
    size_t best = SIZE_MAX;
    unsigned best_rank = 256;  // kept apart, so each step compares with a register
    for (size_t k = 0; k < n; ++k) {
        const uint8_t c = needle[k];
        if (fold && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) continue;
        const unsigned rank = commonness(c);
        if (rank < best_rank && k != skip) {
            best_rank = rank;
            best = k;
        }
    }
    return best;
}

bool equal_bytes(const uint8_t* a, const uint8_t* b, size_t n) {
    if (n > 16) return std::memcmp(a, b, n) == 0;
    for (size_t k = 0; k < n; ++k)
        if (a[k] != b[k]) return false;
    return true;
}

bool equal_folded(const uint8_t* a, const uint8_t* b, size_t n) {
    for (size_t k = 0; k < n; ++k)
        if (ascii_fold(a[k]) != ascii_fold(b[k])) return false;
    return true;
}

// Is there a start p in [first, last_start] at which the needle matches?
template <bool Fold>
bool find_anchored(const uint8_t* bytes, size_t first, size_t last_start, const uint8_t* needle,
                   size_t needle_len, BytePositions* shared) {
    const size_t k = anchor_index(needle, needle_len, Fold);
    if (k == SIZE_MAX) {  // folded and all letters: compare at every start
        const uint8_t f0 = ascii_fold(needle[0]);
        for (size_t p = first; p <= last_start; ++p)
            if (ascii_fold(bytes[p]) == f0 && equal_folded(bytes + p, needle, needle_len))
                return true;
        return false;
    }
    auto match_at = [&](size_t h) {  // h: a position of the anchor byte
        const uint8_t* start = bytes + h - k;
        return Fold ? equal_folded(start, needle, needle_len)
                    : equal_bytes(start, needle, needle_len);
    };
    // The anchor positions run from first + k to last_start + k.
    const size_t from = first + k, to = last_start + k + 1;
    // A common anchor over a long window whose positions no other search
    // shares: only where a second byte of the needle stands beside it too.
    if (!Fold && needle_len >= 2 && to >= from + 256 && !is_rare(needle[k]) &&
        !BytePositions::keeps(needle[k])) {
        const size_t j = anchor_index(needle, needle_len, false, k);
        return any_pair_position_of(bytes, from, to, needle[k], ptrdiff_t(j) - ptrdiff_t(k),
                                    needle[j], match_at);
    }
    return visit_byte_positions(bytes, from, to, needle[k], is_rare(needle[k]), shared, match_at);
}

bool find_folded(const uint8_t* bytes, size_t first, size_t last_start, const uint8_t* needle,
                 size_t needle_len, BytePositions* shared) {
    return find_anchored<true>(bytes, first, last_start, needle, needle_len, shared);
}

bool find_exact(const uint8_t* bytes, size_t first, size_t last_start, const uint8_t* needle,
                size_t needle_len, BytePositions* shared) {
    return find_anchored<false>(bytes, first, last_start, needle, needle_len, shared);
}

template <bool Fold>
bool range_search(const uint8_t* bytes, size_t len, size_t start, size_t end, const uint8_t* needle,
                  size_t needle_len, BytePositions* shared) {
    if (start >= len) return false;
    size_t last = end < len - 1 ? end : len - 1;
    if (last < start) return false;
    size_t window = last - start + 1;
    if (needle_len > window) return false;
    if (needle_len == 0) return true;
    size_t last_start = last + 1 - needle_len;
    return Fold ? find_folded(bytes, start, last_start, needle, needle_len, shared)
                : find_exact(bytes, start, last_start, needle, needle_len, shared);
}

}  // namespace

bool looks_like_text(const uint8_t* bytes, size_t len) {
    if (len < 4) return !any_high_bit(bytes, len);
    if (len <= 8) {
        for (size_t i = 0; i < len; ++i) {
            uint8_t c = bytes[i];
            if (!((c >= 0x21 && c <= 0x7E) || in_whitespace_set(c))) return false;
        }
        return true;
    }
    size_t n = len < TEXT_PROBE_LEN ? len : TEXT_PROBE_LEN;
    if (bytes[0] != 0x00 && bytes[0] != 0xEF && bytes[0] != 0xFF &&  //
        bytes[1] != 0x00 && bytes[1] != 0xBB && bytes[1] != 0xFE &&  //
        bytes[2] != 0x00 && bytes[2] != 0xBF && bytes[2] != 0xFE &&  //
        in_whitespace_set(bytes[3]) && any_high_bit(bytes, n))
        return false;
    for (size_t i = 4; i <= 8; ++i)
        if (bytes[i] == 0 || bytes[i] > 0x7F) return false;
    return true;
}

bool xml_root_matches(const uint8_t* bytes, size_t len, const char* root) {
    if (!looks_like_text(bytes, len) || len == 0) return false;
    const size_t r = std::strlen(root);
    // The three needles: '<r ', 'r:r ' and ':r xmlns'.
    uint8_t needle[2 * 64 + 8];
    if (r == 0 || r > 64) return false;
    const size_t last = len - 1 < XML_ROOT_WINDOW ? len - 1 : XML_ROOT_WINDOW;
    auto search = [&](size_t n) {
        return n <= last + 1 && find_folded(bytes, 0, last + 1 - n, needle, n, nullptr);
    };
    needle[0] = '<';
    std::memcpy(needle + 1, root, r);
    needle[r + 1] = ' ';
    if (search(r + 2)) return true;
    std::memcpy(needle, root, r);
    needle[r] = ':';
    std::memcpy(needle + r + 1, root, r);
    needle[2 * r + 1] = ' ';
    if (search(2 * r + 2)) return true;
    needle[0] = ':';
    std::memcpy(needle + 1, root, r);
    std::memcpy(needle + r + 1, " xmlns", 6);
    return search(r + 7);
}

bool range_contains(const uint8_t* bytes, size_t len, size_t start, size_t end,
                    const uint8_t* needle, size_t needle_len, BytePositions* shared) {
    return range_search<false>(bytes, len, start, end, needle, needle_len, shared);
}

bool range_contains_ignore_ascii_case(const uint8_t* bytes, size_t len, size_t start, size_t end,
                                      const uint8_t* needle, size_t needle_len,
                                      BytePositions* shared) {
    return range_search<true>(bytes, len, start, end, needle, needle_len, shared);
}

bool range_contains_any(const uint8_t* bytes, size_t len, size_t start, const RangeNeedle* needles,
                        size_t count, BytePositions* shared) {
    if (start >= len) return false;
    // Per needle: its anchor and the last start it can have; needles that
    // cannot fit are left out.
    size_t anchor[kMaxRangeNeedles], last_start[kMaxRangeNeedles];
    bool done[kMaxRangeNeedles] = {};
    count = count < kMaxRangeNeedles ? count : kMaxRangeNeedles;
    for (size_t i = 0; i < count; ++i) {
        const RangeNeedle& nd = needles[i];
        const size_t last = nd.end < len - 1 ? nd.end : len - 1;
        if (last < start || nd.len > last - start + 1) {
            done[i] = true;
            continue;
        }
        if (nd.len == 0) return true;
        last_start[i] = last + 1 - nd.len;
        anchor[i] = anchor_index(nd.bytes, nd.len, false);
    }
    // A needle whose anchor is common and not kept is searched on its own,
    // where a second byte of it stands beside the anchor too: fewer places
    // to compare than the anchor's positions shared with other needles.
    for (size_t i = 0; i < count; ++i) {
        const uint8_t a = done[i] ? 0 : needles[i].bytes[anchor[i]];
        if (done[i] || needles[i].len < 2 || is_rare(a) || BytePositions::keeps(a)) continue;
        if (find_exact(bytes, start, last_start[i], needles[i].bytes, needles[i].len, shared))
            return true;
        done[i] = true;
    }
    // The others: one pass per distinct anchor byte, over the anchor
    // positions of all the needles that share it.
    for (size_t i = 0; i < count; ++i) {
        if (done[i]) continue;
        const uint8_t a = needles[i].bytes[anchor[i]];
        size_t from = SIZE_MAX, to = 0;
        for (size_t j = i; j < count; ++j)
            if (!done[j] && needles[j].bytes[anchor[j]] == a) {
                from = std::min(from, start + anchor[j]);
                to = std::max(to, last_start[j] + anchor[j] + 1);
            }
        auto match_at = [&](size_t h) {
            for (size_t j = i; j < count; ++j) {
                if (done[j] || needles[j].bytes[anchor[j]] != a || h < start + anchor[j]) continue;
                const size_t p = h - anchor[j];
                if (p <= last_start[j] && equal_bytes(bytes + p, needles[j].bytes, needles[j].len))
                    return true;
            }
            return false;
        };
        if (visit_byte_positions(bytes, from, to, a, is_rare(a), shared, match_at)) return true;
        for (size_t j = i; j < count; ++j)
            if (!done[j] && needles[j].bytes[anchor[j]] == a) done[j] = true;
    }
    return false;
}

bool prefix_at2_ignore_ascii_case(const uint8_t* bytes, size_t len, const uint8_t* needle,
                                  size_t needle_len) {
    if (len < 2) return false;
    size_t m = needle_len < len - 2 ? needle_len : len - 2;
    for (size_t i = 0; i < m; ++i)
        if (ascii_fold(bytes[2 + i]) != ascii_fold(needle[i])) return false;
    return true;
}

void XmlRootIndex::build(const uint8_t* bytes, size_t len) {
    built_ = true;
    text_ = len != 0 && looks_like_text(bytes, len);
    if (!text_) return;
    last_ = len - 1 < XML_ROOT_WINDOW ? len - 1 : XML_ROOT_WINDOW;
    // The '<' and ':' positions (each followed by at least one byte), found
    // with memchr, then grouped by the folded byte after them.
    uint16_t found[XML_ROOT_WINDOW + 1];
    size_t n = 0;
    for (uint8_t c : {uint8_t('<'), uint8_t(':')})  // the last byte has nothing after it
        any_position_of(bytes, 0, last_, c, [&](size_t p) {
            found[n++] = uint16_t(p);
            return false;
        });
    uint16_t count[257] = {};
    for (size_t i = 0; i < n; ++i) ++count[ascii_fold(bytes[found[i] + 1]) + 1];
    start_[0] = 0;
    for (size_t c = 1; c < 257; ++c) start_[c] = uint16_t(start_[c - 1] + count[c]);
    uint16_t fill[256];
    for (size_t c = 0; c < 256; ++c) fill[c] = start_[c];
    for (size_t i = 0; i < n; ++i) pos_[fill[ascii_fold(bytes[found[i] + 1])]++] = found[i];
}

bool XmlRootIndex::matches(const uint8_t* bytes, size_t len, const char* root) {
    return matches(bytes, len, root, std::strlen(root));
}

bool XmlRootIndex::search(const uint8_t* bytes, size_t len, const char* root, size_t r) {
    if (!built_) build(bytes, len);
    if (!text_) return false;
    auto same = [&](size_t at, const char* s, size_t n) {  // folded compare inside the window
        if (at + n - 1 > last_) return false;
        for (size_t k = 0; k < n; ++k)
            if (ascii_fold(bytes[at + k]) != ascii_fold(uint8_t(s[k]))) return false;
        return true;
    };
    const uint8_t first = ascii_fold(uint8_t(root[0]));
    for (uint16_t i = start_[first]; i < start_[first + 1]; ++i) {
        const size_t p = pos_[i];
        if (!same(p + 1, root, r)) continue;
        if (bytes[p] == '<') {
            if (same(p + 1 + r, " ", 1)) return true;  // '<' root ' '
        } else {
            // root ':' root ' '   and   ':' root ' xmlns'
            if (same(p + 1 + r, " ", 1) && p >= r && same(p - r, root, r)) return true;
            if (same(p + 1 + r, " xmlns", 6)) return true;
        }
    }
    return false;
}

}  // namespace mime_magic
