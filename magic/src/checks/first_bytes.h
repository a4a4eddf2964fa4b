// The first bytes a content check can hold for, declared beside the check's
// record in the database: the walk passes over a check whose set does not
// hold the buffer's first byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vocabulary/vocab.h"

namespace mime_magic {

using CheckFn = bool (*)(const Probe&);

struct FirstBytes {
    CheckFn check;
    uint64_t bits[4];  // bit v % 64 of word v / 64: first byte v is possible

    bool allows(uint8_t v) const { return (bits[v >> 6] >> (v & 63)) & 1; }
};

// The set of `check`, or nullptr when every first byte is possible.
const FirstBytes* first_bytes_of(CheckFn check);

}  // namespace mime_magic
