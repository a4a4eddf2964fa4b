// Content checks: image types.
#include "../checks.h"

namespace mime_magic::checks {

// "image/aces"
bool check_image_aces(Buf) { return false; }

// "image/avif"
bool check_image_avif(Buf) { return false; }

// "image/bmp"
bool check_image_bmp(Buf) { return false; }

// "image/cgm"
bool check_image_cgm(Buf) { return false; }

// "image/emf"
bool check_image_emf(Buf) { return false; }

// "image/fits"
bool check_image_fits(Buf) { return false; }

// "image/gif"
bool check_image_gif(Buf) { return false; }

// "image/heic"
bool check_image_heic(Buf) { return false; }

// "image/heic-sequence"
bool check_image_heic_sequence(Buf) { return false; }

// "image/heif"
bool check_image_heif(Buf) { return false; }

// "image/heif-sequence"
bool check_image_heif_sequence(Buf) { return false; }

// "image/icns"
bool check_image_icns(Buf) { return false; }

// "image/jp2"
bool check_image_jp2(Buf) { return false; }

// "image/jpeg"
bool check_image_jpeg(Buf) { return false; }

// "image/jpm"
bool check_image_jpm(Buf) { return false; }

// "image/jpx"
bool check_image_jpx(Buf) { return false; }

// "image/jxl"
bool check_image_jxl(Buf) { return false; }

// "image/jxr"
bool check_image_jxr(Buf) { return false; }

// "image/jxs"
bool check_image_jxs(Buf) { return false; }

// "image/nitf"
bool check_image_nitf(Buf) { return false; }

// "image/png"
bool check_image_png(Buf) { return false; }

// "image/svg+xml"
bool check_image_svg_xml(Buf) { return false; }

// "image/tiff"
bool check_image_tiff(Buf) { return false; }

// "image/vnd.adobe.photoshop"
bool check_image_vnd_adobe_photoshop(Buf) { return false; }

// "image/vnd.adobe.premiere"
bool check_image_vnd_adobe_premiere(Buf) { return false; }

// "image/vnd.dgn;version=7"
bool check_image_vnd_dgn_version_7(Buf) { return false; }

// "image/vnd.djvu"
bool check_image_vnd_djvu(Buf) { return false; }

// "image/vnd.dwg"
bool check_image_vnd_dwg(Buf) { return false; }

// "image/vnd.dxb"
bool check_image_vnd_dxb(Buf) { return false; }

// "image/vnd.dxf;format=ascii"
bool check_image_vnd_dxf_format_ascii(Buf) { return false; }

// "image/vnd.dxf;format=binary"
bool check_image_vnd_dxf_format_binary(Buf) { return false; }

// "image/vnd.microsoft.icon"
bool check_image_vnd_microsoft_icon(Buf) { return false; }

// "image/vnd.mozilla.apng"
bool check_image_vnd_mozilla_apng(Buf) { return false; }

// "image/vnd.ms-modi"
bool check_image_vnd_ms_modi(Buf) { return false; }

// "image/vnd.radiance"
bool check_image_vnd_radiance(Buf) { return false; }

// "image/vnd.zbrush.dcx"
bool check_image_vnd_zbrush_dcx(Buf) { return false; }

// "image/vnd.zbrush.pcx"
bool check_image_vnd_zbrush_pcx(Buf) { return false; }

// "image/webp"
bool check_image_webp(Buf) { return false; }

// "image/wmf"
bool check_image_wmf(Buf) { return false; }

// "image/x-3ds"
bool check_image_x_3ds(Buf) { return false; }

// "image/x-bpg"
bool check_image_x_bpg(Buf) { return false; }

// "image/x-canon-cr2"
bool check_image_x_canon_cr2(Buf) { return false; }

// "image/x-canon-cr3"
bool check_image_x_canon_cr3(Buf) { return false; }

// "image/x-dpx"
bool check_image_x_dpx(Buf) { return false; }

// "image/x-freehand"
bool check_image_x_freehand(Buf) { return false; }

// "image/x-gimp-gbr"
bool check_image_x_gimp_gbr(Buf) { return false; }

// "image/x-gimp-pat"
bool check_image_x_gimp_pat(Buf) { return false; }

// "image/x-jbig2"
bool check_image_x_jbig2(Buf) { return false; }

// "image/x-jp2-codestream"
bool check_image_x_jp2_codestream(Buf) { return false; }

// "image/x-jp2-container"
bool check_image_x_jp2_container(Buf) { return false; }

// "image/x-niff"
bool check_image_x_niff(Buf) { return false; }

// "image/x-os2-graphics; charset=binary"
bool check_image_x_os2_graphics__charset_binary(Buf) { return false; }

// "image/x-pict"
bool check_image_x_pict(Buf) { return false; }

// "image/x-portable-arbitrarymap"
bool check_image_x_portable_arbitrarymap(Buf) { return false; }

// "image/x-portable-bitmap"
bool check_image_x_portable_bitmap(Buf) { return false; }

// "image/x-portable-graymap"
bool check_image_x_portable_graymap(Buf) { return false; }

// "image/x-portable-pixmap"
bool check_image_x_portable_pixmap(Buf) { return false; }

// "image/x-raw-canon"
bool check_image_x_raw_canon(Buf) { return false; }

// "image/x-raw-olympus"
bool check_image_x_raw_olympus(Buf) { return false; }

// "image/x-rgb"
bool check_image_x_rgb(Buf) { return false; }

// "image/x-tga"
bool check_image_x_tga(Buf) { return false; }

// "image/x-xbitmap"
bool check_image_x_xbitmap(Buf) { return false; }

// "image/x-xcf"
bool check_image_x_xcf(Buf) { return false; }

// "image/x-xpixmap"
bool check_image_x_xpixmap(Buf) { return false; }

}  // namespace mime_magic::checks
