// The indented tree form of a report: one line per node in pre-order, drawn
// with box-drawing connectors, built whole in one text buffer.
#include "tree.h"

#include <cmath>
#include <optional>

#include "tarvik/render.h"

namespace tarvik::cli {

namespace {

constexpr std::string_view kConnectorMiddle = "\u251C\u2500\u2500 ";  // "├── "
constexpr std::string_view kConnectorLast = "\u2514\u2500\u2500 ";    // "└── "
constexpr std::string_view kPrefixMiddle = "\u2502   ";               // "│   "
constexpr std::string_view kPrefixLast = "    ";

void append_tree_line(std::string& out, std::string_view prefix, std::string_view connector,
                      std::string_view name, std::string_view class_text,
                      std::string_view size_text) {
    out.append(prefix);
    out.append(connector);
    out.append(name);
    if (!class_text.empty()) {
        out.append("\t[");
        out.append(class_text);
        if (size_text.empty()) {
            out.push_back(']');
        } else {
            out.append("] (");
            out.append(size_text);
            out.push_back(')');
        }
    }
    out.push_back('\n');
}

void render_children(const Artefact& node, std::string& prefix, std::string& out);

// `prefix` is restored before returning.
void render_node(const Artefact& node, std::string& prefix, bool is_last, std::string& out) {
    const NodeDescription d = describe_node(node);
    append_tree_line(out, prefix, is_last ? kConnectorLast : kConnectorMiddle, d.name, d.class_text,
                     d.size_text);
    if (node.is_composite() && !node.children.empty()) {
        const size_t keep = prefix.size();
        prefix.append(is_last ? kPrefixLast : kPrefixMiddle);
        render_children(node, prefix, out);
        prefix.resize(keep);
    }
}

void render_children(const Artefact& node, std::string& prefix, std::string& out) {
    const size_t n = node.children.size();
    for (size_t i = 0; i < n; ++i) render_node(node.children[i], prefix, i + 1 == n, out);
}

// A close guess at the size of the text, so that the buffer is reserved once
// in the usual case: per line the prefix, connector, name and a typical
// class and size text.
size_t estimate_size(const Artefact& node, size_t depth) {
    const std::string_view tail = final_component(node.path).value_or("?");
    size_t n = kPrefixMiddle.size() * depth + kConnectorLast.size() + tail.size() + 40;
    for (const Artefact& child : node.children) n += estimate_size(child, depth + 1);
    return n;
}

}  // namespace

std::string human_size(uint64_t bytes) {
    if (bytes < 1024) return std::to_string(bytes) + " B";
    int shift;
    const char* unit;
    if (bytes < (uint64_t(1) << 20)) {
        shift = 10;
        unit = " KB";
    } else if (bytes < (uint64_t(1) << 30)) {
        shift = 20;
        unit = " MB";
    } else {
        shift = 30;
        unit = " GB";
    }
    // The count as binary64 (to nearest, ties to even), scaled by the power
    // of two: exact. Its integer part and the binary fraction r / 2^shift are
    // then rounded to one decimal in integer arithmetic, ties to the even
    // digit, so the result is the correctly rounded value.
    const double scaled = std::ldexp(static_cast<double>(bytes), -shift);
    const double whole = std::floor(scaled);
    uint64_t integer = static_cast<uint64_t>(whole);
    const uint64_t r = static_cast<uint64_t>(std::ldexp(scaled - whole, shift));
    const uint64_t mask = (uint64_t(1) << shift) - 1;
    const uint64_t t = r * 10;
    uint64_t digit = t >> shift;
    const uint64_t rest = t & mask;
    const uint64_t half = uint64_t(1) << (shift - 1);
    if (rest > half || (rest == half && (digit & 1))) ++digit;
    if (digit == 10) {
        digit = 0;
        ++integer;
    }
    std::string out = std::to_string(integer);
    out.push_back('.');
    out.push_back(static_cast<char>('0' + digit));
    out.append(unit);
    return out;
}

NodeDescription describe_node(const Artefact& node) {
    NodeDescription d;
    const auto name = final_component(node.path);
    d.name.assign(name && is_valid_utf8(*name) ? *name : std::string_view("?"));
    if (node.is_composite()) {
        const CompositeClass& c = node.composite_class();
        if (!std::holds_alternative<composite::UnknownComposite>(c)) d.class_text = one_line(c);
    } else {
        d.class_text = one_line(node.atomic_class());
        d.size_text = human_size(node.size);
    }
    return d;
}

std::string format_tree_line(std::string_view prefix, std::string_view connector,
                             std::string_view name, std::string_view class_text,
                             std::string_view size_text) {
    std::string out;
    append_tree_line(out, prefix, connector, name, class_text, size_text);
    return out;
}

void render_tree_node(const Artefact& node, std::string_view prefix, bool is_last,
                      std::string& out) {
    std::string p(prefix);
    render_node(node, p, is_last, out);
}

std::string render_tree(const Artefact& root) {
    std::string out;
    out.reserve(estimate_size(root, 0) + 1);  // and the caller's final line feed
    const NodeDescription d = describe_node(root);
    append_tree_line(out, "", "", d.name, d.class_text, d.size_text);
    if (root.is_composite()) {
        std::string prefix;
        render_children(root, prefix, out);
    }
    return out;
}

}  // namespace tarvik::cli
