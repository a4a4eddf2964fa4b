// Fuzz target: the detector's whole check walk over arbitrary content, and
// the agreement of the walk as searched (shortcuts, skipped visits) with the
// plain walk over every record.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "database/database.h"
#include "mime_magic/mime_magic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::string_view mime = mime_magic::detect_mime_from_bytes(data, size);
    // Every answer is a well-formed database string.
    if (mime.find('/') == std::string_view::npos) __builtin_trap();
    static uint8_t buf[mime_magic::MIME_SNIFF_BUFFER_LEN];
    const size_t n = size < sizeof buf ? size : sizeof buf;
    std::memcpy(buf, data, n);
    std::memset(buf + n, 0, sizeof buf - n);
    const std::string_view searched = mime_magic::detect_in_buffer(buf, sizeof buf, n, true);
    if (searched != mime_magic::detect_in_buffer(buf, sizeof buf, n, false)) __builtin_trap();
    if (searched != mime) __builtin_trap();
    return 0;
}
