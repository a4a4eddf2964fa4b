// The content hash against an independent BLAKE3 implementation (b3sum).
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "support.h"
#include "file_access.h"
#include "tarvik/assess.h"

namespace tarvik {
namespace {

using testsupport::TempDir;

// The b3sum digest of a file, or empty when b3sum is not available.
std::string b3sum(const std::string& path) {
    auto r = testsupport::run({"/usr/bin/env", "b3sum", "--no-names", path});
    if (r.status != 0 || r.out.size() < 64) return {};
    return r.out.substr(0, 64);
}

std::string random_bytes(size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (auto& c : s) c = static_cast<char>(gen() & 0xFF);
    return s;
}

TEST(HashFile, MatchesIndependentDigestAcrossChunkBoundaries) {
    TempDir t;
    if (b3sum("/dev/null").empty()) GTEST_SKIP() << "b3sum is not installed";
    // Around the 1 KiB chunk, the 8192-byte header, the 64 KiB batch handed to
    // the hasher, the 128 KiB head read and the large reads after it.
    const size_t sizes[] = {0,     1,     1023,  1024,  1025,  8191,   8192,   8193,
                            16384, 57344, 57345, 65535, 65536, 65537, 139264, 1048575,
                            1048576, 3 * 1024 * 1024 + 17};
    for (size_t n : sizes) {
        const std::string path = t / std::string("f").append(std::to_string(n));
        testsupport::write_file(path, random_bytes(n, unsigned(n)));
        auto r = hash_file(path);
        ASSERT_TRUE(std::holds_alternative<std::string>(r)) << n;
        EXPECT_EQ(std::get<std::string>(r), std::string("blake3:").append(b3sum(path))) << "size " << n;
    }
}

// The size taken from the metadata may be stale (the file shrank or grew
// while it was read): the digest is that of the content up to end of file.
TEST(HashFile, FollowsTheContentWhenTheSizeIsStale) {
    TempDir t;
    if (b3sum("/dev/null").empty()) GTEST_SKIP() << "b3sum is not installed";
    const std::string path = t / "f";
    testsupport::write_file(path, random_bytes(2 * 1024 * 1024 + 5, 9));
    const std::string want = std::string("blake3:").append(b3sum(path));
    for (uint64_t stale : {uint64_t(1) << 20, uint64_t(3) << 20, uint64_t(64) << 20}) {
        int fd = ::open(path.c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        static mime_magic::DetectionBuffer head;
        ASSERT_GT(head.read_head(fd), 0);  // the head read comes first
        std::string got;
        EXPECT_TRUE(hash_open_file(fd, stale, head, got));
        ::close(fd);
        EXPECT_EQ(got, want) << "size taken as " << stale;
    }
}

TEST(HashFile, KnownDigestsAndLinksFollowed) {
    TempDir t;
    testsupport::write_file(t / "e", "");
    testsupport::write_file(t / "f", "abc");
    ASSERT_EQ(::symlink("f", (t / "l").c_str()), 0);
    EXPECT_EQ(std::get<std::string>(hash_file(t / "e")),
              "blake3:af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262");
    for (const char* name : {"f", "l"})
        EXPECT_EQ(std::get<std::string>(hash_file(t / name)),
                  "blake3:6437b3ac38465133ffb63b75273a8db548c558465d79db03fd359c6cd5bd9d85");
}


// A file read whole by its header read is hashed and probed for its trailer
// from those bytes; the answers equal those of the separate reads.
TEST(AssessRegularSmallFiles, HeaderReadServesHashAndTrailer) {
    testsupport::TempDir t;
    for (size_t n : {size_t(1), size_t(4), size_t(511), size_t(512), size_t(513), size_t(8191), size_t(8192),
                     size_t(8193), size_t(9000)}) {
        for (bool koly : {false, true}) {
            std::string content = random_bytes(n, unsigned(n));
            for (auto& c : content) c = char(c | 0x80);  // no magic at byte 0, no text
            if (koly && n >= 4) content.replace(n - 4, 4, "koly");
            const std::string path = t / std::string("f").append(std::to_string(n)).append(koly ? "k" : "");
            testsupport::write_file(path, content);
            auto node = assess_path(path);
            ASSERT_TRUE(std::holds_alternative<Artefact>(node)) << n;
            const Artefact& a = std::get<Artefact>(node);
            EXPECT_EQ(a.hash, std::get<std::string>(hash_file(path))) << n;
            EXPECT_EQ(a.size, n);
            const bool disk_image = a.atomic_class() == AtomicClass{atomic::Archive{ArchiveKind::DiskImage}};
            EXPECT_EQ(disk_image, koly && n >= 4) << n;
            EXPECT_EQ(disk_image, probe_disk_image_trailer(path).has_value()) << n;
        }
    }
}

}  // namespace
}  // namespace tarvik
