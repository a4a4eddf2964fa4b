// Steps of the assessment that work on a file already opened and its head
// already read, so that one descriptor and one read serve the header, the
// size, the detection, the hash and the trailer probe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include <sys/types.h>

#include "mime_magic/file_head.h"
#include "tarvik/model.h"

namespace tarvik {

// The most bytes the header magic tests look at: the head of the file.
inline constexpr size_t kHeaderLen = 8192;

// The disk-image trailer: the last bytes of the file that are searched.
inline constexpr size_t kTrailerLen = 512;

// The content hash of an open regular file of `size` bytes (its size from the
// file's metadata), whose first bytes, from the start of the file, `head` holds
// from its last read. Sets `out` to "blake3:" and the 64 lowercase hexadecimal
// digits of the whole content up to end of file; false when a read fails.
// The rest of the file is read on from the end of the head, in constant
// memory: the head's storage is the room for those reads, so its bytes are
// gone afterwards. No further read is made when the head read was short and
// delivered the whole size.
bool hash_open_file(int fd, uint64_t size, mime_magic::DetectionBuffer& head, std::string& out);

// The disk-image trailer probe on an open file of `size` bytes (its size
// from the file's metadata): "koly" in its last 512 bytes.
std::optional<AtomicClass> probe_disk_image_trailer_fd(int fd, off_t size);

// The same decision over the trailer bytes themselves: the last 512 bytes of
// the file (all of it when it is shorter).
std::optional<AtomicClass> disk_image_trailer_in(const uint8_t* tail, size_t len);

}  // namespace tarvik
