// End to end: office packages, compound files and other vendor-tree files
// written to a temporary directory and assessed by the built tarvik-cli.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support.h"

namespace {

using testsupport::run_cli;
using testsupport::TempDir;
using testsupport::write_file;

void le16(std::string& o, uint32_t v) {
    o.push_back(char(v & 0xFF));
    o.push_back(char(v >> 8 & 0xFF));
}
void le32(std::string& o, uint32_t v) {
    le16(o, v & 0xFFFF);
    le16(o, v >> 16);
}

uint32_t crc32(const std::string& s) {
    uint32_t c = 0xFFFFFFFFu;
    for (unsigned char ch : s) {
        c ^= ch;
        for (int k = 0; k < 8; ++k) c = c & 1 ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    }
    return ~c;
}

// A ZIP archive of stored entries with its central directory.
std::string zip_stored(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string out, central;
    for (const auto& [name, data] : entries) {
        const uint32_t offset = uint32_t(out.size());
        std::string common;
        le16(common, 10);    // version needed
        le16(common, 0);     // flags
        le16(common, 0);     // stored
        le16(common, 0);     // time
        le16(common, 0x21);  // date
        le32(common, crc32(data));
        le32(common, uint32_t(data.size()));
        le32(common, uint32_t(data.size()));
        le16(common, uint32_t(name.size()));
        le16(common, 0);  // extra
        out += std::string("PK\x03\x04", 4) + common + name + data;
        central += std::string("PK\x01\x02", 4);
        le16(central, 20);
        central += common;
        le16(central, 0);  // comment
        le16(central, 0);  // disk
        le16(central, 0);  // internal attributes
        le32(central, 0);  // external attributes
        le32(central, offset);
        central += name;
    }
    const uint32_t cd = uint32_t(out.size());
    out += central + std::string("PK\x05\x06", 4);
    le16(out, 0);
    le16(out, 0);
    le16(out, uint32_t(entries.size()));
    le16(out, uint32_t(entries.size()));
    le32(out, uint32_t(central.size()));
    le32(out, cd);
    le16(out, 0);
    return out;
}

// A compound file with one 4096-byte stream: header, FAT (sector 0),
// directory (sector 1, so the stream's entry starts at byte 1152), stream
// (sectors 2 to 9).
std::string ole_one_stream(const std::string& stream_name) {
    std::string f(512 * 11, '\0');
    auto put32 = [&](size_t off, uint32_t v) {
        for (int i = 0; i < 4; ++i) f[off + i] = char(v >> (8 * i) & 0xFF);
    };
    auto put16 = [&](size_t off, uint32_t v) {
        f[off] = char(v & 0xFF);
        f[off + 1] = char(v >> 8 & 0xFF);
    };
    const std::string sig("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    f.replace(0, 8, sig);
    put16(24, 0x3E);
    put16(26, 3);
    put16(28, 0xFFFE);
    put16(30, 9);
    put16(32, 6);
    put32(44, 1);
    put32(48, 1);
    put32(56, 0x1000);
    put32(60, 0xFFFFFFFE);
    put32(68, 0xFFFFFFFE);
    put32(76, 0);
    for (int i = 1; i < 109; ++i) put32(76 + 4 * i, 0xFFFFFFFF);
    for (int i = 0; i < 128; ++i) put32(512 + 4 * i, 0xFFFFFFFF);
    put32(512, 0xFFFFFFFD);  // the FAT itself
    put32(516, 0xFFFFFFFE);  // the directory
    for (uint32_t s = 2; s < 10; ++s) put32(512 + 4 * s, s + 1 < 10 ? s + 1 : 0xFFFFFFFE);
    auto entry = [&](size_t off, const std::string& name, uint8_t type, uint32_t child,
                     uint32_t start, uint32_t size) {
        std::string n16;
        for (char c : name) n16 += std::string{c, '\0'};
        n16 += std::string(2, '\0');
        f.replace(off, n16.size(), n16);
        put16(off + 64, uint32_t(n16.size()));
        f[off + 66] = char(type);
        f[off + 67] = 1;
        put32(off + 68, 0xFFFFFFFF);
        put32(off + 72, 0xFFFFFFFF);
        put32(off + 76, child);
        put32(off + 116, start);
        put32(off + 120, size);
    };
    entry(1024, "Root Entry", 5, 1, 0xFFFFFFFE, 0);
    entry(1152, stream_name, 2, 0xFFFFFFFF, 2, 4096);
    for (size_t off = 1280; off < 1536; off += 128) {
        put32(off + 68, 0xFFFFFFFF);
        put32(off + 72, 0xFFFFFFFF);
        put32(off + 76, 0xFFFFFFFF);
    }
    return f;
}

struct Expect {
    std::string file;
    std::string content;
    std::string mime;
    std::string class_text;  // how the class appears in the JSON form
};

TEST(VendorEndToEnd, MimeTypeAndClass) {
    TempDir dir;
    const std::string content_types =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>";
    const std::vector<Expect> cases = {
        {"report.docx",
         zip_stored({{"[Content_Types].xml", content_types},
                     {"_rels/.rels", "<Relationships/>"},
                     {"word/document.xml", "<w:document/>"}}),
         "application/vnd.openxmlformats-officedocument.wordprocessingml.document",
         "\"Archive\": \"Zip\""},
        {"notes.odt",
         zip_stored({{"mimetype", "application/vnd.oasis.opendocument.text"},
                     {"META-INF/manifest.xml", "<manifest:manifest/>"},
                     {"content.xml", "<office:document-content/>"}}),
         "application/vnd.oasis.opendocument.text", "\"Archive\": \"Zip\""},
        {"sheet.xls", ole_one_stream("Workbook"), "application/vnd.ms-excel",
         "\"class\": \"PassiveMedia\""},
        {"slides.ppt", ole_one_stream("PowerPoint Document"), "application/vnd.ms-powerpoint",
         "\"class\": \"PassiveMedia\""},
        {"talk.apxl",
         "<key:presentation xmlns:key=\"http://developer.apple.com/namespaces/keynote2\">\n"
         "</key:presentation>\n",
         "application/vnd.apple.keynote", "\"class\": \"PassiveMedia\""},
        {"capture.pcap",
         std::string("\xD4\xC3\xB2\xA1\x02\x00\x04\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                     "\xFF\xFF\x00\x00\x01\x00\x00\x00",
                     24),
         "application/vnd.tcpdump.pcap", "\"OtherFileTypes\": \"Application\""},
        // The stored type ends in a blank, and is reported with it.
        {"heap.hprof", std::string("JAVA PROFILE 1.0.2\0\0\0\0\x08", 23),
         "application/vnd.java.hprof ", "\"OtherFileTypes\": \"Application\""},
        {"drawing.xar", std::string("xar!\0\x1C\0\x01", 8), "application/vnd.xara",
         "\"Archive\": \"Xar\""},
    };
    for (const Expect& c : cases) write_file(dir / c.file, c.content);
    for (const Expect& c : cases) {
        SCOPED_TRACE(c.file);
        auto r = run_cli({"--format", "json", dir / c.file});
        if (r.out.empty() || r.out[0] != '{') GTEST_SKIP() << "the JSON form is not built yet";
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("\"full_mime_type\": \"" + c.mime + "\""), std::string::npos) << r.out;
        EXPECT_NE(r.out.find(c.class_text), std::string::npos) << r.out;
    }
}

}  // namespace
