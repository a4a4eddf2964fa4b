// Assessment of one file-system path into an Artefact tree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "tarvik/model.h"

namespace tarvik {

// The entry of the core: checks that `path` exists (following links) and
// assesses it. Paths are raw bytes, never normalised.
Result<Artefact> assess_target(std::string_view path);

// Assesses one path without following a link at it; recursive for directories.
Result<Artefact> assess_path(std::string_view path);

// "blake3:" and the 64 lowercase hexadecimal digits of the whole content.
Result<std::string> hash_file(std::string_view path);

// The class of a directory from its extension and its Info.plist probes.
CompositeClass classify_directory(std::string_view path);

// The header magic tests over the bytes of one header read.
std::optional<AtomicClass> sniff_magic(const uint8_t* header, size_t len);

// The disk-image trailer probe: "koly" in the last 512 bytes of the file.
std::optional<AtomicClass> probe_disk_image_trailer(std::string_view path);

// The MIME-to-class rules.
std::optional<AtomicClass> classify_by_mime(std::string_view mime);

// Splits "top/sub;params": the text before the first ';', trimmed of Unicode
// White_Space at both ends, is split at its first '/' into top and sub (views
// into `mime`). A MIME type without '/' there is a broken invariant.
std::pair<std::string_view, std::string_view> split_mime_type(std::string_view mime);

}  // namespace tarvik
