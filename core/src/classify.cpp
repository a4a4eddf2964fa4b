// Placeholder until the header magic tests and the MIME-to-class rules land.
#include "tarvik/assess.h"

namespace tarvik {

std::optional<AtomicClass> sniff_magic(const uint8_t*, size_t) { return std::nullopt; }
std::optional<AtomicClass> probe_disk_image_trailer(std::string_view) { return std::nullopt; }
std::optional<AtomicClass> classify_by_mime(std::string_view) { return std::nullopt; }
std::pair<std::string_view, std::string_view> split_mime_type(std::string_view mime) {
    auto slash = mime.find('/');
    return {mime.substr(0, slash), mime.substr(slash + 1)};
}

}  // namespace tarvik
