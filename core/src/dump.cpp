// The structural dump of a report: variant names, field names and values, in
// a multi-line form (the `debug` output) and a one-line form (the class text
// of the tree). The multi-line form is handed to its FILE* piece by piece as
// it is formatted, through a small fixed buffer; the tree is never rendered
// whole in memory.
#include <unicode/uchar.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <type_traits>

#include "class_shape.h"
#include "tarvik/render.h"
#include "utf8.h"
#include "variant_names.h"

namespace tarvik {

namespace {

// ---- sinks -----------------------------------------------------------------

struct StringSink {
    std::string& out;
    bool ok() const { return true; }
    void put(char c) { out.push_back(c); }
    void put(std::string_view s) { out.append(s); }
    void blanks(size_t k) { out.append(k, ' '); }
};

// Collects pieces in a fixed buffer and passes it on whenever it is full.
// After the first failed write nothing more is written.
class FileSink {
public:
    explicit FileSink(std::FILE* f) : f_(f) {}
    bool ok() const { return ok_; }
    void put(char c) {
        if (len_ == sizeof buf_) drain();
        buf_[len_++] = c;
    }
    void put(std::string_view s) {
        while (!s.empty()) {
            if (len_ == sizeof buf_) drain();
            const size_t k = std::min(s.size(), sizeof buf_ - len_);
            std::memcpy(buf_ + len_, s.data(), k);
            len_ += k;
            s.remove_prefix(k);
        }
    }
    void blanks(size_t k) {
        while (k > 0) {
            if (len_ == sizeof buf_) drain();
            const size_t m = std::min(k, sizeof buf_ - len_);
            std::memset(buf_ + len_, ' ', m);
            len_ += m;
            k -= m;
        }
    }
    // Hands everything over and flushes the stream; false after any failure.
    bool finish() {
        drain();
        if (ok_ && std::fflush(f_) != 0) ok_ = false;
        return ok_;
    }

private:
    void drain() {
        if (ok_ && len_ > 0 && std::fwrite(buf_, 1, len_, f_) != len_) {
            ok_ = false;
            if (errno == 0) errno = EIO;
        }
        len_ = 0;
    }

    std::FILE* f_;
    bool ok_ = true;
    size_t len_ = 0;
    char buf_[16384];
};

// ---- the quoted forms --------------------------------------------------------

// Whether a non-ASCII character is written as \u{...}: the invisible and
// unassigned categories, the separators, and the Grapheme_Extend characters
// (which would otherwise combine with the character before them, or with
// the opening quote).
bool escaped_as_code_point(char32_t cp) {
    constexpr uint32_t kHidden = U_GC_CC_MASK | U_GC_CF_MASK | U_GC_CS_MASK | U_GC_CO_MASK |
                                 U_GC_CN_MASK | U_GC_ZL_MASK | U_GC_ZP_MASK | U_GC_ZS_MASK;
    const auto c = static_cast<UChar32>(cp);
    return (U_GET_GC_MASK(c) & kHidden) != 0 || u_hasBinaryProperty(c, UCHAR_GRAPHEME_EXTEND);
}

template <class Sink>
void put_code_point_escape(Sink& s, char32_t cp) {
    char buf[16] = {'\\', 'u', '{'};
    auto r = std::to_chars(buf + 3, buf + sizeof buf - 1, static_cast<uint32_t>(cp), 16);
    *r.ptr++ = '}';
    s.put(std::string_view(buf, size_t(r.ptr - buf)));
}

// A double quote, the bytes with every character that would be invisible,
// ambiguous or would break the line escaped, a double quote. A byte that is
// not part of well-formed UTF-8 is written as \x and two uppercase
// hexadecimal digits, so no byte is ever lost.
template <class Sink>
void put_quoted(Sink& s, std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    s.put('"');
    size_t run = 0;  // start of the stretch written unchanged
    size_t i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b >= 0x20 && b < 0x7F && b != '"' && b != '\\') {
            ++i;
            continue;
        }
        char32_t cp = 0;
        size_t bad;
        const size_t len = b < 0x80 ? 1 : decode_utf8(p, n, i, cp, bad);
        if (len > 1 && !escaped_as_code_point(cp)) {
            i += len;  // printable non-ASCII stays as it is
            continue;
        }
        s.put(bytes.substr(run, i - run));
        if (len == 0) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            const char esc[4] = {'\\', 'x', kHex[b >> 4], kHex[b & 15]};
            s.put(std::string_view(esc, 4));
            // One byte at a time: the bytes after the first of an ill-formed
            // stretch never start a well-formed sequence, so this covers the
            // same bytes as taking maximal ill-formed subparts.
            i += 1;
        } else if (len == 1) {
            switch (b) {
                case 0: s.put("\\0"); break;
                case '\t': s.put("\\t"); break;
                case '\n': s.put("\\n"); break;
                case '\r': s.put("\\r"); break;
                case '"': s.put("\\\""); break;
                case '\\': s.put("\\\\"); break;
                default: put_code_point_escape(s, b);  // the other controls and DEL
            }
            i += 1;
        } else {
            put_code_point_escape(s, cp);
            i += len;
        }
        run = i;
    }
    s.put(bytes.substr(run));
    s.put('"');
}

// ---- the dump ----------------------------------------------------------------

// Writes values in one of the two forms. In the multi-line form every entry
// inside brackets stands on its own line, 4 blanks deeper per nesting level,
// and ends with a comma; in the one-line form entries are separated by ", ".
template <class Sink>
class Dumper {
public:
    Dumper(Sink& sink, bool multi_line) : s_(sink), multi_(multi_line) {}

    void node(const Artefact& a) {
        open_struct(names::of(a));
        field("path", true);
        put_quoted(s_, a.path);
        end_entry();
        field("hash");
        put_quoted(s_, a.hash);
        end_entry();
        field("size");
        number(a.size);
        end_entry();
        field("class");
        if (a.is_composite())
            value(a.composite_class());
        else
            value(a.atomic_class());
        end_entry();
        field("full_mime_type");
        optional(a.full_mime_type);
        end_entry();
        field("classification_source");
        s_.put(names::of(a.classification_source));
        end_entry();
        field("subclass");
        optional(a.subclass);
        end_entry();
        field("applies");
        list(a.applies);
        end_entry();
        field("notes");
        list(a.notes);
        end_entry();
        if (a.is_composite()) {
            field("children");
            if (a.children.empty()) {
                s_.put("[]");
            } else {
                open_list();
                bool first = true;
                for (const Artefact& child : a.children) {
                    if (!s_.ok()) return;  // the sink failed: stop formatting
                    begin_entry(first);
                    first = false;
                    node(child);
                    end_entry();
                }
                close_list();
            }
            end_entry();
        }
        close_struct();
    }

    void value(const AtomicClass& c) { write_class(*this, c); }
    void value(const CompositeClass& c) { write_class(*this, c); }

    // The shape operations of write_class.
    void unit(std::string_view variant) { s_.put(variant); }
    void newtype(std::string_view variant, std::string_view payload) {
        open_paren(variant);
        begin_entry(true);
        s_.put(payload);
        end_entry();
        close_paren();
    }
    void begin_struct(std::string_view variant) { open_struct(variant); }
    void field(std::string_view name, bool first = false) {
        begin_entry(first);
        s_.put(name);
        s_.put(": ");
    }
    void name_value(std::string_view name) { s_.put(name); }
    void list_value(const std::vector<std::string>& items) { list(items); }
    void optional_value(const std::optional<std::string>& v) { optional(v); }
    void end_field() { end_entry(); }
    void end_struct() { close_struct(); }

private:
    void indent() { s_.blanks(4 * level_); }
    // The start of an entry inside brackets; the first one has no separator.
    void begin_entry(bool first) {
        if (multi_)
            indent();
        else if (!first)
            s_.put(", ");
    }
    void end_entry() {
        if (multi_) s_.put(",\n");
    }
    void open_struct(std::string_view variant) {
        s_.put(variant);
        s_.put(multi_ ? std::string_view(" {\n") : std::string_view(" { "));
        ++level_;
    }
    void close_struct() {
        --level_;
        if (multi_) {
            indent();
            s_.put('}');
        } else {
            s_.put(" }");
        }
    }
    void open_paren(std::string_view variant) {
        s_.put(variant);
        s_.put(multi_ ? std::string_view("(\n") : std::string_view("("));
        ++level_;
    }
    void close_paren() {
        --level_;
        if (multi_) indent();
        s_.put(')');
    }
    void open_list() {
        s_.put(multi_ ? std::string_view("[\n") : std::string_view("["));
        ++level_;
    }
    void close_list() {
        --level_;
        if (multi_) indent();
        s_.put(']');
    }
    void optional(const std::optional<std::string>& v) {
        if (!v) {
            s_.put("None");
            return;
        }
        open_paren("Some");
        begin_entry(true);
        put_quoted(s_, *v);
        end_entry();
        close_paren();
    }
    void list(const std::vector<std::string>& items) {
        if (items.empty()) {
            s_.put("[]");
            return;
        }
        open_list();
        bool first = true;
        for (const std::string& item : items) {
            begin_entry(first);
            first = false;
            put_quoted(s_, item);
            end_entry();
        }
        close_list();
    }
    void number(uint64_t v) {
        char buf[24];
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        s_.put(std::string_view(buf, size_t(r.ptr - buf)));
    }

    Sink& s_;
    const bool multi_;
    size_t level_ = 0;
};

}  // namespace

bool write_debug(const Artefact& root, std::FILE* out) {
    FileSink sink(out);
    Dumper<FileSink>(sink, true).node(root);
    return sink.finish();
}

std::string one_line(const AtomicClass& c) {
    std::string out;
    StringSink sink{out};
    Dumper<StringSink>(sink, false).value(c);
    return out;
}

std::string one_line(const CompositeClass& c) {
    std::string out;
    StringSink sink{out};
    Dumper<StringSink>(sink, false).value(c);
    return out;
}

std::string quoted_text(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    StringSink sink{out};
    put_quoted(sink, utf8);
    return out;
}

std::string quoted_path(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 2);
    StringSink sink{out};
    put_quoted(sink, bytes);
    return out;
}

}  // namespace tarvik
