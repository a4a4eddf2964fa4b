// Content checks: application types of the standards tree.
#include "../checks.h"

namespace mime_magic::checks {

// "application/applefile"
bool check_application_applefile(Buf) { return false; }

// "application/atom+xml"
bool check_application_atom_xml(Buf) { return false; }

// "application/cbor"
bool check_application_cbor(Buf) { return false; }

// "application/coreldraw"
bool check_application_coreldraw(Buf) { return false; }

// "application/dash+xml"
bool check_application_dash_xml(Buf) { return false; }

// "application/dicom"
bool check_application_dicom(Buf) { return false; }

// "application/dif+xml"
bool check_application_dif_xml(Buf) { return false; }

// "application/dita+xml;format=concept"
bool check_application_dita_xml_format_concept(Buf) { return false; }

// "application/dita+xml;format=map"
bool check_application_dita_xml_format_map(Buf) { return false; }

// "application/dita+xml;format=task"
bool check_application_dita_xml_format_task(Buf) { return false; }

// "application/dita+xml;format=topic"
bool check_application_dita_xml_format_topic(Buf) { return false; }

// "application/dita+xml;format=val"
bool check_application_dita_xml_format_val(Buf) { return false; }

// "application/epub+zip"
bool check_application_epub_zip(Buf) { return false; }

// "application/fits"
bool check_application_fits(Buf) { return false; }

// "application/gml+xml"
bool check_application_gml_xml(Buf) { return false; }

// "application/gpx+xml"
bool check_application_gpx_xml(Buf) { return false; }

// "application/gzip"
bool check_application_gzip(Buf) { return false; }

// "application/illustrator+ps"
bool check_application_illustrator_ps(Buf) { return false; }

// "application/inf"
bool check_application_inf(Buf) { return false; }

// "application/java-vm"
bool check_application_java_vm(Buf) { return false; }

// "application/mac-binhex40"
bool check_application_mac_binhex40(Buf) { return false; }

// "application/marc"
bool check_application_marc(Buf) { return false; }

// "application/mathematica"
bool check_application_mathematica(Buf) { return false; }

// "application/mbox"
bool check_application_mbox(Buf) { return false; }

// "application/msword"
bool check_application_msword(Buf) { return false; }

// "application/msword2"
bool check_application_msword2(Buf) { return false; }

// "application/msword5"
bool check_application_msword5(Buf) { return false; }

// "application/octet-stream"
bool check_application_octet_stream(Buf) { return false; }

// "application/ogg"
bool check_application_ogg(Buf) { return false; }

// "application/onenote;format=one"
bool check_application_onenote_format_one(Buf) { return false; }

// "application/onenote;format=onetoc2"
bool check_application_onenote_format_onetoc2(Buf) { return false; }

// "application/onix-message+xml"
bool check_application_onix_message_xml(Buf) { return false; }

// "application/onix-message-short+xml"
bool check_application_onix_message_short_xml(Buf) { return false; }

// "application/owl+xml"
bool check_application_owl_xml(Buf) { return false; }

// "application/pdf"
bool check_application_pdf(Buf) { return false; }

// "application/pgp-encrypted"
bool check_application_pgp_encrypted(Buf) { return false; }

// "application/pkcs7-signature"
bool check_application_pkcs7_signature(Buf) { return false; }

// "application/postscript"
bool check_application_postscript(Buf) { return false; }

// "application/rdf+xml"
bool check_application_rdf_xml(Buf) { return false; }

// "application/rss+xml"
bool check_application_rss_xml(Buf) { return false; }

// "application/rtf"
bool check_application_rtf(Buf) { return false; }

// "application/sereal;version=1"
bool check_application_sereal_version_1(Buf) { return false; }

// "application/sereal;version=2"
bool check_application_sereal_version_2(Buf) { return false; }

// "application/sereal;version=3"
bool check_application_sereal_version_3(Buf) { return false; }

// "application/smil+xml"
bool check_application_smil_xml(Buf) { return false; }

// "application/timestamped-data"
bool check_application_timestamped_data(Buf) { return false; }

// "application/ttml+xml"
bool check_application_ttml_xml(Buf) { return false; }

// "application/tzif"
bool check_application_tzif(Buf) { return false; }

// "application/warc"
bool check_application_warc(Buf) { return false; }

// "application/wasm"
bool check_application_wasm(Buf) { return false; }

// "application/xhtml+xml"
bool check_application_xhtml_xml(Buf) { return false; }

// "application/xml"
bool check_application_xml(Buf) { return false; }

// "application/xslfo+xml"
bool check_application_xslfo_xml(Buf) { return false; }

// "application/xslt+xml"
bool check_application_xslt_xml(Buf) { return false; }

// "application/xspf+xml"
bool check_application_xspf_xml(Buf) { return false; }

// "application/zip"
bool check_application_zip(Buf) { return false; }

// "application/zlib"
bool check_application_zlib(Buf) { return false; }

// "application/zstd"
bool check_application_zstd(Buf) { return false; }

}  // namespace mime_magic::checks
