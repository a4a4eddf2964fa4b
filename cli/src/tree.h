// The indented tree form of a report.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tarvik/model.h"

namespace tarvik::cli {

// The tree text of a whole report, every line ended by a line feed.
std::string render_tree(const Artefact& root);

// The size text: "{} B", or one decimal and " KB", " MB" or " GB".
std::string human_size(uint64_t bytes);

// The three texts of one node's line. The class and size texts may be empty.
struct NodeDescription {
    std::string name;        // the final path component, or "?"
    std::string class_text;  // the one-line class, empty for UnknownComposite
    std::string size_text;   // human_size of a file, empty for a directory
};

NodeDescription describe_node(const Artefact& node);

// Appends the line of `node` and the lines of its subtree to `out`. `prefix`
// is the indentation inherited from the ancestors; `is_last` tells whether
// the node is the last child of its parent.
void render_tree_node(const Artefact& node, std::string_view prefix, bool is_last,
                      std::string& out);

// One line of the tree, ended by a line feed.
std::string format_tree_line(std::string_view prefix, std::string_view connector,
                             std::string_view name, std::string_view class_text,
                             std::string_view size_text);

}  // namespace tarvik::cli
