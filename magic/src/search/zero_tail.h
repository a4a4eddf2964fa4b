// Where the run of 00 bytes at the end of a buffer starts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace mime_magic {

// The index from which every byte of bytes[0..len) is 00 (len when the last
// byte is not 00, 0 when all are).
inline size_t zero_tail_start(const uint8_t* bytes, size_t len) {
    size_t i = len;
    while (i >= 8) {
        uint64_t w;
        std::memcpy(&w, bytes + i - 8, 8);
        if (w != 0) break;
        i -= 8;
    }
    while (i > 0 && bytes[i - 1] == 0) --i;
    return i;
}

}  // namespace mime_magic
