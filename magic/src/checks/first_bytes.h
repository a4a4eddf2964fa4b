// The first bytes a content check can hold for, read off the check's own
// text by scripts/gen-first-bytes (into checks/first_bytes.cpp): the walk
// passes over a check whose set does not hold the buffer's first byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vocabulary/vocab.h"

namespace mime_magic {

struct FirstBytes {
    bool (*check)(const Probe&);
    uint64_t bits[4];  // bit v % 64 of word v / 64: first byte v is possible

    bool allows(uint8_t v) const { return (bits[v >> 6] >> (v & 63)) & 1; }
};

// The checks whose first byte is known to lie in a set; every other check
// may hold whatever the first byte.
extern const FirstBytes kFirstBytes[];
extern const size_t kFirstBytesCount;

// The set of `check`, or nullptr when every first byte is possible.
const FirstBytes* first_bytes_of(bool (*check)(const Probe&));

}  // namespace mime_magic
