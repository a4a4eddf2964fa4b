// The content hash of an open regular file: BLAKE3 over the whole content,
// in constant memory.
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>

#include "blake3.h"
#include "file_access.h"

namespace tarvik {

namespace {

std::string hex_digest(const uint8_t* digest, size_t len) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(2 * len);
    for (size_t i = 0; i < len; ++i) {
        out += digits[digest[i] >> 4];
        out += digits[digest[i] & 0x0F];
    }
    return out;
}

// Feeds the hasher with reads into `room` (of `len` bytes) from the
// descriptor's offset until end of file. An interrupted read is retried.
// `reach` receives how far into `room` the successful reads wrote.
bool hash_reads(int fd, uint8_t* room, size_t len, blake3_hasher& hasher, size_t& reach) {
    reach = 0;
    for (;;) {
        ssize_t n = ::read(fd, room, len);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        if (size_t(n) > reach) reach = size_t(n);
        blake3_hasher_update(&hasher, room, static_cast<size_t>(n));
    }
}

}  // namespace

bool hash_open_file(int fd, uint64_t size, mime_magic::DetectionBuffer& head, std::string& out) {
    blake3_hasher hasher;
    blake3_hasher_init(&hasher);
    const size_t fill = head.len();
    blake3_hasher_update(&hasher, head.data(), fill);
    // A short head read that delivered the whole size from the file's
    // metadata has met the end of the file. Otherwise the rest is read on,
    // in reads as large as the head's (a file that grew after its size was
    // taken is read to its new end). Large reads into a buffer that stays in
    // the cache beat a mapping of the file here, and take no memory per byte.
    const bool at_end = fill < mime_magic::MIME_SNIFF_BUFFER_LEN && fill == size;
    if (!at_end) {
        size_t reach = 0;
        if (!hash_reads(fd, head.scratch(), mime_magic::MIME_SNIFF_BUFFER_LEN, hasher, reach))
            return false;  // a failed read may have written anything: all counts as written
        // Only what the reads wrote (and the old head) needs clearing before the next head.
        head.scratch_written(reach, fill);
    }
    uint8_t digest[BLAKE3_OUT_LEN];
    blake3_hasher_finalize(&hasher, digest, sizeof digest);
    out = "blake3:" + hex_digest(digest, sizeof digest);
    return true;
}

}  // namespace tarvik
