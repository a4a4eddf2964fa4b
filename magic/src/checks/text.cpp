// Content checks: text types.
#include "../checks.h"

namespace mime_magic::checks {

// "text/calendar"
bool check_text_calendar(Buf) { return false; }

// "text/html"
bool check_text_html(Buf) { return false; }

// "text/iso19139+xml"
bool check_text_iso19139_xml(Buf) { return false; }

// "text/javascript"
bool check_text_javascript(Buf) { return false; }

// "text/plain"
bool check_text_plain(Buf) { return false; }

// "text/troff"
bool check_text_troff(Buf) { return false; }

// "text/vnd.graphviz"
bool check_text_vnd_graphviz(Buf) { return false; }

// "text/vnd.iptc.anpa"
bool check_text_vnd_iptc_anpa(Buf) { return false; }

// "text/vtt"
bool check_text_vtt(Buf) { return false; }

// "text/x-awk"
bool check_text_x_awk(Buf) { return false; }

// "text/x-c"
bool check_text_x_c(Buf) { return false; }

// "text/x-chdr"
bool check_text_x_chdr(Buf) { return false; }

// "text/x-diff"
bool check_text_x_diff(Buf) { return false; }

// "text/x-jsp"
bool check_text_x_jsp(Buf) { return false; }

// "text/x-lua"
bool check_text_x_lua(Buf) { return false; }

// "text/x-makefile"
bool check_text_x_makefile(Buf) { return false; }

// "text/x-matlab"
bool check_text_x_matlab(Buf) { return false; }

// "text/x-perl"
bool check_text_x_perl(Buf) { return false; }

// "text/x-php"
bool check_text_x_php(Buf) { return false; }

// "text/x-python"
bool check_text_x_python(Buf) { return false; }

// "text/x-tcl"
bool check_text_x_tcl(Buf) { return false; }

// "text/x-uuencode"
bool check_text_x_uuencode(Buf) { return false; }

// "text/x-vcalendar"
bool check_text_x_vcalendar(Buf) { return false; }

// "text/x-vcard"
bool check_text_x_vcard(Buf) { return false; }

}  // namespace mime_magic::checks
