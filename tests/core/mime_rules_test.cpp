// The MIME-to-class rules and the splitting of a MIME type text.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tarvik/assess.h"

namespace {

using tarvik::AtomicClass;
using tarvik::MimeTopLevel;
namespace atomic = tarvik::atomic;

const std::optional<AtomicClass> kNothing = std::nullopt;
const std::optional<AtomicClass> kWeb = atomic::WebContent{};
const std::optional<AtomicClass> kText = atomic::OtherText{};
const std::optional<AtomicClass> kMedia = atomic::PassiveMedia{};
const std::optional<AtomicClass> kBinary = atomic::OtherBinary{};
const std::optional<AtomicClass> kDiskImage = atomic::Archive{tarvik::ArchiveKind::DiskImage};
const std::optional<AtomicClass> kOtherArchive = atomic::Archive{tarvik::ArchiveKind::OtherArchive};
std::optional<AtomicClass> other(MimeTopLevel top) { return atomic::OtherFileTypes{top}; }

struct MimeCase {
    std::string mime;
    std::optional<AtomicClass> expected;
};

TEST(MimeRules, Table) {
    const std::vector<MimeCase> cases = {
        // text: three web subtypes, everything else other text
        {"text/html", kWeb},
        {"text/css", kWeb},
        {"text/javascript", kWeb},
        {"text/html; charset=utf-8", kWeb},
        {"text/html;charset=utf-8", kWeb},
        {"text/html ", kWeb},
        {"text/html\t; x=y", kWeb},
        {"text/html\xC2\xA0", kWeb},        // NO-BREAK SPACE is trimmed
        {"text/css\xE3\x80\x80;a", kWeb},  // IDEOGRAPHIC SPACE too
        {"text/ html", kText},             // only the ends of the essence are trimmed
        {"text/plain", kText},
        {"text/", kText},
        {"text/;x", kText},
        {"text/HTML", kText},
        {"text/x-shellscript", kText},
        // top-level types taken as they stand
        {"TEXT/html", kNothing},
        {"Text/plain", kNothing},
        {" text/html", kNothing},
        {"text /html", kNothing},
        {"chemical/x-pdb", kNothing},
        {"inode/directory", kNothing},
        {"x-epoc/x-sisx-app", kNothing},
        {"text", kNothing},
        {"", kNothing},
        {"/", kNothing},
        {"application", kNothing},
        // whole top-level types
        {"image/png", kMedia},
        {"image/vnd.dgn;version=7", kMedia},
        {"image/svg+xml", kMedia},
        {"image/", kMedia},
        {"audio/mpeg", kMedia},
        {"video/mp4", kMedia},
        {"font/woff2", kMedia},
        {"model/vrml", other(MimeTopLevel::Model)},
        {"message/rfc822", other(MimeTopLevel::Message)},
        {"example/anything", other(MimeTopLevel::Example)},
        {"multipart/related", other(MimeTopLevel::Multipart)},
        {"Image/png", kNothing},
        // application subtypes
        {"application/pdf", kMedia},
        {"application/rtf", kMedia},
        {"application/postscript", kMedia},
        {"application/xml", kText},
        {"application/vnd.ms-excel", kMedia},
        {"application/vnd.ms-", kMedia},
        {"application/vnd.ms-powerpoint; x=1", kMedia},
        {"application/vnd.ms", other(MimeTopLevel::Application)},
        {"application/javascript", kWeb},
        {"application/vnd.apple.pages", kMedia},
        {"application/vnd.apple.keynote", kMedia},
        {"application/vnd.apple.numbers", kMedia},
        {"application/vnd.apple.mpegurl", other(MimeTopLevel::Application)},
        {"application/x-apple-diskimage", kDiskImage},
        {"application/vnd.android.package-archive", kMedia},
        {"application/vnd.openxmlformats-officedocument.wordprocessingml.document", kMedia},
        {"application/vnd.openxmlformats-officedocument", kMedia},
        {"application/vnd.openxmlformats-package.relationships+xml", other(MimeTopLevel::Application)},
        {"application/x-yaml", kText},
        {"application/json", kText},
        {"application/x-tar", kOtherArchive},
        {"application/gzip", kOtherArchive},
        {"application/x-bzip2", kOtherArchive},
        {"application/x-7z-compressed", kOtherArchive},
        {"application/x-rar-compressed", kOtherArchive},
        {"application/x-rar-compressed;version=4", kOtherArchive},
        {"application/x-iso9660-image", kOtherArchive},
        {"application/x-elf", kBinary},
        {"application/x-dosexec", kBinary},
        {"application/octet-stream", kBinary},
        {"application/x-gtar", other(MimeTopLevel::Application)},
        {"application/x-executable", other(MimeTopLevel::Application)},
        {"application/x-msdownload", other(MimeTopLevel::Application)},
        {"application/PDF", other(MimeTopLevel::Application)},
        {"application/zip", other(MimeTopLevel::Application)},
        {"application/", other(MimeTopLevel::Application)},
        {"application/;version=1", other(MimeTopLevel::Application)},
    };
    for (const MimeCase& c : cases) {
        SCOPED_TRACE("MIME type \"" + c.mime + "\"");
        EXPECT_EQ(tarvik::classify_by_mime(c.mime), c.expected);
    }
}

TEST(MimeRules, SplitCutsAtTheFirstSemicolonAndTrimsTheEssence) {
    struct SplitCase {
        std::string mime, top, sub;
    };
    const std::vector<SplitCase> cases = {
        {"text/html", "text", "html"},
        {"text/html; charset=utf-8", "text", "html"},
        {" \t text/html \r\n", "text", "html"},
        {"application/x-rar-compressed;version=4", "application", "x-rar-compressed"},
        {"application/", "application", ""},
        {"a/b/c", "a", "b/c"},
        {"a/b;c/d", "a", "b"},
        {"text/ html", "text", " html"},
        {"text /html", "text ", "html"},
        {"/", "", ""},
        // Every White_Space character at both ends
        {"\x0B\x0C\xC2\x85top/sub\xC2\x85\xC2\xA0", "top", "sub"},
        {"\xE1\x9A\x80\xE2\x80\x80\xE2\x80\x8A" "a/b" "\xE2\x80\x85\xE2\x80\xA8\xE2\x80\xA9", "a", "b"},
        {"\xE2\x80\xAF\xE2\x81\x9F\xE3\x80\x80" "a/b" "\xE2\x80\xAF\xE2\x81\x9F\xE3\x80\x80", "a", "b"},
        // Not White_Space: left in place
        {"\xE2\x80\x8B" "a/b" "\xE2\x80\x8B", "\xE2\x80\x8B" "a", "b\xE2\x80\x8B"},  // ZERO WIDTH SPACE
        {"\x1F" "a/b\x1C", "\x1F" "a", "b\x1C"},
        {"a/b\xC2\xA1", "a", "b\xC2\xA1"},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE("MIME type \"" + c.mime + "\"");
        auto [top, sub] = tarvik::split_mime_type(c.mime);
        EXPECT_EQ(top, c.top);
        EXPECT_EQ(sub, c.sub);
    }
}

TEST(MimeRules, SplitReturnsViewsIntoItsInput) {
    const std::string mime = "  image/png ; q=1";
    auto [top, sub] = tarvik::split_mime_type(mime);
    EXPECT_EQ(top.data(), mime.data() + 2);
    EXPECT_EQ(sub.data(), mime.data() + 8);
    EXPECT_EQ(sub.size(), 3u);
}

TEST(MimeRulesDeathTest, SplitWithoutSlashIsABrokenInvariant) {
    const char* message = "The detector returns well-formed MIME types of the form top/sub";
    EXPECT_EXIT(tarvik::split_mime_type("octet-stream"), testing::ExitedWithCode(101), message);
    EXPECT_EXIT(tarvik::split_mime_type(""), testing::ExitedWithCode(101), message);
    // The '/' must be in the essence, not in the parameters.
    EXPECT_EXIT(tarvik::split_mime_type("text;a/b"), testing::ExitedWithCode(101), message);
}

}  // namespace
