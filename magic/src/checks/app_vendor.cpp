// Content checks: application types of the vendor tree (vnd.), and
// "application/x-xar", which shares the check of "application/vnd.xara".
#include "checks/checks.h"

namespace mime_magic::checks {

// XML namespace names searched by the checks below (each within bytes 0..2048,
// any case, next to the root test).
namespace vendor_ns {
constexpr char kAdobeXdp[] = "http://ns.adobe.com/xdp/";
constexpr char kAdobeXfdf[] = "http://ns.adobe.com/xfdf/";
constexpr char kAppleKeynote[] = "http://developer.apple.com/namespaces/keynote2";
constexpr char kAppleNumbers[] = "http://developer.apple.com/namespaces/ls";
constexpr char kApplePages[] = "http://developer.apple.com/namespaces/sl";
constexpr char kGarminTcx2[] = "http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2";
constexpr char kOgcKml22[] = "http://www.opengis.net/kml/2.2";
constexpr char kGoogleKml20[] = "http://earth.google.com/kml/2.0";
constexpr char kGoogleKml21[] = "http://earth.google.com/kml/2.1";
constexpr char kGoogleKml22[] = "http://earth.google.com/kml/2.2";
constexpr char kIptcNar[] = "http://iptc.org/std/nar/2006-10-01/";
constexpr char k3mfCore[] = "http://schemas.microsoft.com/3dmanufacturing/core/2015/02";
constexpr char kOfficeXmlPackage[] = "http://schemas.microsoft.com/office/2006/xmlPackage";
constexpr char kWordMl2003[] = "http://schemas.microsoft.com/office/word/2003/wordml";
constexpr char kOpenOffice2009[] = "http://openoffice.org/2009/office";
constexpr char kSpreadsheetMl2003[] = "urn:schemas-microsoft-com:office:spreadsheet";
constexpr char kOdfOffice[] = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
}  // namespace vendor_ns

namespace ns = vendor_ns;

namespace {

// The compound-file (OLE2) signature; the documents accept it at byte 0 or 1.
constexpr auto kCompoundFile = "D0 CF 11 E0 A1 B1 1A E1"_hex;

// Stream names in UTF-16 little-endian, without the last 00 byte.
constexpr auto kUtf16Workbook = "57 00 6F 00 72 00 6B 00 62 00 6F 00 6F 00 6B"_hex;
constexpr auto kUtf16PowerPointDocument =
    "50 00 6F 00 77 00 65 00 72 00 50 00 6F 00 69 00 6E 00 74 00 20 00 44 00 6F 00 63 00 75 00 6D 00 65 00 6E 00 74"_hex;
constexpr auto kUtf16MatOST = "4D 00 61 00 74 00 4F 00 53 00 54"_hex;

constexpr auto kZipLocal = "50 4B 03 04"_hex;

// An Office Open XML package whose parts live under `part` ("ppt/", "xl/",
// "word/").
bool ooxml_package(const Probe& b, Needle part) {
    if (!at(b, 0, kZipLocal)) return false;
    if (within(b, 30, 65536, "[Content_Types].xml") && within(b, 0, 4096, part)) return true;
    if (at(b, 30, "_rels/.rels") && within(b, 0, 4096, part)) return true;
    return false;
}

// The namespace half of "XML root 'r', namespace 'u'", for rows that name one
// root in several alternatives: the root test runs once and its answer is
// shared, since every alternative needs it.
bool xml_ns(const Probe& b, Needle uri) { return within_any_case(b, 0, XML_ROOT_WINDOW, uri); }

}  // namespace

// "application/vnd.adobe.indesign-idml-package"
bool check_application_vnd_adobe_indesign_idml_package(const Probe& b) {
    return at(b, 0, kZipLocal) && at(b, 30, "mimetypeapplication/vnd.adobe.indesign-idml-package");
}

// "application/vnd.adobe.xdp+xml"
bool check_application_vnd_adobe_xdp_xml(const Probe& b) {
    return xml_root(b, "xdp", ns::kAdobeXdp);
}

// "application/vnd.adobe.xfdf"
bool check_application_vnd_adobe_xfdf(const Probe& b) {
    return xml_root(b, "xfdf", ns::kAdobeXfdf);
}

// "application/vnd.apple.keynote"
bool check_application_vnd_apple_keynote(const Probe& b) {
    return xml_root(b, "presentation", ns::kAppleKeynote);
}

// "application/vnd.apple.mpegurl"
bool check_application_vnd_apple_mpegurl(const Probe& b) { return at(b, 0, "#EXTM3U"); }

// "application/vnd.apple.numbers"
bool check_application_vnd_apple_numbers(const Probe& b) {
    return xml_root(b, "document", ns::kAppleNumbers);
}

// "application/vnd.apple.pages"
bool check_application_vnd_apple_pages(const Probe& b) {
    return xml_root(b, "document", ns::kApplePages);
}

// "application/vnd.digilite.prolights"
bool check_application_vnd_digilite_prolights(const Probe& b) {
    return at(b, 0, "7F 0C 44 2B"_hex);
}

// "application/vnd.etsi.asic-e+zip"
bool check_application_vnd_etsi_asic_e_zip(const Probe& b) {
    return at(b, 0, kZipLocal) && at(b, 30, "mimetypeapplication/vnd.etsi.asic-e+zip");
}

// "application/vnd.etsi.asic-s+zip"
bool check_application_vnd_etsi_asic_s_zip(const Probe& b) {
    return at(b, 0, kZipLocal) && at(b, 30, "mimetypeapplication/vnd.etsi.asic-s+zip");
}

// "application/vnd.fdf"
bool check_application_vnd_fdf(const Probe& b) { return at(b, 0, "%FDF-"); }

// "application/vnd.garmin.tcx+xml"
bool check_application_vnd_garmin_tcx_xml(const Probe& b) {
    return xml_root(b, "TrainingCenterDatabase", ns::kGarminTcx2);
}

// "application/vnd.google-earth.kml+xml"
bool check_application_vnd_google_earth_kml_xml(const Probe& b) {
    const bool kml = xml_root(b, "kml");
    return kml || (kml && xml_ns(b, ns::kOgcKml22)) || (kml && xml_ns(b, ns::kGoogleKml20)) ||
           (kml && xml_ns(b, ns::kGoogleKml21)) || (kml && xml_ns(b, ns::kGoogleKml22));
}

// "application/vnd.iccprofile"
bool check_application_vnd_iccprofile(const Probe& b) { return at(b, 36, "acsp"); }

// "application/vnd.iptc.g2.newsmessage+xml"
bool check_application_vnd_iptc_g2_newsmessage_xml(const Probe& b) {
    const bool news = xml_root(b, "newsMessage");
    return news || (news && xml_ns(b, ns::kIptcNar));
}

// "application/vnd.isac.fcs"
bool check_application_vnd_isac_fcs(const Probe& b) { return pattern(b, Pat::IsacFcs1); }

// "application/vnd.java.hprof " (the stored type ends in a blank)
bool check_application_vnd_java_hprof(const Probe& b) { return pattern(b, Pat::JavaHprof1); }

// "application/vnd.java.hprof.text"
bool check_application_vnd_java_hprof_text(const Probe& b) {
    return pattern(b, Pat::JavaHprofText1);
}

// "application/vnd.lotus-1-2-3;version=1"
bool check_application_vnd_lotus_1_2_3_version_1(const Probe& b) {
    return at(b, 0, "00 00 02 00 04 04"_hex);
}

// "application/vnd.lotus-1-2-3;version=2"
bool check_application_vnd_lotus_1_2_3_version_2(const Probe& b) {
    return at(b, 0, "00 00 02 00 06 04 06 00 08 00"_hex);
}

// "application/vnd.lotus-1-2-3;version=3"
bool check_application_vnd_lotus_1_2_3_version_3(const Probe& b) {
    return at(b, 0, "00 00 1A 00 00 10 04 00"_hex);
}

// "application/vnd.lotus-1-2-3;version=4"
bool check_application_vnd_lotus_1_2_3_version_4(const Probe& b) {
    return at(b, 0, "00 00 1A 00 02 10 04 00"_hex);
}

// "application/vnd.lotus-1-2-3;version=97+9.x"
bool check_application_vnd_lotus_1_2_3_version_97_9_x(const Probe& b) {
    return at(b, 0, "00 00 1A 00 03 10 04 00"_hex);
}

// "application/vnd.lotus-wordpro"
bool check_application_vnd_lotus_wordpro(const Probe& b) {
    return at(b, 0, "WordPro\0") || at(b, 0, "WordPro\x0D\xFB");
}

// "application/vnd.mif"
bool check_application_vnd_mif(const Probe& b) {
    return at(b, 0, "<MakerFile") || at(b, 0, "<MIFFile") || at(b, 0, "<MakerDictionary") ||
           at(b, 0, "<MakerScreenFont") || at(b, 0, "<MML") || at(b, 0, "<Book") ||
           at(b, 0, "<Maker");
}

// "application/vnd.ms-cab-compressed"
bool check_application_vnd_ms_cab_compressed(const Probe& b) {
    return at(b, 0, "4D 53 43 46 00 00 00 00"_hex) || at(b, 0, "MSCF");
}

// "application/vnd.ms-excel"
bool check_application_vnd_ms_excel(const Probe& b) {
    if (at(b, 2080, "Microsoft Excel 5.0 Worksheet")) return true;
    if (at(b, 2080, "Foglio di lavoro Microsoft Exce")) return true;
    if (at(b, 2114, "Biff5")) return true;
    if (at(b, 2121, "Biff5")) return true;
    return within(b, 0, 8, kCompoundFile) && within(b, 1152, 4096, kUtf16Workbook);
}

// "application/vnd.ms-excel.sheet.2"
bool check_application_vnd_ms_excel_sheet_2(const Probe& b) {
    return at(b, 0, "09 00 04 00"_hex) &&
           (at(b, 4, "00 00 10 00"_hex) || at(b, 4, "00 00 20 00"_hex) ||
            at(b, 4, "00 00 40 00"_hex));
}

// "application/vnd.ms-excel.sheet.3"
bool check_application_vnd_ms_excel_sheet_3(const Probe& b) {
    return at(b, 0, "09 02 06 00"_hex) &&
           (at(b, 4, "00 00 10 00"_hex) || at(b, 4, "00 00 20 00"_hex) ||
            at(b, 4, "00 00 40 00"_hex));
}

// "application/vnd.ms-excel.sheet.4"
bool check_application_vnd_ms_excel_sheet_4(const Probe& b) {
    return at(b, 0, "09 04 06 00"_hex) &&
           (at(b, 4, "00 00 10 00"_hex) || at(b, 4, "00 00 20 00"_hex) ||
            at(b, 4, "00 00 40 00"_hex));
}

// "application/vnd.ms-excel.workspace.3"
bool check_application_vnd_ms_excel_workspace_3(const Probe& b) {
    return at(b, 0, "09 02 06 00 00 00 00 01"_hex);
}

// "application/vnd.ms-excel.workspace.4"
bool check_application_vnd_ms_excel_workspace_4(const Probe& b) {
    return at(b, 0, "09 04 06 00 00 00 00 01"_hex);
}

// "application/vnd.ms-fontobject"
bool check_application_vnd_ms_fontobject(const Probe& b) {
    return at(b, 8, "02 00 02 00"_hex) && at(b, 34, "LP");
}

// "application/vnd.ms-htmlhelp"
bool check_application_vnd_ms_htmlhelp(const Probe& b) { return at(b, 0, "ITSF"); }

// "application/vnd.ms-outlook-pst"
bool check_application_vnd_ms_outlook_pst(const Probe& b) {
    return at(b, 0, "!BDN") && at(b, 8, "SM");
}

// "application/vnd.ms-package.3dmanufacturing-3dmodel+xml"
bool check_application_vnd_ms_package_3dmanufacturing_3dmodel_xml(const Probe& b) {
    return xml_root(b, "model", ns::k3mfCore);
}

// "application/vnd.ms-powerpoint"
bool check_application_vnd_ms_powerpoint(const Probe& b) {
    return within(b, 0, 8, kCompoundFile) && within(b, 1152, 4096, kUtf16PowerPointDocument);
}

// "application/vnd.ms-spreadsheetml"
bool check_application_vnd_ms_spreadsheetml(const Probe& b) {
    const bool workbook = xml_root(b, "Workbook");
    return (workbook && xml_ns(b, ns::kSpreadsheetMl2003)) || workbook;
}

// "application/vnd.ms-tnef"
bool check_application_vnd_ms_tnef(const Probe& b) { return at(b, 0, "78 9F 3E 22"_hex); }

// "application/vnd.ms-word2006ml"
bool check_application_vnd_ms_word2006ml(const Probe& b) {
    return xml_root(b, "package", ns::kOfficeXmlPackage);
}

// "application/vnd.ms-wordml"
bool check_application_vnd_ms_wordml(const Probe& b) {
    const bool word = xml_root(b, "wordDocument");
    return (word && xml_ns(b, ns::kWordMl2003)) || word;
}

// "application/vnd.ms-works"
bool check_application_vnd_ms_works(const Probe& b) {
    return within(b, 0, 8, kCompoundFile) && within(b, 1152, 4096, kUtf16MatOST);
}

// "application/vnd.msa-disk-image"
bool check_application_vnd_msa_disk_image(const Probe& b) { return at(b, 0, "0E 0F"_hex); }

// "application/vnd.oasis.opendocument.base"
bool check_application_vnd_oasis_opendocument_base(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.base");
}

// "application/vnd.oasis.opendocument.chart"
bool check_application_vnd_oasis_opendocument_chart(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.chart");
}

// "application/vnd.oasis.opendocument.chart-template"
bool check_application_vnd_oasis_opendocument_chart_template(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.chart-template");
}

// "application/vnd.oasis.opendocument.flat.presentation"
bool check_application_vnd_oasis_opendocument_flat_presentation(const Probe& b) {
    return within(b, 0, 4096, "office:mimetype=\"application/vnd.oasis.opendocument.presentation");
}

// "application/vnd.oasis.opendocument.flat.spreadsheet"
bool check_application_vnd_oasis_opendocument_flat_spreadsheet(const Probe& b) {
    return within(b, 0, 4096, "office:mimetype=\"application/vnd.oasis.opendocument.spreadsheet");
}

// "application/vnd.oasis.opendocument.flat.text"
bool check_application_vnd_oasis_opendocument_flat_text(const Probe& b) {
    return within(b, 0, 4096, "office:mimetype=\"application/vnd.oasis.opendocument.text");
}

// "application/vnd.oasis.opendocument.formula"
// (the media type at byte 30 with no 'mimetype' before it)
bool check_application_vnd_oasis_opendocument_formula(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "application/vnd.oasis.opendocument.formula");
}

// "application/vnd.oasis.opendocument.formula-template"
bool check_application_vnd_oasis_opendocument_formula_template(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "application/vnd.oasis.opendocument.formula-template");
}

// "application/vnd.oasis.opendocument.graphics"
bool check_application_vnd_oasis_opendocument_graphics(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.graphics");
}

// "application/vnd.oasis.opendocument.graphics-template"
bool check_application_vnd_oasis_opendocument_graphics_template(const Probe& b) {
    return at(b, 0, "PK") &&
           at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.graphics-template");
}

// "application/vnd.oasis.opendocument.image"
bool check_application_vnd_oasis_opendocument_image(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.image");
}

// "application/vnd.oasis.opendocument.image-template"
bool check_application_vnd_oasis_opendocument_image_template(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.image-template");
}

// "application/vnd.oasis.opendocument.presentation"
bool check_application_vnd_oasis_opendocument_presentation(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.presentation");
}

// "application/vnd.oasis.opendocument.presentation-template"
bool check_application_vnd_oasis_opendocument_presentation_template(const Probe& b) {
    return at(b, 0, "PK") &&
           at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.presentation-template");
}

// "application/vnd.oasis.opendocument.spreadsheet"
bool check_application_vnd_oasis_opendocument_spreadsheet(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.spreadsheet");
}

// "application/vnd.oasis.opendocument.spreadsheet-template"
bool check_application_vnd_oasis_opendocument_spreadsheet_template(const Probe& b) {
    return at(b, 0, "PK") &&
           at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.spreadsheet-template");
}

// "application/vnd.oasis.opendocument.tarvik.flat.document"
bool check_application_vnd_oasis_opendocument_tarvik_flat_document(const Probe& b) {
    const bool document = xml_root(b, "document");
    return (document && xml_ns(b, ns::kOdfOffice)) || xml_root(b, "office", ns::kOpenOffice2009) ||
           (document && xml_ns(b, ns::kOpenOffice2009));
}

// "application/vnd.oasis.opendocument.text"
bool check_application_vnd_oasis_opendocument_text(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.text");
}

// "application/vnd.oasis.opendocument.text-master"
bool check_application_vnd_oasis_opendocument_text_master(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.text-master");
}

// "application/vnd.oasis.opendocument.text-template"
bool check_application_vnd_oasis_opendocument_text_template(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.text-template");
}

// "application/vnd.oasis.opendocument.text-web"
bool check_application_vnd_oasis_opendocument_text_web(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.oasis.opendocument.text-web");
}

// "application/vnd.openxmlformats-officedocument.presentationml.presentation"
bool check_application_vnd_openxmlformats_officedocument_presentationml_presentation(
    const Probe& b) {
    return ooxml_package(b, "ppt/");
}

// "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"
bool check_application_vnd_openxmlformats_officedocument_spreadsheetml_sheet(const Probe& b) {
    return ooxml_package(b, "xl/");
}

// "application/vnd.openxmlformats-officedocument.wordprocessingml.document"
bool check_application_vnd_openxmlformats_officedocument_wordprocessingml_document(const Probe& b) {
    return ooxml_package(b, "word/");
}

// "application/vnd.rn-realmedia"
bool check_application_vnd_rn_realmedia(const Probe& b) { return at(b, 0, ".RMF"); }

// "application/vnd.stardivision.calc"
bool check_application_vnd_stardivision_calc(const Probe& b) {
    return within(b, 0, 8, kCompoundFile) && within(b, 2048, 2207, "StarCalc");
}

// "application/vnd.stardivision.draw"
bool check_application_vnd_stardivision_draw(const Probe& b) {
    return within(b, 0, 8, kCompoundFile) && within(b, 2048, 2207, "StarDraw");
}

// "application/vnd.stardivision.impress"
bool check_application_vnd_stardivision_impress(const Probe& b) {
    return within(b, 0, 8, kCompoundFile) && within(b, 2048, 2207, "StarImpress");
}

// "application/vnd.stardivision.writer"
bool check_application_vnd_stardivision_writer(const Probe& b) {
    return within(b, 0, 8, kCompoundFile) && within(b, 2048, 2207, "StarWriter");
}

// "application/vnd.sun.xml.calc"
bool check_application_vnd_sun_xml_calc(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.sun.xml.calc");
}

// "application/vnd.sun.xml.calc.template"
bool check_application_vnd_sun_xml_calc_template(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.sun.xml.calc.template");
}

// "application/vnd.sun.xml.draw"
bool check_application_vnd_sun_xml_draw(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.sun.xml.draw");
}

// "application/vnd.sun.xml.draw.template"
bool check_application_vnd_sun_xml_draw_template(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.sun.xml.draw.template");
}

// "application/vnd.sun.xml.impress"
bool check_application_vnd_sun_xml_impress(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.sun.xml.impress");
}

// "application/vnd.sun.xml.impress.template"
bool check_application_vnd_sun_xml_impress_template(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.sun.xml.impress.template");
}

// "application/vnd.sun.xml.writer"
bool check_application_vnd_sun_xml_writer(const Probe& b) {
    return at(b, 0, "PK") && at(b, 30, "mimetypeapplication/vnd.sun.xml.writer");
}

// "application/vnd.symbian.install"
bool check_application_vnd_symbian_install(const Probe& b) { return at(b, 8, "19 04 00 10"_hex); }

// "application/vnd.tcpdump.pcap"
bool check_application_vnd_tcpdump_pcap(const Probe& b) {
    return at(b, 0, "A1 B2 C3 D4"_hex) || at(b, 0, "D4 C3 B2 A1"_hex);
}

// "application/vnd.tcpdump.pcapng"
bool check_application_vnd_tcpdump_pcapng(const Probe& b) {
    return at(b, 0, "0A 0D 0D 0A"_hex) &&
           (at(b, 8, "A1 B2 C3 D4"_hex) || at(b, 8, "4D 3C 2B 1A"_hex));
}

// "application/vnd.wolfram.wl"
bool check_application_vnd_wolfram_wl(const Probe& b) {
    return at(b, 0, "#!/usr/bin/env wolframscript");
}

// "application/vnd.wordperfect"
bool check_application_vnd_wordperfect(const Probe& b) {
    return at(b, 0, "application/vnd.wordperfect;") || at(b, 0, "FF 57 50 43"_hex);
}

// "application/vnd.wordperfect;version=4.2"
bool check_application_vnd_wordperfect_version_4_2(const Probe& b) {
    return at(b, 0, "CB 0A 01"_hex) && at(b, 5, "CB"_hex);
}

// "application/vnd.wordperfect;version=5.0"
bool check_application_vnd_wordperfect_version_5_0(const Probe& b) {
    return at(b, 0, "FF 57 50 43"_hex) && at(b, 10, "00 00"_hex);
}

// "application/vnd.wordperfect;version=5.1"
bool check_application_vnd_wordperfect_version_5_1(const Probe& b) {
    return at(b, 0, "FF 57 50 43"_hex) && at(b, 10, "00 01"_hex);
}

// "application/vnd.wordperfect;version=6.x"
bool check_application_vnd_wordperfect_version_6_x(const Probe& b) {
    return at(b, 0, "FF 57 50 43"_hex) && at(b, 10, "02 01"_hex);
}

// "application/vnd.xara", and "application/x-xar" through the same check
bool check_application_vnd_xara(const Probe& b) { return at(b, 0, "xar!"); }

}  // namespace mime_magic::checks
