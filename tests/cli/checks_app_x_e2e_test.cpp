// End to end: files of x-tree application kinds (crafted headers, and real
// executables, libraries and archives of the system) through the built
// tarvik-cli, checking the MIME type it reports and the class it leads to.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "file_builders.h"

namespace {

using namespace e2esupport;
using testsupport::first_existing;
using testsupport::have_tool;
using testsupport::system_libc;
using testsupport::TempDir;
using testsupport::write_file;

// Hexadecimal bytes, short for the rows.
const auto& H = builders::hex;

// `len` zero bytes with `bytes` written at `off` (several pieces in turn).
std::string file_of(size_t len, std::initializer_list<std::pair<size_t, std::string>> pieces) {
    std::string s(len, '\0');
    for (const auto& [off, bytes] : pieces) s.replace(off, bytes.size(), bytes);
    return s;
}

struct Report {
    bool json = false;
    std::string out;
};

Report assess(const std::string& path) {
    auto r = assess_json(path);
    return {r.status == 0 && is_json(r.out), r.out};
}

std::string mime_member(const std::string& mime) { return json_member("full_mime_type", mime); }

struct Case {
    const char* name;
    std::string content;
    const char* mime;
    std::vector<std::string> class_pieces;  // all must appear in the output
};

void expect_cases(const std::vector<Case>& cases) {
    TempDir dir;
    for (const auto& c : cases) {
        const std::string path = dir / c.name;
        write_file(path, c.content);
        Report rep = assess(path);
        if (!rep.json) GTEST_SKIP() << "the tool does not print JSON yet";
        EXPECT_TRUE(contains(rep.out, mime_member(c.mime))) << c.name << "\n" << rep.out;
        for (const auto& piece : c.class_pieces) EXPECT_TRUE(contains(rep.out, piece)) << c.name << ": " << piece << "\n" << rep.out;
    }
}

const std::string kOtherArchive = "\"Archive\": \"OtherArchive\"";
const std::string kApplication = "\"OtherFileTypes\": \"Application\"";
const std::string kByMime = "\"classification_source\": \"Mime\"";
const std::string kByMagic = "\"classification_source\": \"Magic\"";

TEST(AppXE2e, CraftedArchives) {
    const std::string tar_head = "hello.txt";
    expect_cases({
        {"u.tar", file_of(1024, {{0, tar_head}, {100, "0000644"}, {257, std::string("ustar\0" "00", 8)}}),
         "application/x-tar", {kOtherArchive, kByMime}},
        {"g.tar", file_of(1024, {{0, tar_head}, {100, "0000644"}, {257, std::string("ustar  \0", 8)}}),
         "application/x-gtar", {kApplication, kByMime}},
        {"a.7z", file_of(32, {{0, H("37 7A BC AF 27 1C 00 04")}}), "application/x-7z-compressed",
         {kOtherArchive, kByMime}},
        {"a.rar", file_of(32, {{0, "Rar!" + H("1A 07 01 00 33 92 B5 E5")}}),
         "application/x-rar-compressed;version=5", {kOtherArchive, kByMime}},
        {"old.rar", file_of(32, {{0, "Rar!" + H("1A 07 00 CF 90 73")}}),
         "application/x-rar-compressed;version=4", {kOtherArchive, kByMime}},
        {"a.bz2", file_of(40, {{0, "BZh91AY&SY" + H("4E EC E8 36 00 00")}}), "application/x-bzip2",
         {kOtherArchive, kByMime}},
        {"a.iso", file_of(40960, {{32768, H("01") + "CD001" + H("01")}}), "application/x-iso9660-image",
         {kOtherArchive, kByMime}},
        {"a.deb", "!<arch>\ndebian-binary   1342943816  0     0     100644  4         `\n2.0\n",
         "application/x-debian-package", {"\"Archive\": \"Ar\"", kByMagic}},
        {"a.xz", file_of(32, {{0, H("FD 37 7A 58 5A 00 00 04")}}), "application/x-xz", {kApplication, kByMime}},
    });
}

TEST(AppXE2e, CraftedExecutables) {
    expect_cases({
        {"exe.elf", file_of(64, {{0, H("7F 45 4C 46 02 01 01")}, {16, H("02 00 3E 00")}}),
         "application/x-executable", {kApplication, kByMime}},
        {"lib.so", file_of(64, {{0, H("7F 45 4C 46 02 01 01")}, {16, H("03 00 3E 00")}}),
         "application/x-sharedlib", {kApplication, kByMime}},
        {"odd.elf", file_of(64, {{0, H("7F 45 4C 46 02 01 01")}, {16, H("FE FF 3E 00")}}),
         "application/x-elf", {"\"class\": \"OtherBinary\"", kByMime}},
        {"tool", file_of(64, {{0, H("CF FA ED FE 07 00 00 01 03 00 00 00 02 00 00 00")}}),
         "application/x-mach-o-executable",
         {"\"StandaloneMacho\": {", "\"arch_word\": \"Bits64\"", "\"endianness\": \"Little\"",
          "\"kind\": \"UnknownKind\"", kByMagic}},
        {"lib.dylib", file_of(64, {{0, H("FE ED FA CE 00 00 00 12 00 00 00 00 00 00 00 06")}}),
         "application/x-mach-o-dylib",
         {"\"arch_word\": \"Bits32\"", "\"endianness\": \"Big\"", kByMagic}},
        {"fat", file_of(64, {{0, H("CA FE BA BE 00 00 00 02 01 00 00 07")}}), "application/x-mach-o-universal",
         {"\"class\": \"FatMacho\"", kByMagic}},
        {"a.exe", file_of(512, {{0, "MZ"}, {128, H("50 45 00 00 64 86")}}), "application/x-msdownload;format=pe64",
         {kApplication, kByMime}},
        {"db.sqlite", file_of(1024, {{0, std::string("SQLite format 3\0", 16)}, {16, H("10 00 01 01")}}),
         "application/x-sqlite3", {kApplication, kByMime}},
    });
}

TEST(AppXE2e, SystemExecutableAndLibrary) {
    const std::string lib = system_libc();
    if (lib.empty()) GTEST_SKIP() << "no libc.so.6 at the usual places";
    Report rep = assess(lib);
    if (!rep.json) GTEST_SKIP() << "the tool does not print JSON yet";
    EXPECT_TRUE(contains(rep.out, mime_member("application/x-sharedlib"))) << rep.out;
    EXPECT_TRUE(contains(rep.out, kApplication)) << rep.out;

    const std::string exe = first_existing({"/bin/ls", "/usr/bin/ls"});
    if (exe.empty()) GTEST_SKIP() << "no ls";
    rep = assess(exe);
    // A position-independent executable declares itself a shared object.
    EXPECT_TRUE(contains(rep.out, mime_member("application/x-sharedlib")) ||
                contains(rep.out, mime_member("application/x-executable")))
        << rep.out;
    EXPECT_TRUE(contains(rep.out, kApplication)) << rep.out;
}

TEST(AppXE2e, SystemTarAndBzip2) {
    if (!have_tool("tar") || !have_tool("bzip2")) GTEST_SKIP() << "tar or bzip2 missing";
    TempDir dir;
    write_file(dir / "a.txt", "plain words\n");
    const std::string cmd = "cd '" + dir.path() +
                            "' && tar --format=ustar -cf u.tar a.txt && tar --format=gnu -cf g.tar a.txt"
                            " && bzip2 -k a.txt";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    Report rep = assess(dir / "u.tar");
    if (!rep.json) GTEST_SKIP() << "the tool does not print JSON yet";
    EXPECT_TRUE(contains(rep.out, mime_member("application/x-tar"))) << rep.out;
    EXPECT_TRUE(contains(rep.out, kOtherArchive)) << rep.out;
    rep = assess(dir / "g.tar");
    EXPECT_TRUE(contains(rep.out, mime_member("application/x-gtar"))) << rep.out;
    EXPECT_TRUE(contains(rep.out, kApplication)) << rep.out;
    rep = assess(dir / "a.txt.bz2");
    EXPECT_TRUE(contains(rep.out, mime_member("application/x-bzip2"))) << rep.out;
    EXPECT_TRUE(contains(rep.out, kOtherArchive)) << rep.out;
}

}  // namespace
