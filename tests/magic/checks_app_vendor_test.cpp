// Content checks of the vendor-tree application types: every row against
// buffers built from it, the namespace names, and whole-detector answers for
// hand-built ZIP packages and compound (OLE2) files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "checks/checks.h"
#include "database/database.h"
#include "mime_magic/mime_magic.h"
#include "check_support.h"

namespace mime_magic::checks::vendor_ns {
extern const char kAdobeXdp[];
extern const char kAdobeXfdf[];
extern const char kAppleKeynote[];
extern const char kAppleNumbers[];
extern const char kApplePages[];
extern const char kGarminTcx2[];
extern const char kOgcKml22[];
extern const char kGoogleKml20[];
extern const char kGoogleKml21[];
extern const char kGoogleKml22[];
extern const char kIptcNar[];
extern const char k3mfCore[];
extern const char kOfficeXmlPackage[];
extern const char kWordMl2003[];
extern const char kOpenOffice2009[];
extern const char kSpreadsheetMl2003[];
extern const char kOdfOffice[];
}  // namespace mime_magic::checks::vendor_ns

namespace {

using namespace mime_magic;
namespace ns = mime_magic::checks::vendor_ns;
using namespace checksupport;
using namespace builders;

const std::string kOle = hex("D0 CF 11 E0 A1 B1 1A E1");
const std::string kPk34 = hex("50 4B 03 04");

// ---------------------------------------------------------------------------
// Namespace names: each ends in the path and has the length of its label.

TEST(VendorNamespaces, PathAndLength) {
    struct Label {
        const char* name;
        const char* uri;
        std::string_view path;
        size_t length;
        bool urn;
    };
    const Label labels[] = {
        {"V1", ns::kAdobeXdp, "/xdp/", 24, false},
        {"V2", ns::kAdobeXfdf, "/xfdf/", 25, false},
        {"V3", ns::kAppleKeynote, "/namespaces/keynote2", 46, false},
        {"V4", ns::kAppleNumbers, "/namespaces/ls", 40, false},
        {"V5", ns::kApplePages, "/namespaces/sl", 40, false},
        {"V6", ns::kGarminTcx2, "/xmlschemas/TrainingCenterDatabase/v2", 58, false},
        {"V7", ns::kOgcKml22, "/kml/2.2", 30, false},
        {"V8", ns::kGoogleKml20, "/kml/2.0", 31, false},
        {"V9", ns::kGoogleKml21, "/kml/2.1", 31, false},
        {"V10", ns::kGoogleKml22, "/kml/2.2", 31, false},
        {"V11", ns::kIptcNar, "/std/nar/2006-10-01/", 35, false},
        {"V12", ns::k3mfCore, "/3dmanufacturing/core/2015/02", 57, false},
        {"V13", ns::kOfficeXmlPackage, "/office/2006/xmlPackage", 51, false},
        {"V14", ns::kWordMl2003, "/office/word/2003/wordml", 52, false},
        {"V15", ns::kOpenOffice2009, "/2009/office", 33, false},
        {"V16", ns::kSpreadsheetMl2003, ":office:spreadsheet", 44, true},
    };
    for (const Label& l : labels) {
        std::string_view uri = l.uri;
        SCOPED_TRACE(l.name);
        EXPECT_EQ(uri.size(), l.length) << uri;
        EXPECT_TRUE(uri.ends_with(l.path)) << uri;
        EXPECT_TRUE(uri.starts_with(l.urn ? "urn:" : "http://")) << uri;
        if (!l.urn) {
            // scheme, a host, then the path: nothing else in between
            size_t host_end = uri.find('/', 7);
            EXPECT_EQ(uri.size() - host_end, l.path.size()) << uri;
        }
    }
    EXPECT_EQ(std::string_view(ns::kOdfOffice), "urn:oasis:names:tc:opendocument:xmlns:office:1.0");
    // The Pages and Numbers names differ only in their last segment.
    EXPECT_EQ(std::string_view(ns::kApplePages).substr(0, 38),
              std::string_view(ns::kAppleNumbers).substr(0, 38));
}

// ---------------------------------------------------------------------------
// Every row: buffers that make the check hold, and buffers just outside.

std::string xml(std::string_view body) { return "<?xml version=\"1.0\"?>\n" + std::string(body); }

TEST(VendorChecks, XmlRootAndNamespaceRows) {
    using namespace checks;
    const std::string far(3000, ' ');
    run_rows({
        {"xdp", check_application_vnd_adobe_xdp_xml,
         {{0, xml("<xdp:xdp xmlns:xdp=\"http://ns.adobe.com/xdp/\">")}}, true},
        {"xdp, namespace any case", check_application_vnd_adobe_xdp_xml,
         {{0, xml("<xdp:xdp xmlns:xdp=\"HTTP://NS.ADOBE.COM/XDP/\">")}}, true},
        {"xdp without namespace", check_application_vnd_adobe_xdp_xml,
         {{0, xml("<xdp:xdp xmlns:xdp=\"http://ns.adobe.com/xdp\">")}}, false},
        {"xdp, namespace past byte 2048", check_application_vnd_adobe_xdp_xml,
         {{0, xml("<xdp:xdp " + far + "xmlns:xdp=\"http://ns.adobe.com/xdp/\">")}}, false},
        {"xfdf", check_application_vnd_adobe_xfdf,
         {{0, xml("<xfdf xmlns=\"http://ns.adobe.com/xfdf/\" xml:space=\"preserve\">")}}, true},
        {"xfdf with the xdp namespace", check_application_vnd_adobe_xfdf,
         {{0, xml("<xfdf xmlns=\"http://ns.adobe.com/xdp/\">")}}, false},
        {"tcx", check_application_vnd_garmin_tcx_xml,
         {{0, xml("<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/"
                  "TrainingCenterDatabase/v2\">")}},
         true},
        {"tcx version 1", check_application_vnd_garmin_tcx_xml,
         {{0, xml("<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/"
                  "TrainingCenterDatabase/v1\">")}},
         false},
        {"kml, root only", check_application_vnd_google_earth_kml_xml, {{0, "<kml xmlns=\"x\">"}},
         true},
        {"kml, OGC 2.2", check_application_vnd_google_earth_kml_xml,
         {{0, xml("<kml xmlns=\"http://www.opengis.net/kml/2.2\">")}}, true},
        {"kml, no blank after the name", check_application_vnd_google_earth_kml_xml,
         {{0, xml("<kml>http://earth.google.com/kml/2.1</kml>")}}, false},
        {"kml in UTF-16 is not text", check_application_vnd_google_earth_kml_xml,
         {{0, utf16le("<kml xmlns=\"http://www.opengis.net/kml/2.2\">")}}, false},
        {"newsMessage", check_application_vnd_iptc_g2_newsmessage_xml,
         {{0, xml("<newsMessage xmlns=\"http://iptc.org/std/nar/2006-10-01/\">")}}, true},
        {"newsMessage, root only", check_application_vnd_iptc_g2_newsmessage_xml,
         {{0, xml("<newsMessage standard=\"NewsML-G2\">")}}, true},
        {"newsMessage, other root", check_application_vnd_iptc_g2_newsmessage_xml,
         {{0, xml("<newsItem xmlns=\"http://iptc.org/std/nar/2006-10-01/\">")}}, false},
        {"3mf model", check_application_vnd_ms_package_3dmanufacturing_3dmodel_xml,
         {{0, xml("<model unit=\"millimeter\" xmlns=\"http://schemas.microsoft.com/"
                  "3dmanufacturing/core/2015/02\">")}},
         true},
        {"3mf model, other year", check_application_vnd_ms_package_3dmanufacturing_3dmodel_xml,
         {{0, xml("<model xmlns=\"http://schemas.microsoft.com/3dmanufacturing/core/2015/01\">")}},
         false},
        {"spreadsheetml", check_application_vnd_ms_spreadsheetml,
         {{0, xml("<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\">")}}, true},
        {"spreadsheetml, ss prefix", check_application_vnd_ms_spreadsheetml,
         {{0, xml("<ss:Workbook xmlns:ss=\"x\">")}}, true},
        {"spreadsheetml, root without blank", check_application_vnd_ms_spreadsheetml,
         {{0, xml("<Workbook>urn:schemas-microsoft-com:office:spreadsheet")}}, false},
        {"word2006ml", check_application_vnd_ms_word2006ml,
         {{0, xml("<pkg:package xmlns:pkg=\"http://schemas.microsoft.com/office/2006/"
                  "xmlPackage\">")}},
         true},
        {"word2006ml without namespace", check_application_vnd_ms_word2006ml,
         {{0, xml("<pkg:package xmlns:pkg=\"x\">")}}, false},
        {"wordml", check_application_vnd_ms_wordml,
         {{0, xml("<w:wordDocument xmlns:w=\"http://schemas.microsoft.com/office/word/2003/"
                  "wordml\">")}},
         true},
        {"wordml, root only", check_application_vnd_ms_wordml, {{0, xml("<wordDocument >")}},
         true},
        {"wordml, other root", check_application_vnd_ms_wordml,
         {{0, xml("<w:document xmlns:w=\"http://schemas.microsoft.com/office/word/2003/"
                  "wordml\">")}},
         false},
        {"flat document, ODF URN", check_application_vnd_oasis_opendocument_tarvik_flat_document,
         {{0, xml("<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:"
                  "office:1.0\">")}},
         true},
        {"flat document, office root, OpenOffice 2009",
         check_application_vnd_oasis_opendocument_tarvik_flat_document,
         {{0, xml("<office xmlns=\"http://openoffice.org/2009/office\">")}}, true},
        {"flat document, document root, OpenOffice 2009",
         check_application_vnd_oasis_opendocument_tarvik_flat_document,
         {{0, xml("<document xmlns=\"http://openoffice.org/2009/office\">")}}, true},
        {"flat document, office root with the ODF URN",
         check_application_vnd_oasis_opendocument_tarvik_flat_document,
         {{0, xml("<office xmlns=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\">")}},
         false},
        {"flat document, no namespace",
         check_application_vnd_oasis_opendocument_tarvik_flat_document,
         {{0, xml("<office:document office:version=\"1.2\">")}}, false},
    });
}

TEST(VendorChecks, AppleIworkXml) {
    using namespace checks;
    const std::string keynote =
        "<key:presentation xmlns:key=\"http://developer.apple.com/namespaces/keynote2\">";
    const std::string pages = "<sl:document xmlns:sl=\"http://developer.apple.com/namespaces/sl\">";
    const std::string numbers =
        "<ls:document xmlns:ls=\"http://developer.apple.com/namespaces/ls\">";
    run_rows({
        {"keynote", check_application_vnd_apple_keynote, {{0, xml(keynote)}}, true},
        {"keynote without declaration", check_application_vnd_apple_keynote, {{0, keynote}}, true},
        {"pages", check_application_vnd_apple_pages, {{0, xml(pages)}}, true},
        {"numbers", check_application_vnd_apple_numbers, {{0, xml(numbers)}}, true},
        {"pages is not numbers", check_application_vnd_apple_numbers, {{0, xml(pages)}}, false},
        {"numbers is not pages", check_application_vnd_apple_pages, {{0, xml(numbers)}}, false},
        {"keynote namespace with a document root", check_application_vnd_apple_keynote,
         {{0, xml("<key:document xmlns:key=\"http://developer.apple.com/namespaces/keynote2\">")}},
         false},
        {"namespace in upper case", check_application_vnd_apple_pages,
         {{0, xml("<sl:document xmlns:sl=\"HTTP://DEVELOPER.APPLE.COM/NAMESPACES/SL\">")}}, true},
        // The same XML inside a ZIP entry: bytes 4..8 hold 00, so it is not text.
        {"keynote XML stored in a ZIP", check_application_vnd_apple_keynote,
         {{0, kPk34 + hex("14 00 00 00 00 00")}, {30, "index.apxl" + keynote}}, false},
    });
}

TEST(VendorChecks, ZipMimetypePackages) {
    using namespace checks;
    struct Pkg {
        CheckFn check;
        const char* media;
    };
    const Pkg pkgs[] = {
        {check_application_vnd_adobe_indesign_idml_package,
         "application/vnd.adobe.indesign-idml-package"},
        {check_application_vnd_etsi_asic_e_zip, "application/vnd.etsi.asic-e+zip"},
        {check_application_vnd_etsi_asic_s_zip, "application/vnd.etsi.asic-s+zip"},
        {check_application_vnd_oasis_opendocument_base, "application/vnd.oasis.opendocument.base"},
        {check_application_vnd_oasis_opendocument_chart, "application/vnd.oasis.opendocument.chart"},
        {check_application_vnd_oasis_opendocument_chart_template,
         "application/vnd.oasis.opendocument.chart-template"},
        {check_application_vnd_oasis_opendocument_graphics,
         "application/vnd.oasis.opendocument.graphics"},
        {check_application_vnd_oasis_opendocument_graphics_template,
         "application/vnd.oasis.opendocument.graphics-template"},
        {check_application_vnd_oasis_opendocument_image, "application/vnd.oasis.opendocument.image"},
        {check_application_vnd_oasis_opendocument_image_template,
         "application/vnd.oasis.opendocument.image-template"},
        {check_application_vnd_oasis_opendocument_presentation,
         "application/vnd.oasis.opendocument.presentation"},
        {check_application_vnd_oasis_opendocument_presentation_template,
         "application/vnd.oasis.opendocument.presentation-template"},
        {check_application_vnd_oasis_opendocument_spreadsheet,
         "application/vnd.oasis.opendocument.spreadsheet"},
        {check_application_vnd_oasis_opendocument_spreadsheet_template,
         "application/vnd.oasis.opendocument.spreadsheet-template"},
        {check_application_vnd_oasis_opendocument_text, "application/vnd.oasis.opendocument.text"},
        {check_application_vnd_oasis_opendocument_text_master,
         "application/vnd.oasis.opendocument.text-master"},
        {check_application_vnd_oasis_opendocument_text_template,
         "application/vnd.oasis.opendocument.text-template"},
        {check_application_vnd_oasis_opendocument_text_web,
         "application/vnd.oasis.opendocument.text-web"},
        {check_application_vnd_sun_xml_calc, "application/vnd.sun.xml.calc"},
        {check_application_vnd_sun_xml_calc_template, "application/vnd.sun.xml.calc.template"},
        {check_application_vnd_sun_xml_draw, "application/vnd.sun.xml.draw"},
        {check_application_vnd_sun_xml_draw_template, "application/vnd.sun.xml.draw.template"},
        {check_application_vnd_sun_xml_impress, "application/vnd.sun.xml.impress"},
        {check_application_vnd_sun_xml_impress_template,
         "application/vnd.sun.xml.impress.template"},
        {check_application_vnd_sun_xml_writer, "application/vnd.sun.xml.writer"},
    };
    const std::string hdr = kPk34 + hex("0A 00 00 00 00 00");
    for (const Pkg& p : pkgs) {
        const std::string name = std::string("mimetype") + p.media;
        SCOPED_TRACE(p.media);
        EXPECT_TRUE(run(p.check, {{0, hdr}, {30, name}}));
        EXPECT_FALSE(run(p.check, {{0, hdr}, {31, name}}));          // one byte late
        EXPECT_FALSE(run(p.check, {{1, hdr}, {30, name}}));          // no 'PK' at 0
        EXPECT_FALSE(run(p.check, {{0, hdr}, {30, p.media}}));       // no 'mimetype'
        std::string last_off = name;
        last_off.back() ^= 0x20;                                     // last byte differs
        EXPECT_FALSE(run(p.check, {{0, hdr}, {30, last_off}}));
    }
    // The three ZIP-signature rows want the whole local header signature,
    // the others only 'PK'.
    const std::string odt = "mimetypeapplication/vnd.oasis.opendocument.text";
    EXPECT_TRUE(run(check_application_vnd_oasis_opendocument_text, {{0, "PK\x05\x06"}, {30, odt}}));
    EXPECT_FALSE(run(check_application_vnd_etsi_asic_e_zip,
                     {{0, "PK\x05\x06"}, {30, "mimetypeapplication/vnd.etsi.asic-e+zip"}}));
    EXPECT_FALSE(run(check_application_vnd_etsi_asic_s_zip,
                     {{0, "PK\x05\x06"}, {30, "mimetypeapplication/vnd.etsi.asic-s+zip"}}));
    EXPECT_FALSE(run(check_application_vnd_adobe_indesign_idml_package,
                     {{0, "PK\x03\x05"}, {30, "mimetypeapplication/vnd.adobe.indesign-idml-package"}}));
    // A type's media type followed by more text still holds: '...text' is a
    // prefix of '...text-template'.
    EXPECT_TRUE(run(check_application_vnd_oasis_opendocument_text,
                    {{0, hdr}, {30, "mimetypeapplication/vnd.oasis.opendocument.text-template"}}));
}

TEST(VendorChecks, OpenDocumentFormulaComparesTheMediaTypeAlone) {
    using namespace checks;
    const std::string hdr = kPk34 + hex("0A 00 00 00 00 00");
    run_rows({
        {"formula, media type at 30", check_application_vnd_oasis_opendocument_formula,
         {{0, hdr}, {30, "application/vnd.oasis.opendocument.formula"}}, true},
        {"formula, a real package", check_application_vnd_oasis_opendocument_formula,
         {{0, hdr}, {30, "mimetypeapplication/vnd.oasis.opendocument.formula"}}, false},
        {"formula, one byte late", check_application_vnd_oasis_opendocument_formula,
         {{0, hdr}, {31, "application/vnd.oasis.opendocument.formula"}}, false},
        {"formula template", check_application_vnd_oasis_opendocument_formula_template,
         {{0, hdr}, {30, "application/vnd.oasis.opendocument.formula-template"}}, true},
        {"formula template, a real package",
         check_application_vnd_oasis_opendocument_formula_template,
         {{0, hdr}, {30, "mimetypeapplication/vnd.oasis.opendocument.formula-template"}}, false},
        {"formula template, no 'PK'", check_application_vnd_oasis_opendocument_formula_template,
         {{0, "PX"}, {30, "application/vnd.oasis.opendocument.formula-template"}}, false},
    });
}

TEST(VendorChecks, FlatOpenDocument) {
    using namespace checks;
    const std::string text = "office:mimetype=\"application/vnd.oasis.opendocument.text\"";
    const std::string pres = "office:mimetype=\"application/vnd.oasis.opendocument.presentation\"";
    const std::string sheet = "office:mimetype=\"application/vnd.oasis.opendocument.spreadsheet\"";
    const size_t text_core = text.size() - 1;  // without the closing quote
    run_rows({
        {"text", check_application_vnd_oasis_opendocument_flat_text, {{100, text}}, true},
        {"text ending at 4096", check_application_vnd_oasis_opendocument_flat_text,
         {{4097 - text_core, text}}, true},
        {"text ending at 4097", check_application_vnd_oasis_opendocument_flat_text,
         {{4098 - text_core, text}}, false},
        {"text, single quote", check_application_vnd_oasis_opendocument_flat_text,
         {{100, "office:mimetype='application/vnd.oasis.opendocument.text'"}}, false},
        {"text, upper case", check_application_vnd_oasis_opendocument_flat_text,
         {{100, "OFFICE:MIMETYPE=\"APPLICATION/VND.OASIS.OPENDOCUMENT.TEXT\""}}, false},
        {"presentation", check_application_vnd_oasis_opendocument_flat_presentation, {{0, pres}},
         true},
        {"presentation is not text", check_application_vnd_oasis_opendocument_flat_text,
         {{0, pres}}, false},
        {"spreadsheet", check_application_vnd_oasis_opendocument_flat_spreadsheet, {{0, sheet}},
         true},
        {"spreadsheet past the window", check_application_vnd_oasis_opendocument_flat_spreadsheet,
         {{4090, sheet}}, false},
    });
}

TEST(VendorChecks, OfficeOpenXml) {
    using namespace checks;
    CheckFn pptx = check_application_vnd_openxmlformats_officedocument_presentationml_presentation;
    CheckFn xlsx = check_application_vnd_openxmlformats_officedocument_spreadsheetml_sheet;
    CheckFn docx = check_application_vnd_openxmlformats_officedocument_wordprocessingml_document;
    const std::string ct = "[Content_Types].xml";
    const std::string rels = "_rels/.rels";
    run_rows({
        {"content types first, word/", docx, {{0, kPk34}, {30, ct}, {200, "word/"}}, true},
        {"content types first, ppt/", pptx, {{0, kPk34}, {30, ct}, {200, "ppt/"}}, true},
        {"content types first, xl/", xlsx, {{0, kPk34}, {30, ct}, {200, "xl/"}}, true},
        {"xl/ is not word/", docx, {{0, kPk34}, {30, ct}, {200, "xl/"}}, false},
        {"no local header", docx, {{0, "PK\x05\x06"}, {30, ct}, {200, "word/"}}, false},
        {"content types ending at 65536", docx,
         {{0, kPk34}, {65537 - ct.size(), ct}, {200, "word/"}}, true},
        {"content types ending at 65537", docx,
         {{0, kPk34}, {65538 - ct.size(), ct}, {200, "word/"}}, false},
        {"content types starting at 29", docx, {{0, kPk34}, {29, ct}, {200, "word/"}}, false},
        {"prefix ending at 4096", pptx, {{0, kPk34}, {30, ct}, {4093, "ppt/"}}, true},
        {"prefix ending at 4097", pptx, {{0, kPk34}, {30, ct}, {4094, "ppt/"}}, false},
        {"prefix before the content-types name", xlsx, {{0, kPk34}, {10, "xl/"}, {30, ct}}, true},
        {"prefix inside entry data", docx, {{0, kPk34}, {30, ct}, {60, "see word/x"}}, true},
        {"rels first", xlsx, {{0, kPk34}, {30, rels}, {100, "xl/workbook.xml"}}, true},
        {"rels one byte late", xlsx, {{0, kPk34}, {31, rels}, {100, "xl/workbook.xml"}}, false},
        {"rels first, prefix past 4096", xlsx, {{0, kPk34}, {30, rels}, {5000, "xl/"}}, false},
        {"rels first, no prefix", docx, {{0, kPk34}, {30, rels}}, false},
    });
}

TEST(VendorChecks, CompoundFileDocuments) {
    using namespace checks;
    const std::string workbook = hex("57 00 6F 00 72 00 6B 00 62 00 6F 00 6F 00 6B");
    const std::string ppt = utf16le("PowerPoint Document").substr(0, 37);
    const std::string works = utf16le("MatOST").substr(0, 11);
    ASSERT_EQ(workbook, utf16le("Workbook").substr(0, 15));
    struct Doc {
        const char* what;
        CheckFn check;
        std::string name;
    };
    const Doc docs[] = {
        {"excel", check_application_vnd_ms_excel, workbook},
        {"powerpoint", check_application_vnd_ms_powerpoint, ppt},
        {"works", check_application_vnd_ms_works, works},
    };
    for (const Doc& d : docs) {
        SCOPED_TRACE(d.what);
        const size_t n = d.name.size();
        EXPECT_TRUE(run(d.check, {{0, kOle}, {1152, d.name}}));
        EXPECT_TRUE(run(d.check, {{1, kOle}, {1152, d.name}}));  // signature at byte 1
        EXPECT_FALSE(run(d.check, {{2, kOle}, {1152, d.name}}));  // at byte 2 it ends at 9
        EXPECT_TRUE(run(d.check, {{0, kOle}, {4097 - n, d.name}}));
        EXPECT_FALSE(run(d.check, {{0, kOle}, {4098 - n, d.name}}));
        EXPECT_FALSE(run(d.check, {{0, kOle}, {1151, d.name}}));
        EXPECT_FALSE(run(d.check, {{1152, d.name}}));  // no signature
        EXPECT_FALSE(run(d.check, {{0, kOle}, {1152, d.name.substr(0, n - 1)}}));
    }
    // Excel: the four header texts need no compound-file signature.
    run_rows({
        {"Excel 5 user type at 2080", check_application_vnd_ms_excel,
         {{2080, "Microsoft Excel 5.0 Worksheet"}}, true},
        {"Excel 5 user type at 2081", check_application_vnd_ms_excel,
         {{2081, "Microsoft Excel 5.0 Worksheet"}}, false},
        {"Italian user type, cut inside the word", check_application_vnd_ms_excel,
         {{2080, "Foglio di lavoro Microsoft Exce"}}, true},
        {"Italian user type at 2079", check_application_vnd_ms_excel,
         {{2079, "Foglio di lavoro Microsoft Exce"}}, false},
        {"Biff5 at 2114", check_application_vnd_ms_excel, {{2114, "Biff5"}}, true},
        {"Biff5 at 2121", check_application_vnd_ms_excel, {{2121, "Biff5"}}, true},
        {"Biff5 at 2115", check_application_vnd_ms_excel, {{2115, "Biff5"}}, false},
        {"biff5 lower case", check_application_vnd_ms_excel, {{2114, "biff5"}}, false},
    });
    // StarOffice: a plain ASCII name within 2048..2207.
    struct Star {
        CheckFn check;
        std::string name;
    };
    const Star stars[] = {
        {check_application_vnd_stardivision_calc, "StarCalc"},
        {check_application_vnd_stardivision_draw, "StarDraw"},
        {check_application_vnd_stardivision_impress, "StarImpress"},
        {check_application_vnd_stardivision_writer, "StarWriter"},
    };
    for (const Star& s : stars) {
        SCOPED_TRACE(s.name);
        const size_t n = s.name.size();
        EXPECT_TRUE(run(s.check, {{0, kOle}, {2080, s.name + " 5.0"}}));
        EXPECT_TRUE(run(s.check, {{1, kOle}, {2048, s.name}}));
        EXPECT_FALSE(run(s.check, {{0, kOle}, {2047, s.name}}));
        EXPECT_TRUE(run(s.check, {{0, kOle}, {2208 - n, s.name}}));
        EXPECT_FALSE(run(s.check, {{0, kOle}, {2209 - n, s.name}}));
        EXPECT_FALSE(run(s.check, {{2080, s.name}}));
        EXPECT_FALSE(run(s.check, {{0, kOle}, {2080, utf16le(s.name)}}));
    }
    EXPECT_FALSE(run(check_application_vnd_stardivision_calc, {{0, kOle}, {2080, "StarDraw"}}));
}

TEST(VendorChecks, FixedOffsetRows) {
    using namespace checks;
    run_rows({
        {"m3u", check_application_vnd_apple_mpegurl, {{0, "#EXTM3U\n#EXTINF:10,\n"}}, true},
        {"m3u at 1", check_application_vnd_apple_mpegurl, {{1, "#EXTM3U"}}, false},
        {"m3u lower case", check_application_vnd_apple_mpegurl, {{0, "#extm3u"}}, false},
        {"prolights", check_application_vnd_digilite_prolights, {{0, hex("7F 0C 44 2B")}}, true},
        {"prolights last byte", check_application_vnd_digilite_prolights,
         {{0, hex("7F 0C 44 2C")}}, false},
        {"fdf", check_application_vnd_fdf, {{0, "%FDF-1.2\n"}}, true},
        {"pdf is not fdf", check_application_vnd_fdf, {{0, "%PDF-1.7\n"}}, false},
        {"icc", check_application_vnd_iccprofile, {{36, "acsp"}}, true},
        {"icc at 37", check_application_vnd_iccprofile, {{37, "acsp"}}, false},
        {"lotus 1", check_application_vnd_lotus_1_2_3_version_1, {{0, hex("00 00 02 00 04 04")}},
         true},
        {"lotus 1, byte 5", check_application_vnd_lotus_1_2_3_version_1,
         {{0, hex("00 00 02 00 04 05")}}, false},
        {"lotus 2", check_application_vnd_lotus_1_2_3_version_2,
         {{0, hex("00 00 02 00 06 04 06 00 08 00")}}, true},
        {"lotus 2, byte 8", check_application_vnd_lotus_1_2_3_version_2,
         {{0, hex("00 00 02 00 06 04 06 00 09 00")}}, false},
        {"lotus 3", check_application_vnd_lotus_1_2_3_version_3,
         {{0, hex("00 00 1A 00 00 10 04 00")}}, true},
        {"lotus 4", check_application_vnd_lotus_1_2_3_version_4,
         {{0, hex("00 00 1A 00 02 10 04 00")}}, true},
        {"lotus 97", check_application_vnd_lotus_1_2_3_version_97_9_x,
         {{0, hex("00 00 1A 00 03 10 04 00")}}, true},
        {"lotus 4 is not 3", check_application_vnd_lotus_1_2_3_version_3,
         {{0, hex("00 00 1A 00 02 10 04 00")}}, false},
        {"lotus 97 is not 4", check_application_vnd_lotus_1_2_3_version_4,
         {{0, hex("00 00 1A 00 03 10 04 00")}}, false},
        {"lotus 3 is not 97", check_application_vnd_lotus_1_2_3_version_97_9_x,
         {{0, hex("00 00 1A 00 00 10 04 00")}}, false},
        {"wordpro 00", check_application_vnd_lotus_wordpro, {{0, "WordPro"}}, true},
        {"wordpro 0D FB", check_application_vnd_lotus_wordpro, {{0, "WordPro\x0D\xFB"}}, true},
        {"wordpro 0D FA", check_application_vnd_lotus_wordpro, {{0, "WordPro\x0D\xFA"}}, false},
        {"wordpro blank", check_application_vnd_lotus_wordpro, {{0, "WordPro "}}, false},
        {"mif MakerFile", check_application_vnd_mif, {{0, "<MakerFile 5.5>"}}, true},
        {"mif MIFFile", check_application_vnd_mif, {{0, "<MIFFile 7.00>"}}, true},
        {"mif MML", check_application_vnd_mif, {{0, "<MML 1.00>"}}, true},
        {"mif Book", check_application_vnd_mif, {{0, "<Book 7.0>"}}, true},
        {"mif Maker alone", check_application_vnd_mif, {{0, "<Maker"}}, true},
        {"mif Make", check_application_vnd_mif, {{0, "<Make "}}, false},
        {"mif lower case", check_application_vnd_mif, {{0, "<mif"}}, false},
        {"mif at 1", check_application_vnd_mif, {{1, "<MIFFile"}}, false},
        {"cab with zeros", check_application_vnd_ms_cab_compressed,
         {{0, hex("4D 53 43 46 00 00 00 00")}}, true},
        {"cab, 'MSCF' decides", check_application_vnd_ms_cab_compressed,
         {{0, "MSCF\x01\x02\x03\x04"}}, true},
        {"cab, MSCE", check_application_vnd_ms_cab_compressed, {{0, "MSCE"}}, false},
        {"xls 2, 10", check_application_vnd_ms_excel_sheet_2, {{0, hex("09 00 04 00 00 00 10 00")}},
         true},
        {"xls 2, 20", check_application_vnd_ms_excel_sheet_2, {{0, hex("09 00 04 00 00 00 20 00")}},
         true},
        {"xls 2, 40", check_application_vnd_ms_excel_sheet_2, {{0, hex("09 00 04 00 00 00 40 00")}},
         true},
        {"xls 2, 30", check_application_vnd_ms_excel_sheet_2, {{0, hex("09 00 04 00 00 00 30 00")}},
         false},
        {"xls 3", check_application_vnd_ms_excel_sheet_3, {{0, hex("09 02 06 00 00 00 10 00")}},
         true},
        {"xls 3, 40", check_application_vnd_ms_excel_sheet_3, {{0, hex("09 02 06 00 00 00 40 00")}},
         true},
        {"xls 3 workspace is no sheet", check_application_vnd_ms_excel_sheet_3,
         {{0, hex("09 02 06 00 00 00 00 01")}}, false},
        {"xls 4", check_application_vnd_ms_excel_sheet_4, {{0, hex("09 04 06 00 00 00 20 00")}},
         true},
        {"xls 4 header, 3 record", check_application_vnd_ms_excel_sheet_4,
         {{0, hex("09 02 06 00 00 00 20 00")}}, false},
        {"xlw 3", check_application_vnd_ms_excel_workspace_3, {{0, hex("09 02 06 00 00 00 00 01")}},
         true},
        {"xlw 3, sheet", check_application_vnd_ms_excel_workspace_3,
         {{0, hex("09 02 06 00 00 00 10 00")}}, false},
        {"xlw 4", check_application_vnd_ms_excel_workspace_4, {{0, hex("09 04 06 00 00 00 00 01")}},
         true},
        {"xlw 4 is not 3", check_application_vnd_ms_excel_workspace_3,
         {{0, hex("09 04 06 00 00 00 00 01")}}, false},
        {"eot", check_application_vnd_ms_fontobject, {{8, hex("02 00 02 00")}, {34, "LP"}}, true},
        {"eot, LP at 35", check_application_vnd_ms_fontobject, {{8, hex("02 00 02 00")}, {35, "LP"}},
         false},
        {"eot, version 01 00 02 00", check_application_vnd_ms_fontobject,
         {{8, hex("01 00 02 00")}, {34, "LP"}}, false},
        {"chm", check_application_vnd_ms_htmlhelp, {{0, "ITSF"}}, true},
        {"chm lower case", check_application_vnd_ms_htmlhelp, {{0, "itsf"}}, false},
        {"pst, bytes 4..7 ignored", check_application_vnd_ms_outlook_pst,
         {{0, "!BDN\xDE\xAD\xBE\xEFSM"}}, true},
        {"pst, SM at 9", check_application_vnd_ms_outlook_pst, {{0, "!BDN"}, {9, "SM"}}, false},
        {"tnef", check_application_vnd_ms_tnef, {{0, hex("78 9F 3E 22")}}, true},
        {"tnef reversed", check_application_vnd_ms_tnef, {{0, hex("22 3E 9F 78")}}, false},
        {"msa", check_application_vnd_msa_disk_image, {{0, hex("0E 0F")}}, true},
        {"msa at 1", check_application_vnd_msa_disk_image, {{1, hex("0E 0F")}}, false},
        {"realmedia", check_application_vnd_rn_realmedia, {{0, ".RMF"}}, true},
        {"realmedia, .RMV", check_application_vnd_rn_realmedia, {{0, ".RMV"}}, false},
        {"symbian", check_application_vnd_symbian_install, {{8, hex("19 04 00 10")}}, true},
        {"symbian at 0", check_application_vnd_symbian_install, {{0, hex("19 04 00 10")}}, false},
        {"pcap big-endian", check_application_vnd_tcpdump_pcap, {{0, hex("A1 B2 C3 D4")}}, true},
        {"pcap little-endian", check_application_vnd_tcpdump_pcap, {{0, hex("D4 C3 B2 A1")}}, true},
        {"pcap nanosecond magic", check_application_vnd_tcpdump_pcap, {{0, hex("A1 B2 3C 4D")}},
         false},
        {"pcapng little-endian", check_application_vnd_tcpdump_pcapng,
         {{0, hex("0A 0D 0D 0A 1C 00 00 00 4D 3C 2B 1A")}}, true},
        {"pcapng big-endian", check_application_vnd_tcpdump_pcapng,
         {{0, hex("0A 0D 0D 0A 00 00 00 1C 1A 2B 3C 4D")}}, false},
        {"pcapng, A1 B2 C3 D4 at 8", check_application_vnd_tcpdump_pcapng,
         {{0, hex("0A 0D 0D 0A 00 00 00 1C A1 B2 C3 D4")}}, true},
        {"pcapng, magic at 9", check_application_vnd_tcpdump_pcapng,
         {{0, hex("0A 0D 0D 0A 00 00 00 1C 00 4D 3C 2B 1A")}}, false},
        {"wolfram", check_application_vnd_wolfram_wl, {{0, "#!/usr/bin/env wolframscript\n"}}, true},
        {"wolfram, other interpreter", check_application_vnd_wolfram_wl,
         {{0, "#!/usr/bin/env wolfram\n"}}, false},
        {"wordperfect text", check_application_vnd_wordperfect,
         {{0, "application/vnd.wordperfect;"}}, true},
        {"wordperfect text without ';'", check_application_vnd_wordperfect,
         {{0, "application/vnd.wordperfect"}}, false},
        {"wordperfect binary", check_application_vnd_wordperfect, {{0, hex("FF 57 50 43")}}, true},
        {"wordperfect 4.2", check_application_vnd_wordperfect_version_4_2,
         {{0, hex("CB 0A 01 00 00 CB")}}, true},
        {"wordperfect 4.2, CB at 4", check_application_vnd_wordperfect_version_4_2,
         {{0, hex("CB 0A 01 00 CB 00")}}, false},
        {"wordperfect 5.0", check_application_vnd_wordperfect_version_5_0,
         {{0, hex("FF 57 50 43 10 00 00 00 01 0A 00 00")}}, true},
        {"wordperfect 5.1", check_application_vnd_wordperfect_version_5_1,
         {{0, hex("FF 57 50 43 10 00 00 00 01 0A 00 01")}}, true},
        {"wordperfect 6.x", check_application_vnd_wordperfect_version_6_x,
         {{0, hex("FF 57 50 43 10 00 00 00 01 0A 02 01")}}, true},
        {"wordperfect 5.1 is not 5.0", check_application_vnd_wordperfect_version_5_0,
         {{0, hex("FF 57 50 43 10 00 00 00 01 0A 00 01")}}, false},
        {"wordperfect 6.x bytes without signature", check_application_vnd_wordperfect_version_6_x,
         {{10, hex("02 01")}}, false},
        {"xar", check_application_vnd_xara, {{0, "xar!\x00\x1C"}}, true},
        {"xar upper case", check_application_vnd_xara, {{0, "XAR!"}}, false},
    });
}

TEST(VendorChecks, PatternRows) {
    using namespace checks;
    run_rows({
        {"fcs 3.0", check_application_vnd_isac_fcs, {{0, "FCS3.0    256"}}, true},
        {"fcs anywhere", check_application_vnd_isac_fcs, {{5000, "FCS2.1    "}}, true},
        {"fcs, three blanks", check_application_vnd_isac_fcs, {{0, "FCS3.0   256"}}, false},
        {"fcs 4", check_application_vnd_isac_fcs, {{0, "FCS4.0    "}}, false},
        {"hprof", check_application_vnd_java_hprof, {{0, std::string("JAVA PROFILE 1.0.2\0", 19)}},
         true},
        {"hprof, comma", check_application_vnd_java_hprof, {{0, "JAVA PROFILE 1.0.2,"}}, false},
        {"hprof text", check_application_vnd_java_hprof_text, {{0, "JAVA PROFILE 1.0.1, created"}},
         true},
        {"hprof text, Arabic-Indic digit", check_application_vnd_java_hprof_text,
         {{0, "JAVA PROFILE 1.\xD9\xA1.1,"}}, true},
        {"hprof text, 00 end", check_application_vnd_java_hprof_text,
         {{0, std::string("JAVA PROFILE 1.0.2\0", 19)}}, false},
    });
}

// ---------------------------------------------------------------------------
// Whole-detector answers for real minimal files.

// A CompObj stream: its header, then the user type as a length-prefixed text.
std::string comp_obj(std::string_view user_type) {
    std::string s = hex("01 00 FE FF 03 0A 00 00 FF FF FF FF") + std::string(16, '\0');
    le32(s, uint32_t(user_type.size() + 1));
    s += user_type;
    s.push_back('\0');
    s.resize(4096, '\0');
    return s;
}

bool holds(CheckFn f, const std::string& bytes) {
    return run(f, {{0, bytes.substr(0, kLen)}});
}

const std::string kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>";
const std::string kRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"/>";

TEST(VendorDetect, OfficeOpenXmlPackages) {
    const std::string docx = zip_stored({{"[Content_Types].xml", kContentTypes},
                                         {"_rels/.rels", kRels},
                                         {"word/document.xml", "<w:document/>"}});
    EXPECT_EQ(detect(docx),
              "application/vnd.openxmlformats-officedocument.wordprocessingml.document");

    const std::string xlsx = zip_stored({{"_rels/.rels", kRels},
                                         {"xl/workbook.xml", "<workbook/>"},
                                         {"[Content_Types].xml", kContentTypes}});
    EXPECT_EQ(detect(xlsx), "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");

    const std::string pptx = zip_stored({{"[Content_Types].xml", kContentTypes},
                                         {"ppt/presentation.xml", "<p:presentation/>"}});
    EXPECT_EQ(detect(pptx),
              "application/vnd.openxmlformats-officedocument.presentationml.presentation");

    // Both 'ppt/' and 'word/' early: the presentation comes first.
    const std::string both = zip_stored({{"[Content_Types].xml", kContentTypes},
                                         {"word/document.xml", "<w:document/>"},
                                         {"ppt/presentation.xml", "<p:presentation/>"}});
    EXPECT_EQ(detect(both),
              "application/vnd.openxmlformats-officedocument.presentationml.presentation");
}

TEST(VendorDetect, OfficeOpenXmlPartPrefixPastTheWindow) {
    // The part lies behind a 5000-byte entry: none of the three types holds.
    const std::string late = zip_stored({{"[Content_Types].xml", kContentTypes},
                                         {"docProps/padding.bin", std::string(5000, 'x')},
                                         {"word/document.xml", "<w:document/>"}});
    using namespace checks;
    EXPECT_FALSE(
        holds(check_application_vnd_openxmlformats_officedocument_wordprocessingml_document, late));
    if (!holds(check_application_x_tarvik_ooxml, late))
        GTEST_SKIP() << "the generic Office Open XML check is not built yet";
    EXPECT_EQ(detect(late), "application/x-tarvik-ooxml");
}

TEST(VendorDetect, OpenDocumentPackages) {
    const std::string manifest = "<manifest:manifest/>";
    auto odf = [&](const std::string& media) {
        return zip_stored({{"mimetype", media},
                           {"META-INF/manifest.xml", manifest},
                           {"content.xml", "<office:document-content/>"}});
    };
    for (const char* media : {
             "application/vnd.oasis.opendocument.text",
             "application/vnd.oasis.opendocument.text-template",
             "application/vnd.oasis.opendocument.text-master",
             "application/vnd.oasis.opendocument.spreadsheet",
             "application/vnd.oasis.opendocument.spreadsheet-template",
             "application/vnd.oasis.opendocument.presentation",
             "application/vnd.oasis.opendocument.graphics",
             "application/vnd.oasis.opendocument.image",
             "application/vnd.oasis.opendocument.base",
             "application/vnd.oasis.opendocument.chart",
             "application/vnd.sun.xml.calc",
             "application/vnd.sun.xml.impress.template",
             "application/vnd.etsi.asic-e+zip",
             "application/vnd.adobe.indesign-idml-package",
         }) {
        EXPECT_EQ(detect(odf(media)), media);
    }
    // "chart" precedes "chart-template" among the ZIP children and its name
    // is a prefix of the other's, so a chart template comes out as a chart.
    EXPECT_EQ(detect(odf("application/vnd.oasis.opendocument.chart-template")),
              "application/vnd.oasis.opendocument.chart");
}

TEST(VendorDetect, SunWriterPackageWhenZipHolds) {
    // "application/vnd.sun.xml.writer" is no ZIP child, so the ZIP type itself
    // answers first for a package with a local header at the start.
    const std::string sxw = zip_stored({{"mimetype", "application/vnd.sun.xml.writer"},
                                        {"content.xml", "<office:document-content/>"}});
    EXPECT_TRUE(holds(checks::check_application_vnd_sun_xml_writer, sxw));
    if (!holds(checks::check_application_zip, sxw))
        GTEST_SKIP() << "the ZIP check is not built yet";
    EXPECT_EQ(detect(sxw), "application/zip");
}

TEST(VendorDetect, FlatOpenDocumentAndIworkXml) {
    EXPECT_EQ(detect(xml("<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:"
                         "office:1.0\" office:version=\"1.2\" "
                         "office:mimetype=\"application/vnd.oasis.opendocument.spreadsheet\">"
                         "</office:document>\n")),
              "application/vnd.oasis.opendocument.flat.spreadsheet");
    EXPECT_EQ(detect("<key:presentation xmlns:key=\"http://developer.apple.com/namespaces/"
                     "keynote2\" key:version=\"92008102400\">\n</key:presentation>\n"),
              "application/vnd.apple.keynote");
    EXPECT_EQ(detect("<sl:document xmlns:sl=\"http://developer.apple.com/namespaces/sl\">\n"
                     "</sl:document>\n"),
              "application/vnd.apple.pages");
}

TEST(VendorDetect, CompoundFiles) {
    const std::string padding(4096, '\0');
    const std::string xls = ole_file({{"Workbook", run_of(2, 8), "\x09\x08" + padding.substr(2)}});
    ASSERT_EQ(xls.substr(1152, 16), utf16le("Workbook"));
    EXPECT_EQ(detect(xls), "application/vnd.ms-excel");

    const std::string ppt = ole_file({{"PowerPoint Document", run_of(2, 8), padding}});
    EXPECT_EQ(detect(ppt), "application/vnd.ms-powerpoint");

    const std::string wps = ole_file({{"MatOST", run_of(2, 8), padding}});
    EXPECT_EQ(detect(wps), "application/vnd.ms-works");

    // StarOffice: the CompObj stream starts at sector 3 (byte 2048), so its
    // user type text lies at byte 2080.
    std::vector<uint32_t> doc_chain = {2};
    for (uint32_t s = 11; s < 18; ++s) doc_chain.push_back(s);
    const std::string sdc = ole_file({{"StarCalcDocument", doc_chain, padding},
                                      {"\x01" "CompObj", run_of(3, 8), comp_obj("StarCalc 5.0")}});
    ASSERT_EQ(sdc.substr(2080, 8), "StarCalc");
    EXPECT_EQ(detect(sdc), "application/vnd.stardivision.calc");

    // An Excel 5 file names itself in the same place.
    const std::string xls5 = ole_file({{"Book", doc_chain, padding},
                                       {"\x01" "CompObj", run_of(3, 8),
                                        comp_obj("Microsoft Excel 5.0 Worksheet")}});
    EXPECT_TRUE(holds(checks::check_application_vnd_ms_excel, xls5));
    EXPECT_EQ(detect(xls5), "application/vnd.ms-excel");
}

TEST(VendorDetect, CompoundFileWithWordAndWorkbookIsWord) {
    const std::string padding(4096, '\0');
    const std::string f = ole_file({{"WordDocument", run_of(2, 8), padding},
                                    {"Workbook", run_of(10, 8), padding}});
    EXPECT_TRUE(holds(checks::check_application_vnd_ms_excel, f));
    if (!holds(checks::check_application_msword, f))
        GTEST_SKIP() << "the Word check is not built yet";
    EXPECT_EQ(detect(f), "application/msword");
}

TEST(VendorDetect, SignaturesAndOrder) {
    EXPECT_EQ(detect("xar!" + hex("00 1C 00 01 00 00 00 00 00 00 01 00")), "application/vnd.xara");
    EXPECT_EQ(detect(hex("A1 B2 C3 D4 00 02 00 04 00 00 00 00 00 00 00 00 00 00 FF FF 00 00 00 01")),
              "application/vnd.tcpdump.pcap");
    EXPECT_EQ(detect(hex("0A 0D 0D 0A 1C 00 00 00 4D 3C 2B 1A 01 00 00 00 FF FF FF FF FF FF FF FF "
                         "1C 00 00 00")),
              "application/vnd.tcpdump.pcapng");
    // The stored type ends in a blank.
    EXPECT_EQ(detect(std::string("JAVA PROFILE 1.0.2\0", 19) + hex("00 00 00 08 00 00 01 8B")),
              "application/vnd.java.hprof ");
    // WordPerfect: the version child is tried before its parent.
    const std::string wp = hex("FF 57 50 43 10 00 00 00 01 0A 00 01 00 00 00 00");
    EXPECT_EQ(detect(wp), "application/vnd.wordperfect;version=5.1");
    EXPECT_EQ(detect(hex("FF 57 50 43 10 00 00 00 01 0A 02 01 00 00 00 00")),
              "application/vnd.wordperfect;version=6.x");
    // No version child holds: the parent answers.
    EXPECT_EQ(detect(hex("FF 57 50 43 10 00 00 00 01 0A 03 00 00 00 00 00")),
              "application/vnd.wordperfect");
}

TEST(VendorDetect, XarSharesTheXaraCheck) {
    const MimeChecker* xar = nullptr;
    for (const MimeChecker& r : ALL_MIME_CHECKERS)
        if (r.mime_type() == "application/x-xar") xar = &r;
    ASSERT_NE(xar, nullptr);
    auto yes = buffer_with({{0, "xar!"}});
    auto no = buffer_with({{0, "xar?"}});
    EXPECT_TRUE(xar->check(Probe(yes.data(), yes.size())));
    EXPECT_FALSE(xar->check(Probe(no.data(), no.size())));
    // The Xara record stands earlier in the walk and answers for both.
    EXPECT_EQ(detect(std::string("xar!\0\x1C\0\x01", 8)), "application/vnd.xara");
}

}  // namespace
