// The JSON form of a report: a pretty document with a two-blank indent.
//
// The document is produced in two passes over the tree by one writer: the
// first pass only counts the bytes (and checks every path), the second
// appends them to the caller's buffer, which is reserved once to the exact
// size. So the buffer is never reallocated while it grows, and no copy of the
// tree is made.
#include <array>
#include <charconv>
#include <cstring>
#include <type_traits>

#include "class_shape.h"
#include "tarvik/render.h"
#include "variant_names.h"

namespace tarvik {

namespace {

constexpr std::string_view kInvalidPath = "path contains invalid UTF-8 characters";

// Counts what the writer would append.
struct CountSink {
    static constexpr bool counting = true;
    size_t n = 0;
    void put(char) { ++n; }
    void put(std::string_view s) { n += s.size(); }
    void blanks(size_t k) { n += k; }
};

struct AppendSink {
    static constexpr bool counting = false;
    std::string& out;
    void put(char c) { out.push_back(c); }
    void put(std::string_view s) { out.append(s); }
    void blanks(size_t k) { out.append(k, ' '); }
};

// What one byte of a string becomes: 0 when it is copied unchanged,
// otherwise the length of its escape.
constexpr std::array<uint8_t, 256> make_escape_lengths() {
    std::array<uint8_t, 256> t{};
    for (int b = 0; b < 0x20; ++b) t[b] = 6;  // \u00XX
    t['\b'] = t['\t'] = t['\n'] = t['\f'] = t['\r'] = 2;
    t['"'] = t['\\'] = 2;
    return t;
}
constexpr std::array<uint8_t, 256> kEscapeLength = make_escape_lengths();

template <class Sink>
class JsonWriter {
public:
    explicit JsonWriter(Sink& sink) : s_(sink) {}

    // False when a path is not valid UTF-8 (only the counting pass checks).
    bool node(const Artefact& a) {
        open('{');
        key(names::of(a), true);
        open('{');
        key("path", true);
        if constexpr (Sink::counting) {
            if (!is_valid_utf8(a.path)) return false;
        }
        string(a.path);
        key("hash");
        string(a.hash);
        key("size");
        number(a.size);
        key("class");
        if (a.is_composite())
            composite_class(a.composite_class());
        else
            atomic_class(a.atomic_class());
        key("full_mime_type");
        optional(a.full_mime_type);
        key("classification_source");
        name(names::of(a.classification_source));
        key("subclass");
        optional(a.subclass);
        key("applies");
        list(a.applies);
        key("notes");
        list(a.notes);
        if (a.is_composite()) {
            key("children");
            if (a.children.empty()) {
                s_.put("[]");
            } else {
                open('[');
                bool first = true;
                for (const Artefact& child : a.children) {
                    element(first);
                    first = false;
                    if (!node(child)) return false;
                }
                close(']');
            }
        }
        close('}');
        close('}');
        return true;
    }

private:
    void open(char bracket) {
        s_.put(bracket);
        ++depth_;
    }
    void close(char bracket) {
        --depth_;
        s_.put('\n');
        s_.blanks(2 * depth_);
        s_.put(bracket);
    }
    void element(bool first) {
        s_.put(first ? std::string_view("\n") : std::string_view(",\n"));
        s_.blanks(2 * depth_);
    }
    // Member names are plain ASCII words that need no escaping.
    void key(std::string_view k, bool first = false) {
        element(first);
        s_.put('"');
        s_.put(k);
        s_.put("\": ");
    }
    void name(std::string_view n) {
        s_.put('"');
        s_.put(n);
        s_.put('"');
    }
    void number(uint64_t v) {
        char buf[24];
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        s_.put(std::string_view(buf, size_t(r.ptr - buf)));
    }
    void string(std::string_view text) {
        s_.put('"');
        if constexpr (Sink::counting) {
            size_t n = text.size();
            for (unsigned char b : text)
                if (kEscapeLength[b]) n += kEscapeLength[b] - 1;
            s_.n += n;
        } else {
            static constexpr char kHex[] = "0123456789abcdef";
            size_t run = 0;  // start of the stretch copied unchanged
            for (size_t i = 0; i < text.size(); ++i) {
                const auto b = static_cast<unsigned char>(text[i]);
                if (!kEscapeLength[b]) continue;
                s_.put(text.substr(run, i - run));
                run = i + 1;
                switch (b) {
                    case '"': s_.put("\\\""); break;
                    case '\\': s_.put("\\\\"); break;
                    case '\b': s_.put("\\b"); break;
                    case '\t': s_.put("\\t"); break;
                    case '\n': s_.put("\\n"); break;
                    case '\f': s_.put("\\f"); break;
                    case '\r': s_.put("\\r"); break;
                    default: {
                        const char esc[6] = {'\\', 'u', '0', '0', kHex[b >> 4], kHex[b & 15]};
                        s_.put(std::string_view(esc, 6));
                    }
                }
            }
            s_.put(text.substr(run));
        }
        s_.put('"');
    }
    void optional(const std::optional<std::string>& v) {
        if (v)
            string(*v);
        else
            s_.put("null");
    }
    void list(const std::vector<std::string>& items) {
        if (items.empty()) {
            s_.put("[]");
            return;
        }
        open('[');
        bool first = true;
        for (const std::string& item : items) {
            element(first);
            first = false;
            string(item);
        }
        close(']');
    }
    void atomic_class(const AtomicClass& c) { write_class(*this, c); }
    void composite_class(const CompositeClass& c) { write_class(*this, c); }

public:
    // The shape operations of write_class: a struct variant is
    // {"Variant": {"field": value, ...}}.
    void unit(std::string_view variant) { name(variant); }
    // A newtype variant: {"Variant": "Payload"}.
    void newtype(std::string_view variant, std::string_view payload) {
        open('{');
        key(variant, true);
        name(payload);
        close('}');
    }
    void begin_struct(std::string_view variant) {
        open('{');
        key(variant, true);
        open('{');
    }
    void field(std::string_view field_name, bool first) { key(field_name, first); }
    void name_value(std::string_view value) { name(value); }
    void list_value(const std::vector<std::string>& items) { list(items); }
    void optional_value(const std::optional<std::string>& v) { optional(v); }
    void end_field() {}
    void end_struct() {
        close('}');
        close('}');
    }

private:
    Sink& s_;
    size_t depth_ = 0;
};

}  // namespace

bool write_json(const Artefact& root, std::string& out, std::string& error) {
    CountSink counter;
    if (!JsonWriter<CountSink>(counter).node(root)) {
        error = kInvalidPath;
        return false;
    }
    // One byte more for the line feed that the caller puts after the document.
    out.reserve(out.size() + counter.n + 1);
    AppendSink sink{out};
    JsonWriter<AppendSink>(sink).node(root);
    return true;
}

}  // namespace tarvik
