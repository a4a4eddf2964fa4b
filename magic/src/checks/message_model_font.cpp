// Content checks: message, multipart, model, font and chemical types.
#include <cstring>
#include <initializer_list>

#include "checks/checks.h"
#include "search/byte_scan.h"

namespace mime_magic::checks {

// The namespace name of the COLLADA 1.4 schema.
constexpr char kColladaNamespace[] = "http://www.collada.org/2005/11/COLLADASchema";
// The namespace name W3C XML Schema defines for schema instances.
constexpr char kXmlSchemaInstanceNamespace[] = "http://www.w3.org/2001/XMLSchema-instance";

namespace {

// One line-start header of "message/rfc822" step 10.
struct HeaderLine {
    Needle text;  // starts with a line feed
    bool any_case;
};

// What one pass over bytes first..last finds: whether any of the header
// lines occurs wholly inside those bytes (the same answer as one bounded
// search per line), and whether `early` occurs, in any case, wholly inside
// bytes first..early_last. Every line ends with its colon, far rarer than
// line feeds, so the pass visits the colons and compares each line backwards
// from there. It ends as soon as `early` is found.
struct HeaderScan {
    bool header = false;
    bool early = false;
};

HeaderScan scan_header_lines(const Probe& b, size_t first, size_t last,
                             std::initializer_list<HeaderLine> lines, Needle early,
                             size_t early_last) {
    HeaderScan found;
    if (first >= b.n) return found;
    size_t end = last < b.n - 1 ? last : b.n - 1;            // inclusive
    if (size_t z = b.z; z <= end) end = z == 0 ? 0 : z - 1;  // the lines hold no 00 byte
    // The bytes that can come before the colon, so that most colons are
    // passed over after one look.
    auto before_colon = [](Needle line) { return ascii_fold(line.p[line.n - 2]); };
    bool ends[256] = {};
    for (const HeaderLine& line : lines) ends[before_colon(line.text)] = true;
    const uint8_t early_end = before_colon(early);
    ends[early_end] = true;
    // The line of n bytes ending at e lies wholly inside the bytes searched.
    auto fits = [&](size_t e, size_t n) { return e + 1 >= n && e + 1 - n >= first; };
    any_position_of(b.p, first, end + 1, ':', [&](size_t e) {
        const uint8_t prev = e > 0 ? ascii_fold(b.p[e - 1]) : 0;
        if (!ends[prev]) return false;
        if (prev == early_end && e <= early_last && fits(e, early.n) &&
            at_any_case(b, e + 1 - early.n, early)) {
            found.early = true;
            return true;
        }
        if (found.header) return e > early_last;  // only the early line is still sought
        for (const HeaderLine& line : lines) {
            const size_t n = line.text.n;
            if (before_colon(line.text) == prev && fits(e, n) &&
                (line.any_case ? at_any_case(b, e + 1 - n, line.text)
                               : at(b, e + 1 - n, line.text))) {
                found.header = true;
                break;
            }
        }
        return false;
    });
    return found;
}

}  // namespace

// "chemical/x-cdx"
bool check_chemical_x_cdx(const Probe& b) { return at(b, 0, "VjCD0100"); }

// "font/collection"
bool check_font_collection(const Probe& b) {
    return at(b, 0, "ttcf") && (at(b, 4, "00 01 00 00"_hex) || at(b, 4, "00 02 00 00"_hex));
}

// "font/woff"
bool check_font_woff(const Probe& b) { return at(b, 0, "wOFF"); }

// "font/woff2"
bool check_font_woff2(const Probe& b) { return at(b, 0, "wOF2"); }

// "message/news"
bool check_message_news(const Probe& b) {
    return at(b, 0, "Path:") || at(b, 0, "Xref:") || at(b, 0, "Article");
}

// "message/rfc822": the first step that holds decides.
bool check_message_rfc822(const Probe& b) {
    if (at_any_case(b, 0, "Relay-Version:")) return true;
    if (at(b, 0, "#! rnews")) return true;
    if (at(b, 0, "N#! rnews")) return true;
    if (at(b, 0, "Forward to")) return true;
    if (at(b, 0, "Pipe to")) return true;
    if (at_any_case(b, 0, "Return-Path:")) return true;
    if (at_any_case(b, 0, "Message-ID:")) return true;
    if (at(b, 0, "X-Mailer:")) return true;
    if (at(b, 0, "X-Notes-Item:") && within(b, 0, 8192, "Message-ID:")) return true;
    // Steps 10 and 11 are both searches for header lines in bytes 0..8192,
    // made in one pass. Step 10 needs one of its twelve header
    // lines (each a search within 0..8192, any case where marked) and its
    // pattern; the lines are looked for first because the pattern scans the
    // whole buffer. Step 11
    // holds on its own: "\nmessage-id:" within 0..1000, any case.
    const HeaderScan scan = scan_header_lines(b, 0, 8192,
                                              {{"\ndate:", true},
                                               {"\nDelivered-To:", false},
                                               {"\nFrom:", true},
                                               {"\nMessage-ID:", true},
                                               {"\nMIME-Version:", true},
                                               {"\nReceived:", true},
                                               {"\nRelay-Version:", true},
                                               {"\nReturn-Path:", true},
                                               {"\nStatus:", false},
                                               {"\nUser-Agent:", false},
                                               {"\nX-Mailer:", false},
                                               {"\nX-Originating-IP:", true}},
                                              "\nmessage-id:", 1000);
    return scan.early || (scan.header && pattern(b, Pat::Rfc822_1));
}

// "message/x-emlx"
bool check_message_x_emlx(const Probe& b) {
    return within(b, 2, 9, "\nPipe to") || within(b, 2, 9, "\nFrom:") || within(b, 2, 9, "\nDate:");
}

// "model/e57"
bool check_model_e57(const Probe& b) { return at(b, 0, "ASTM-E57"); }

// "model/gltf-binary"
bool check_model_gltf_binary(const Probe& b) {
    return at(b, 0, "glTF") && (at(b, 4, "01 00 00 00"_hex) || at(b, 4, "02 00 00 00"_hex));
}

// "model/vnd.collada+xml"
bool check_model_vnd_collada_xml(const Probe& b) {
    return xml_root(b, "COLLADA", kColladaNamespace);
}

// "model/vnd.dwf"
bool check_model_vnd_dwf(const Probe& b) {
    return at(b, 0, "(DWF V") && at(b, 8, ".") && at(b, 11, ")");
}

// "model/vnd.dwf;version=2"
bool check_model_vnd_dwf_version_2(const Probe& b) { return at(b, 0, "(DWF V00.22)"); }

// "model/vnd.dwf;version=5"
bool check_model_vnd_dwf_version_5(const Probe& b) { return at(b, 0, "(DWF V00.55)"); }

// "model/vnd.dwf;version=6"
bool check_model_vnd_dwf_version_6(const Probe& b) {
    return at(b, 0, "(DWF V06") && at(b, 8, ".") && at(b, 11, ")PK");
}

// "model/x.stl-ascii"
bool check_model_x_stl_ascii(const Probe& b) {
    return at(b, 0, "solid ") && within(b, 7, 256, "facet ");
}

// "model/x3d+xml"
bool check_model_x3d_xml(const Probe& b) { return xml_root(b, "X3D", kXmlSchemaInstanceNamespace); }

// "multipart/appledouble"
bool check_multipart_appledouble(const Probe& b) { return at(b, 0, "00 05 16 07"_hex); }

// "multipart/related": the first step that holds decides.
bool check_multipart_related(const Probe& b) {
    if (at_any_case(b, 0, "From: <Saved by Windows Internet Explorer 8>")) return true;
    if (at_any_case(b, 0, "From: ") && at(b, 6, "\"") &&
        at_any_case(b, 7, "Saved by Internet Explorer 11") && at(b, 36, "\""))
        return true;
    if (at(b, 0, "MIME-Version: 1.0") && within(b, 16, 512, "\nContent-Type: multipart/related"))
        return true;
    return false;
}

}  // namespace mime_magic::checks
