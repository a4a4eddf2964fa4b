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

// The disk-image trailer probe on an open file of `size` bytes (its size
// from the file's metadata): "koly" in its last 512 bytes.
std::optional<AtomicClass> probe_disk_image_trailer_fd(int fd, off_t size);

}  // namespace tarvik
