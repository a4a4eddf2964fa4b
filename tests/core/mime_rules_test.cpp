// The MIME-to-class rules and the splitting of a MIME type text.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tarvik/assess.h"

namespace {

using tarvik::AtomicClass;
using tarvik::MimeTopLevel;
namespace atomic = tarvik::atomic;
using Answer = std::optional<AtomicClass>;

const Answer kNothing = std::nullopt, kWeb = atomic::WebContent{}, kText = atomic::OtherText{},
             kMedia = atomic::PassiveMedia{}, kBinary = atomic::OtherBinary{},
             kDiskImage = atomic::Archive{tarvik::ArchiveKind::DiskImage},
             kArchive = atomic::Archive{tarvik::ArchiveKind::OtherArchive};
Answer other(MimeTopLevel top) { return atomic::OtherFileTypes{top}; }
const Answer kApp = other(MimeTopLevel::Application);

TEST(MimeRules, Table) {
    const std::pair<std::string, Answer> cases[] = {
        // text: three web subtypes, everything else other text; the essence is
        // trimmed of Unicode White_Space at its ends only
        {"text/html", kWeb}, {"text/css", kWeb}, {"text/javascript", kWeb}, {"text/html; charset=utf-8", kWeb},
        {"text/html;charset=utf-8", kWeb}, {"text/html ", kWeb}, {"text/html\t; x=y", kWeb},
        {"text/html\xC2\xA0", kWeb}, {"text/css\xE3\x80\x80;a", kWeb}, {"text/ html", kText},
        {"text/plain", kText}, {"text/", kText}, {"text/;x", kText}, {"text/HTML", kText},
        {"text/x-shellscript", kText},
        // top-level types taken as they stand
        {"TEXT/html", kNothing}, {"Text/plain", kNothing}, {" text/html", kNothing}, {"text /html", kNothing},
        {"chemical/x-pdb", kNothing}, {"inode/directory", kNothing}, {"x-epoc/x-sisx-app", kNothing},
        {"text", kNothing}, {"", kNothing}, {"/", kNothing}, {"application", kNothing}, {"Image/png", kNothing},
        // whole top-level types
        {"image/png", kMedia}, {"image/vnd.dgn;version=7", kMedia}, {"image/svg+xml", kMedia}, {"image/", kMedia},
        {"audio/mpeg", kMedia}, {"video/mp4", kMedia}, {"font/woff2", kMedia},
        {"model/vrml", other(MimeTopLevel::Model)}, {"message/rfc822", other(MimeTopLevel::Message)},
        {"example/anything", other(MimeTopLevel::Example)}, {"multipart/related", other(MimeTopLevel::Multipart)},
        // application subtypes
        {"application/pdf", kMedia}, {"application/rtf", kMedia}, {"application/postscript", kMedia},
        {"application/xml", kText}, {"application/vnd.ms-excel", kMedia}, {"application/vnd.ms-", kMedia},
        {"application/vnd.ms-powerpoint; x=1", kMedia}, {"application/vnd.ms", kApp},
        {"application/javascript", kWeb}, {"application/vnd.apple.pages", kMedia},
        {"application/vnd.apple.keynote", kMedia}, {"application/vnd.apple.numbers", kMedia},
        {"application/vnd.apple.mpegurl", kApp}, {"application/x-apple-diskimage", kDiskImage},
        {"application/vnd.android.package-archive", kMedia},
        {"application/vnd.openxmlformats-officedocument.wordprocessingml.document", kMedia},
        {"application/vnd.openxmlformats-officedocument", kMedia},
        {"application/vnd.openxmlformats-package.relationships+xml", kApp},
        {"application/x-yaml", kText}, {"application/json", kText}, {"application/x-tar", kArchive},
        {"application/gzip", kArchive}, {"application/x-bzip2", kArchive}, {"application/x-7z-compressed", kArchive},
        {"application/x-rar-compressed", kArchive}, {"application/x-rar-compressed;version=4", kArchive},
        {"application/x-iso9660-image", kArchive}, {"application/x-elf", kBinary},
        {"application/x-dosexec", kBinary}, {"application/octet-stream", kBinary}, {"application/x-gtar", kApp},
        {"application/x-executable", kApp}, {"application/x-msdownload", kApp}, {"application/PDF", kApp},
        {"application/zip", kApp}, {"application/", kApp}, {"application/;version=1", kApp},
    };
    for (const auto& [mime, answer] : cases) EXPECT_EQ(tarvik::classify_by_mime(mime), answer) << mime;
}

TEST(MimeRules, SplitCutsAtTheFirstSemicolonAndTrimsTheEssence) {
    struct {
        std::string mime, top, sub;
    } const cases[] = {
        {"text/html", "text", "html"}, {"text/html; charset=utf-8", "text", "html"},
        {" \t text/html \r\n", "text", "html"}, {"application/", "application", ""}, {"/", "", ""},
        {"application/x-rar-compressed;version=4", "application", "x-rar-compressed"},
        {"a/b/c", "a", "b/c"}, {"a/b;c/d", "a", "b"}, {"text/ html", "text", " html"}, {"text /html", "text ", "html"},
        // Every White_Space character at both ends
        {"\x0B\x0C\xC2\x85top/sub\xC2\x85\xC2\xA0", "top", "sub"},
        {"\xE1\x9A\x80\xE2\x80\x80\xE2\x80\x8A" "a/b" "\xE2\x80\x85\xE2\x80\xA8\xE2\x80\xA9", "a", "b"},
        {"\xE2\x80\xAF\xE2\x81\x9F\xE3\x80\x80" "a/b" "\xE2\x80\xAF\xE2\x81\x9F\xE3\x80\x80", "a", "b"},
        // Not White_Space: left in place
        {"\xE2\x80\x8B" "a/b" "\xE2\x80\x8B", "\xE2\x80\x8B" "a", "b\xE2\x80\x8B"},  // ZERO WIDTH SPACE
        {"\x1F" "a/b\x1C", "\x1F" "a", "b\x1C"},
        {"a/b\xC2\xA1", "a", "b\xC2\xA1"},
    };
    for (const auto& c : cases) {
        auto [top, sub] = tarvik::split_mime_type(c.mime);
        EXPECT_EQ(top, c.top) << c.mime;
        EXPECT_EQ(sub, c.sub) << c.mime;
    }
    // The parts are views into the text.
    const std::string mime = "  image/png ; q=1";
    auto [top, sub] = tarvik::split_mime_type(mime);
    EXPECT_EQ(top.data(), mime.data() + 2);
    EXPECT_EQ(sub.data(), mime.data() + 8);
}

TEST(MimeRulesDeathTest, SplitWithoutSlashInTheEssenceIsABrokenInvariant) {
    const char* message = "The detector returns well-formed MIME types of the form top/sub";
    for (const char* mime : {"octet-stream", "", "text;a/b"})
        EXPECT_EXIT(tarvik::split_mime_type(mime), testing::ExitedWithCode(101), message) << mime;
}

}  // namespace
