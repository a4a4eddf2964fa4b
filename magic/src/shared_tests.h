// Shared byte and text tests used by many content checks. Each is a pure
// function of the bytes it is given and is defined for every length.
#pragma once

#include <cstddef>
#include <cstdint>

namespace mime_magic {

// How many leading bytes the text heuristic inspects for bytes >= 0x80.
inline constexpr size_t TEXT_PROBE_LEN = 128;
// The last byte index the XML root test (and namespace searches) look at.
inline constexpr size_t XML_ROOT_WINDOW = 2048;

constexpr uint8_t ascii_fold(uint8_t c) { return c >= 'A' && c <= 'Z' ? uint8_t(c + 0x20) : c; }

bool looks_like_text(const uint8_t* bytes, size_t len);
bool xml_root_matches(const uint8_t* bytes, size_t len, const char* root);
bool range_contains(const uint8_t* bytes, size_t len, size_t start, size_t end,
                    const uint8_t* needle, size_t needle_len);
bool range_contains_ignore_ascii_case(const uint8_t* bytes, size_t len, size_t start, size_t end,
                                      const uint8_t* needle, size_t needle_len);
bool prefix_at2_ignore_ascii_case(const uint8_t* bytes, size_t len, const uint8_t* needle,
                                  size_t needle_len);

}  // namespace mime_magic
