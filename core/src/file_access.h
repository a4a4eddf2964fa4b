// Steps of the assessment that work on a file already opened, so that one
// descriptor serves the header, the size, the hash and the trailer probe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include <sys/types.h>

#include "tarvik/model.h"

namespace tarvik {

// Room for the hash of an open file: the buffer handed to hash_open_file.
inline constexpr size_t HASH_BUFFER_LEN = 65536;

// The content hash of an open regular file of `size` bytes (its size from the
// file's metadata), whose first `fill` bytes were already read into `buf`
// (HASH_BUFFER_LEN bytes of room) from the start of the file. Sets `out` to
// "blake3:" and the 64 lowercase hexadecimal digits of the whole content up
// to end of file; false when a read fails. Files of 1 MiB and more are
// hashed through a read-only mapping, and read again from the start should
// they shrink meanwhile.
// With `at_end`, the read that delivered the `fill` bytes has already met the
// end of the file (it was short and delivered the whole size), and no further
// read is made.
bool hash_open_file(int fd, uint64_t size, uint8_t* buf, size_t fill, std::string& out,
                    bool at_end = false);

// The disk-image trailer probe on an open file of `size` bytes (its size
// from the file's metadata): "koly" in its last 512 bytes.
std::optional<AtomicClass> probe_disk_image_trailer_fd(int fd, off_t size);

// The same decision over the trailer bytes themselves: the last 512 bytes of
// the file (all of it when it is shorter).
std::optional<AtomicClass> disk_image_trailer_in(const uint8_t* tail, size_t len);

}  // namespace tarvik
