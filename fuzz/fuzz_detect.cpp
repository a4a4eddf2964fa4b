// Fuzz target: the detector's whole check walk over arbitrary content.
#include <cstddef>
#include <cstdint>

#include "database.h"
#include "mime_magic/mime_magic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::string_view mime = mime_magic::detect_mime_from_bytes(data, size);
    // Every answer is a well-formed database string.
    if (mime.find('/') == std::string_view::npos) __builtin_trap();
    return 0;
}
