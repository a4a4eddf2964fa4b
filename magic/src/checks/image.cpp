// Content checks: image types.
#include "checks/checks.h"

namespace mime_magic::checks {

// The namespace name of SVG documents.
constexpr char kSvgNs[] = "http://www.w3.org/2000/svg";

namespace {

// The JPEG 2000 family signature box.
constexpr auto kJp2Signature = "00 00 00 0C 6A 50 20 20 0D 0A 87 0A"_hex;

// A TIFF header, either byte order, or the big-endian BigTIFF form.
bool tiff_header(const Probe& b) {
    return at(b, 0, "4D 4D 00 2A"_hex) || at(b, 0, "49 49 2A 00"_hex) ||
           at(b, 0, "4D 4D 00 2B"_hex);
}

// The separator after a portable-map magic number: LF, CR or a blank at byte 2.
bool pnm_separator(const Probe& b) {
    return at(b, 2, "0A"_hex) || at(b, 2, "0D"_hex) || at(b, 2, "20"_hex);
}

}  // namespace

// "image/aces"
bool check_image_aces(const Probe& b) {
    return at(b, 0, "76 2F 31 01 02 00 00 00"_hex) || at(b, 0, "76 2F 31 01 02 04 00 00"_hex);
}

// "image/avif"
bool check_image_avif(const Probe& b) { return at(b, 4, "ftypavif") || at(b, 4, "ftypavis"); }

// "image/bmp"
bool check_image_bmp(const Probe& b) {
    return at(b, 0, "BM") && at(b, 26, "01 00"_hex) &&
           (at(b, 28, "00 00"_hex) || at(b, 28, "01 00"_hex) || at(b, 28, "04 00"_hex) ||
            at(b, 28, "08 00"_hex) || at(b, 28, "10 00"_hex) || at(b, 28, "18 00"_hex) ||
            at(b, 28, "20 00"_hex));
}

// "image/cgm"
bool check_image_cgm(const Probe& b) {
    return at(b, 0, "BEGMF") ||
           (at(b, 0, "00"_hex) && byte_mask(b, 1, 0xE0, 0x20) &&
            (within(b, 2, 64, "10 22 00 01"_hex) || within(b, 2, 64, "10 22 00 02"_hex) ||
             within(b, 2, 64, "10 22 00 03"_hex) || within(b, 2, 64, "10 22 00 04"_hex)));
}

// "image/emf"
bool check_image_emf(const Probe& b) { return at(b, 0, "01 00 00 00"_hex) && at(b, 40, " EMF"); }

// "image/fits"
bool check_image_fits(const Probe& b) {
    return at(b, 0, "SIMPLE") && at(b, 6, "20 20 3D 20 20"_hex);
}

// "image/gif"
bool check_image_gif(const Probe& b) { return at(b, 0, "GIF87a") || at(b, 0, "GIF89a"); }

// "image/heic"
bool check_image_heic(const Probe& b) { return at(b, 4, "ftypheic") || at(b, 4, "ftypheix"); }

// "image/heic-sequence"
bool check_image_heic_sequence(const Probe& b) {
    return at(b, 4, "ftyphevc") || at(b, 4, "ftyphevx");
}

// "image/heif"
bool check_image_heif(const Probe& b) {
    return at(b, 4, "ftypmif1") || at(b, 4, "ftypheim") || at(b, 4, "ftypheis") ||
           at(b, 4, "ftypavic");
}

// "image/heif-sequence"
bool check_image_heif_sequence(const Probe& b) {
    return at(b, 4, "ftypmsf1") || at(b, 4, "ftyphevm") || at(b, 4, "ftyphevs") ||
           at(b, 4, "ftypavcs");
}

// "image/icns"
bool check_image_icns(const Probe& b) { return at(b, 0, "icns"); }

// "image/jp2"
bool check_image_jp2(const Probe& b) { return at(b, 0, kJp2Signature) && at(b, 20, "jp2 "); }

// "image/jpeg"
bool check_image_jpeg(const Probe& b) { return at(b, 0, "FF D8 FF"_hex); }

// "image/jpm"
bool check_image_jpm(const Probe& b) { return at(b, 0, kJp2Signature) && at(b, 20, "jpm "); }

// "image/jpx"
bool check_image_jpx(const Probe& b) { return at(b, 0, kJp2Signature) && at(b, 20, "jpx "); }

// "image/jxl"
bool check_image_jxl(const Probe& b) {
    return at(b, 0, "FF 0A"_hex) || at(b, 0, "00 00 00 0C 4A 58 4C 20 0D 0A 87 0A"_hex);
}

// "image/jxr"
bool check_image_jxr(const Probe& b) { return at(b, 0, "49 49 BC 01"_hex); }

// "image/jxs"
bool check_image_jxs(const Probe& b) { return at(b, 0, "00 00 00 0C 4A 58 53 20 0D 0A 87 0A"_hex); }

// "image/nitf"
bool check_image_nitf(const Probe& b) {
    return at(b, 0, "NITF01.10") || at(b, 0, "NITF02.000") || at(b, 0, "NITF02.100");
}

// "image/png"
bool check_image_png(const Probe& b) { return at(b, 0, "89 50 4E 47 0D 0A 1A 0A"_hex); }

// "image/svg+xml"
bool check_image_svg_xml(const Probe& b) {
    return xml_root(b, "svg", kSvgNs) || (within(b, 0, 256, "<svg") && within(b, 5, 256, kSvgNs)) ||
           at(b, 0, "<svg");
}

// "image/tiff"
bool check_image_tiff(const Probe& b) { return tiff_header(b); }

// "image/vnd.adobe.photoshop"
bool check_image_vnd_adobe_photoshop(const Probe& b) {
    return at(b, 0, "8BPS") && (at(b, 4, "00 01"_hex) || at(b, 4, "00 02"_hex));
}

// "image/vnd.adobe.premiere"
bool check_image_vnd_adobe_premiere(const Probe& b) { return xml_root(b, "PremiereData"); }

// "image/vnd.dgn;version=7"
bool check_image_vnd_dgn_version_7(const Probe& b) {
    return byte_mask(b, 0, 0x0F, 0x08) && at(b, 1, "09 FE 02"_hex);
}

// "image/vnd.djvu"
bool check_image_vnd_djvu(const Probe& b) {
    return at(b, 0, "AT&TFORM") &&
           (at(b, 12, "DJVM") || at(b, 12, "DJVU") || at(b, 12, "DJVI") || at(b, 12, "THUM"));
}

// "image/vnd.dwg"
bool check_image_vnd_dwg(const Probe& b) {
    return (at(b, 0, "MC0.0") || at(b, 0, "AC1.2") || at(b, 0, "AC1.40") || at(b, 0, "AC1.50") ||
            at(b, 0, "AC2.10") || at(b, 0, "AC2.21") || at(b, 0, "AC2.22")) ||
           (at(b, 0, "AC") && byte_mask(b, 2, 0xF0, 0x30) && byte_mask(b, 3, 0xF0, 0x30) &&
            byte_mask(b, 4, 0xF0, 0x30) && byte_mask(b, 5, 0xF0, 0x30));
}

// "image/vnd.dxb"
bool check_image_vnd_dxb(const Probe& b) {
    return at(b, 0, "AutoCAD DXB 1.0") && at(b, 15, "0D 0A"_hex) && at(b, 17, "0x1A00");
}

// "image/vnd.dxf;format=ascii"
bool check_image_vnd_dxf_format_ascii(const Probe& b) {
    return pattern_over(b, Pat::DxfAscii1, 0, 32) && pattern_over(b, Pat::DxfAscii2, 12, 60);
}

// "image/vnd.dxf;format=binary"
bool check_image_vnd_dxf_format_binary(const Probe& b) {
    return at(b, 0, "AutoCAD Binary DXF") && at(b, 18, "0D 0A"_hex) && at(b, 20, "0x1A00");
}

// "image/vnd.microsoft.icon"
bool check_image_vnd_microsoft_icon(const Probe& b) {
    return at(b, 0, "42 41 28 00 00 00 2E 00 00 00 00 00 00 00"_hex) ||
           at(b, 0, "00 00 01 00"_hex) || at(b, 0, "00 00 02 00"_hex);
}

// "image/vnd.mozilla.apng"
bool check_image_vnd_mozilla_apng(const Probe& b) {
    return at(b, 0, "89 50 4E 47 0D 0A 1A 0A"_hex) && at(b, 37, "acTL");
}

// "image/vnd.ms-modi"
bool check_image_vnd_ms_modi(const Probe& b) { return at(b, 0, "45 50 2A 00"_hex); }

// "image/vnd.radiance"
bool check_image_vnd_radiance(const Probe& b) { return at(b, 0, "#?RADIANCE"); }

// "image/vnd.zbrush.dcx"
bool check_image_vnd_zbrush_dcx(const Probe& b) { return at(b, 0, "B1 68 DE 3A"_hex); }

// "image/vnd.zbrush.pcx"
bool check_image_vnd_zbrush_pcx(const Probe& b) {
    return at(b, 0, "0A"_hex) && (at(b, 1, "00"_hex) || at(b, 1, "02"_hex) || at(b, 1, "03"_hex) ||
                                  at(b, 1, "04"_hex) || at(b, 1, "05"_hex));
}

// "image/webp"
bool check_image_webp(const Probe& b) { return at(b, 0, "RIFF") && at(b, 8, "WEBP"); }

// "image/wmf"
bool check_image_wmf(const Probe& b) {
    return at(b, 0, "D7 CD C6 9A 00 00"_hex) || at(b, 0, "01 00 09 00 00 03"_hex);
}

// "image/x-3ds"
bool check_image_x_3ds(const Probe& b) {
    return at(b, 0, "4D 4D"_hex) && at(b, 6, "02 00 0A 00 00 00"_hex) && at(b, 16, "3D 3D"_hex);
}

// "image/x-bpg" (also the check of "image/bpg")
bool check_image_x_bpg(const Probe& b) { return at(b, 0, "42 50 47 FB"_hex); }

// "image/x-canon-cr2"
bool check_image_x_canon_cr2(const Probe& b) { return tiff_header(b) && at(b, 8, "CR"); }

// "image/x-canon-cr3"
bool check_image_x_canon_cr3(const Probe& b) { return at(b, 4, "ftypcrx "); }

// "image/x-dpx"
bool check_image_x_dpx(const Probe& b) { return at(b, 0, "SDPX") || at(b, 0, "XPDS"); }

// "image/x-freehand"
bool check_image_x_freehand(const Probe& b) {
    return at(b, 0, "AGD2") || at(b, 0, "AGD3") || at(b, 0, "AGD4") ||
           within(b, 0, 24, "FreeHand10") || within(b, 0, 24, "FreeHand11") ||
           within(b, 0, 24, "FreeHand12");
}

// "image/x-gimp-gbr"
bool check_image_x_gimp_gbr(const Probe& b) { return at(b, 20, "GIMP"); }

// "image/x-gimp-pat"
bool check_image_x_gimp_pat(const Probe& b) { return at(b, 20, "GPAT"); }

// "image/x-jbig2"
bool check_image_x_jbig2(const Probe& b) { return at(b, 0, "97 4A 42 32 0D 0A 1A 0A"_hex); }

// "image/x-jp2-codestream"
bool check_image_x_jp2_codestream(const Probe& b) { return at(b, 0, "FF 4F FF 51"_hex); }

// "image/x-jp2-container"
bool check_image_x_jp2_container(const Probe& b) { return at(b, 0, kJp2Signature); }

// "image/x-niff"
bool check_image_x_niff(const Probe& b) { return at(b, 0, "IIN1"); }

// "image/x-os2-graphics; charset=binary"
bool check_image_x_os2_graphics__charset_binary(const Probe& b) {
    return at(b, 0, "BA") && (at(b, 14, "BM") || at(b, 14, "CI") || at(b, 14, "IC") ||
                              at(b, 14, "CP") || at(b, 14, "PT"));
}

// "image/x-pict"
bool check_image_x_pict(const Probe& b) { return at(b, 522, "00 11 02 FF 0C 00"_hex); }

// "image/x-portable-arbitrarymap"
bool check_image_x_portable_arbitrarymap(const Probe& b) {
    return at(b, 0, "P7") && pnm_separator(b);
}

// The three checks below run on nearly every file the walk reaches (every
// text file among them), and their pattern scans the whole buffer; byte 2 is
// tested before the scan. Both terms are pure, so the answer is unchanged.

// "image/x-portable-bitmap"
bool check_image_x_portable_bitmap(const Probe& b) {
    return (at(b, 0, "P1") && pnm_separator(b)) ||
           (pnm_separator(b) && pattern(b, Pat::PortableBitmap1));
}

// "image/x-portable-graymap"
bool check_image_x_portable_graymap(const Probe& b) {
    return (at(b, 0, "P2") && pnm_separator(b)) ||
           (pnm_separator(b) && pattern(b, Pat::PortableGraymap1));
}

// "image/x-portable-pixmap"
bool check_image_x_portable_pixmap(const Probe& b) {
    return (at(b, 0, "P3") && pnm_separator(b)) ||
           (pnm_separator(b) && pattern(b, Pat::PortablePixmap1));
}

// "image/x-raw-canon"
bool check_image_x_raw_canon(const Probe& b) {
    return at(b, 0, "49 49 1A 00 00 00"_hex) && at(b, 6, "HEAPCCDR");
}

// "image/x-raw-olympus"
bool check_image_x_raw_olympus(const Probe& b) { return at(b, 0, "IIRO"); }

// "image/x-rgb"
bool check_image_x_rgb(const Probe& b) { return at(b, 0, "01 DA 01 01 00 03"_hex); }

// "image/x-tga"
bool check_image_x_tga(const Probe& b) {
    return (at(b, 1, "01 01 00 00"_hex) && pattern_over(b, Pat::Tga1, 8)) ||
           (at(b, 1, "00 02 00 00"_hex) && pattern_over(b, Pat::Tga1, 8)) ||
           (at(b, 1, "00 03 00 00"_hex) && pattern_over(b, Pat::Tga1, 8));
}

// "image/x-xbitmap"
bool check_image_x_xbitmap(const Probe& b) { return at(b, 0, "/* XPM"); }

// "image/x-xcf"
bool check_image_x_xcf(const Probe& b) { return at(b, 0, "gimp xcf "); }

// "image/x-xpixmap"
bool check_image_x_xpixmap(const Probe& b) { return at(b, 0, "/* XPM */"); }

}  // namespace mime_magic::checks
