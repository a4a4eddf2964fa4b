// The indented tree form of a report.
#pragma once

#include <cstdint>
#include <string>

#include "tarvik/model.h"

namespace tarvik::cli {

// The tree text of a whole report, every line ended by a line feed.
std::string render_tree(const Artefact& root);

// The size text: "{} B", or one decimal and " KB", " MB" or " GB".
std::string human_size(uint64_t bytes);

}  // namespace tarvik::cli
