// End to end: crafted text and image files through the built tarvik-cli, with
// the MIME type the detector gives them and the class that type leads to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_support.h"
#include "file_builders.h"

namespace {

using namespace std::string_literals;
using namespace e2esupport;
using testsupport::TempDir;
using builders::png_head;

struct Sample {
    const char* name;
    std::string content;
    const char* mime;
    const char* class_json;  // the "class" member's value as written, or null to skip
    const char* source;
};

const std::vector<Sample>& samples() {
    static const std::vector<Sample> all = {
        {"image.png", png_head("IDAT"), "image/png", "\"PassiveMedia\"", "Mime"},
        {"anim.png", png_head("acTL"), "image/vnd.mozilla.apng", "\"PassiveMedia\"", "Mime"},
        {"image.gif", "GIF89a\x01\0\x01\0\x80\0\0\xFF\xFF\xFF\0\0\0;"s, "image/gif", "\"PassiveMedia\"",
         "Mime"},
        {"photo.jpg", "\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0"s, "image/jpeg",
         "\"PassiveMedia\"", "Mime"},
        {"raw.cr2", "II*\0\x10\0\0\0CR\x02\0"s, "image/x-canon-cr2", "\"PassiveMedia\"", "Mime"},
        {"drawing.svg",
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1\" height=\"1\"></svg>\n",
         "image/svg+xml", "\"PassiveMedia\"", "Mime"},
        {"page.html",
         "<!DOCTYPE html>\n<html><head><title>t</title></head><body>hi</body></html>\n",
         "text/html", "\"WebContent\"", "Mime"},
        {"card.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Jane Doe\r\nEND:VCARD\r\n", "text/x-vcard",
         "\"OtherText\"", "Mime"},
        {"notes.txt", "hello, world\n", "text/plain", "\"OtherText\"", "Mime"},
        // A script: the header magic decides the class, the detector still names the type.
        {"tool.py", "#!/usr/bin/python\nprint('hi')\n", "text/x-python", nullptr, "Magic"},
    };
    return all;
}

TEST(ChecksTextImageE2E, MimeTypeAndClass) {
    TempDir dir;
    for (const Sample& s : samples()) {
        SCOPED_TRACE(s.name);
        const std::string path = dir / s.name;
        const auto r = write_and_assess_json(path, s.content);
        if (!is_json(r.out)) {
            GTEST_SKIP() << "the JSON form is not there yet";
        }
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(contains(r.out, json_member("full_mime_type", s.mime))) << r.out;
        if (s.class_json) {
            EXPECT_TRUE(contains(r.out, "\"class\": "s + s.class_json)) << r.out;
        }
        EXPECT_TRUE(contains(r.out, json_member("classification_source", s.source))) << r.out;
    }
}

}  // namespace
