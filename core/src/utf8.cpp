// UTF-8 validity and the lossy form of byte strings.
#include <cstdint>

#include "tarvik/model.h"
#include "utf8.h"

namespace tarvik {

bool is_valid_utf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    for (size_t i = 0, bad = 0; i < bytes.size();) {
        if (s[i] < 0x80) {
            ++i;
            continue;
        }
        char32_t cp;
        size_t len = decode_utf8(s, bytes.size(), i, cp, bad);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

std::string lossy_utf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0, bad = 0; i < bytes.size();) {
        char32_t cp;
        size_t len = decode_utf8(s, bytes.size(), i, cp, bad);
        if (len) {
            out.append(bytes.data() + i, len);
            i += len;
        } else {
            out += "\xEF\xBF\xBD";
            i += bad;
        }
    }
    return out;
}

}  // namespace tarvik
