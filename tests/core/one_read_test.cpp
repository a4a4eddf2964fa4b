// One open and one read per regular file: the detection buffer that the read
// fills, the detector's bytes entry over it, and the assessment's answers
// from those bytes, each against a computation of its own.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "file_access.h"
#include "mime_magic/file_head.h"
#include "mime_magic/mime_magic.h"
#include "support.h"
#include "tarvik/assess.h"

namespace tarvik {
namespace {

using mime_magic::DetectionBuffer;
using mime_magic::MIME_SNIFF_BUFFER_LEN;
using testsupport::TempDir;

constexpr size_t MiB = size_t(1) << 20;

std::string random_bytes(size_t n, unsigned seed, uint8_t set_bits = 0) {
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (auto& c : s) c = char(uint8_t(gen()) | set_bits);
    return s;
}

// `head`, then `filler` repeated, cut to `n` bytes.
std::string sized(const std::string& head, const std::string& filler, size_t n) {
    std::string s = head;
    while (s.size() < n) s += filler;
    s.resize(n);
    return s;
}

// The detector's answer for a head of `content` in a fresh zero-filled buffer.
std::optional<std::string_view> plain_detection(const std::string& content) {
    std::vector<unsigned char> fresh(MIME_SNIFF_BUFFER_LEN, 0);
    const size_t n = std::min(content.size(), MIME_SNIFF_BUFFER_LEN);
    std::copy_n(content.begin(), n, fresh.begin());
    return mime_magic::detect_mime_from_buffer(fresh.data(), n);
}

bool zero_after_head(const DetectionBuffer& b) {
    for (size_t i = b.len(); i < MIME_SNIFF_BUFFER_LEN; ++i)
        if (b.data()[i] != 0) return false;
    return true;
}

// The b3sum digest of a file, or empty when b3sum is not available.
std::string b3sum(const std::string& path) {
    auto r = testsupport::run({"/usr/bin/env", "b3sum", "--no-names", path});
    if (r.status != 0 || r.out.size() < 64) return {};
    return "blake3:" + r.out.substr(0, 64);
}

// Files of many kinds and sizes, long and short in turn so that every read
// lands in a buffer dirtied by a longer one: the bytes entry over one shared
// buffer answers as over a fresh zero-filled buffer, and as the path and
// copying entries do; the buffer holds zeros after every head.
TEST(OneRead, BytesEntryOverTheSharedBufferAnswersAsThePathEntry) {
    TempDir t;
    const std::string text = "int f(void);  /* a header line */\n#define X 1\n";
    const std::vector<std::string> heads = {
        "", "\x89PNG\r\n\x1a\n", "%PDF-1.4\n", "PK\x03\x04", "\x7F" "ELF\x02\x01\x01", "\x1F\x8B\x08\x00",
        "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\">\n", "<!DOCTYPE html>\n<html>\n",
        "#!/bin/sh\n", "{\"a\": [1, 2]}\n", "\xEF\xBB\xBF", "MZ"};
    const std::vector<std::string> fillers = {text, std::string(1, '\0'), random_bytes(4093, 3)};
    const size_t sizes[] = {300000, 1, 131073, 2, 131072, 100, 131071, 4095, 40000, 8192};
    static DetectionBuffer buffer;  // one for all reads, as the assessment keeps it
    int count = 0;
    for (const std::string& head : heads)
        for (const std::string& filler : fillers)
            for (size_t n : sizes) {
                std::string content = sized(head, filler, n);
                if (n == 40000) content.replace(32769, 5, "CD001");  // a signature deep in the head
                const std::string path = t / std::to_string(count++);
                testsupport::write_file(path, content);
                mime_magic::RegularFile file(path);
                ASSERT_TRUE(file.is_open());
                ASSERT_EQ(buffer.read_head(file.fd()), ssize_t(std::min(n, MIME_SNIFF_BUFFER_LEN)));
                ASSERT_TRUE(zero_after_head(buffer)) << path;
                const auto in_place = mime_magic::detect_mime_from_buffer(buffer.data(), buffer.len());
                const auto plain = plain_detection(content);
                EXPECT_EQ(in_place, plain) << path << ", size " << n;
                EXPECT_EQ(mime_magic::detect_mime_from_bytes(
                              reinterpret_cast<const unsigned char*>(content.data()), content.size()),
                          plain.value_or("(none)"))
                    << path;
                EXPECT_EQ(mime_magic::detect_mime_from_path(path), plain) << path;
                if (n == 100) std::fill_n(buffer.scratch(), MIME_SNIFF_BUFFER_LEN, 0xA5);
            }

    // An empty file, and a failed read after a full one, leave nothing to detect
    // and the next head is zero-tailed all the same.
    testsupport::write_file(t / "empty", "");
    mime_magic::RegularFile empty(t / "empty");
    EXPECT_EQ(buffer.read_head(empty.fd()), 0);
    EXPECT_TRUE(zero_after_head(buffer));  // the last head is gone
    EXPECT_EQ(mime_magic::detect_mime_from_buffer(buffer.data(), buffer.len()), std::nullopt);
    EXPECT_EQ(mime_magic::detect_mime_from_path(t / "empty"), std::nullopt);
    const int dir = ::open(t.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(dir, 0);
    EXPECT_LT(buffer.read_head(dir), 0);
    ::close(dir);
    EXPECT_EQ(buffer.len(), 0u);
    mime_magic::RegularFile one(t / "1");  // a head of one byte
    EXPECT_EQ(buffer.read_head(one.fd()), 1);
    EXPECT_TRUE(zero_after_head(buffer));
}

// The assessment of files around the header, trailer, buffer and megabyte
// sizes, big and small in turn: size, hash, MIME type and class equal those
// of separate computations over the file's bytes.
TEST(OneRead, AssessmentAnswersEqualSeparateComputations) {
    TempDir t;
    if (b3sum("/dev/null").empty()) GTEST_SKIP() << "b3sum is not installed";
    const size_t sizes[] = {MiB + 1, 0, MiB, 1, MiB - 1, 511, 131073, 512, 131072, 8192, 131071, 4};
    int count = 0;
    for (size_t n : sizes)
        for (int variant = 0; variant < 5; ++variant) {
            // No magic and no text, then "koly" at the very end or just across
            // the trailer's start, then a PEM line ending at the header's end
            // or starting just past it.
            std::string c = random_bytes(n, unsigned(n + variant), 0x80);
            const std::string pem = "\n-----BEGIN ";
            if (variant == 1 && n >= 4) c.replace(n - 4, 4, "koly");
            if (variant == 2 && n >= 514) c.replace(n - 514, 4, "koly");
            if (variant == 3 && n >= kHeaderLen) c.replace(kHeaderLen - pem.size(), pem.size(), pem);
            if (variant == 4 && n >= kHeaderLen + 16) c.replace(kHeaderLen - 1, pem.size(), pem);
            const std::string path = t / std::to_string(count++);
            testsupport::write_file(path, c);

            auto r = assess_path(path);
            ASSERT_TRUE(std::holds_alternative<Artefact>(r)) << path;
            const Artefact& a = std::get<Artefact>(r);
            const std::string what = "size " + std::to_string(n) + " variant " + std::to_string(variant);
            EXPECT_EQ(a.size, n) << what;
            EXPECT_EQ(a.hash, b3sum(path)) << what;
            const auto mime = plain_detection(c);
            EXPECT_EQ(a.full_mime_type, std::string(mime.value_or(mime_magic::FALLBACK_MIME_TYPE))) << what;
            EXPECT_EQ(a.notes.size(), mime ? 0u : 1u) << what;

            std::optional<AtomicClass> cls = sniff_magic(reinterpret_cast<const uint8_t*>(c.data()),
                                                         std::min(n, kHeaderLen));
            if (!cls && c.find("koly", n > kTrailerLen ? n - kTrailerLen : 0) != std::string::npos)
                cls = atomic::Archive{ArchiveKind::DiskImage};
            ClassificationSource source = ClassificationSource::Magic;
            if (!cls) {
                cls = classify_by_mime(a.full_mime_type.value());
                source = cls ? ClassificationSource::Mime : ClassificationSource::None;
            }
            EXPECT_EQ(a.atomic_class(), cls.value_or(atomic::Unknown{})) << what;
            EXPECT_EQ(a.classification_source, source) << what;

            const bool disk_image = a.atomic_class() == AtomicClass{atomic::Archive{ArchiveKind::DiskImage}};
            EXPECT_EQ(disk_image, variant == 1 && n >= 4) << what;
            EXPECT_EQ(a.atomic_class() == AtomicClass{atomic::Pem{}}, variant == 3 && n >= kHeaderLen) << what;
        }
}

// The hash of a long file reads on into the detection buffer: the next file's
// head must not see what the long file's head (an ISO 9660 descriptor at
// 32769) or its last read (a tar header at 257) left past its end.
TEST(OneRead, HeadAfterALongFileSeesZerosPastItsEnd) {
    TempDir t;
    const std::string text = "plain words of a short text file\n";
    const size_t head = mime_magic::MIME_SNIFF_BUFFER_LEN;
    for (size_t n : {head + 300, 3 * head + 300}) {
        std::string c(n, '\0');
        c.replace(32769, 5, "CD001");
        c.replace(n - 300 + 257, 6, std::string("ustar\0", 6));
        testsupport::write_file(t / "long", c);
        testsupport::write_file(t / "short", text);
        ASSERT_TRUE(std::holds_alternative<Artefact>(assess_path(t / "long")));
        auto r = assess_path(t / "short");
        ASSERT_TRUE(std::holds_alternative<Artefact>(r));
        EXPECT_EQ(std::get<Artefact>(r).full_mime_type, std::string(*plain_detection(text)))
            << "after " << n;
    }
}

// A first read that delivers less than the file holds (here from a pipe,
// whose writer adds the rest later): the detector sees what that read
// delivered, and the hash goes on to the end of the content.
TEST(OneRead, ShortFirstReadIsDetectedAsReadAndHashedWhole) {
    TempDir t;
    if (b3sum("/dev/null").empty()) GTEST_SKIP() << "b3sum is not installed";
    const std::string first = sized("#!/bin/sh\n", "echo one\n", 3000);
    const std::string rest = sized("", std::string("\0\x01\x02\xFF", 4), 5000);
    testsupport::write_file(t / "whole", first + rest);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ASSERT_EQ(::write(fds[1], first.data(), first.size()), ssize_t(first.size()));
    static DetectionBuffer head;
    ASSERT_EQ(head.read_head(fds[0]), ssize_t(first.size()));
    EXPECT_EQ(mime_magic::detect_mime_from_buffer(head.data(), head.len()), plain_detection(first));
    ASSERT_EQ(::write(fds[1], rest.data(), rest.size()), ssize_t(rest.size()));
    ::close(fds[1]);
    std::string hash;
    EXPECT_TRUE(hash_open_file(fds[0], first.size() + rest.size(), head, hash));
    ::close(fds[0]);
    EXPECT_EQ(hash, b3sum(t / "whole"));
}

}  // namespace
}  // namespace tarvik
