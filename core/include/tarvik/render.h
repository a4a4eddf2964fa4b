// The JSON form and the structural dump of a report, and the one-line texts
// of the class values.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "tarvik/model.h"

namespace tarvik {

// Appends the pretty JSON document of `root` (two-blank indent, no final line
// feed) to `out`. On failure returns false and sets `error` to the
// description ("path contains invalid UTF-8 characters"); `out` then holds a
// partial document that the caller discards.
bool write_json(const Artefact& root, std::string& out, std::string& error);

// Writes the multi-line structural dump of `root` (no final line feed) to
// `out` while it is formatted. Returns false when a write fails (errno set).
bool write_debug(const Artefact& root, std::FILE* out);

// The one-line structural-dump text of a class value, e.g. "Archive(Zip)" or
// "StandaloneMacho { arch_word: Bits64, endianness: Little, kind: UnknownKind }".
std::string one_line(const AtomicClass& c);
std::string one_line(const CompositeClass& c);

// The quoted text form and the quoted path form of the structural dump.
std::string quoted_text(std::string_view utf8);
std::string quoted_path(std::string_view bytes);

}  // namespace tarvik
