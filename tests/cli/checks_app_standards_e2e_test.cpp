// End to end: crafted files of standards-tree application types through the
// built tarvik-cli, checking the MIME type and the class it leads to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_builders.h"
#include "e2e_support.h"

namespace {

using namespace e2esupport;
using testsupport::TempDir;
using builders::zip_entry;

std::string zip_end() { return std::string("PK\x05\x06", 4) + std::string(18, '\0'); }

struct Sample {
    const char* name;
    std::string content;
    const char* mime;
    const char* klass;   // a substring of the "class" member's value
    const char* source;  // "classification_source"
};

std::vector<Sample> samples() {
    const std::string decl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    return {
        {"doc.pdf", "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Type /Catalog >>\nendobj\ntrailer\n%%EOF\n",
         "application/pdf", "\"class\": \"PassiveMedia\"", "Mime"},
        {"note.xml", decl + "<note>\n  <to>Tove</to>\n</note>\n", "application/xml",
         "\"class\": \"XmlDescriptor\"", "Magic"},
        {"settings.xml", "<!-- settings -->\n<settings><item key=\"a\"/></settings>\n", "application/xml",
         "\"class\": \"OtherText\"", "Mime"},
        {"feed.rss", decl + "<rss version=\"2.0\">\n<channel><title>t</title></channel>\n</rss>\n",
         "application/rss+xml", "\"class\": \"XmlDescriptor\"", "Magic"},
        {"archive.zip", zip_entry("hello.txt", "hello, world\n") + zip_end(), "application/zip",
         "\"Archive\": \"Zip\"", "Magic"},
        {"book.epub", zip_entry("mimetype", "application/epub+zip") + zip_entry("a.xhtml", "<p/>") + zip_end(),
         "application/epub+zip", "\"Archive\": \"Zip\"", "Magic"},
        {"data.gz", std::string("\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03\x4B\x4C\x4A\x06\x00\x00", 16),
         "application/gzip", "\"Archive\": \"OtherArchive\"", "Mime"},
        {"page.ps", "%!PS-Adobe-3.0\nnewpath 0 0 moveto showpage\n", "application/postscript",
         "\"class\": \"PassiveMedia\"", "Mime"},
        {"letter.rtf", "{\\rtf1\\ansi\\deff0 {\\fonttbl {\\f0 Times;}}\\f0 Hello}\n", "application/rtf",
         "\"class\": \"PassiveMedia\"", "Mime"},
        {"module.wasm", std::string("\0asm\x01\0\0\0", 8), "application/wasm",
         "\"OtherFileTypes\": \"Application\"", "Mime"},
        {"packed.z", std::string("\x1F\x1E\x00\x00\x00\x10\x55\xAA", 8), "application/octet-stream",
         "\"class\": \"OtherBinary\"", "Mime"},
    };
}

TEST(AppStandardsE2e, FullMimeTypeAndClass) {
    TempDir dir;
    for (const Sample& s : samples()) {
        SCOPED_TRACE(s.name);
        const std::string path = dir / s.name;
        auto r = write_and_assess_json(path, s.content);
        if (!is_json(r.out)) GTEST_SKIP() << "the JSON form is not there yet";
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(contains(r.out, json_member("full_mime_type", s.mime))) << r.out;
        EXPECT_TRUE(contains(r.out, s.klass)) << r.out;
        EXPECT_TRUE(contains(r.out, json_member("classification_source", s.source))) << r.out;
    }
}

}  // namespace
