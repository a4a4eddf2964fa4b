// The compiled patterns of the content checks, their cheap gates and
// hand-written decisions, and the patterns as written for equivalence tests.
#define PCRE2_CODE_UNIT_WIDTH 8
#include "patterns/patterns.h"

#include <pcre2.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>

#include "mime_magic/fatal.h"
#include "search/byte_positions.h"
#include "search/byte_scan.h"
#include "vocabulary/shared_tests.h"
#include "vocabulary/vocab.h"

namespace mime_magic {

namespace {

// A Unicode white-space character (the White_Space property), as UTF-8.
#define WS      \
    "[\\t-\\r " \
    "\\x{85}\\x{A0}\\x{1680}\\x{2000}-\\x{200A}\\x{2028}\\x{2029}\\x{202F}\\x{205F}\\x{3000}]"
// A Unicode word character and a word boundary with the span's edges as non-word.
#define WORD "[\\p{Alphabetic}\\p{M}\\p{Nd}\\p{Pc}\\x{200C}\\x{200D}]"
#define WORD_BOUNDARY "(?:(?<=" WORD ")(?!" WORD ")|(?<!" WORD ")(?=" WORD "))"
#define GRAPH_HEADER WS "*(?:strict" WS "+)?(?:di)?graph" WORD_BOUNDARY

// How the zero tail of a span bounds where a match can lie.
enum Tail : int8_t {
    kNoCut = -1,     // the pattern looks at the span's end ($): search it all
    kZeroByte = -2,  // a single 00 byte is a match
    // k >= 0: a match ends at most k bytes past the last non-zero byte
};

struct PatternDef {
    const char* text;                  // what is compiled and matched
    const char* as_written = nullptr;  // the pattern as first written, when it differs
    int8_t tail;
    // Bytes that every match contains (nullptr: none worth looking for). A
    // span without them cannot match, and a plain search says so quickly.
    const char* required = nullptr;
    bool required_any_case = false;
    // A cheap test that every matching span passes (nullptr: none).
    bool (*gate)(const uint8_t* span, size_t n) = nullptr;
    // The pattern's own answer computed by hand, for patterns simple enough
    // (nullptr: the compiled pattern answers). Equal to the pattern's answer
    // on every span; `shared` as for pattern_matches.
    bool (*decide)(const uint8_t* span, size_t n, BytePositions* shared) = nullptr;
};

constexpr bool ascii_space(uint8_t c) { return (c >= 0x09 && c <= 0x0D) || c == ' '; }

size_t skip_ascii_space(const uint8_t* s, size_t n, size_t i) {
    while (i < n && ascii_space(s[i])) ++i;
    return i;
}

// The graph patterns. Their white space is Unicode white space: where a byte
// of 0x80 or above could be some, the gates let the pattern decide.

// Whether "digraph" or "graph" at i can be followed by a word boundary: the
// span ends there or the next byte is not an ASCII word character (a byte of
// 0x80 or above may begin a character of either kind).
bool graph_word_possible(const uint8_t* s, size_t n, size_t i) {
    size_t e;
    if (at(Probe(s, n), i, "digraph"))
        e = i + 7;
    else if (at(Probe(s, n), i, "graph"))
        e = i + 5;
    else
        return false;
    if (e >= n) return true;
    const uint8_t c = s[e];
    const bool ascii_word =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    return !ascii_word;
}

// Whether a graph header (white space, then "strict" and white space, then
// "digraph" or "graph" and a word boundary) can start at i.
bool graph_header_possible(const uint8_t* s, size_t n, size_t i) {
    i = skip_ascii_space(s, n, i);
    if (i >= n) return false;
    if (s[i] >= 0x80) return true;
    if (at(Probe(s, n), i, "strict")) {
        const size_t j = i + 6;
        if (j < n && s[j] >= 0x80) return true;
        if (j < n && ascii_space(s[j])) {
            const size_t k = skip_ascii_space(s, n, j);
            return (k < n && s[k] >= 0x80) || graph_word_possible(s, n, k);
        }
        return false;  // "strict" not followed by white space cannot begin a header
    }
    return graph_word_possible(s, n, i);
}

// A header right at the start.
bool graph_gate_plain(const uint8_t* s, size_t n) { return graph_header_possible(s, n, 0); }

// One to ten "//" comment lines, then a header.
bool graph_gate_line_comments(const uint8_t* s, size_t n) {
    size_t i = 0;
    for (int line = 0; line < 10; ++line) {
        i = skip_ascii_space(s, n, i);
        if (i < n && s[i] >= 0x80) return true;
        if (n - i < 2 || s[i] != '/' || s[i + 1] != '/') return false;
        const void* nl = std::memchr(s + i + 2, '\n', n - i - 2);
        if (!nl) return false;
        i = size_t(static_cast<const uint8_t*>(nl) - s) + 1;
        if (graph_header_possible(s, n, i)) return true;
    }
    return false;
}

// A "/*" comment of at most 1024 characters (4096 bytes), then a header.
bool graph_gate_block_comment(const uint8_t* s, size_t n) {
    const size_t i = skip_ascii_space(s, n, 0);
    if (i < n && s[i] >= 0x80) return true;
    if (n - i < 2 || s[i] != '/' || s[i + 1] != '*') return false;
    const size_t from = i + 2;                    // where the comment's text starts
    const size_t end = std::min(n, from + 4098);  // one past the last index of its closing '/'
    return any_position_of(s, from + 1, end, '/', [&](size_t q) {
        return s[q - 1] == '*' && graph_header_possible(s, n, q + 1);
    });
}

// The markup patterns: a '<', a tag name in any case, then a blank or '>'.
// The names hold no letter whose case partners include characters beyond
// ASCII, so folding ASCII letters decides like the pattern. Only a '<'
// followed by one of the tags' first letters is looked at further.
template <class AtTag>
bool any_tag(const uint8_t* s, size_t n, BytePositions* shared, AtTag at_tag) {
    auto visit = [&](size_t p) {
        if (p + 1 >= n) return false;
        const uint8_t c = ascii_fold(s[p + 1]);
        return (c == 'h' || c == 'b' || c == 't' || c == 'd') && at_tag(p + 1);
    };
    return visit_byte_positions(s, 0, n, '<', false, shared, visit);
}

bool tag_end_at(const uint8_t* s, size_t n, size_t p) {
    return p < n && (s[p] == ' ' || s[p] == '>');
}

bool html_name_at(const uint8_t* s, size_t n, size_t p) {
    static constexpr std::string_view kNames[] = {"html", "head", "body", "title", "div"};
    for (std::string_view t : kNames)
        if (at_any_case(Probe(s, n), p,
                        Needle(reinterpret_cast<const uint8_t*>(t.data()), t.size())) &&
            tag_end_at(s, n, p + t.size()))
            return true;
    return false;
}

bool html_heading_at(const uint8_t* s, size_t n, size_t p) {
    return p + 1 < n && ascii_fold(s[p]) == 'h' && s[p + 1] >= '1' && s[p + 1] <= '3' &&
           tag_end_at(s, n, p + 2);
}

bool decide_html_names(const uint8_t* s, size_t n, BytePositions* shared) {
    return any_tag(s, n, shared, [&](size_t p) { return html_name_at(s, n, p); });
}

bool decide_html_headings(const uint8_t* s, size_t n, BytePositions* shared) {
    return any_tag(s, n, shared, [&](size_t p) { return html_heading_at(s, n, p); });
}

bool decide_html_names_or_headings(const uint8_t* s, size_t n, BytePositions* shared) {
    return any_tag(s, n, shared,
                   [&](size_t p) { return html_name_at(s, n, p) || html_heading_at(s, n, p); });
}

#define AAC_SECOND "(\\xF0|\\xF1|\\xF8|\\xF9)"
#define AAC_THIRD                                                                                 \
    "(\\x40|\\x41|\\x44|\\x45|\\x48|\\x49|\\x4C|\\x4D|\\x50|\\x51|\\x54|\\x55|\\x58|\\x59|\\x5C|" \
    "\\x5D|\\x60|\\x61|\\x64|\\x65|\\x68|\\x69|\\x6C|\\x6D|\\x70|\\x71|\\x80|\\x81|\\x84|\\x85|"  \
    "\\x88|\\x89|\\x8C|\\x8D|\\x90|\\x91|\\x94|\\x95|\\x98|\\x99|\\x9C|\\x9D|\\xA0|\\xA1|\\xA4|"  \
    "\\xA5|\\xA8|\\xA9|\\xAC|\\xAD|\\xB0|\\xB1)"
#define AAC_FOURTH "(\\x00|\\x01|\\x20|\\x40|\\x41|\\x60|\\x80|\\x81|\\x60|\\xA0|\\xC0|\\xC1|\\xE0)"
#define MPEG_FRAME \
    "(?:\\xff[\\xe3\\xf2\\xf3\\xf4\\xf5\\xf6\\xf7\\xf8\\xf9\\xfa\\xfb\\xfc\\xfd\\xfe\\xff]|ID3)"
#define MATLAB_FUNCTION "function [a-zA-Z][A-Za-z0-9_]{0,62}"
#define TGA_SET \
    "[\\x54\\x52\\x55\\x45\\x56\\x49\\x53\\x49\\x4F\\x4E\\x2D\\x58\\x46\\x49\\x4C\\x45\\x2E\\x00]"

const PatternDef kDefs[kPatternCount] = {
    /* IllustratorPs1 */ {
        .text = "[\\r\\n]%AI5_FileFormat [1-4][\\r\\n]", .tail = 0, .required = "%AI5_FileFormat "},
    /* Marc1 */ {.text = "[0-9]{5,5}", .tail = 0},
    /* Marc2 */ {.text = "[acdnp][acdefgijkmoprt][abcdims]", .tail = 0},
    /* Marc3 */ {.text = "[acdnosx]z", .tail = 0},
    /* Marc4 */ {.text = "[cdn][uvxy]", .tail = 0},
    /* Marc5 */ {.text = "[acdn]w", .tail = 0},
    /* Marc6 */ {.text = "[cdn]q", .tail = 0},
    /* Pdf1 */ {.text = "^[ -~]*%%", .tail = 0},
    /* IsacFcs1 */ {.text = "FCS[1-3]\\.[0-9]    ", .tail = 0, .required = "FCS"},
    /* JavaHprof1 */
    {.text = "JAVA PROFILE \\p{Nd}\\.\\p{Nd}\\.\\p{Nd}\\x00",
     .tail = 1,
     .required = "JAVA PROFILE "},
    /* JavaHprofText1 */
    {.text = "JAVA PROFILE \\p{Nd}\\.\\p{Nd}\\.\\p{Nd},", .tail = 0, .required = "JAVA PROFILE "},
    /* Bzip2_1 */ {.text = "BZh[1-9]", .tail = 0, .required = "BZh"},
    /* FatDiskimage1 */ {.text = "(\\x01|\\x02|\\x04|\\x08|\\x10| @|x80)", .tail = 0},
    /* MsNls1 */ {.text = "(?s)^\\x0D.{51}\\x0C\\x00\\x0D\\x00\\x0E", .tail = 0},
    /* MsNls2 */ {.text = "(?s)^\\x44\\x43.\\x01", .tail = 0},
    /* Touhou1 */ {.text = "[r|3|6|5]", .tail = 0},
    // A run of one to 1024 zero bytes directly before the frame exists exactly
    // when one zero byte directly before it does.
    /* AudioMpeg1 */
    {.text = "(?:\\x0D\\x0A|\\x00)" MPEG_FRAME,
     .as_written = "(?:\\x0D\\x0A|\\x00{1,1024})" MPEG_FRAME,
     .tail = 0},
    /* AudioAac1 */
    {.text = "\\xFF" AAC_SECOND AAC_THIRD AAC_FOURTH, .tail = 1, .required = "\xC3\xBF"},
    /* DxfAscii1 */
    {.text = "(999\\r?\\n[^\\r\\n]{0,64}" WS "+)?0\\r?\\nSECTION\\r?\\n", .tail = 0},
    /* DxfAscii2 */ {.text = "2\\r?\\n(?:HEADER|ENTITIES)\\r?\\n", .tail = 0},
    /* PortableBitmap1 */ {.text = "P4", .tail = 0, .required = "P4"},
    /* PortableGraymap1 */ {.text = "P5", .tail = 0, .required = "P5"},
    /* PortablePixmap1 */ {.text = "P6", .tail = 0, .required = "P6"},
    // A leading .* adds nothing to an unanchored search for one byte of the set.
    /* Tga1 */ {.text = TGA_SET, .as_written = ".*" TGA_SET, .tail = kZeroByte},
    /* Rfc822_1 */ {.text = "(X|DKIM|ARC)-", .tail = 0, .required = "-"},
    /* Html1 */
    {.text = "(?i)<(html|head|body|title|div)[ >]", .tail = 0, .decide = decide_html_names},
    /* Html2 */ {.text = "(?i)<h[123][ >]", .tail = 0, .decide = decide_html_headings},
    // Seven printable bytes at the start decide; what the + adds cannot fail.
    /* Plain1 */ {.text = "^[ -~]{7}", .as_written = "^[ -~]{6}[ -~]+", .tail = 0},
    /* Graphviz1 */ {.text = "(?s)^" GRAPH_HEADER, .tail = 0, .gate = graph_gate_plain},
    /* Graphviz2 */
    {.text = "(?s)^(?:" WS "*//[^\\n]*\\n){1,10}" GRAPH_HEADER,
     .tail = 0,
     .gate = graph_gate_line_comments},
    /* Graphviz3 */
    {.text = "(?s)^" WS "*/\\*.{0,1024}?\\*/" GRAPH_HEADER,
     .tail = 0,
     .gate = graph_gate_block_comment},
    /* Matlab1 */ {.text = MATLAB_FUNCTION WS "*=", .tail = 0},
    /* Matlab2 */ {.text = MATLAB_FUNCTION "[\\r\\n]", .tail = 0},
    /* Matlab3 */ {.text = "^%[ -~]+\\n%", .tail = 0},
    /* Matlab4 */ {.text = "^%[ -~]+\\r%", .tail = 0},
    /* Matlab5 */ {.text = "^%%[ -~]+$", .tail = kNoCut},
    /* Uuencode1 */ {.text = "^begin [0-9]{3} ", .tail = 0},
    // One alternation for the two: one scan of the buffer instead of two.
    /* Matlab1or2 */
    {.text = MATLAB_FUNCTION "(?:" WS "*=|[\\r\\n])",
     .as_written = "(?:" MATLAB_FUNCTION WS "*=)|(?:" MATLAB_FUNCTION "[\\r\\n])",
     .tail = 0,
     .required = "function "},
    /* Html1or2 */
    {.text = "(?i)<(?:(html|head|body|title|div)|h[123])[ >]",
     .as_written = "(?i)(?:<(html|head|body|title|div)[ >])|(?:<h[123][ >])",
     .tail = 0,
     .decide = decide_html_names_or_headings},
};

// The lengths of the required byte strings.
const std::array<size_t, kPatternCount> kRequiredLen = [] {
    std::array<size_t, kPatternCount> len{};
    for (size_t i = 0; i < kPatternCount; ++i)
        len[i] = kDefs[i].required ? std::strlen(kDefs[i].required) : 0;
    return len;
}();

constexpr uint32_t kOptions = PCRE2_UTF | PCRE2_UCP | PCRE2_MATCH_INVALID_UTF |
                              PCRE2_NO_DOTSTAR_ANCHOR | PCRE2_DOLLAR_ENDONLY;

pcre2_code* compile(const char* text) {
    pcre2_compile_context* ctx = pcre2_compile_context_create(nullptr);
    pcre2_set_newline(ctx, PCRE2_NEWLINE_LF);
    int err = 0;
    PCRE2_SIZE off = 0;
    // An anchored pattern fails or holds at the span's start; the library's
    // start-up scans for required characters would only read the rest.
    const std::string_view t(text);
    const bool anchored = t.starts_with("^") || t.starts_with("(?s)^");
    pcre2_code* code =
        pcre2_compile(reinterpret_cast<PCRE2_SPTR>(text), PCRE2_ZERO_TERMINATED,
                      kOptions | (anchored ? PCRE2_NO_START_OPTIMIZE : 0), &err, &off, ctx);
    pcre2_compile_context_free(ctx);
    if (!code) {
        PCRE2_UCHAR msg[256];
        pcre2_get_error_message(err, msg, sizeof msg);
        broken_invariant(std::string("called `Result::unwrap()` on an `Err` value: ") +
                         reinterpret_cast<const char*>(msg) + " at offset " + std::to_string(off) +
                         " in " + text);
    }
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);  // falls back to the interpreter on failure
    return code;
}

struct Compiled {
    std::once_flag once;
    pcre2_code* code = nullptr;
};

Compiled g_used[kPatternCount];
Compiled g_as_written[kPatternCount];

pcre2_code* get(Compiled& c, const char* text) {
    std::call_once(c.once, [&] { c.code = compile(text); });
    return c.code;
}

// The matcher's working memory, one per thread, made once: no match reads
// anything an earlier one left in it.
struct MatchScratch {
    pcre2_match_data* data = pcre2_match_data_create(1, nullptr);
    pcre2_match_context* ctx = pcre2_match_context_create(nullptr);
    pcre2_jit_stack* stack = pcre2_jit_stack_create(32 * 1024, 8 * 1024 * 1024, nullptr);
    MatchScratch() { pcre2_jit_stack_assign(ctx, nullptr, stack); }
    ~MatchScratch() {
        pcre2_jit_stack_free(stack);
        pcre2_match_context_free(ctx);
        pcre2_match_data_free(data);
    }
};

bool run(pcre2_code* code, const uint8_t* span, size_t len) {
    thread_local MatchScratch scratch;
    int rc = pcre2_match(code, span, len, 0, 0, scratch.data, scratch.ctx);
    if (rc >= 0) return true;
    if (rc == PCRE2_ERROR_NOMATCH) return false;
    PCRE2_UCHAR msg[256];
    pcre2_get_error_message(rc, msg, sizeof msg);
    broken_invariant(std::string("pattern match failed: ") + reinterpret_cast<const char*>(msg));
}

}  // namespace

bool pattern_matches(Pat id, const uint8_t* span, size_t len, size_t zero_from,
                     BytePositions* shared) {
    const PatternDef& d = kDefs[size_t(id)];
    size_t n = len;
    if (zero_from < len) {
        if (d.tail == kZeroByte) return true;
        if (d.tail >= 0 && zero_from + size_t(d.tail) < len) n = zero_from + size_t(d.tail);
    }
    if (d.required) {
        const auto* need = reinterpret_cast<const uint8_t*>(d.required);
        const size_t need_len = kRequiredLen[size_t(id)];
        if (!(d.required_any_case
                  ? range_contains_ignore_ascii_case(span, n, 0, n, need, need_len, shared)
                  : range_contains(span, n, 0, n, need, need_len, shared)))
            return false;
    }
    if (d.decide) return d.decide(span, n, shared);
    if (d.gate && !d.gate(span, n)) return false;
    return run(get(g_used[size_t(id)], d.text), span, n);
}

bool pattern_matches_as_written(Pat id, const uint8_t* span, size_t len) {
    const PatternDef& d = kDefs[size_t(id)];
    const char* text = d.as_written ? d.as_written : d.text;
    return run(get(g_as_written[size_t(id)], text), span, len);
}

}  // namespace mime_magic
