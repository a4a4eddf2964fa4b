// Content checks: application types of the standards tree.
#include "checks/checks.h"

namespace mime_magic::checks {

// XML namespace names searched by the checks below, each exactly as its
// vocabulary publishes it.
namespace std_ns {
constexpr char kAtom03[] = "http://purl.org/atom/ns#";
constexpr char kAtom10[] = "http://www.w3.org/2005/Atom";
constexpr char kDif[] = "http://gcmd.gsfc.nasa.gov/Aboutus/xml/dif/";
constexpr char kDita[] = "http://docs.oasis-open.org/namespace";
constexpr char kGml[] = "http://www.opengis.net/gml";
constexpr char kGpx11[] = "http://www.topografix.com/GPX/1/1";
constexpr char kOnix3Reference[] = "http://ns.editeur.org/onix/3.0/reference";
constexpr char kOnix3Short[] = "http://ns.editeur.org/onix/3.0/short";
constexpr char kOwl[] = "http://www.w3.org/2002/07/owl";
constexpr char kRdfSyntax[] = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr char kRss10[] = "http://purl.org/rss/1.0/";
constexpr char kTtml[] = "http://www.w3.org/ns/ttml";
constexpr char kXhtml[] = "http://www.w3.org/1999/xhtml";
constexpr char kXslFormat[] = "http://www.w3.org/1999/XSL/Format";
constexpr char kXslt[] = "http://www.w3.org/1999/XSL/Transform";
constexpr char kXspf[] = "http://xspf.org/ns/0/";
}  // namespace std_ns

using namespace std_ns;

// "application/applefile"
bool check_application_applefile(const Probe& b) { return at(b, 0, "00 05 16 00"_hex); }

// "application/atom+xml"
bool check_application_atom_xml(const Probe& b) {
    return xml_root(b, "feed", kAtom03) || xml_root(b, "feed", kAtom10);
}

// "application/cbor"
bool check_application_cbor(const Probe& b) { return at(b, 0, "D9 D9 F7"_hex); }

// "application/coreldraw"
bool check_application_coreldraw(const Probe& b) {
    return at(b, 0, "RIFF") &&
           (at(b, 8, "CDR") || at(b, 8, "cdr") || at(b, 8, "DES") || at(b, 8, "des"));
}

// "application/dash+xml"
bool check_application_dash_xml(const Probe& b) { return at(b, 0, "<MPD"); }

// "application/dicom"
bool check_application_dicom(const Probe& b) { return at(b, 128, "DICM"); }

// "application/dif+xml"
bool check_application_dif_xml(const Probe& b) {
    return xml_root(b, "DIF") || xml_root(b, "DIF", kDif);
}

// "application/dita+xml;format=concept"
bool check_application_dita_xml_format_concept(const Probe& b) {
    return xml_root(b, "concept") || xml_root(b, "concept", kDita);
}

// "application/dita+xml;format=map"
bool check_application_dita_xml_format_map(const Probe& b) {
    return xml_root(b, "map") || xml_root(b, "map", kDita);
}

// "application/dita+xml;format=task"
bool check_application_dita_xml_format_task(const Probe& b) {
    return xml_root(b, "task") || xml_root(b, "task", kDita);
}

// "application/dita+xml;format=topic"
bool check_application_dita_xml_format_topic(const Probe& b) {
    return xml_root(b, "topic") || xml_root(b, "topic", kDita);
}

// "application/dita+xml;format=val"
bool check_application_dita_xml_format_val(const Probe& b) {
    return xml_root(b, "val") || xml_root(b, "val", kDita);
}

// "application/epub+zip"
bool check_application_epub_zip(const Probe& b) {
    return at(b, 0, "50 4B 03 04"_hex) && at(b, 30, "mimetypeapplication/epub+zip");
}

// "application/fits": 'SIMPLE  =' padded with twenty (or sixteen) blanks, then 'T'.
bool check_application_fits(const Probe& b) {
    return at(b, 0,
              "53 49 4D 50 4C 45 20 20 3D 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 "
              "20 54"_hex) ||
           at(b, 0,
              "53 49 4D 50 4C 45 20 20 3D 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 54"_hex);
}

// "application/gml+xml". The GML 3.2 names begin with the GML name, so they
// occur only where it occurs and cannot change the answer: they are not
// searched.
bool check_application_gml_xml(const Probe& b) {
    return text(b) && within_any_case(b, 0, 2048, kGml);
}

// "application/gpx+xml"
bool check_application_gpx_xml(const Probe& b) { return xml_root(b, "gpx", kGpx11); }

// "application/gzip"
bool check_application_gzip(const Probe& b) { return at(b, 0, "1F 8B"_hex); }

// "application/illustrator+ps"
bool check_application_illustrator_ps(const Probe& b) {
    return pattern_over(b, Pat::IllustratorPs1, 0, 8192);
}

// "application/inf"
bool check_application_inf(const Probe& b) {
    return at(b, 0, "[version]") || at(b, 0, "[strings]");
}

// "application/java-vm"
bool check_application_java_vm(const Probe& b) { return at(b, 0, "CA FE BA BE"_hex); }

// "application/mac-binhex40"
bool check_application_mac_binhex40(const Probe& b) {
    return at(b, 11, "must be converted with BinHex");
}

// "application/marc". The fixed '45' at 20 goes first: the five-digit search
// scans the whole buffer.
bool check_application_marc(const Probe& b) {
    return at(b, 20, "45") && pattern(b, Pat::Marc1) &&
           (pattern_over(b, Pat::Marc2, 5) || pattern_over(b, Pat::Marc3, 5) ||
            pattern_over(b, Pat::Marc4, 5) || pattern_over(b, Pat::Marc5, 5) ||
            pattern_over(b, Pat::Marc6, 5));
}

// "application/mathematica"
bool check_application_mathematica(const Probe& b) { return at(b, 0, "(**") || at(b, 0, "(* "); }

namespace {
// Mail header lines that an mbox message starts with, in the order tried.
const Needle kMboxHeaders[] = {
    "\nFrom: ",        "\nDate: ",         "\nSubject: ",       "\nDelivered-To: ",
    "\nReceived: by ", "\nReceived: via ", "\nReceived: from ", "\nMime-Version: ",
};

bool mbox_header_within(const Probe& b, size_t last) {
    for (Needle h : kMboxHeaders)
        if (within(b, 32, last, h)) return true;
    return false;
}
}  // namespace

// "application/mbox"
bool check_application_mbox(const Probe& b) {
    if (!at(b, 0, "From ")) return false;
    if (mbox_header_within(b, 256)) return true;
    if (within_any_case(b, 32, 256, "\nX-")) return mbox_header_within(b, 8192);
    return false;
}

// "application/msword"
bool check_application_msword(const Probe& b) {
    if (at(b, 2080, "Microsoft Word 6.0 Document")) return true;
    if (at(b, 2080, "Documento Microsoft Word 6")) return true;
    if (at(b, 2112, "MSWordDoc")) return true;
    if (at(b, 0, "31 BE 00 00"_hex)) return true;
    if (at(b, 0, "50 4F 5E 51 60"_hex)) return true;
    if (at(b, 0, "FE 37 00 23"_hex)) return true;
    if (at(b, 0, "DB A5 2D 00 00 00"_hex)) return true;
    if (at(b, 0, "94 A6 2E"_hex)) return true;
    // A compound file: its signature at byte 0 or 1.
    if (!within(b, 0, 8, "D0 CF 11 E0 A1 B1 1A E1"_hex)) return false;
    // The stream name WordDocument in UTF-16LE, without its last 00.
    if (within(b, 1152, 4096,
               "57 00 6F 00 72 00 64 00 44 00 6F 00 63 00 75 00 6D 00 65 00 6E 00 74"_hex))
        return true;
    return at(b, 546, "jbjb") || at(b, 546, "bjbj");
}

// "application/msword2"
bool check_application_msword2(const Probe& b) {
    return at(b, 0, "9B A5"_hex) || at(b, 0, "DB A5"_hex);
}

// "application/msword5"
bool check_application_msword5(const Probe& b) { return at(b, 0, "FE 37"_hex); }

// "application/octet-stream"
bool check_application_octet_stream(const Probe& b) {
    return at(b, 10, "# This is a shell archive") || at(b, 0, "1F 1E"_hex) ||
           at(b, 0, "1F 1F"_hex) || at(b, 0, "FF 1F"_hex) || at(b, 0, "05 CB"_hex) ||
           (at(b, 8, "41 41 46 42 0D 00 4F 4D"_hex) &&
            (at(b, 30, "00 78 30 39"_hex) || at(b, 30, "00 78 30 63"_hex)));
}

// "application/ogg"
bool check_application_ogg(const Probe& b) { return at(b, 0, "OggS"); }

// "application/onenote;format=one"
bool check_application_onenote_format_one(const Probe& b) {
    return at(b, 0, "E4 52 5C 7B 8C D8 A7 4D AE B1 53 78 D0 29 96 D3"_hex);
}

// "application/onenote;format=onetoc2"
bool check_application_onenote_format_onetoc2(const Probe& b) {
    return at(b, 0, "A1 2F FF 43 D9 EF 76 4C 9E E2 10 EA 57 22 76 5F"_hex);
}

// "application/onix-message+xml"
bool check_application_onix_message_xml(const Probe& b) {
    return xml_root(b, "ONIXMessage", kOnix3Reference) || xml_root(b, "ONIXmessage", kOnix3Short) ||
           xml_root(b, "ONIXMessage");
}

// "application/onix-message-short+xml"
bool check_application_onix_message_short_xml(const Probe& b) {
    return xml_root(b, "ONIXMessage", kOnix3Reference) || xml_root(b, "ONIXMessage");
}

// "application/owl+xml"
bool check_application_owl_xml(const Probe& b) { return xml_root(b, "Ontology", kOwl); }

// "application/pdf"
bool check_application_pdf(const Probe& b) {
    if (at(b, 0, "%PDF-")) return true;
    if (at(b, 0,
           "\xEF\xBB\xBF"
           "%PDF-"))
        return true;  // behind a UTF-8 byte-order mark
    if (!pattern_over(b, Pat::Pdf1, 0, 128)) return false;
    if (within(b, 1, 512, "%PDF-1.")) return true;
    return within(b, 1, 512, "%PDF-2.");
}

// "application/pgp-encrypted"
bool check_application_pgp_encrypted(const Probe& b) {
    return at(b, 0, "85"_hex) && at(b, 3, "03"_hex);
}

// "application/pkcs7-signature": PEM, or a DER SequenceOf with a definite or
// indefinite length followed by the PKCS #7 object identifier and [0].
bool check_application_pkcs7_signature(const Probe& b) {
    constexpr auto oid = "06 09 2A 86 48 86 F7 0D 01 07"_hex;
    return at(b, 0, "-----BEGIN PKCS7") ||
           (at(b, 0, "30 80"_hex) && at(b, 2, oid) && at(b, 13, "A0"_hex)) ||
           (at(b, 0, "30 81"_hex) && at(b, 3, oid) && at(b, 14, "A0"_hex)) ||
           (at(b, 0, "30 82"_hex) && at(b, 4, oid) && at(b, 15, "A0"_hex)) ||
           (at(b, 0, "30 83"_hex) && at(b, 5, oid) && at(b, 16, "A0"_hex)) ||
           (at(b, 0, "30 84"_hex) && at(b, 6, oid) && at(b, 17, "A0"_hex));
}

// "application/postscript"
bool check_application_postscript(const Probe& b) {
    return at(b, 0, "%!") || at(b, 0, "04 25 21"_hex) || at(b, 0, "C5 D0 D3 C6"_hex) ||
           at(b, 0, "%!PS-Adobe-");
}

// "application/rdf+xml"
bool check_application_rdf_xml(const Probe& b) {
    return xml_root(b, "RDF") || xml_root(b, "RDF", kRdfSyntax);
}

// "application/rss+xml"
bool check_application_rss_xml(const Probe& b) {
    return xml_root(b, "rss", kRss10) || xml_root(b, "rss");
}

// "application/rtf"
bool check_application_rtf(const Probe& b) { return at(b, 0, "7B 5C 72 74 66"_hex); }

// "application/sereal;version=1"
bool check_application_sereal_version_1(const Probe& b) {
    return at(b, 0, "=srl") && byte_mask(b, 4, 0x0F, 0x01);
}

// "application/sereal;version=2"
bool check_application_sereal_version_2(const Probe& b) {
    return at(b, 0, "=srl") && byte_mask(b, 4, 0x0F, 0x02);
}

// "application/sereal;version=3"
bool check_application_sereal_version_3(const Probe& b) {
    return at(b, 0, "3D F3 72 6C"_hex) && byte_mask(b, 4, 0x0F, 0x03);
}

// "application/smil+xml"
bool check_application_smil_xml(const Probe& b) { return xml_root(b, "smil"); }

// "application/timestamped-data"
bool check_application_timestamped_data(const Probe& b) {
    return at(b, 0, "30 80 06 0B 2A 86 48 86 F7"_hex);
}

// "application/ttml+xml"
bool check_application_ttml_xml(const Probe& b) { return xml_root(b, "tt", kTtml); }

// "application/tzif"
bool check_application_tzif(const Probe& b) {
    return at(b, 0, "TZif") && (at(b, 4, "00"_hex) || at(b, 4, "2") || at(b, 4, "3"));
}

// "application/warc"
bool check_application_warc(const Probe& b) { return at(b, 0, "WARC/"); }

// "application/wasm"
bool check_application_wasm(const Probe& b) {
    return at(b, 0, "00 61 73 6D"_hex) || at(b, 0, "6D 73 61 00"_hex);
}

// "application/xhtml+xml"
bool check_application_xhtml_xml(const Probe& b) {
    return xml_root(b, "html", kXhtml) || within(b, 0, 8192, "<html xmlns=");
}

// "application/xml"
bool check_application_xml(const Probe& b) {
    if (at(b, 0, "<?xml") || at(b, 0, "<?XML")) return true;
    if (at(b, 0,
           "\xEF\xBB\xBF"
           "<?xml"))
        return true;
    if (at(b, 0, "\r\n<?xml")) return true;
    if (at(b, 0, "FF FE 3C 00 3F 00 78 00 6D 00 6C 00"_hex)) return true;  // UTF-16LE with BOM
    if (at(b, 0, "FE FF 00 3C 00 3F 00 78 00 6D 00 6C"_hex)) return true;  // UTF-16BE with BOM
    // A declaration in the first 256 bytes counts with a namespace declaration
    // there; without one the comment test below still applies.
    if (within_any_case(b, 0, 256, "<?xml") &&
        (within_any_case(b, 0, 256, "xmlns=") || within_any_case(b, 0, 256, "xmlns:")))
        return true;
    return at(b, 0, "<!--");
}

// "application/xslfo+xml"
bool check_application_xslfo_xml(const Probe& b) { return xml_root(b, "root", kXslFormat); }

// "application/xslt+xml"
bool check_application_xslt_xml(const Probe& b) { return xml_root(b, "stylesheet", kXslt); }

// "application/xspf+xml"
bool check_application_xspf_xml(const Probe& b) { return xml_root(b, "playlist", kXspf); }

// "application/zip"
bool check_application_zip(const Probe& b) {
    return at(b, 0, "50 4B 03 04"_hex) || at(b, 0, "50 4B 05 06"_hex) ||
           at(b, 0, "50 4B 07 08"_hex);
}

// "application/zlib"
bool check_application_zlib(const Probe& b) {
    return at(b, 0, "78 01"_hex) || at(b, 0, "78 5E"_hex) || at(b, 0, "78 9C"_hex) ||
           at(b, 0, "78 DA"_hex);
}

// "application/zstd": a frame magic (versions 0.2 to 0.8 and 1.x), or a
// skippable frame 50..5F 2A 4D 18.
bool check_application_zstd(const Probe& b) {
    return (at(b, 1, "B5 2F FD"_hex) &&
            (at(b, 0, "28"_hex) || at(b, 0, "27"_hex) || at(b, 0, "26"_hex) || at(b, 0, "25"_hex) ||
             at(b, 0, "24"_hex) || at(b, 0, "23"_hex) || at(b, 0, "22"_hex))) ||
           (at(b, 1, "2A 4D 18"_hex) && byte_mask(b, 0, 0xF0, 0x50));
}

}  // namespace mime_magic::checks
