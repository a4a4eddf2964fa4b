// Content checks of the standards-tree application types: each row's check
// over crafted buffers, the namespace names they search, and a few answers of
// the whole detector.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/checks.h"
#include "mime_magic/mime_magic.h"
#include "check_support.h"

namespace mime_magic::checks::std_ns {
extern const char atom_0_3[];
extern const char atom_1_0[];
extern const char dif[];
extern const char dita[];
extern const char gml[];
extern const char gml_3_2[];
extern const char gml_3_2_exr[];
extern const char gpx_1_1[];
extern const char onix_3_reference[];
extern const char onix_3_short[];
extern const char owl[];
extern const char rdf_syntax[];
extern const char rss_1_0[];
extern const char ttml[];
extern const char xhtml[];
extern const char xsl_format[];
extern const char xslt[];
extern const char xspf[];
}  // namespace mime_magic::checks::std_ns

namespace {

using namespace mime_magic;
using namespace mime_magic::checks;
using namespace checksupport;
using builders::zip_entry;

// Hexadecimal bytes, short for the rows.
const auto& H = hex;

// A string literal with every byte, embedded 00 bytes included.
template <size_t K>
std::string L(const char (&s)[K]) {
    return std::string(s, K - 1);
}

std::string rep(size_t n, char c) { return std::string(n, c); }

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// An XML document: the declaration, then `body`.
Puts xml(const std::string& body) { return {{0, kDecl + body}}; }

std::string with_ns(const std::string& open, const char* ns) {
    return open + " xmlns=\"" + ns + "\">\n";
}

// ---------------------------------------------------------------------------

TEST(AppStandardsNamespaces, EachNameEndsWithItsPathAndHasItsLength) {
    using namespace std_ns;
    struct Ns {
        const char* uri;
        const char* path;
        size_t len;
    };
    const Ns table[] = {
        {atom_0_3, "/atom/ns#", 24},
        {atom_1_0, "/2005/Atom", 27},
        {dif, "/Aboutus/xml/dif/", 42},
        {dita, "/namespace", 36},
        {gml, "/gml", 26},
        {gml_3_2, "/gml/3.2", 30},
        {gml_3_2_exr, "/gml/3.2/exr", 34},
        {gpx_1_1, "/GPX/1/1", 33},
        {onix_3_reference, "/onix/3.0/reference", 40},
        {onix_3_short, "/onix/3.0/short", 36},
        {owl, "/2002/07/owl", 29},
        {rdf_syntax, "/1999/02/22-rdf-syntax-ns#", 43},
        {rss_1_0, "/rss/1.0/", 24},
        {ttml, "/ns/ttml", 25},
        {xhtml, "/1999/xhtml", 28},
        {xsl_format, "/1999/XSL/Format", 33},
        {xslt, "/1999/XSL/Transform", 36},
        {xspf, "/ns/0/", 21},
    };
    for (const Ns& n : table) {
        std::string uri = n.uri, path = n.path;
        EXPECT_EQ(uri.size(), n.len) << uri;
        EXPECT_EQ(uri.rfind("http://", 0), 0u) << uri;
        ASSERT_GE(uri.size(), path.size()) << uri;
        EXPECT_EQ(uri.substr(uri.size() - path.size()), path) << uri;
        // Scheme, a host, and the path right behind the host.
        EXPECT_EQ(uri.find('/', 7), uri.size() - path.size()) << uri;
    }
    // The later GML names extend the first one.
    EXPECT_EQ(std::string(gml_3_2).rfind(gml, 0), 0u);
    EXPECT_EQ(std::string(gml_3_2_exr).rfind(gml_3_2, 0), 0u);
}

// ---------------------------------------------------------------------------
// Fixed bytes at fixed offsets.

TEST(AppStandardsChecks, SignaturesAtOffsets) {
    run_rows({
        {"applefile", check_application_applefile, {{0, H("00 05 16 00")}}, true},
        {"applefile: appledouble magic", check_application_applefile, {{0, H("00 05 16 07")}}, false},
        {"cbor", check_application_cbor, {{0, H("D9 D9 F7 A1")}}, true},
        {"cbor: last byte", check_application_cbor, {{0, H("D9 D9 F6")}}, false},
        {"cbor: one byte late", check_application_cbor, {{1, H("D9 D9 F7")}}, false},
        {"dash", check_application_dash_xml, {{0, "<MPD xmlns=\"urn:mpeg:dash\">"}}, true},
        {"dash: case", check_application_dash_xml, {{0, "<mpd "}}, false},
        {"dash: after a declaration", check_application_dash_xml, xml("<MPD>"), false},
        {"dicom at 128", check_application_dicom, {{128, "DICM"}}, true},
        {"dicom at 127", check_application_dicom, {{127, "DICM"}}, false},
        {"dicom at 129", check_application_dicom, {{129, "DICM"}}, false},
        {"gzip", check_application_gzip, {{0, H("1F 8B 08 00")}}, true},
        {"gzip: other method byte", check_application_gzip, {{0, H("1F 8C")}}, false},
        {"inf [version]", check_application_inf, {{0, "[version]\r\nsignature=x"}}, true},
        {"inf [strings]", check_application_inf, {{0, "[strings]"}}, true},
        {"inf: case matters", check_application_inf, {{0, "[Version]"}}, false},
        {"inf: one byte late", check_application_inf, {{1, "[version]"}}, false},
        {"java-vm", check_application_java_vm, {{0, H("CA FE BA BE 00 00 00 34")}}, true},
        {"java-vm: fat 64", check_application_java_vm, {{0, H("CA FE BA BF")}}, false},
        {"binhex at 11", check_application_mac_binhex40,
         {{0, "(This file must be converted with BinHex 4.0)"}}, true},
        {"binhex at 12", check_application_mac_binhex40,
         {{0, "(This  file must be converted with BinHex 4.0)"}}, false},
        {"mathematica (**", check_application_mathematica, {{0, "(** comment **)"}}, true},
        {"mathematica (* ", check_application_mathematica, {{0, "(* comment *)"}}, true},
        {"mathematica (*x", check_application_mathematica, {{0, "(*x*)"}}, false},
        {"msword2 9B A5", check_application_msword2, {{0, H("9B A5")}}, true},
        {"msword2 DB A5", check_application_msword2, {{0, H("DB A5")}}, true},
        {"msword2 9B A6", check_application_msword2, {{0, H("9B A6")}}, false},
        {"msword5", check_application_msword5, {{0, H("FE 37")}}, true},
        {"msword5: other", check_application_msword5, {{0, H("FE 38")}}, false},
        {"ogg", check_application_ogg, {{0, "OggS"}}, true},
        {"ogg: case", check_application_ogg, {{0, "Oggs"}}, false},
        {"onenote one", check_application_onenote_format_one,
         {{0, H("E4 52 5C 7B 8C D8 A7 4D AE B1 53 78 D0 29 96 D3")}}, true},
        {"onenote one: last byte", check_application_onenote_format_one,
         {{0, H("E4 52 5C 7B 8C D8 A7 4D AE B1 53 78 D0 29 96 D4")}}, false},
        {"onenote onetoc2", check_application_onenote_format_onetoc2,
         {{0, H("A1 2F FF 43 D9 EF 76 4C 9E E2 10 EA 57 22 76 5F")}}, true},
        {"onenote onetoc2: one's GUID", check_application_onenote_format_onetoc2,
         {{0, H("E4 52 5C 7B 8C D8 A7 4D AE B1 53 78 D0 29 96 D3")}}, false},
        {"pgp 85 .. 03", check_application_pgp_encrypted, {{0, H("85 01 0C 03")}}, true},
        {"pgp: 03 at 2", check_application_pgp_encrypted, {{0, H("85 01 03 00")}}, false},
        {"pgp: no 85", check_application_pgp_encrypted, {{0, H("84 01 0C 03")}}, false},
        {"rtf", check_application_rtf, {{0, "{\\rtf1\\ansi"}}, true},
        {"rtf: case", check_application_rtf, {{0, "{\\RTF1"}}, false},
        {"timestamped-data", check_application_timestamped_data,
         {{0, H("30 80 06 0B 2A 86 48 86 F7 0D")}}, true},
        {"timestamped-data: last byte", check_application_timestamped_data,
         {{0, H("30 80 06 0B 2A 86 48 86 F6")}}, false},
        {"warc", check_application_warc, {{0, "WARC/1.0\r\n"}}, true},
        {"warc: case", check_application_warc, {{0, "warc/1.0"}}, false},
        {"wasm", check_application_wasm, {{0, H("00 61 73 6D 01 00 00 00")}}, true},
        {"wasm swapped", check_application_wasm, {{0, H("6D 73 61 00")}}, true},
        {"wasm: other", check_application_wasm, {{0, H("00 61 73 6E")}}, false},
    });
}

TEST(AppStandardsChecks, Alternatives) {
    run_rows({
        {"coreldraw CDR", check_application_coreldraw, {{0, "RIFF"}, {8, "CDR9"}}, true},
        {"coreldraw cdr", check_application_coreldraw, {{0, "RIFF"}, {8, "cdr"}}, true},
        {"coreldraw DES", check_application_coreldraw, {{0, "RIFF"}, {8, "DES"}}, true},
        {"coreldraw des", check_application_coreldraw, {{0, "RIFF"}, {8, "des"}}, true},
        {"coreldraw mixed case", check_application_coreldraw, {{0, "RIFF"}, {8, "Cdr"}}, false},
        {"coreldraw at 9", check_application_coreldraw, {{0, "RIFF"}, {9, "CDR"}}, false},
        {"coreldraw WAVE", check_application_coreldraw, {{0, "RIFF"}, {8, "WAVE"}}, false},
        {"coreldraw no RIFF", check_application_coreldraw, {{0, "RIFX"}, {8, "CDR"}}, false},
        {"fits, 20 blanks", check_application_fits, {{0, "SIMPLE  =" + rep(20, ' ') + "T"}}, true},
        {"fits, 16 blanks", check_application_fits, {{0, "SIMPLE  =" + rep(16, ' ') + "T"}}, true},
        {"fits, 19 blanks", check_application_fits, {{0, "SIMPLE  =" + rep(19, ' ') + "T"}}, false},
        {"fits, 21 blanks", check_application_fits, {{0, "SIMPLE  =" + rep(21, ' ') + "T"}}, false},
        {"fits, one blank before =", check_application_fits,
         {{0, "SIMPLE =" + rep(21, ' ') + "T"}}, false},
        {"fits, F", check_application_fits, {{0, "SIMPLE  =" + rep(20, ' ') + "F"}}, false},
        {"postscript %!", check_application_postscript, {{0, "%!"}}, true},
        {"postscript 04 %!", check_application_postscript, {{0, H("04 25 21")}}, true},
        {"postscript DOS EPS", check_application_postscript, {{0, H("C5 D0 D3 C6")}}, true},
        {"postscript %!PS-Adobe-", check_application_postscript, {{0, "%!PS-Adobe-3.0\n"}}, true},
        {"postscript %PS", check_application_postscript, {{0, "%PS"}}, false},
        {"postscript at 1", check_application_postscript, {{1, "%!PS-Adobe-"}}, false},
        {"zip local header", check_application_zip, {{0, H("50 4B 03 04")}}, true},
        {"zip empty archive", check_application_zip, {{0, H("50 4B 05 06")}}, true},
        {"zip spanned", check_application_zip, {{0, H("50 4B 07 08")}}, true},
        {"zip central directory", check_application_zip, {{0, H("50 4B 01 02")}}, false},
        {"zip at 1", check_application_zip, {{1, H("50 4B 03 04")}}, false},
        {"zlib 78 01", check_application_zlib, {{0, H("78 01")}}, true},
        {"zlib 78 5E", check_application_zlib, {{0, H("78 5E")}}, true},
        {"zlib 78 9C", check_application_zlib, {{0, H("78 9C")}}, true},
        {"zlib 78 DA", check_application_zlib, {{0, H("78 DA")}}, true},
        {"zlib 78 9D", check_application_zlib, {{0, H("78 9D")}}, false},
        {"zlib 68 DA", check_application_zlib, {{0, H("68 DA")}}, false},
        {"tzif v1", check_application_tzif, {{0, L("TZif\0")}}, true},
        {"tzif v2", check_application_tzif, {{0, "TZif2"}}, true},
        {"tzif v3", check_application_tzif, {{0, "TZif3"}}, true},
        {"tzif v4", check_application_tzif, {{0, "TZif4"}}, false},
        {"tzif case", check_application_tzif, {{0, "TZIF2"}}, false},
    });
}

TEST(AppStandardsChecks, MaskedBytes) {
    std::vector<Row> cases = {
        {"sereal v3 own magic", check_application_sereal_version_3, {{0, H("3D F3 72 6C 03")}}, true},
        {"sereal v3 high bits ignored", check_application_sereal_version_3, {{0, H("3D F3 72 6C 23")}}, true},
        {"sereal v3 with =srl", check_application_sereal_version_3, {{0, H("3D 73 72 6C 03")}}, false},
        {"sereal v3 version 2", check_application_sereal_version_3, {{0, H("3D F3 72 6C 02")}}, false},
        {"sereal v1", check_application_sereal_version_1, {{0, L("=srl\x01")}}, true},
        {"sereal v1 high bits ignored", check_application_sereal_version_1, {{0, L("=srl\x21")}}, true},
        {"sereal v1 version 2", check_application_sereal_version_1, {{0, L("=srl\x02")}}, false},
        {"sereal v2", check_application_sereal_version_2, {{0, L("=srl\x02")}}, true},
        {"sereal v2 high bits ignored", check_application_sereal_version_2, {{0, L("=srl\xF2")}}, true},
        {"sereal v2 version 1", check_application_sereal_version_2, {{0, L("=srl\x01")}}, false},
        {"sereal v2 with v3 magic", check_application_sereal_version_2, {{0, H("3D F3 72 6C 02")}}, false},
    };
    // zstd: frame magics with first byte 22 to 28, skippable frames 50..5F 2A 4D 18.
    for (int first = 0x20; first <= 0x2A; ++first) {
        bool ok = first >= 0x22 && first <= 0x28;
        cases.push_back({ok ? "zstd frame" : "zstd: first byte outside 22..28", check_application_zstd,
                         {{0, std::string(1, char(first)).append(H("B5 2F FD"))}}, ok});
    }
    for (int first = 0x4F; first <= 0x60; ++first) {
        bool ok = (first & 0xF0) == 0x50;
        cases.push_back({ok ? "zstd skippable frame" : "zstd: not a skippable frame",
                         check_application_zstd, {{0, std::string(1, char(first)).append(H("2A 4D 18"))}}, ok});
    }
    cases.push_back({"zstd: magic one byte late", check_application_zstd, {{1, H("28 B5 2F FD")}}, false});
    run_rows(cases);
}

TEST(AppStandardsChecks, OctetStream) {
    run_rows({
        {"shell archive at 10", check_application_octet_stream,
         {{0, "#!/bin/sh\n# This is a shell archive (produced by shar)"}}, true},
        {"shell archive at 11", check_application_octet_stream,
         {{0, "#!/bin/sh \n# This is a shell archive"}}, false},
        {"1F 1E", check_application_octet_stream, {{0, H("1F 1E")}}, true},
        {"1F 1F", check_application_octet_stream, {{0, H("1F 1F")}}, true},
        {"FF 1F", check_application_octet_stream, {{0, H("FF 1F")}}, true},
        {"05 CB", check_application_octet_stream, {{0, H("05 CB")}}, true},
        {"1F 8B is not", check_application_octet_stream, {{0, H("1F 8B")}}, false},
        {"AAFB with 00 x09", check_application_octet_stream,
         {{8, H("41 41 46 42 0D 00 4F 4D")}, {30, H("00 78 30 39")}}, true},
        {"AAFB with 00 x0c", check_application_octet_stream,
         {{8, H("41 41 46 42 0D 00 4F 4D")}, {30, H("00 78 30 63")}}, true},
        {"AAFB with 00 x0d", check_application_octet_stream,
         {{8, H("41 41 46 42 0D 00 4F 4D")}, {30, H("00 78 30 64")}}, false},
        {"AAFB alone", check_application_octet_stream, {{8, H("41 41 46 42 0D 00 4F 4D")}}, false},
        {"AAFB variant at 31", check_application_octet_stream,
         {{8, H("41 41 46 42 0D 00 4F 4D")}, {31, H("00 78 30 39")}}, false},
        {"variant bytes alone", check_application_octet_stream, {{30, H("00 78 30 39")}}, false},
    });
}

TEST(AppStandardsChecks, Pkcs7Signature) {
    const std::string oid = H("06 09 2A 86 48 86 F7 0D 01 07");
    std::vector<Row> cases = {
        {"PEM", check_application_pkcs7_signature, {{0, "-----BEGIN PKCS7-----\n"}}, true},
        {"PEM lower case", check_application_pkcs7_signature, {{0, "-----BEGIN pkcs7"}}, false},
    };
    // After 30 8n the identifier starts at byte 2+n and [0] follows one byte
    // after it, whatever that byte is.
    for (int n = 0; n <= 4; ++n) {
        std::string head = H("30") + char(0x80 + n);
        size_t oid_at = size_t(2 + n), a0_at = size_t(13 + n);
        cases.push_back({"DER", check_application_pkcs7_signature,
                         {{0, head}, {oid_at, oid}, {oid_at + 10, "\x5A"}, {a0_at, H("A0")}}, true});
        cases.push_back({"DER without [0]", check_application_pkcs7_signature,
                         {{0, head}, {oid_at, oid}, {a0_at, H("A1")}}, false});
        cases.push_back({"DER with the identifier one byte late", check_application_pkcs7_signature,
                         {{0, head}, {oid_at + 1, oid}, {a0_at + 1, H("A0")}}, false});
    }
    cases.push_back({"30 85 is not a form", check_application_pkcs7_signature,
                     {{0, H("30 85")}, {7, oid}, {18, H("A0")}}, false});
    run_rows(cases);
}

// ---------------------------------------------------------------------------
// Container signatures with a name at 30.

TEST(AppStandardsChecks, Epub) {
    const std::string mt = "mimetypeapplication/epub+zip";
    run_rows({
        {"epub", check_application_epub_zip, {{0, H("50 4B 03 04 0A 00")}, {30, mt}}, true},
        {"epub: name at 31", check_application_epub_zip, {{0, H("50 4B 03 04")}, {31, mt}}, false},
        {"epub: empty-archive signature", check_application_epub_zip,
         {{0, H("50 4B 05 06")}, {30, mt}}, false},
        {"epub: another type", check_application_epub_zip,
         {{0, H("50 4B 03 04")}, {30, "mimetypeapplication/epub+zap"}}, false},
    });
}

// ---------------------------------------------------------------------------
// Compiled patterns.

TEST(AppStandardsChecks, IllustratorPs) {
    const std::string head = "%!PS-Adobe-3.0 EPSF-3.0\n";
    run_rows({
        {"AI5 comment after LF", check_application_illustrator_ps,
         {{0, head + "%AI5_FileFormat 3\n"}}, true},
        {"AI5 comment with CR", check_application_illustrator_ps,
         {{0, "%!PS-Adobe-3.0\r%AI5_FileFormat 4\r"}}, true},
        {"version 5", check_application_illustrator_ps, {{0, head + "%AI5_FileFormat 5\n"}}, false},
        {"no line break before", check_application_illustrator_ps, {{0, "%AI5_FileFormat 3\n"}}, false},
        // The match needs no PostScript header of its own.
        {"without %!", check_application_illustrator_ps, {{0, "x\n%AI5_FileFormat 1\n"}}, true},
        // 19 bytes ending at byte 8192 lie in the span; one byte later they do not.
        {"ends at 8192", check_application_illustrator_ps, {{8174, "\n%AI5_FileFormat 2\n"}}, true},
        {"ends at 8193", check_application_illustrator_ps, {{8175, "\n%AI5_FileFormat 2\n"}}, false},
    });
}

TEST(AppStandardsChecks, Marc) {
    // A leader: record length, status, type, level, ..., '4500' at 20.
    const std::string leader = "00714cam a2200205 a 4500";
    const std::string shifted = "00714cam a2200205 a x4500";  // '45' at 21
    run_rows({
        {"bibliographic leader", check_application_marc, {{0, leader}}, true},
        {"authority leader (nz)", check_application_marc, {{0, "00714nz  a2200205n  4500"}}, true},
        {"holdings (cu)", check_application_marc, {{0, "00714cu  a2200205   4500"}}, true},
        {"classification (aw)", check_application_marc, {{0, "00714aw  a2200205   4500"}}, true},
        {"community (cq)", check_application_marc, {{0, "00714cq  a2200205   4500"}}, true},
        {"'45' at 21", check_application_marc, {{0, shifted}}, false},
        {"no five digits", check_application_marc, {{0, "0071 cam a220 205 a 4500"}}, false},
        // Five digits anywhere do: here after the leader.
        {"five digits later", check_application_marc, {{0, "0071 cam a220 205 a 4500 12345"}}, true},
        {"no type letters", check_application_marc, {{0, "00714    b2200205 b 4500"}}, false},
        // The type letters count only from byte 5 on.
        {"type letters before 5", check_application_marc, {{0, std::string("00cam").append(15, '0').append("4500")}}, false},
    });
}

TEST(AppStandardsChecks, Pdf) {
    run_rows({
        {"header at 0", check_application_pdf, {{0, "%PDF-1.7\n"}}, true},
        {"any version at 0", check_application_pdf, {{0, "%PDF-9"}}, true},
        {"behind a byte-order mark", check_application_pdf, {{0, "\xEF\xBB\xBF%PDF-1.4"}}, true},
        {"lower case", check_application_pdf, {{0, "%pdf-1.4"}}, false},
        {"after printable junk and %%", check_application_pdf, {{0, "junk %% more %PDF-1.4\n"}}, true},
        {"version 2 later", check_application_pdf, {{0, "%% x\n"}, {40, "%PDF-2.0"}}, true},
        {"version 3 later", check_application_pdf, {{0, "%%"}, {40, "%PDF-3.0"}}, false},
        // The later header needs '%%' behind printable bytes in 0..128.
        {"later header without %%", check_application_pdf, {{0, " %PDF-1.4\n"}}, false},
        {"%% behind a control byte", check_application_pdf, {{0, "\x01%% %PDF-1.4"}}, false},
        {"%% ending at 128", check_application_pdf, {{0, rep(127, 'a') + "%%"}, {200, "%PDF-1.5"}}, true},
        {"%% ending at 129", check_application_pdf, {{0, rep(128, 'a') + "%%"}, {200, "%PDF-1.5"}}, false},
        // '%PDF-1.' (7 bytes) must lie inside 1..512.
        {"header starting at 506", check_application_pdf, {{0, "%%"}, {506, "%PDF-1.3"}}, true},
        {"header starting at 507", check_application_pdf, {{0, "%%"}, {507, "%PDF-1.3"}}, false},
    });
}

// ---------------------------------------------------------------------------
// Steps.

TEST(AppStandardsChecks, Mbox) {
    const std::string from = "From someone@example.com Sat Jan  3 01:05:34 2026";  // 49 bytes
    auto at32 = [&](const std::string& line) {
        // A first line of 32 bytes, so the next line's LF is byte 32.
        return Puts{{0, "From a@b.c Sat Jan  3 01:05:3426"}, {32, line}};
    };
    std::vector<Row> cases = {
        {"From: at 32", check_application_mbox, at32("\nFrom: a@b.c\n"), true},
        {"Date:", check_application_mbox, at32("\nDate: today\n"), true},
        {"Subject:", check_application_mbox, at32("\nSubject: hi\n"), true},
        {"Delivered-To:", check_application_mbox, at32("\nDelivered-To: x\n"), true},
        {"Received: by", check_application_mbox, at32("\nReceived: by host\n"), true},
        {"Received: via", check_application_mbox, at32("\nReceived: via host\n"), true},
        {"Received: from", check_application_mbox, at32("\nReceived: from host\n"), true},
        {"Mime-Version:", check_application_mbox, at32("\nMime-Version: 1.0\n"), true},
        {"case matters", check_application_mbox, at32("\nfrom: a@b.c\n"), false},
        {"Received: alone", check_application_mbox, at32("\nReceived: \n"), false},
        {"LF at 31", check_application_mbox, {{0, from.substr(0, 31) + "\nFrom: a@b.c\n"}}, false},
        {"no From line", check_application_mbox, {{0, "From:a@b.c Sat Jan  3 01:05:3426\nDate: x\n"}},
         false},
        {"From line one byte late", check_application_mbox, {{1, from + "\nDate: x\n"}}, false},
        // Header line ending at 256 vs 257 (no X- line).
        {"Date: ending at 256", check_application_mbox, {{0, from}, {250, "\nDate: "}}, true},
        {"Date: ending at 257", check_application_mbox, {{0, from}, {251, "\nDate: "}}, false},
        // Past 256 only with an X- line in 32..256 (any case), and up to 8192.
        {"X- then Date: at 1000", check_application_mbox,
         {{0, from}, {49, "\nX-Mailer: m"}, {1000, "\nDate: x"}}, true},
        {"x- then Date: at 1000", check_application_mbox,
         {{0, from}, {49, "\nx-mailer: m"}, {1000, "\nDate: x"}}, true},
        {"no X- then Date: at 1000", check_application_mbox, {{0, from}, {1000, "\nDate: x"}}, false},
        {"X- at 31", check_application_mbox,
         {{0, from.substr(0, 31) + "\nX-Mailer: m"}, {1000, "\nDate: x"}}, false},
        {"X- ending at 257", check_application_mbox,
         {{0, from}, {255, "\nX-"}, {1000, "\nDate: x"}}, false},
        {"X- then Date: ending at 8192", check_application_mbox,
         {{0, from}, {49, "\nX-A: b"}, {8186, "\nDate: "}}, true},
        {"X- then Date: ending at 8193", check_application_mbox,
         {{0, from}, {49, "\nX-A: b"}, {8187, "\nDate: "}}, false},
    };
    run_rows(cases);
}

TEST(AppStandardsChecks, Msword) {
    const std::string cfb = H("D0 CF 11 E0 A1 B1 1A E1");
    const std::string word_doc =
        H("57 00 6F 00 72 00 64 00 44 00 6F 00 63 00 75 00 6D 00 65 00 6E 00 74");  // 23 bytes
    run_rows({
        {"Word 6 title at 2080", check_application_msword, {{2080, "Microsoft Word 6.0 Document"}}, true},
        {"Word 6 title at 2081", check_application_msword, {{2081, "Microsoft Word 6.0 Document"}}, false},
        {"Italian title", check_application_msword, {{2080, "Documento Microsoft Word 6"}}, true},
        {"MSWordDoc at 2112", check_application_msword, {{2112, "MSWordDoc"}}, true},
        {"MSWordDoc at 2111", check_application_msword, {{2111, "MSWordDoc"}}, false},
        {"31 BE 00 00", check_application_msword, {{0, H("31 BE 00 00")}}, true},
        {"31 BE 00 01", check_application_msword, {{0, H("31 BE 00 01")}}, false},
        {"PO^Q`", check_application_msword, {{0, H("50 4F 5E 51 60")}}, true},
        {"FE 37 00 23", check_application_msword, {{0, H("FE 37 00 23")}}, true},
        {"DB A5 2D 00 00 00", check_application_msword, {{0, H("DB A5 2D 00 00 00")}}, true},
        {"DB A5 2D 00 00 01", check_application_msword, {{0, H("DB A5 2D 00 00 01")}}, false},
        {"94 A6 2E", check_application_msword, {{0, H("94 A6 2E")}}, true},
        {"compound file alone", check_application_msword, {{0, cfb}}, false},
        {"compound file + WordDocument", check_application_msword, {{0, cfb}, {1280, word_doc}}, true},
        {"signature at 1", check_application_msword, {{1, cfb}, {1280, word_doc}}, true},
        {"signature at 2", check_application_msword, {{2, cfb}, {1280, word_doc}}, false},
        {"WordDocument without signature", check_application_msword, {{1280, word_doc}}, false},
        {"WordDocument at 1152", check_application_msword, {{0, cfb}, {1152, word_doc}}, true},
        {"WordDocument at 1151", check_application_msword, {{0, cfb}, {1151, word_doc}}, false},
        {"WordDocument ending at 4096", check_application_msword, {{0, cfb}, {4074, word_doc}}, true},
        {"WordDocument ending at 4097", check_application_msword, {{0, cfb}, {4075, word_doc}}, false},
        {"WorkBook is not", check_application_msword,
         {{0, cfb}, {1280, H("57 00 6F 00 72 00 6B 00 62 00 6F 00 6F 00 6B 00")}}, false},
        {"jbjb at 546", check_application_msword, {{0, cfb}, {546, "jbjb"}}, true},
        {"bjbj at 546", check_application_msword, {{0, cfb}, {546, "bjbj"}}, true},
        {"bjbj at 547", check_application_msword, {{0, cfb}, {547, "bjbj"}}, false},
        {"bjbj without signature", check_application_msword, {{546, "bjbj"}}, false},
    });
}

TEST(AppStandardsChecks, Xml) {
    const std::string ns = "<r xmlns=\"urn:x\"/>";
    run_rows({
        {"declaration", check_application_xml, {{0, "<?xml version=\"1.0\"?>"}}, true},
        {"upper-case declaration", check_application_xml, {{0, "<?XML version=\"1.0\"?>"}}, true},
        {"byte-order mark", check_application_xml, {{0, "\xEF\xBB\xBF<?xml "}}, true},
        {"CR LF first", check_application_xml, {{0, "\r\n<?xml "}}, true},
        {"UTF-16LE with BOM", check_application_xml,
         {{0, H("FF FE 3C 00 3F 00 78 00 6D 00 6C 00 20 00")}}, true},
        {"UTF-16BE with BOM", check_application_xml,
         {{0, H("FE FF 00 3C 00 3F 00 78 00 6D 00 6C 00 20")}}, true},
        {"UTF-16LE without BOM", check_application_xml, {{0, H("3C 00 3F 00 78 00 6D 00 6C 00")}}, false},
        {"comment first", check_application_xml, {{0, "<!-- a comment -->\n<r/>"}}, true},
        {"comment after a blank", check_application_xml, {{0, " <!-- a comment -->"}}, false},
        {"plain text", check_application_xml, {{0, "hello world"}}, false},
        // A declaration later than byte 0 needs a namespace declaration in 0..256.
        {"late declaration, xmlns=", check_application_xml, {{0, "\n\n<?xml version=\"1.0\"?>" + ns}}, true},
        {"late declaration, xmlns:", check_application_xml,
         {{0, " <?xml version=\"1.0\"?><a:r xmlns:a=\"urn:x\"/>"}}, true},
        {"late declaration, any case", check_application_xml,
         {{0, " <?XmL version=\"1.0\"?><r XMLNS=\"urn:x\"/>"}}, true},
        {"late declaration alone", check_application_xml, {{0, " <?xml version=\"1.0\"?><r/>"}}, false},
        {"xmlns before the declaration", check_application_xml,
         {{0, "xmlns= "}, {100, "<?xml version=\"1.0\"?>"}}, true},
        {"declaration ending at 256", check_application_xml, {{0, " " + ns}, {252, "<?xml"}}, true},
        {"declaration starting at 253", check_application_xml, {{0, " " + ns}, {253, "<?xml"}}, false},
        {"xmlns ending at 256", check_application_xml, {{0, " <?xml?>"}, {251, "xmlns="}}, true},
        {"xmlns ending at 257", check_application_xml, {{0, " <?xml?>"}, {252, "xmlns="}}, false},
        // A late declaration without a namespace declaration goes on to the comment test.
        {"comment first, declaration later, no xmlns", check_application_xml,
         {{0, "<!-- c -->\n<?xml version=\"1.0\"?><r/>"}}, true},
    });
}

// ---------------------------------------------------------------------------
// XML root and namespace tests.

TEST(AppStandardsChecks, XmlRootsWithNamespaces) {
    using namespace std_ns;
    const Puts binary = {{0, L("<feed\0\0\0\0\0 xmlns=\"http://www.w3.org/2005/Atom\">")}};
    run_rows({
        {"atom 1.0", check_application_atom_xml, xml(with_ns("<feed", atom_1_0)), true},
        {"atom 0.3", check_application_atom_xml, xml(with_ns("<feed version=\"0.3\"", atom_0_3)), true},
        {"atom, namespace in other case", check_application_atom_xml,
         xml("<FEED xmlns=\"HTTP://WWW.W3.ORG/2005/ATOM\">"), true},
        {"atom without namespace", check_application_atom_xml, xml("<feed>\n<feed />"), false},
        {"atom, other namespace", check_application_atom_xml, xml(with_ns("<feed", rss_1_0)), false},
        {"atom, not text", check_application_atom_xml, binary, false},
        {"atom, namespace ending at 2048", check_application_atom_xml,
         {{0, kDecl + "<feed "}, {2048 - 26, atom_1_0}}, true},
        {"atom, namespace ending at 2049", check_application_atom_xml,
         {{0, kDecl + "<feed "}, {2049 - 26, atom_1_0}}, false},
        {"gpx", check_application_gpx_xml, xml(with_ns("<gpx version=\"1.1\"", gpx_1_1)), true},
        {"gpx 1.0", check_application_gpx_xml,
         xml(with_ns("<gpx version=\"1.0\"", "http://www.topografix.com/GPX/1/0")), false},
        {"gpx, no blank after the name", check_application_gpx_xml,
         xml(std::string("<gpx>") + gpx_1_1), false},
        {"owl", check_application_owl_xml, xml(with_ns("<Ontology", owl)), true},
        {"owl without namespace", check_application_owl_xml, xml("<Ontology about=\"x\">"), false},
        {"ttml", check_application_ttml_xml, xml(with_ns("<tt xml:lang=\"en\"", ttml)), true},
        {"ttml without namespace", check_application_ttml_xml, xml("<tt xml:lang=\"en\">"), false},
        {"xsl-fo", check_application_xslfo_xml,
         xml(std::string("<fo:root xmlns:fo=\"") + xsl_format + "\">"), true},
        {"xsl-fo, transform namespace", check_application_xslfo_xml,
         xml(std::string("<fo:root xmlns:fo=\"") + xslt + "\">"), false},
        {"xslt", check_application_xslt_xml,
         xml(std::string("<xsl:stylesheet xmlns:xsl=\"") + xslt + "\" version=\"1.0\">"), true},
        // With a prefix, the root test needs xmlns right after the name: an
        // attribute in between defeats it.
        {"xslt, version before xmlns", check_application_xslt_xml,
         xml(std::string("<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"") + xslt + "\">"), false},
        {"xslt without stylesheet root", check_application_xslt_xml,
         xml(std::string("<xsl:transform xmlns:xsl=\"") + xslt + "\" version=\"1.0\">"), false},
        {"xspf", check_application_xspf_xml, xml(with_ns("<playlist version=\"1\"", xspf)), true},
        {"xspf without namespace", check_application_xspf_xml, xml("<playlist version=\"1\">"), false},
    });
}

TEST(AppStandardsChecks, XmlRootsWhoseNamespaceNeverDecides) {
    using namespace std_ns;
    run_rows({
        {"dif", check_application_dif_xml, xml("<DIF >"), true},
        {"dif with namespace", check_application_dif_xml, xml(with_ns("<DIF", dif)), true},
        {"dif lower case", check_application_dif_xml, xml("<dif >"), true},
        {"dif, no root", check_application_dif_xml, xml(with_ns("<Entry", dif)), false},
        {"dita concept", check_application_dita_xml_format_concept, xml("<concept id=\"c\">"), true},
        {"dita concept, namespace only", check_application_dita_xml_format_concept,
         xml(with_ns("<topic", dita)), false},
        {"dita map", check_application_dita_xml_format_map, xml("<map title=\"m\">"), true},
        {"dita map, no blank", check_application_dita_xml_format_map, xml("<map>"), false},
        {"dita task", check_application_dita_xml_format_task, xml("<task id=\"t\">"), true},
        {"dita topic", check_application_dita_xml_format_topic, xml("<topic id=\"t\">"), true},
        {"dita topic, other root", check_application_dita_xml_format_topic, xml("<task id=\"t\">"), false},
        {"dita val", check_application_dita_xml_format_val, xml("<val >"), true},
        {"rdf", check_application_rdf_xml,
         xml(std::string("<rdf:RDF xmlns:rdf=\"") + rdf_syntax + "\">"), true},
        {"rdf without namespace", check_application_rdf_xml, xml("<RDF >"), true},
        {"rdf, namespace only", check_application_rdf_xml,
         xml(std::string("<Description xmlns=\"") + rdf_syntax + "\">"), false},
        {"rss 2.0", check_application_rss_xml, xml("<rss version=\"2.0\">"), true},
        {"rss 1.0 namespace", check_application_rss_xml, xml(with_ns("<rss", rss_1_0)), true},
        {"rss, no blank", check_application_rss_xml, xml("<rss>"), false},
        {"smil", check_application_smil_xml, xml("<smil xmlns=\"http://www.w3.org/ns/SMIL\">"), true},
        {"smil, no blank", check_application_smil_xml, xml("<smil>"), false},
        {"onix reference", check_application_onix_message_xml,
         xml(with_ns("<ONIXMessage release=\"3.0\"", onix_3_reference)), true},
        {"onix short tags", check_application_onix_message_xml,
         xml(with_ns("<ONIXmessage release=\"3.0\"", onix_3_short)), true},
        {"onix without namespace", check_application_onix_message_xml, xml("<ONIXMessage >"), true},
        {"onix, other root", check_application_onix_message_xml, xml(with_ns("<Header", onix_3_short)),
         false},
        {"onix short type, short root", check_application_onix_message_short_xml,
         xml(with_ns("<ONIXmessage", onix_3_short)), true},
        {"onix short type, no root", check_application_onix_message_short_xml,
         xml(with_ns("<Header", onix_3_reference)), false},
    });
}

TEST(AppStandardsChecks, GmlHasNoRootTest) {
    using namespace std_ns;
    run_rows({
        {"gml", check_application_gml_xml, xml(std::string("<anything xmlns:gml=\"") + gml + "\">"), true},
        {"gml 3.2", check_application_gml_xml, xml(std::string("<x xmlns:gml=\"") + gml_3_2 + "\">"), true},
        {"gml any case", check_application_gml_xml, {{0, "HTTP://WWW.OPENGIS.NET/GML"}}, true},
        {"gml without declaration", check_application_gml_xml, {{0, std::string("ns ") + gml}}, true},
        {"gml ending at 2048", check_application_gml_xml, {{0, "some text "}, {2048 - 25, gml}}, true},
        {"gml ending at 2049", check_application_gml_xml, {{0, "some text "}, {2049 - 25, gml}}, false},
        {"gml, not text", check_application_gml_xml, {{0, L("ab\0\0\0\0\0\0\0")}, {20, gml}}, false},
        {"gml, other host", check_application_gml_xml, xml("<x xmlns=\"http://www.opengis.org/gml\">"),
         false},
    });
}

TEST(AppStandardsChecks, Xhtml) {
    using namespace std_ns;
    const std::string not_text = L("ab\0\0\0\0\0\0\0");
    run_rows({
        {"root and namespace", check_application_xhtml_xml, xml(with_ns("<html lang=\"en\"", xhtml)), true},
        {"root, no namespace", check_application_xhtml_xml, xml("<html lang=\"en\">"), false},
        {"<html xmlns= at 0", check_application_xhtml_xml, {{0, "<html xmlns=\"urn:x\">"}}, true},
        {"<html xmlns= in a binary buffer", check_application_xhtml_xml,
         {{0, not_text}, {4000, "<html xmlns="}}, true},
        {"<HTML xmlns= in a binary buffer", check_application_xhtml_xml,
         {{0, not_text}, {4000, "<HTML xmlns="}}, false},
        {"<html xmlns= ending at 8192", check_application_xhtml_xml,
         {{0, not_text}, {8181, "<html xmlns="}}, true},
        {"<html xmlns= ending at 8193", check_application_xhtml_xml,
         {{0, not_text}, {8182, "<html xmlns="}}, false},
    });
}

// ---------------------------------------------------------------------------
// Whole-detector answers.

TEST(AppStandardsDetector, PriorityTypes) {
    EXPECT_EQ(detect("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Type /Catalog >>\nendobj\n"),
              "application/pdf");
    EXPECT_EQ(detect(zip_entry("hello.txt", "hello, world\n") + H("50 4B 05 06") + rep(18, '\0')),
              "application/zip");
    EXPECT_EQ(detect(H("50 4B 05 06") + rep(18, '\0')), "application/zip");
    // A child of the ZIP type is searched first and wins.
    EXPECT_EQ(detect(zip_entry("mimetype", "application/epub+zip") + zip_entry("a.xhtml", "<html/>")),
              "application/epub+zip");
}

TEST(AppStandardsDetector, XmlDocuments) {
    EXPECT_EQ(detect(kDecl + "<note>\n  <to>Tove</to>\n  <body>Remember me</body>\n</note>\n"),
              "application/xml");
    EXPECT_EQ(detect("<!-- settings -->\n<settings><item key=\"a\"/></settings>\n"), "application/xml");
    // No "+xml" child sees a UTF-16 document: none of them passes the text test.
    std::string utf16 = H("FF FE");
    for (char c : std::string("<?xml version=\"1.0\"?><rss version=\"2.0\">")) utf16 += std::string{c, 0};
    EXPECT_EQ(detect(utf16), "application/xml");
    // Children of the XML type are searched before its own match.
    EXPECT_EQ(detect(kDecl + "<rss version=\"2.0\">\n<channel></channel>\n</rss>\n"),
              "application/rss+xml");
    EXPECT_EQ(detect(kDecl + with_ns("<ONIXMessage release=\"3.0\"", std_ns::onix_3_reference)),
              "application/onix-message+xml");
}

TEST(AppStandardsDetector, OtherFormats) {
    EXPECT_EQ(detect(H("1F 8B 08 00 00 00 00 00 00 03") + "\x4B\x4C\x4A\x06\x00"), "application/gzip");
    EXPECT_EQ(detect("{\\rtf1\\ansi\\deff0 {\\fonttbl {\\f0 Times;}}\\f0 Hello}\n"), "application/rtf");
    EXPECT_EQ(detect("%!PS-Adobe-3.0\nnewpath 0 0 moveto showpage\n"), "application/postscript");
    EXPECT_EQ(detect("%!PS-Adobe-3.0 EPSF-3.0\n%AI5_FileFormat 3\n%%EndComments\n"),
              "application/illustrator+ps");
    EXPECT_EQ(detect("From someone@example.com Sat Jan  3 01:05:34 2026\nReturn-Path: <a@b.c>\n"
                     "Date: Sat, 3 Jan 2026 01:05:34 +0000\nSubject: hi\n\nbody\n"),
              "application/mbox");
}

}  // namespace
