// The content checks of the image types, row by row: for each row buffers that
// make the check hold and buffers just outside it (one byte late, a wrong
// byte, past the window), and a few whole-detector answers.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "mime_magic/mime_magic.h"
#include "check_support.h"

namespace mime_magic::checks {
extern const char SVG_NS[];
}

namespace {

using namespace std::string_literals;
namespace checks = mime_magic::checks;
using namespace checksupport;
using builders::png_head;

const std::string PNG_SIG = "\x89PNG\r\n\x1A\n";
const std::string JP2_SIG = "\0\0\0\x0CjP  \r\n\x87\n"s;

TEST(ImageChecks, SvgNamespaceName) {
    const std::string ns = checks::SVG_NS;
    EXPECT_EQ(ns.size(), 26u);
    EXPECT_EQ(ns.compare(0, 7, "http://"), 0);
    EXPECT_EQ(ns.compare(ns.size() - 9, 9, "/2000/svg"), 0);
}

TEST(ImageChecks, SignaturesAtZero) {
    // Rows that compare fixed bytes at offset 0: each alternative holds, and
    // one changed byte or one byte late does not.
    run_rows({
        {"aces 00", checks::check_image_aces, true, {{0, "\x76\x2F\x31\x01\x02\0\0\0"s}}},
        {"aces 04", checks::check_image_aces, true, {{0, "\x76\x2F\x31\x01\x02\x04\0\0"s}}},
        {"aces 03", checks::check_image_aces, false, {{0, "\x76\x2F\x31\x01\x02\x03\0\0"s}}},
        {"GIF87a", checks::check_image_gif, true, {{0, "GIF87a"}}},
        {"GIF89a", checks::check_image_gif, true, {{0, "GIF89a"}}},
        {"GIF88a", checks::check_image_gif, false, {{0, "GIF88a"}}},
        {"icns", checks::check_image_icns, true, {{0, "icns"}}},
        {"ICNS", checks::check_image_icns, false, {{0, "ICNS"}}},
        {"jpeg", checks::check_image_jpeg, true, {{0, "\xFF\xD8\xFF\xE0"}}},
        {"jpeg short", checks::check_image_jpeg, false, {{0, "\xFF\xD8"}}},
        {"jxl codestream", checks::check_image_jxl, true, {{0, "\xFF\x0A"}}},
        {"jxl container", checks::check_image_jxl, true, {{0, "\0\0\0\x0CJXL \r\n\x87\n"s}}},
        {"jxl container, wrong brand", checks::check_image_jxl, false, {{0, "\0\0\0\x0CJXS \r\n\x87\n"s}}},
        {"jxr", checks::check_image_jxr, true, {{0, "II\xBC\x01"}}},
        {"jxr wrong version", checks::check_image_jxr, false, {{0, "II\xBC\x02"}}},
        {"jxs", checks::check_image_jxs, true, {{0, "\0\0\0\x0CJXS \r\n\x87\n"s}}},
        {"jxs wrong last byte", checks::check_image_jxs, false, {{0, "\0\0\0\x0CJXS \r\n\x87\r"s}}},
        {"NITF01.10", checks::check_image_nitf, true, {{0, "NITF01.10"}}},
        {"NITF02.000", checks::check_image_nitf, true, {{0, "NITF02.000"}}},
        {"NITF02.100", checks::check_image_nitf, true, {{0, "NITF02.100"}}},
        {"NITF02.10", checks::check_image_nitf, false, {{0, "NITF02.10"}}},
        {"png", checks::check_image_png, true, {{0, PNG_SIG}}},
        {"png with LF for CR", checks::check_image_png, false, {{0, "\x89PNG\n\n\x1A\n"}}},
        {"modi", checks::check_image_vnd_ms_modi, true, {{0, "EP*\0"s}}},
        {"modi at 1", checks::check_image_vnd_ms_modi, false, {{1, "EP*\0"s}}},
        {"radiance", checks::check_image_vnd_radiance, true, {{0, "#?RADIANCE\n"}}},
        {"radiance lower case", checks::check_image_vnd_radiance, false, {{0, "#?radiance\n"}}},
        {"dcx", checks::check_image_vnd_zbrush_dcx, true, {{0, "\xB1\x68\xDE\x3A"}}},
        {"dcx wrong", checks::check_image_vnd_zbrush_dcx, false, {{0, "\xB1\x68\xDE\x3B"}}},
        {"wmf placeable", checks::check_image_wmf, true, {{0, "\xD7\xCD\xC6\x9A\0\0"s}}},
        {"wmf plain", checks::check_image_wmf, true, {{0, "\x01\0\x09\0\0\x03"s}}},
        {"wmf plain, version 2", checks::check_image_wmf, false, {{0, "\x01\0\x09\0\0\x02"s}}},
        {"bpg", checks::check_image_x_bpg, true, {{0, "BPG\xFB"}}},
        {"bpg wrong", checks::check_image_x_bpg, false, {{0, "BPG\xFA"}}},
        {"dpx big endian", checks::check_image_x_dpx, true, {{0, "SDPX"}}},
        {"dpx little endian", checks::check_image_x_dpx, true, {{0, "XPDS"}}},
        {"dpx at 1", checks::check_image_x_dpx, false, {{1, "SDPX"}}},
        {"jbig2", checks::check_image_x_jbig2, true, {{0, "\x97JB2\r\n\x1A\n"}}},
        {"jbig2 wrong", checks::check_image_x_jbig2, false, {{0, "\x97JB2\r\n\x1A\r"}}},
        {"j2k codestream", checks::check_image_x_jp2_codestream, true, {{0, "\xFF\x4F\xFF\x51"}}},
        {"j2k codestream wrong", checks::check_image_x_jp2_codestream, false, {{0, "\xFF\x4F\xFF\x52"}}},
        {"niff", checks::check_image_x_niff, true, {{0, "IIN1"}}},
        {"niff 2", checks::check_image_x_niff, false, {{0, "IIN2"}}},
        {"raw olympus", checks::check_image_x_raw_olympus, true, {{0, "IIRO"}}},
        {"raw olympus MM", checks::check_image_x_raw_olympus, false, {{0, "MMOR"}}},
        {"sgi rgb", checks::check_image_x_rgb, true, {{0, "\x01\xDA\x01\x01\0\x03"s}}},
        {"sgi rgb two channels", checks::check_image_x_rgb, false, {{0, "\x01\xDA\x01\x01\0\x02"s}}},
        {"xcf", checks::check_image_x_xcf, true, {{0, "gimp xcf v011"}}},
        {"xcf without blank", checks::check_image_x_xcf, false, {{0, "gimp xcf"}}},
    });
}

TEST(ImageChecks, IsoMediaBrands) {
    // 'ftyp' and the brand at 4; the box size before it is not compared.
    struct Brand {
        Check fn;
        const char* brand;
        bool holds;
    };
    const Brand brands[] = {
        {checks::check_image_avif, "avif", true},  {checks::check_image_avif, "avis", true},
        {checks::check_image_avif, "avio", false}, {checks::check_image_heic, "heic", true},
        {checks::check_image_heic, "heix", true},  {checks::check_image_heic, "heim", false},
        {checks::check_image_heic_sequence, "hevc", true},
        {checks::check_image_heic_sequence, "hevx", true},
        {checks::check_image_heic_sequence, "hevm", false},
        {checks::check_image_heif, "mif1", true},  {checks::check_image_heif, "heim", true},
        {checks::check_image_heif, "heis", true},  {checks::check_image_heif, "avic", true},
        {checks::check_image_heif, "heic", false}, {checks::check_image_heif_sequence, "msf1", true},
        {checks::check_image_heif_sequence, "hevm", true},
        {checks::check_image_heif_sequence, "hevs", true},
        {checks::check_image_heif_sequence, "avcs", true},
        {checks::check_image_heif_sequence, "hevc", false},
        {checks::check_image_x_canon_cr3, "crx ", true},
        {checks::check_image_x_canon_cr3, "crx2", false},
    };
    for (const Brand& b : brands) {
        SCOPED_TRACE(b.brand);
        EXPECT_EQ(run_check(b.fn, buffer_with({{0, "\0\0\0\x18"s + "ftyp" + b.brand}})), b.holds);
        // One byte late never holds.
        EXPECT_FALSE(run_check(b.fn, buffer_with({{5, "ftyp"s + b.brand}})));
    }
}

TEST(ImageChecks, Bmp) {
    auto f = checks::check_image_bmp;
    for (const char* bpp : {"\0\0", "\x01\0", "\x04\0", "\x08\0", "\x10\0", "\x18\0", "\x20\0"}) {
        SCOPED_TRACE(int(uint8_t(bpp[0])));
        EXPECT_TRUE(run_check(f, buffer_with({{0, "BM"}, {26, "\x01\0"s}, {28, std::string(bpp, 2)}})));
    }
    run_rows({
        {"2 bits per pixel", f, false, {{0, "BM"}, {26, "\x01\0"s}, {28, "\x02\0"s}}},
        {"two planes", f, false, {{0, "BM"}, {26, "\x02\0"s}, {28, "\x18\0"s}}},
        {"no BM", f, false, {{0, "BA"}, {26, "\x01\0"s}, {28, "\x18\0"s}}},
        {"high byte of the depth set", f, false, {{0, "BM"}, {26, "\x01\0"s}, {28, "\x18\x01"s}}},
    });
}

TEST(ImageChecks, Cgm) {
    auto f = checks::check_image_cgm;
    run_rows({
        {"BEGMF", f, true, {{0, "BEGMF \"x\";"}}},
        {"binary, code at 2", f, true, {{0, "\0\x20"s}, {2, "\x10\x22\0\x01"s}}},
        {"binary, version 4", f, true, {{0, "\0\x3F"s}, {10, "\x10\x22\0\x04"s}}},
        {"binary, version 5", f, false, {{0, "\0\x20"s}, {10, "\x10\x22\0\x05"s}}},
        {"code starting at 61 ends at 64", f, true, {{0, "\0\x21"s}, {61, "\x10\x22\0\x02"s}}},
        {"code starting at 62 ends at 65", f, false, {{0, "\0\x21"s}, {62, "\x10\x22\0\x02"s}}},
        {"byte 1 is 40", f, false, {{0, "\0\x40"s}, {2, "\x10\x22\0\x01"s}}},
        {"byte 1 is 1F", f, false, {{0, "\0\x1F"s}, {2, "\x10\x22\0\x01"s}}},
        {"byte 0 is 01", f, false, {{0, "\x01\x20"s}, {2, "\x10\x22\0\x01"s}}},
    });
}

TEST(ImageChecks, EmfFitsAndPhotoshop) {
    run_rows({
        {"emf", checks::check_image_emf, true, {{0, "\x01\0\0\0"s}, {40, " EMF"}}},
        {"emf at 41", checks::check_image_emf, false, {{0, "\x01\0\0\0"s}, {41, " EMF"}}},
        {"emf record 2", checks::check_image_emf, false, {{0, "\x02\0\0\0"s}, {40, " EMF"}}},
        {"fits", checks::check_image_fits, true, {{0, "SIMPLE  =                    T"}}},
        {"fits one blank after =", checks::check_image_fits, false, {{0, "SIMPLE  = T"}}},
        {"fits one blank before =", checks::check_image_fits, false, {{0, "SIMPLE =  T"}}},
        {"psd v1", checks::check_image_vnd_adobe_photoshop, true, {{0, "8BPS\0\x01"s}}},
        {"psb v2", checks::check_image_vnd_adobe_photoshop, true, {{0, "8BPS\0\x02"s}}},
        {"psd v3", checks::check_image_vnd_adobe_photoshop, false, {{0, "8BPS\0\x03"s}}},
    });
}

TEST(ImageChecks, Jpeg2000Family) {
    run_rows({
        {"container alone", checks::check_image_x_jp2_container, true, {{0, JP2_SIG}}},
        {"container, signature at 1", checks::check_image_x_jp2_container, false, {{1, JP2_SIG}}},
        {"jp2", checks::check_image_jp2, true, {{0, JP2_SIG}, {20, "jp2 "}}},
        {"jp2 brand at 21", checks::check_image_jp2, false, {{0, JP2_SIG}, {21, "jp2 "}}},
        {"jp2 without signature", checks::check_image_jp2, false, {{20, "jp2 "}}},
        {"jpm", checks::check_image_jpm, true, {{0, JP2_SIG}, {20, "jpm "}}},
        {"jpm brand jp2", checks::check_image_jpm, false, {{0, JP2_SIG}, {20, "jp2 "}}},
        {"jpx", checks::check_image_jpx, true, {{0, JP2_SIG}, {20, "jpx "}}},
        {"jpx brand jpxb", checks::check_image_jpx, false, {{0, JP2_SIG}, {20, "jpxb"}}},
    });
}

TEST(ImageChecks, Svg) {
    auto f = checks::check_image_svg_xml;
    const std::string ns = checks::SVG_NS;
    const std::string head = "<?xml version=\"1.0\"?>\n";
    run_rows({
        {"root with namespace", f, true, {{0, head + "<svg xmlns=\"" + ns + "\">"}}},
        {"prefixed root, namespace in capitals", f, true,
         {{0, head + "<svg:svg xmlns:svg=\"HTTP://WWW.W3.ORG/2000/SVG\">"}}},
        {"doubled name without any '<'", f, true, {{0, "abcdefghi svg:svg xmlns:svg=\"" + ns + "\""}}},
        {"root without namespace, not at 0", f, false, {{0, head + "<svg width=\"1\">"}}},
        {"step 2: <svg> and namespace within 256", f, true, {{0, head + "<svg\nxmlns=\"" + ns + "\">"}}},
        {"step 2: namespace ending at 257", f, false,
         {{0, head + "<svg\n"}, {257 - ns.size() + 1, ns}}},
        {"step 2: namespace ending at 256", f, true, {{0, head + "<svg\n"}, {256 - ns.size() + 1, ns}}},
        {"step 2 is case-sensitive", f, false, {{0, head + "<SVG\nxmlns=\"" + ns + "\">"}}},
        {"step 3: <svg at 0 in a binary buffer", f, true, {{0, "<svg\0\0\0\0\0\xFF"s}}},
        {"<svg at 1", f, false, {{1, "<svg\n"}}},
    });
}

TEST(ImageChecks, TiffAndCanon) {
    run_rows({
        {"tiff MM", checks::check_image_tiff, true, {{0, "MM\0*"s}}},
        {"tiff II", checks::check_image_tiff, true, {{0, "II*\0"s}}},
        {"bigtiff MM", checks::check_image_tiff, true, {{0, "MM\0+"s}}},
        {"bigtiff II is not accepted", checks::check_image_tiff, false, {{0, "II+\0"s}}},
        {"cr2 II", checks::check_image_x_canon_cr2, true, {{0, "II*\0\x10\0\0\0"s}, {8, "CR"}}},
        {"cr2 MM", checks::check_image_x_canon_cr2, true, {{0, "MM\0*"s}, {8, "CR"}}},
        {"cr2 at 9", checks::check_image_x_canon_cr2, false, {{0, "II*\0"s}, {9, "CR"}}},
        {"cr2 without tiff", checks::check_image_x_canon_cr2, false, {{0, "II+\0"s}, {8, "CR"}}},
        {"crw", checks::check_image_x_raw_canon, true, {{0, "II\x1A\0\0\0HEAPCCDR"s}}},
        {"crw wrong", checks::check_image_x_raw_canon, false, {{0, "II\x1A\0\0\0HEAPCCDX"s}}},
    });
}

TEST(ImageChecks, PremiereAndDgn) {
    run_rows({
        {"premiere", checks::check_image_vnd_adobe_premiere, true,
         {{0, "<?xml version=\"1.0\"?>\n<PremiereData Version=\"3\">"}}},
        {"premiere without blank", checks::check_image_vnd_adobe_premiere, false,
         {{0, "<?xml version=\"1.0\"?>\n<PremiereData>"}}},
        {"dgn 08", checks::check_image_vnd_dgn_version_7, true, {{0, "\x08\x09\xFE\x02"}}},
        {"dgn 18", checks::check_image_vnd_dgn_version_7, true, {{0, "\x18\x09\xFE\x02"}}},
        {"dgn F8", checks::check_image_vnd_dgn_version_7, true, {{0, "\xF8\x09\xFE\x02"}}},
        {"dgn 09", checks::check_image_vnd_dgn_version_7, false, {{0, "\x09\x09\xFE\x02"}}},
        {"dgn 0C", checks::check_image_vnd_dgn_version_7, false, {{0, "\x0C\x09\xFE\x02"}}},
    });
}

TEST(ImageChecks, Djvu) {
    auto f = checks::check_image_vnd_djvu;
    for (const char* kind : {"DJVM", "DJVU", "DJVI", "THUM"}) {
        SCOPED_TRACE(kind);
        EXPECT_TRUE(run_check(f, buffer_with({{0, "AT&TFORM\0\0\0\x10"s + kind}})));
    }
    run_rows({
        {"other form", f, false, {{0, "AT&TFORM\0\0\0\x10" "DJVX"s}}},
        {"kind at 13", f, false, {{0, "AT&TFORM"}, {13, "DJVU"}}},
    });
}

TEST(ImageChecks, Dwg) {
    auto f = checks::check_image_vnd_dwg;
    for (const char* v : {"MC0.0", "AC1.2", "AC1.40", "AC1.50", "AC2.10", "AC2.21", "AC2.22"}) {
        SCOPED_TRACE(v);
        EXPECT_TRUE(run_check(f, buffer_with({{0, v}})));
    }
    run_rows({
        {"AC1018", f, true, {{0, "AC1018"}}},
        {"AC9;:<", f, true, {{0, "AC9;:<"}}},
        {"AC2.23", f, false, {{0, "AC2.23"}}},
        {"byte 5 is 40", f, false, {{0, "AC101@"}}},
        {"byte 2 is 2F", f, false, {{0, "AC/018"}}},
        {"ac lower case", f, false, {{0, "ac1018"}}},
    });
}

TEST(ImageChecks, DxbAndDxf) {
    run_rows({
        {"dxb", checks::check_image_vnd_dxb, true, {{0, "AutoCAD DXB 1.0\r\n0x1A00"}}},
        {"dxb with a byte 1A", checks::check_image_vnd_dxb, false, {{0, "AutoCAD DXB 1.0\r\n\x1A\0"s}}},
        {"dxb LF only", checks::check_image_vnd_dxb, false, {{0, "AutoCAD DXB 1.0\n0x1A00"}}},
        {"binary dxf", checks::check_image_vnd_dxf_format_binary, true, {{0, "AutoCAD Binary DXF\r\n0x1A00"}}},
        {"binary dxf with a byte 1A", checks::check_image_vnd_dxf_format_binary, false,
         {{0, "AutoCAD Binary DXF\r\n\x1A\0"s}}},
        {"ascii dxf", checks::check_image_vnd_dxf_format_ascii, true, {{0, "  0\nSECTION\n  2\nHEADER\n"}}},
        {"ascii dxf CRLF", checks::check_image_vnd_dxf_format_ascii, true,
         {{0, "0\r\nSECTION\r\n2\r\nENTITIES\r\n"}}},
        {"ascii dxf with comment", checks::check_image_vnd_dxf_format_ascii, true,
         {{0, "999\nx\n0\nSECTION\n2\nHEADER\n"}}},
        {"ascii dxf, group 2 ends at 60", checks::check_image_vnd_dxf_format_ascii, true,
         {{0, "0\nSECTION\n"}, {10, std::string(42, ' ')}, {52, "2\nHEADER\n"}}},
        {"ascii dxf, group 2 ends at 61", checks::check_image_vnd_dxf_format_ascii, false,
         {{0, "0\nSECTION\n"}, {10, std::string(43, ' ')}, {53, "2\nHEADER\n"}}},
        {"ascii dxf, other section", checks::check_image_vnd_dxf_format_ascii, false,
         {{0, "0\nSECTION\n2\nTABLES\n"}}},
    });
}

TEST(ImageChecks, Icon) {
    auto f = checks::check_image_vnd_microsoft_icon;
    run_rows({
        {"ico", f, true, {{0, "\0\0\x01\0"s}}},
        {"cur", f, true, {{0, "\0\0\x02\0"s}}},
        {"type 3", f, false, {{0, "\0\0\x03\0"s}}},
        {"os/2 array", f, true, {{0, "BA(\0\0\0.\0\0\0\0\0\0\0"s}}},
        {"os/2 array, one byte changed", f, false, {{0, "BA(\0\0\0.\0\0\0\0\0\0\x01"s}}},
    });
}

TEST(ImageChecks, Apng) {
    auto f = checks::check_image_vnd_mozilla_apng;
    run_rows({
        {"acTL at 37", f, true, {{0, PNG_SIG}, {37, "acTL"}}},
        {"acTL at 38", f, false, {{0, PNG_SIG}, {38, "acTL"}}},
        {"acTL without signature", f, false, {{37, "acTL"}}},
        {"ACTL", f, false, {{0, PNG_SIG}, {37, "ACTL"}}},
    });
}

TEST(ImageChecks, PcxWebp3dsOs2) {
    run_rows({
        {"pcx 0", checks::check_image_vnd_zbrush_pcx, true, {{0, "\x0A\x00\x01"s}}},
        {"pcx 5", checks::check_image_vnd_zbrush_pcx, true, {{0, "\x0A\x05\x01"}}},
        {"pcx 1", checks::check_image_vnd_zbrush_pcx, false, {{0, "\x0A\x01\x01"}}},
        {"pcx 6", checks::check_image_vnd_zbrush_pcx, false, {{0, "\x0A\x06\x01"}}},
        {"webp", checks::check_image_webp, true, {{0, "RIFF\x10\0\0\0WEBPVP8 "s}}},
        {"riff wave", checks::check_image_webp, false, {{0, "RIFF\x10\0\0\0WAVEfmt "s}}},
        {"3ds", checks::check_image_x_3ds, true, {{0, "MM\x10\0\0\0\x02\0\x0A\0\0\0"s}, {16, "=="}}},
        {"3ds, editor chunk at 17", checks::check_image_x_3ds, false,
         {{0, "MM\x10\0\0\0\x02\0\x0A\0\0\0"s}, {17, "=="}}},
        {"3ds, version 3", checks::check_image_x_3ds, false, {{0, "MM\x10\0\0\0\x02\0\x0B\0\0\0"s}, {16, "=="}}},
    });
    auto os2 = checks::check_image_x_os2_graphics__charset_binary;
    for (const char* k : {"BM", "CI", "IC", "CP", "PT"}) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(run_check(os2, buffer_with({{0, "BA"}, {14, k}})));
        EXPECT_FALSE(run_check(os2, buffer_with({{0, "BA"}, {15, k}})));
    }
    EXPECT_FALSE(run_check(os2, buffer_with({{0, "BA"}, {14, "XX"}})));
}

TEST(ImageChecks, Freehand) {
    auto f = checks::check_image_x_freehand;
    run_rows({
        {"AGD2", f, true, {{0, "AGD2"}}},
        {"AGD3", f, true, {{0, "AGD3"}}},
        {"AGD4", f, true, {{0, "AGD4"}}},
        {"AGD5", f, false, {{0, "AGD5"}}},
        {"FreeHand10 at 15", f, true, {{15, "FreeHand10"}}},
        {"FreeHand11 at 0", f, true, {{0, "FreeHand11"}}},
        {"FreeHand12 at 15", f, true, {{15, "FreeHand12"}}},
        {"FreeHand10 at 16", f, false, {{16, "FreeHand10"}}},
        {"FreeHand11 at 16", f, false, {{16, "FreeHand11"}}},
        {"FreeHand12 at 16", f, false, {{16, "FreeHand12"}}},
        {"FreeHand9", f, false, {{0, "FreeHand9"}}},
    });
}

TEST(ImageChecks, GimpBrushAndPattern) {
    run_rows({
        {"gbr", checks::check_image_x_gimp_gbr, true, {{0, "\0\0\0\x1C"s}, {20, "GIMP"}}},
        {"gbr at 21", checks::check_image_x_gimp_gbr, false, {{21, "GIMP"}}},
        {"pat", checks::check_image_x_gimp_pat, true, {{20, "GPAT"}}},
        {"pat at 19", checks::check_image_x_gimp_pat, false, {{19, "GPAT"}}},
    });
}

TEST(ImageChecks, Pict) {
    auto f = checks::check_image_x_pict;
    run_rows({
        {"version 2 opcode at 522", f, true, {{522, "\0\x11\x02\xFF\x0C\0"s}}},
        {"at 521", f, false, {{521, "\0\x11\x02\xFF\x0C\0"s}}},
        {"version 1", f, false, {{522, "\0\x11\x01\xFF\x0C\0"s}}},
    });
}

TEST(ImageChecks, PortableMaps) {
    // The separator at byte 2: LF, CR or a blank, never a tab.
    for (const char sep : {'\n', '\r', ' '}) {
        SCOPED_TRACE(int(sep));
        const std::string s(1, sep);
        EXPECT_TRUE(run_check(checks::check_image_x_portable_arbitrarymap, buffer_with({{0, "P7" + s}})));
        EXPECT_TRUE(run_check(checks::check_image_x_portable_bitmap, buffer_with({{0, "P1" + s}})));
        EXPECT_TRUE(run_check(checks::check_image_x_portable_bitmap, buffer_with({{0, "P4" + s}})));
        EXPECT_TRUE(run_check(checks::check_image_x_portable_graymap, buffer_with({{0, "P2" + s}})));
        EXPECT_TRUE(run_check(checks::check_image_x_portable_graymap, buffer_with({{0, "P5" + s}})));
        EXPECT_TRUE(run_check(checks::check_image_x_portable_pixmap, buffer_with({{0, "P3" + s}})));
        EXPECT_TRUE(run_check(checks::check_image_x_portable_pixmap, buffer_with({{0, "P6" + s}})));
    }
    run_rows({
        {"P7 tab", checks::check_image_x_portable_arbitrarymap, false, {{0, "P7\t"}}},
        {"P1 tab", checks::check_image_x_portable_bitmap, false, {{0, "P1\t"}}},
        {"P4 tab", checks::check_image_x_portable_bitmap, false, {{0, "P4\t"}}},
        {"P5 tab", checks::check_image_x_portable_graymap, false, {{0, "P5\t"}}},
        {"P6 tab", checks::check_image_x_portable_pixmap, false, {{0, "P6\t"}}},
        {"P2 is not a bitmap", checks::check_image_x_portable_bitmap, false, {{0, "P2\n"}}},
        {"P3 is not a graymap", checks::check_image_x_portable_graymap, false, {{0, "P3\n"}}},
        {"P1 is not a pixmap", checks::check_image_x_portable_pixmap, false, {{0, "P1\n"}}},
        // The pattern alternative does not look at bytes 0 and 1.
        {"P4 anywhere, LF at 2", checks::check_image_x_portable_bitmap, true, {{0, "ab\n"}, {90000, "P4"}}},
        {"P5 anywhere, blank at 2", checks::check_image_x_portable_graymap, true, {{0, "ab "}, {5, "xP5"}}},
        {"P6 anywhere, CR at 2", checks::check_image_x_portable_pixmap, true, {{0, "ab\r"}, {131070, "P6"}}},
        {"P6 anywhere, letter at 2", checks::check_image_x_portable_pixmap, false, {{0, "abc"}, {100, "P6"}}},
        {"P7 at 1", checks::check_image_x_portable_arbitrarymap, false, {{1, "P7\n"}}},
    });
}

TEST(ImageChecks, Tga) {
    auto f = checks::check_image_x_tga;
    // A short file: the zero filling supplies a 00 byte from offset 8 on.
    run_rows({
        {"colour-mapped", f, true, {{0, "\0\x01\x01\0\0"s}}},
        {"true colour", f, true, {{0, "\0\0\x02\0\0"s}}},
        {"grey", f, true, {{0, "\0\0\x03\0\0"s}}},
        {"00 02 01 00 at 1", f, false, {{0, "\0\0\x02\x01\0"s}}},
        {"01 01 00 01 at 1", f, false, {{0, "\0\x01\x01\0\x01"s}}},
        {"00 03 00 01 at 1", f, false, {{0, "\0\0\x03\0\x01"s}}},
        {"run-length true colour", f, false, {{0, "\0\0\x0A\0\0"s}}},
    });
    // A full buffer without any byte of the pattern's set from offset 8 on.
    std::vector<uint8_t> full(mime_magic::MIME_SNIFF_BUFFER_LEN, 'a');
    const uint8_t head[] = {0x00, 0x00, 0x02, 0x00, 0x00};
    std::memcpy(full.data(), head, sizeof head);
    EXPECT_FALSE(run_check(f, full));
    full[7] = 'X';  // before the pattern's span
    EXPECT_FALSE(run_check(f, full));
    full[100000] = 'X';
    EXPECT_TRUE(run_check(f, full));
    full[100000] = '.';
    EXPECT_TRUE(run_check(f, full));
}

TEST(ImageChecks, Xpm) {
    run_rows({
        {"xpm comment", checks::check_image_x_xpixmap, true, {{0, "/* XPM */\nstatic char"}}},
        {"xpm comment holds for the bitmap too", checks::check_image_x_xbitmap, true, {{0, "/* XPM */"}}},
        {"xpm without comment end", checks::check_image_x_xpixmap, false, {{0, "/* XPM2 */"}}},
        {"XPM2 is an xbitmap", checks::check_image_x_xbitmap, true, {{0, "/* XPM2 */"}}},
        {"xpm lower case", checks::check_image_x_xbitmap, false, {{0, "/* xpm */"}}},
    });
}

TEST(ImageDetection, PriorityTypes) {
    EXPECT_EQ(png_head("acTL").substr(37, 4), "acTL");
    EXPECT_EQ(detect(png_head("acTL")), "image/vnd.mozilla.apng");
    EXPECT_EQ(detect(png_head("IDAT")), "image/png");
    EXPECT_EQ(detect("GIF89a\x01\0\x01\0\x80\0\0"s), "image/gif");
    EXPECT_EQ(detect("\xFF\xD8\xFF\xE0\0\x10JFIF\0"s), "image/jpeg");
}

TEST(ImageDetection, WalkOrderDecides) {
    // The PNG signature wins over the text-looking rest and over an earlier
    // walk position that would also hold.
    EXPECT_EQ(detect(PNG_SIG + "\0\x01\x01\0\0"s), "image/png");
    // A TGA header: walk position 0.
    EXPECT_EQ(detect("\0\0\x02\0\0\0\0\0\0\0\0\0\x01\0\x01\0\x18\0"s), "image/x-tga");
    // The pixmap comment satisfies its parent's check too; the child's own
    // walk position comes first.
    EXPECT_EQ(detect("/* XPM */\nstatic char *x[] = {\n"), "image/x-xpixmap");
    EXPECT_EQ(detect("/* XPM2 */\nstatic char *x[] = {\n"), "image/x-xbitmap");
    // The TIFF child with 'CR' at 8.
    EXPECT_EQ(detect("II*\0\x10\0\0\0CR\x02\0"s), "image/x-canon-cr2");
    // The brand at 20 picks the JPEG 2000 child; any other brand leaves the
    // container type.
    EXPECT_EQ(detect(JP2_SIG + "\0\0\0\x14" "ftypjp2 "s), "image/jp2");
    EXPECT_EQ(detect(JP2_SIG + "\0\0\0\x14" "ftypabcd"s), "image/x-jp2-container");
    EXPECT_EQ(detect("MM\0*\0\0\0\x08"s), "image/tiff");
    // Any buffer starting '<svg', text or not.
    EXPECT_EQ(detect("<svg\0\0\0\0\0\xFF"s), "image/svg+xml");
    EXPECT_EQ(detect("P6\n3 2\n255\n\xFF\0\0"s), "image/x-portable-pixmap");
    // The BPG pair: only the first record of the shared check is reported.
    EXPECT_EQ(detect("BPG\xFB\x00\x10"s), "image/x-bpg");
}

}  // namespace
