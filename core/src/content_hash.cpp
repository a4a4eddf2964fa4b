// The content hash of an open regular file: BLAKE3 over the whole content,
// in constant memory.
#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>

#include "blake3.h"
#include "file_access.h"

namespace tarvik {

namespace {

constexpr size_t READ_CHUNK = 8192;
constexpr uint64_t MAP_THRESHOLD = uint64_t(1) << 20;
constexpr size_t MAP_STEP = size_t(1) << 20;

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

// Feeds the hasher with reads of at most 8192 bytes from the descriptor's
// offset until end of file, after the `fill` bytes already in `buf`. The
// bytes of several reads are handed to the hasher together, so that its
// widest vector unit (16 chunks of 1 KiB at once) has enough input.
bool hash_reads(int fd, uint8_t* buf, size_t fill, blake3_hasher& hasher) {
    for (;;) {
        if (HASH_BUFFER_LEN - fill < READ_CHUNK) {
            blake3_hasher_update(&hasher, buf, fill);
            fill = 0;
        }
        ssize_t n = ::read(fd, buf + fill, READ_CHUNK);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        fill += static_cast<size_t>(n);
    }
    blake3_hasher_update(&hasher, buf, fill);
    return true;
}

sigjmp_buf* volatile g_bus_jump = nullptr;

void on_bus_error(int) {
    if (sigjmp_buf* jump = g_bus_jump) siglongjmp(*jump, 1);
    ::signal(SIGBUS, SIG_DFL);
    ::raise(SIGBUS);
}

// Feeds the hasher with the first `size` bytes of the file through a
// read-only mapping, which spares the copy of every byte through a buffer.
// False when the file cannot be mapped or shrinks below `size` meanwhile (the
// access past its end raises SIGBUS, which is caught here); the hasher's
// state is then undefined.
bool hash_mapped(int fd, uint64_t size, blake3_hasher& hasher) {
    if (size > SIZE_MAX) return false;
    const size_t len = static_cast<size_t>(size);
    void* map = ::mmap(nullptr, len, PROT_READ, MAP_PRIVATE, fd, 0);
    if (map == MAP_FAILED) return false;
    ::posix_madvise(map, len, POSIX_MADV_SEQUENTIAL);
    const auto* bytes = static_cast<const uint8_t*>(map);

    struct sigaction action {}, previous {};
    action.sa_handler = on_bus_error;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &previous);
    sigjmp_buf jump;
    volatile bool complete = false;
    if (sigsetjmp(jump, 1) == 0) {
        g_bus_jump = &jump;
        for (size_t off = 0; off < len; off += MAP_STEP)
            blake3_hasher_update(&hasher, bytes + off, len - off < MAP_STEP ? len - off : MAP_STEP);
        complete = true;
    }
    g_bus_jump = nullptr;
    ::sigaction(SIGBUS, &previous, nullptr);
    ::munmap(map, len);
    return complete;
}

}  // namespace

bool hash_open_file(int fd, uint64_t size, uint8_t* buf, size_t fill, std::string& out,
                    bool at_end) {
    blake3_hasher hasher;
    blake3_hasher_init(&hasher);
    bool ok;
    if (at_end) {
        blake3_hasher_update(&hasher, buf, fill);
        ok = true;
    } else if (size < MAP_THRESHOLD) {
        ok = hash_reads(fd, buf, fill, hasher);
    } else if (hash_mapped(fd, size, hasher)) {
        // Whatever the file gained after its size was taken is read as usual.
        ok = ::lseek(fd, static_cast<off_t>(size), SEEK_SET) != off_t(-1) &&
             hash_reads(fd, buf, 0, hasher);
    } else {
        // Not mapped, or shrunk under the mapping: hash it again, with reads
        // from the start.
        blake3_hasher_init(&hasher);
        ok = ::lseek(fd, 0, SEEK_SET) != off_t(-1) && hash_reads(fd, buf, 0, hasher);
    }
    if (!ok) return false;
    uint8_t digest[BLAKE3_OUT_LEN];
    blake3_hasher_finalize(&hasher, digest, sizeof digest);
    out = "blake3:" + hex_digest(digest, sizeof digest);
    return true;
}

}  // namespace tarvik
