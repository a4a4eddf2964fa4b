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

// Feeds the hasher with reads into `room` (of `len` bytes) from the
// descriptor's offset until end of file. An interrupted read is retried.
bool hash_reads(int fd, uint8_t* room, size_t len, blake3_hasher& hasher) {
    for (;;) {
        ssize_t n = ::read(fd, room, len);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        blake3_hasher_update(&hasher, room, static_cast<size_t>(n));
    }
}

sigjmp_buf* volatile g_bus_jump = nullptr;

void on_bus_error(int) {
    if (sigjmp_buf* jump = g_bus_jump) siglongjmp(*jump, 1);
    ::signal(SIGBUS, SIG_DFL);
    ::raise(SIGBUS);
}

// Feeds the hasher with the bytes of the file from `from` up to `size`
// through a read-only mapping, which spares the copy of every byte through a
// buffer. False when the file cannot be mapped or shrinks below `size`
// meanwhile (the access past its end raises SIGBUS, which is caught here);
// the hasher's state is then undefined.
bool hash_mapped(int fd, uint64_t from, uint64_t size, blake3_hasher& hasher) {
    if (size > SIZE_MAX) return false;
    // A mapping starts at a multiple of the page size.
    const uint64_t page = static_cast<uint64_t>(::sysconf(_SC_PAGESIZE));
    const uint64_t base = from / page * page;
    const size_t len = static_cast<size_t>(size - base);
    void* map = ::mmap(nullptr, len, PROT_READ, MAP_PRIVATE, fd, static_cast<off_t>(base));
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
        for (size_t off = static_cast<size_t>(from - base); off < len; off += MAP_STEP)
            blake3_hasher_update(&hasher, bytes + off, len - off < MAP_STEP ? len - off : MAP_STEP);
        complete = true;
    }
    g_bus_jump = nullptr;
    ::sigaction(SIGBUS, &previous, nullptr);
    ::munmap(map, len);
    return complete;
}

}  // namespace

bool hash_open_file(int fd, uint64_t size, mime_magic::DetectionBuffer& head, std::string& out) {
    const size_t fill = head.len();
    blake3_hasher hasher;
    blake3_hasher_init(&hasher);
    blake3_hasher_update(&hasher, head.data(), fill);
    // A short head read that delivered the whole size from the file's
    // metadata has met the end of the file.
    const bool at_end = fill < mime_magic::MIME_SNIFF_BUFFER_LEN && fill == size;
    bool ok = true;
    if (at_end) {
        // nothing more to read
    } else if (size < MAP_THRESHOLD) {
        ok = hash_reads(fd, head.scratch(), mime_magic::MIME_SNIFF_BUFFER_LEN, hasher);
    } else if (hash_mapped(fd, fill, size, hasher)) {
        // Whatever the file gained after its size was taken is read as usual.
        ok = ::lseek(fd, static_cast<off_t>(size), SEEK_SET) != off_t(-1) &&
             hash_reads(fd, head.scratch(), mime_magic::MIME_SNIFF_BUFFER_LEN, hasher);
    } else {
        // Not mapped, or shrunk under the mapping: hash it again, the head
        // and then reads from its end.
        blake3_hasher_init(&hasher);
        blake3_hasher_update(&hasher, head.data(), fill);
        ok = ::lseek(fd, static_cast<off_t>(fill), SEEK_SET) != off_t(-1) &&
             hash_reads(fd, head.scratch(), mime_magic::MIME_SNIFF_BUFFER_LEN, hasher);
    }
    if (!ok) return false;
    uint8_t digest[BLAKE3_OUT_LEN];
    blake3_hasher_finalize(&hasher, digest, sizeof digest);
    out = "blake3:" + hex_digest(digest, sizeof digest);
    return true;
}

}  // namespace tarvik
