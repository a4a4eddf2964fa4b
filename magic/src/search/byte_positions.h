// The positions of a few byte values in the detection buffer, found once per
// detection and shared by every search that looks for the same byte: several
// checks search long windows for needles whose rarest byte is the same. Each
// position list grows from the start of the buffer as far as the searches
// have asked; the visits are those of a scan.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "search/byte_scan.h"

namespace mime_magic {

class BytePositions {
public:
    // The bytes whose positions are kept: those that several searches of one
    // detection look for over long windows (the '"' of the three flat
    // OpenDocument needles, the 'J' of the two profiler formats, the '<' of
    // the markup checks, the C3 of the MPEG gate and the AAC frame). For any
    // other byte each search scans for itself, which costs less than keeping
    // positions that no second search reads. The list decides speed only:
    // every answer is the same with any list.
    static constexpr std::array<uint8_t, 4> kKeptBytes = {'"', 'J', '<', 0xC3};

    // Whether the positions of c are kept.
    static bool keeps(uint8_t c) { return kSlotOf[c] >= 0; }

    // Only the slots' counts are set: no position is read before it is found.
    BytePositions() {
        for (Slot& s : slots_) {
            s.overflow = false;
            s.upto = 0;
            s.count = 0;
        }
    }

    // Calls visit(i) for each i in [from, to) with p[i] == c, in increasing
    // order, until a call returns true; returns whether one did. Returns
    // nothing when the positions of c are not kept (not a kept byte, or too
    // many of them): the caller scans for itself.
    template <class Visit>
    std::optional<bool> visit(const uint8_t* p, uint8_t c, size_t from, size_t to, Visit visit) {
        Slot* s = slot_of(c);
        if (s == nullptr || s->overflow) return std::nullopt;
        if (to > s->upto) {
            any_position_of(p, s->upto, to, c, [&](size_t i) {
                if (s->count == kMaxPositions) {
                    s->overflow = true;
                    return true;
                }
                s->pos[s->count++] = uint32_t(i);
                return false;
            });
            if (s->overflow) return std::nullopt;
            s->upto = to;
        }
        const uint32_t* begin = s->pos;
        const uint32_t* end = begin + s->count;
        for (const uint32_t* i = std::lower_bound(begin, end, uint32_t(from)); i != end && *i < to;
             ++i)
            if (visit(size_t(*i))) return true;
        return false;
    }

private:
    static constexpr uint32_t kMaxPositions = 1024;
    struct Slot {
        bool overflow;
        size_t upto;  // the positions below this index are all in `pos`
        uint32_t count;
        uint32_t pos[kMaxPositions];
    };

    // The slot of each byte value (-1: its positions are not kept).
    static constexpr std::array<int8_t, 256> kSlotOf = [] {
        std::array<int8_t, 256> t{};
        t.fill(-1);
        for (size_t k = 0; k < kKeptBytes.size(); ++k) t[kKeptBytes[k]] = int8_t(k);
        return t;
    }();

    Slot* slot_of(uint8_t c) {
        const int k = kSlotOf[c];
        return k < 0 ? nullptr : &slots_[k];
    }

    Slot slots_[kKeptBytes.size()];
};

// Calls visit(i) for each i in [from, to) with bytes[i] == c, in increasing
// order, until a call returns true; returns whether one did. The way to find
// them depends on the window and the byte: over a long window the positions
// in `shared` (those of the buffer that starts at `bytes`; nullptr: none) are
// shared with the other searches for c; otherwise a common byte (`rare`
// false) is visited by vector compares over long windows, and memchr finds
// rare bytes and those of short windows.
template <class Visit>
bool visit_byte_positions(const uint8_t* bytes, size_t from, size_t to, uint8_t c, bool rare,
                          BytePositions* shared, Visit visit) {
    if (to >= from + 256) {
        if (shared)
            if (auto found = shared->visit(bytes, c, from, to, visit)) return *found;
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

}  // namespace mime_magic
