// Content checks: message, multipart, model, font and chemical types.
#include "../checks.h"

namespace mime_magic::checks {

// "chemical/x-cdx"
bool check_chemical_x_cdx(Buf) { return false; }

// "font/collection"
bool check_font_collection(Buf) { return false; }

// "font/woff"
bool check_font_woff(Buf) { return false; }

// "font/woff2"
bool check_font_woff2(Buf) { return false; }

// "message/news"
bool check_message_news(Buf) { return false; }

// "message/rfc822"
bool check_message_rfc822(Buf) { return false; }

// "message/x-emlx"
bool check_message_x_emlx(Buf) { return false; }

// "model/e57"
bool check_model_e57(Buf) { return false; }

// "model/gltf-binary"
bool check_model_gltf_binary(Buf) { return false; }

// "model/vnd.collada+xml"
bool check_model_vnd_collada_xml(Buf) { return false; }

// "model/vnd.dwf"
bool check_model_vnd_dwf(Buf) { return false; }

// "model/vnd.dwf;version=2"
bool check_model_vnd_dwf_version_2(Buf) { return false; }

// "model/vnd.dwf;version=5"
bool check_model_vnd_dwf_version_5(Buf) { return false; }

// "model/vnd.dwf;version=6"
bool check_model_vnd_dwf_version_6(Buf) { return false; }

// "model/x.stl-ascii"
bool check_model_x_stl_ascii(Buf) { return false; }

// "model/x3d+xml"
bool check_model_x3d_xml(Buf) { return false; }

// "multipart/appledouble"
bool check_multipart_appledouble(Buf) { return false; }

// "multipart/related"
bool check_multipart_related(Buf) { return false; }

}  // namespace mime_magic::checks
