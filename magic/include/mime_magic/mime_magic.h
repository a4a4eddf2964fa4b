// mime-magic: the MIME type of a file from the head of its content.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace mime_magic {

// The size of the detection buffer and the most bytes read from a file.
inline constexpr std::size_t MIME_SNIFF_BUFFER_LEN = 131072;

// The answer when at least one byte was read and no type matches.
inline constexpr std::string_view FALLBACK_MIME_TYPE = "application/octet-stream";

// Detects the MIME type of the file at `path` (raw path bytes, not necessarily
// UTF-8) from its first 131072 bytes. Returns nothing when the file cannot be
// opened or read, is empty, or the path holds a NUL byte. The returned view
// points at static storage.
std::optional<std::string_view> detect_mime_from_path(std::string_view path);

// Detects the MIME type of a head of content that the caller has read into
// `buffer`: MIME_SNIFF_BUFFER_LEN bytes, the first `len` of them what one read
// delivered and every later one 00 (a DetectionBuffer keeps it so). The
// buffer is used in place, not copied. Returns nothing when `len` is 0 (an
// empty file), and otherwise what detect_mime_from_path returns for a file
// whose one read delivered those bytes.
std::optional<std::string_view> detect_mime_from_buffer(const unsigned char* buffer,
                                                        std::size_t len);

// Detects the MIME type of an in-memory head of content: `data` is copied into
// a zero-filled detection buffer (at most 131072 bytes are used). `data` must
// not be empty. This is the walk that detect_mime_from_path runs after its read.
std::string_view detect_mime_from_bytes(const unsigned char* data, std::size_t len);

}  // namespace mime_magic
