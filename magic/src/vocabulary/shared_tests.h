// Shared byte and text tests used by many content checks. Each is a pure
// function of the bytes it is given and is defined for every length.
#pragma once

#include <cstddef>
#include <cstdint>

namespace mime_magic {

class BytePositions;

// How many leading bytes the text heuristic inspects for bytes >= 0x80.
inline constexpr size_t TEXT_PROBE_LEN = 128;
// The last byte index the XML root test (and namespace searches) look at.
inline constexpr size_t XML_ROOT_WINDOW = 2048;

constexpr uint8_t ascii_fold(uint8_t c) { return c >= 'A' && c <= 'Z' ? uint8_t(c + 0x20) : c; }

bool looks_like_text(const uint8_t* bytes, size_t len);
bool xml_root_matches(const uint8_t* bytes, size_t len, const char* root);
// The searches below take the positions a detection shares among its
// searches of the buffer that starts at `bytes` (nullptr: none, each search
// finds its own); the answer is the same either way.
bool range_contains(const uint8_t* bytes, size_t len, size_t start, size_t end,
                    const uint8_t* needle, size_t needle_len, BytePositions* shared);
bool range_contains_ignore_ascii_case(const uint8_t* bytes, size_t len, size_t start, size_t end,
                                      const uint8_t* needle, size_t needle_len,
                                      BytePositions* shared);
// One needle of range_contains_any: its bytes and the last index its
// occurrence may reach.
struct RangeNeedle {
    const uint8_t* bytes;
    size_t len;
    size_t end;
};
inline constexpr size_t kMaxRangeNeedles = 8;
// Whether any of the needles (at most kMaxRangeNeedles) has an occurrence
// inside bytes start..its end: the same answer as range_contains for each,
// with one pass per distinct rare or kept byte the searches look for.
bool range_contains_any(const uint8_t* bytes, size_t len, size_t start, const RangeNeedle* needles,
                        size_t count, BytePositions* shared);
bool prefix_at2_ignore_ascii_case(const uint8_t* bytes, size_t len, const uint8_t* needle,
                                  size_t needle_len);

// The XML root test with its work shared across the many XML checks of one
// detection: the text heuristic and the positions of '<' and ':' inside the
// window are found once, grouped by the (case-folded) byte that follows them,
// and each root name is then compared only where its first letter follows.
// Same answers as xml_root_matches.
class XmlRootIndex {
public:
    // Nothing is cleared: the tables are filled when first needed.
    XmlRootIndex() {}
    bool matches(const uint8_t* bytes, size_t len, const char* root, size_t root_len) {
        // Most tests end here: no '<' or ':' in the window is followed by the
        // root name's first letter (or the buffer is not text).
        if (built_ && (!text_ || start_[ascii_fold(uint8_t(root[0]))] ==
                                     start_[ascii_fold(uint8_t(root[0])) + 1]))
            return false;
        return search(bytes, len, root, root_len);
    }
    bool matches(const uint8_t* bytes, size_t len, const char* root);

private:
    bool search(const uint8_t* bytes, size_t len, const char* root, size_t root_len);
    void build(const uint8_t* bytes, size_t len);
    bool built_ = false;
    bool text_ = false;
    size_t last_ = 0;                    // the window is bytes 0..last_
    uint16_t start_[257];                // positions of group c: pos_[start_[c] .. start_[c+1])
    uint16_t pos_[XML_ROOT_WINDOW + 1];  // positions of '<' and ':', grouped
};

}  // namespace mime_magic
