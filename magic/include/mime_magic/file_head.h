// Reading the head of a file for detection: the regular file opened for
// reading, and the detection buffer that one read of it fills.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "mime_magic/mime_magic.h"

namespace mime_magic {

// A regular file opened read-only, closed when this goes out of scope. The
// open never blocks: a FIFO or device put in place of the file is opened
// non-blocking and, like anything that is not a regular file once opened, is
// refused without being read (reading a FIFO would take data meant for its
// reader, and a device may never end). No controlling terminal is acquired.
class RegularFile {
public:
    // `path` is raw path bytes; one holding a NUL byte cannot be opened.
    // Without `follow_link`, a symbolic link at the path is not opened.
    explicit RegularFile(std::string_view path, bool follow_link = true);
    // The same for `name` in the directory open as `dir_fd` (a name holding
    // a NUL byte cannot be opened either).
    RegularFile(int dir_fd, std::string_view name, bool follow_link);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool is_open() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // The opened file's size from its metadata (0 when it is not open).
    uint64_t size() const { return size_; }

private:
    void open_at(int dir_fd, std::string_view path, bool follow_link);
    int fd_ = -1;
    uint64_t size_ = 0;
};

// The detection buffer: MIME_SNIFF_BUFFER_LEN bytes whose first len() are
// the head last read or filled in and whose every later byte is 00, as
// detect_mime_from_buffer wants it. It is large; one serves many heads, which
// also keeps refilling it cheap: a new head clears only the bytes that
// earlier writes left beyond its own end.
class DetectionBuffer {
public:
    constexpr DetectionBuffer() = default;
    DetectionBuffer(const DetectionBuffer&) = delete;
    DetectionBuffer& operator=(const DetectionBuffer&) = delete;

    // The calling thread's buffer, which the detection entries use too: one
    // caller at a time may hold a head in it.
    static DetectionBuffer& of_this_thread();

    // The first `len` bytes of `data` (at most MIME_SNIFF_BUFFER_LEN of them)
    // as the head.
    void fill(const unsigned char* data, std::size_t len);

    // Exactly one read of at most MIME_SNIFF_BUFFER_LEN bytes from the
    // descriptor's offset: a short read is not continued, an interrupted one
    // not retried. Returns what the read returned; after a failure there is no
    // head (len() is 0).
    ssize_t read_head(int fd);

    const unsigned char* data() const { return bytes_; }
    std::size_t len() const { return len_; }

    // The buffer's storage as room for other reads once its head is no longer
    // needed: the head is gone (len() is 0) and the next head, read or filled
    // in, gets its zeros back. Every byte counts as written until
    // scratch_written() says how far the writes reached.
    unsigned char* scratch() {
        len_ = 0;
        dirty_ = MIME_SNIFF_BUFFER_LEN;
        return bytes_;
    }

    // The writes into the scratch room reached no further than `end`, and the
    // head before them no further than `old_head_len`: the next head clears
    // only up to the further of the two.
    void scratch_written(std::size_t end, std::size_t old_head_len) {
        const std::size_t reach = end > old_head_len ? end : old_head_len;
        dirty_ = reach < MIME_SNIFF_BUFFER_LEN ? reach : MIME_SNIFF_BUFFER_LEN;
    }

private:
    alignas(64) unsigned char bytes_[MIME_SNIFF_BUFFER_LEN] = {};
    std::size_t len_ = 0;
    std::size_t dirty_ = 0;  // every byte from here on is 00
};

}  // namespace mime_magic
