// The content checks of the message, multipart, model, font and chemical
// types, row by row, and a few whole-detector answers among them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "checks/checks.h"
#include "mime_magic/mime_magic.h"
#include "check_support.h"

namespace mime_magic::checks {
extern const char kColladaNamespace[];
extern const char kXmlSchemaInstanceNamespace[];
}  // namespace mime_magic::checks

namespace {

using namespace mime_magic;
using namespace mime_magic::checks;
using namespace std::string_literals;
using namespace checksupport;

// Each row's check is evaluated plainly and again inside a detection.
void run_cases(const std::vector<TypeRow>& cases) { run_type_rows(cases, Scope::also_in_detection); }

TEST(MessageModelFontChecks, NamespaceNames) {
    const std::string_view collada = kColladaNamespace;
    EXPECT_EQ(collada.size(), 44u);
    EXPECT_TRUE(collada.starts_with("http://"));
    EXPECT_TRUE(collada.ends_with("/2005/11/COLLADASchema"));
    const std::string_view xsi = kXmlSchemaInstanceNamespace;
    EXPECT_EQ(xsi.size(), 41u);
    EXPECT_TRUE(xsi.starts_with("http://"));
    EXPECT_TRUE(xsi.ends_with("/2001/XMLSchema-instance"));
}

TEST(FontChecks, Rows) {
    run_cases({
        {"font/collection", check_font_collection, {{0, "ttcf\x00\x01\x00\x00"s}}, true, "version 1"},
        {"font/collection", check_font_collection, {{0, "ttcf\x00\x02\x00\x00"s}}, true, "version 2"},
        {"font/collection", check_font_collection, {{0, "ttcf\x00\x03\x00\x00"s}}, false, "version 3"},
        {"font/collection", check_font_collection, {{0, "ttcf\x01\x00\x00\x00"s}}, false,
         "version 1 little-endian"},
        {"font/collection", check_font_collection, {{0, "TTCF\x00\x01\x00\x00"s}}, false, "case"},
        {"font/woff", check_font_woff, {{0, "wOFF"}}, true, "wOFF"},
        {"font/woff", check_font_woff, {{0, "wOF2"}}, false, "wOF2"},
        {"font/woff", check_font_woff, {{0, "WOFF"}}, false, "case"},
        {"font/woff2", check_font_woff2, {{0, "wOF2"}}, true, "wOF2"},
        {"font/woff2", check_font_woff2, {{1, "wOF2"}}, false, "one byte late"},
        {"chemical/x-cdx", check_chemical_x_cdx, {{0, "VjCD0100"}}, true, "header"},
        {"chemical/x-cdx", check_chemical_x_cdx, {{0, "VjCD0200"}}, false, "other version"},
    });
}

TEST(ModelChecks, BinaryHeaders) {
    run_cases({
        {"model/e57", check_model_e57, {{0, "ASTM-E57"}}, true, "header"},
        {"model/e57", check_model_e57, {{0, "ASTM-E5"}}, false, "cut short"},
        {"model/gltf-binary", check_model_gltf_binary, {{0, "glTF\x01\x00\x00\x00"s}}, true, "v1"},
        {"model/gltf-binary", check_model_gltf_binary, {{0, "glTF\x02\x00\x00\x00"s}}, true, "v2"},
        {"model/gltf-binary", check_model_gltf_binary, {{0, "glTF\x03\x00\x00\x00"s}}, false, "v3"},
        {"model/gltf-binary", check_model_gltf_binary, {{0, "glTF\x00\x00\x00\x02"s}}, false,
         "v2 big-endian"},
        {"model/gltf-binary", check_model_gltf_binary, {{0, "GLTF\x02\x00\x00\x00"s}}, false, "case"},
        {"multipart/appledouble", check_multipart_appledouble, {{0, "\x00\x05\x16\x07"s}}, true,
         "AppleDouble"},
        {"multipart/appledouble", check_multipart_appledouble, {{0, "\x00\x05\x16\x00"s}}, false,
         "AppleSingle"},
    });
}

TEST(ModelChecks, Dwf) {
    run_cases({
        {"model/vnd.dwf", check_model_vnd_dwf, {{0, "(DWF V00.22)"}}, true, "version 0.22"},
        {"model/vnd.dwf", check_model_vnd_dwf, {{0, "(DWF V07.99)"}}, true, "any version"},
        {"model/vnd.dwf", check_model_vnd_dwf, {{0, "(DWF V07,99)"}}, false, "comma at 8"},
        {"model/vnd.dwf", check_model_vnd_dwf, {{0, "(DWF V07.99]"}}, false, "bracket at 11"},
        {"model/vnd.dwf", check_model_vnd_dwf, {{0, "(dwf V07.99)"}}, false, "case"},
        {"model/vnd.dwf;version=2", check_model_vnd_dwf_version_2, {{0, "(DWF V00.22)"}}, true, "0.22"},
        {"model/vnd.dwf;version=2", check_model_vnd_dwf_version_2, {{0, "(DWF V00.23)"}}, false, "0.23"},
        {"model/vnd.dwf;version=5", check_model_vnd_dwf_version_5, {{0, "(DWF V00.55)"}}, true, "0.55"},
        {"model/vnd.dwf;version=5", check_model_vnd_dwf_version_5, {{0, "(DWF V00.22)"}}, false, "0.22"},
        {"model/vnd.dwf;version=6", check_model_vnd_dwf_version_6, {{0, "(DWF V06.00)PK"}}, true,
         "6.00"},
        {"model/vnd.dwf;version=6", check_model_vnd_dwf_version_6, {{0, "(DWF V06xx)PK"}}, false,
         "no dot at 8"},
        {"model/vnd.dwf;version=6", check_model_vnd_dwf_version_6, {{0, "(DWF V06.zz)PK"}}, true,
         "bytes 9 and 10 not tested"},
        {"model/vnd.dwf;version=6", check_model_vnd_dwf_version_6, {{0, "(DWF V06.00)"}}, false,
         "no PK"},
        {"model/vnd.dwf;version=6", check_model_vnd_dwf_version_6, {{0, "(DWF V07.00)PK"}}, false,
         "version 7"},
    });
}

TEST(ModelChecks, StlAscii) {
    run_cases({
        {"model/x.stl-ascii", check_model_x_stl_ascii, {{0, "solid x facet normal"}}, true,
         "facet at 8"},
        {"model/x.stl-ascii", check_model_x_stl_ascii, {{0, "solid facet "}}, false,
         "facet at 6"},
        {"model/x.stl-ascii", check_model_x_stl_ascii, {{0, "solid  facet "}}, true, "facet at 7"},
        {"model/x.stl-ascii", check_model_x_stl_ascii, {{0, "solid a"}, {251, "facet "}}, true,
         "facet ends at 256"},
        {"model/x.stl-ascii", check_model_x_stl_ascii, {{0, "solid a"}, {252, "facet "}}, false,
         "facet ends at 257"},
        {"model/x.stl-ascii", check_model_x_stl_ascii, {{0, "Solid x facet normal"}}, false,
         "case"},
        {"model/x.stl-ascii", check_model_x_stl_ascii, {{0, "solid x facetnormal"}}, false,
         "no blank after facet"},
    });
}

TEST(ModelChecks, Xml) {
    const std::string collada = kColladaNamespace;
    const std::string xsi = kXmlSchemaInstanceNamespace;
    run_cases({
        {"model/vnd.collada+xml", check_model_vnd_collada_xml,
         {{0, "<?xml version=\"1.0\"?>\n<COLLADA xmlns=\"" + collada + "\" version=\"1.4.1\">"}},
         true, "root and namespace"},
        {"model/vnd.collada+xml", check_model_vnd_collada_xml,
         {{0, "<?xml version=\"1.0\"?>\n<collada xmlns=\"HTTP://WWW.COLLADA.ORG/2005/11/collADASCHEMA\">"}},
         true, "any case"},
        {"model/vnd.collada+xml", check_model_vnd_collada_xml,
         {{0, "<?xml version=\"1.0\"?>\n<COLLADA version=\"1.4.1\">"}}, false, "no namespace"},
        {"model/vnd.collada+xml", check_model_vnd_collada_xml,
         {{0, "<?xml version=\"1.0\"?>\n<COLLADA xmlns=\"x\">"}, {2100, collada}}, false,
         "namespace past byte 2048"},
        {"model/vnd.collada+xml", check_model_vnd_collada_xml,
         {{0, "<?xml version=\"1.0\"?>\n<COLLADA xmlns=\"x\">"}, {2048 - 43, collada}}, true,
         "namespace ends at byte 2048"},
        {"model/vnd.collada+xml", check_model_vnd_collada_xml,
         {{0, "<?xml version=\"1.0\"?>\n<COLLADAx xmlns=\"" + collada + "\">"}}, false,
         "other root"},
        {"model/vnd.collada+xml", check_model_vnd_collada_xml,
         {{0, "<?xml\x80version=\"1.0\"?>\n<COLLADA xmlns=\"" + collada + "\">"}}, false,
         "not text: byte 5 is 80"},
        {"model/x3d+xml", check_model_x3d_xml,
         {{0, "<?xml version=\"1.0\"?>\n<X3D profile=\"Immersive\" xmlns:xsd=\"" + xsi + "\">"}},
         true, "root and schema-instance namespace"},
        {"model/x3d+xml", check_model_x3d_xml, {{0, "<?xml version=\"1.0\"?>\n<X3D profile=\"Full\">"}},
         false, "no namespace"},
        {"model/x3d+xml", check_model_x3d_xml,
         {{0, "<?xml version=\"1.0\"?>\n<X3Dx xmlns:xsd=\"" + xsi + "\">"}}, false, "other root"},
    });
}

TEST(MessageChecks, News) {
    run_cases({
        {"message/news", check_message_news, {{0, "Path: a!b"}}, true, "Path:"},
        {"message/news", check_message_news, {{0, "Xref: a b:1"}}, true, "Xref:"},
        {"message/news", check_message_news, {{0, "Article 12 of comp.lang"}}, true, "Article"},
        {"message/news", check_message_news, {{0, "Path a!b"}}, false, "Path without colon"},
        {"message/news", check_message_news, {{0, "Xref a"}}, false, "Xref without colon"},
        {"message/news", check_message_news, {{0, "path: a!b"}}, false, "case"},
    });
}

TEST(MessageChecks, Emlx) {
    run_cases({
        {"message/x-emlx", check_message_x_emlx, {{0, "12\nPipe to x"}}, true, "Pipe to at 2"},
        {"message/x-emlx", check_message_x_emlx, {{0, "123\nPipe to x"}}, false, "Pipe to at 3"},
        {"message/x-emlx", check_message_x_emlx, {{0, "12\nFrom: a"}}, true, "From: at 2"},
        {"message/x-emlx", check_message_x_emlx, {{0, "1234\nFrom: a"}}, true, "From: at 4"},
        {"message/x-emlx", check_message_x_emlx, {{0, "12345\nFrom: a"}}, false, "From: at 5"},
        {"message/x-emlx", check_message_x_emlx, {{0, "1234\nDate: a"}}, true, "Date: at 4"},
        {"message/x-emlx", check_message_x_emlx, {{0, "1\nDate: a"}}, false, "Date: at 1"},
        {"message/x-emlx", check_message_x_emlx, {{0, "12\ndate: a"}}, false, "case"},
    });
}

TEST(MessageChecks, Rfc822FixedStarts) {
    std::vector<TypeRow> cases;
    const char* yes[] = {"Relay-Version: 1", "RELAY-VERSION: 1", "#! rnews 12", "N#! rnews 12",
                         "Forward to x", "Pipe to x", "Return-Path: <a@b>", "return-path: <a@b>",
                         "Message-ID: <1@b>", "MESSAGE-id: <1@b>", "X-Mailer: m"};
    for (const char* s : yes) cases.push_back({"message/rfc822", check_message_rfc822, {{0, s}}, true, s});
    const char* no[] = {"x-mailer: m", "X-MAILER: m", "#! RNEWS 12", "forward to x", "pipe to x",
                        " Return-Path: <a@b>", "Hello world"};
    for (const char* s : no) cases.push_back({"message/rfc822", check_message_rfc822, {{0, s}}, false, s});
    cases.insert(cases.end(), {
        {"message/rfc822", check_message_rfc822, {{0, "X-Notes-Item: a"}, {8000, "Message-ID:"}},
         true, "Notes item and Message-ID: ending before 8192"},
        {"message/rfc822", check_message_rfc822, {{0, "X-Notes-Item: a"}, {8182, "Message-ID:"}},
         true, "Message-ID: ends at 8192"},
        {"message/rfc822", check_message_rfc822, {{0, "X-Notes-Item: a"}, {8183, "Message-ID:"}},
         false, "Message-ID: ends at 8193"},
        {"message/rfc822", check_message_rfc822, {{0, "X-Notes-Item: a"}, {100, "message-id:"}},
         false, "Notes item with lower-case message-id: and no line feed"},
    });
    run_cases(cases);
}

TEST(MessageChecks, Rfc822Headers) {
    std::vector<TypeRow> cases;
    // Step 10: a pattern hit and one of twelve headers after a line feed.
    const char* folded[] = {"date:", "DATE:", "From:", "from:", "Message-ID:", "mime-version:",
                            "Received:", "RELAY-VERSION:", "return-path:", "x-originating-ip:"};
    for (const char* h : folded)
        cases.push_back({"message/rfc822", check_message_rfc822,
                         {{0, "Subject: hi\nX-Spam: no\n"s + h + " x"}}, true, h});
    const char* exact[] = {"Delivered-To:", "Status:", "User-Agent:", "X-Mailer:"};
    for (const char* h : exact) {
        cases.push_back({"message/rfc822", check_message_rfc822,
                         {{0, "Subject: hi\nX-Spam: no\n"s + h + " x"}}, true, h});
        std::string lower = h;
        for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
        cases.push_back({"message/rfc822", check_message_rfc822,
                         {{0, "Subject: hi\nX-Spam: no\n" + lower + " x"}}, false,
                         "exact-case header in lower case"});
    }
    cases.insert(cases.end(), {
        {"message/rfc822", check_message_rfc822, {{0, "Subject: hi\nDKIM-Signature: v\nFrom: a"}},
         true, "DKIM- hit"},
        {"message/rfc822", check_message_rfc822, {{0, "Subject: hi\nARC-Seal: v\nFrom: a"}}, true,
         "ARC- hit"},
        {"message/rfc822", check_message_rfc822, {{0, "Subject: hi\nFrom: a\nTo: b"}}, false,
         "headers without a pattern hit"},
        {"message/rfc822", check_message_rfc822, {{0, "Subject: hi\nX-Spam: no\nTo: b"}}, false,
         "pattern hit without a listed header"},
        {"message/rfc822", check_message_rfc822, {{0, "Subject: hi X-Spam: no"}, {8187, "\nFrom: a"}},
         true, "From: ends at 8192"},
        {"message/rfc822", check_message_rfc822, {{0, "Subject: hi X-Spam: no"}, {8188, "\nFrom: a"}},
         false, "From: ends at 8193"},
        {"message/rfc822", check_message_rfc822, {{0, "Subject: hi"}, {9000, "X-Spam: no\nFrom: a"}},
         false, "pattern hit past 8192 does not bring the header into the window"},
        {"message/rfc822", check_message_rfc822, {{0, "Subject: hi"}, {100, "\nFrom: a"}, {9000, "X-"}},
         true, "pattern hit anywhere in the buffer"},
        // Step 11: a line feed and message-id: inside 0..1000, any case.
        {"message/rfc822", check_message_rfc822, {{0, "Subject: hi"}, {989, "\nMessage-ID: <1>"}},
         true, "message-id ends at 1000"},
        {"message/rfc822", check_message_rfc822, {{0, "Subject: hi"}, {990, "\nMessage-ID: <1>"}},
         false, "message-id ends at 1001"},
        {"message/rfc822", check_message_rfc822,
         {{0, "Subject: hi"}, {990, "\nMessage-ID: <1>"}, {2000, "X-"}}, true,
         "message-id past 1000 taken by step 10"},
        {"message/rfc822", check_message_rfc822, {{0, "Subject: hi\nMESSAGE-ID: <1>"}}, true,
         "message-id any case"},
        // Both steps come from one pass over the line feeds: a header line of
        // step 10 found first must not end the search for step 11's line.
        {"message/rfc822", check_message_rfc822,
         {{0, "Subject: hi"}, {100, "\nFrom: a"}, {900, "\nmessage-ID: <1>"}}, true,
         "a header line, no pattern, then message-id inside 0..1000"},
        {"message/rfc822", check_message_rfc822,
         {{0, "Subject: hi"}, {100, "\nFrom: a"}, {990, "\nmessage-ID: <1>"}}, false,
         "a header line, no pattern, message-id ending at 1001"},
        {"message/rfc822", check_message_rfc822,
         {{0, "Subject: hi"}, {990, "\nmessage-ID: <1>"}, {5000, "\nX-Mailer: m"}}, true,
         "message-id past 1000 counts as step 10's header line, with its pattern"},
    });
    run_cases(cases);
}

TEST(MultipartChecks, Related) {
    const std::string ie11 = "From: \"Saved by Internet Explorer 11\"";
    run_cases({
        {"multipart/related", check_multipart_related,
         {{0, "From: <Saved by Windows Internet Explorer 8>\r\n"}}, true, "IE 8"},
        {"multipart/related", check_multipart_related,
         {{0, "FROM: <SAVED BY WINDOWS INTERNET EXPLORER 8>"}}, true, "IE 8 any case"},
        {"multipart/related", check_multipart_related,
         {{0, "From: <Saved by Windows Internet Explorer 9>"}}, false, "IE 9"},
        {"multipart/related", check_multipart_related, {{0, ie11 + "\r\n"}}, true, "IE 11"},
        {"multipart/related", check_multipart_related,
         {{0, "from: \"saved by internet explorer 11\""}}, true, "IE 11 any case"},
        {"multipart/related", check_multipart_related,
         {{0, "From: 'Saved by Internet Explorer 11'"}}, false, "single quotes"},
        {"multipart/related", check_multipart_related,
         {{0, "From: \"Saved by Internet Explorer 11 "}}, false, "no closing quote"},
        {"multipart/related", check_multipart_related,
         {{0, "MIME-Version: 1.0\nContent-Type: multipart/related; boundary=x"}}, true,
         "MIME header"},
        {"multipart/related", check_multipart_related,
         {{0, "MIME-Version: 1.0\r\nContent-Type: multipart/related; boundary=x"}}, true,
         "CR LF line ends"},
        {"multipart/related", check_multipart_related,
         {{0, "MIME-Version: 1.0\nContent-Type: Multipart/Related; boundary=x"}}, false,
         "exact case"},
        {"multipart/related", check_multipart_related,
         {{0, "mime-version: 1.0\nContent-Type: multipart/related; boundary=x"}}, false,
         "version line exact case"},
        {"multipart/related", check_multipart_related,
         {{0, "MIME-Version: 1.0\nX: y"}, {481, "\nContent-Type: multipart/related"}}, true,
         "content type ends at 512"},
        {"multipart/related", check_multipart_related,
         {{0, "MIME-Version: 1.0\nX: y"}, {482, "\nContent-Type: multipart/related"}}, false,
         "content type ends at 513"},
        {"multipart/related", check_multipart_related,
         {{0, "MIME-Version: 1.0\nContent-Type: multipart/mixed"}}, false, "mixed"},
    });
}

// Whole-detector answers that the walk order settles among these types.
TEST(MessageModelFontDetection, WalkOrder) {
    const struct {
        std::string content;
        const char* mime;
    } expects[] = {
        {"(DWF V00.22)\x01\x02"s, "model/vnd.dwf;version=2"},
        {"(DWF V00.55)\x01\x02"s, "model/vnd.dwf;version=5"},
        {"(DWF V06.01)PK\x03\x04"s, "model/vnd.dwf;version=6"},
        {"(DWF V07.00)\x01\x02"s, "model/vnd.dwf"},
        {"MIME-Version: 1.0\nContent-Type: multipart/related; boundary=\"b\"\n\n--b\n",
         "multipart/related"},
        // Both the multipart check and its parent's check hold: the child wins.
        {"MIME-Version: 1.0\nContent-Type: multipart/related; boundary=\"b\"\n"
         "Message-ID: <1@example.org>\n\n--b\n",
         "multipart/related"},
        {"Return-Path: <a@example.org>\nFrom: a@example.org\nSubject: hi\n\nbody\n",
         "message/rfc822"},
        {"Path: news.example.org!not-for-mail\nSubject: hi\n\nbody\n", "message/news"},
        {"solid cube\n  facet normal 0 0 1\n    outer loop\n", "model/x.stl-ascii"},
        {"wOFF\x00\x01\x00\x00\x00\x00\x01\x00"s, "font/woff"},
        {"wOF2\x00\x01\x00\x00\x00\x00\x01\x00"s, "font/woff2"},
        {"glTF\x02\x00\x00\x00\x40\x00\x00\x00"s, "model/gltf-binary"},
        {"ASTM-E57\x00\x00\x01\x00"s, "model/e57"},
        {"VjCD0100\x04\x03\x02\x01"s, "chemical/x-cdx"},
        {"ttcf\x00\x01\x00\x00\x00\x00\x00\x02"s, "font/collection"},
        {"\x00\x05\x16\x07\x00\x02\x00\x00"s, "multipart/appledouble"},
    };
    for (const auto& e : expects) EXPECT_EQ(detect(e.content), e.mime) << e.mime;
}

}  // namespace
