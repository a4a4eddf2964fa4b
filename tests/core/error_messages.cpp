// The one-line messages of every assessment error and their placeholder forms,
// and the lossy UTF-8 that shows paths in them.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "tarvik/model.h"
#include "tarvik/render.h"

namespace tarvik {
namespace {

using K = AssessErrorKind;

AssessError make(K kind, std::string path, std::array<uint64_t, 4> nums = {}) {
    AssessError e = AssessError::with_path(kind, path);
    e.nums = nums;
    return e;
}

struct Case {
    AssessError error;
    std::string expected;
};

TEST(ErrorMessage, EveryVariantHasItsText) {
    const std::string p = "dir/file";
    AssessError wrong = make(K::WrongLoadCommand, "", {32, 25});
    wrong.bytes = {0x01, 0x00, 0x00, 0x00};
    AssessError link{};
    link.kind = K::Symlink;
    link.text = "a is a symlink pointing to /b";
    AssessError io{};
    io.kind = K::Io;
    io.os_error = EPIPE;
    // {:#x} has no leading zeros; {:08x} pads to eight digits and grows past them.
    AssessError hex = make(K::WrongLoadCommand, "", {0, 0});
    hex.bytes = {0xab, 0x0c, 0xff, 0x10};

    const Case cases[] = {
        {make(K::PathNotFound, p), "path does not exist: dir/file"},
        {make(K::PathNotReadable, p), "path is not readable: dir/file"},
        {make(K::PathNotReadable2, p), "path is not readable: dir/file"},
        {make(K::PathNotReadable3, p), "path is not readable: dir/file"},
        {make(K::MalformedAsset, p), "malformed asset: dir/file"},
        {make(K::MalformedAsset2, p), "malformed asset: dir/file"},
        {make(K::MetadataUnreadable, p), "metadata unreadable for dir/file"},
        {link, "Symlink error: a is a symlink pointing to /b"},
        {make(K::UnsupportedFileType, "/tmp/p"), "/tmp/p: unsupported file type"},
        {make(K::UnknownMimetype, p), "Unknown mimetype: dir/file"},
        {make(K::HashFailed, p), "Could not hash the file: dir/file"},
        {make(K::CorruptedFatHeader, p), "Mach-O corrupted fat header: dir/file"},
        {make(K::FatHeaderSize, "", {9, 8}),
         "Mach-O Inconsistent Fat Header Size: cannot fit 9 bytes into a 8-byte Fat Header"},
        {make(K::LoadCommandTooSmall, p, {4}),
         "malformed load command in dir/file: cmdsize 4 is too small (minimum 8)"},
        {make(K::LoadCommandOutsideRegion, p, {4096}),
         "malformed load command in dir/file: command at slice offset 4096 exceeds load command region"},
        {make(K::LoadCommandOffsetOverflow, p), "load command offset overflow in dir/file"},
        {make(K::SliceReadOutOfBounds, p, {16, 32, 40}),
         "read of 16 bytes at slice-relative offset 32 exceeds slice size 40 in dir/file"},
        {make(K::LoadCommandPastEof, p, {100, 50, 120}),
         "load command at offset 100 (size 50) extends past end of file 120 in dir/file"},
        {wrong, "wrong load command at offset 32: expected 0x19, found bytes [01, 00, 00, 00]"},
        {make(K::LoadCommandOutsideSlices, p, {7}),
         "load command at offset 7 doesn't belong to any slice in dir/file"},
        {make(K::EmptyPayload, p), "The Load Command data size \"payload\" is zero in dir/file"},
        {make(K::DataRangeOverflow, p, {UINT64_MAX, 1}),
         "data offset 18446744073709551615 plus datasize 1 overflows a 64-bit integer in dir/file"},
        {make(K::DataRangePastFile, p, {10, 20, 25}),
         "The sum of data offset 10 and datasize 20 exceeds the file size 25 in dir/file"},
        {make(K::DataRangePastSlice, p, {10, 20, 25}),
         "The sum of data offset 10 and datasize 20 exceeds the slice size 25 in dir/file"},
        {make(K::CodeDirectoryLength, "", {10, 88}),
         "Base Code Directory length is inconsistent: received 10 bytes, expected (88)"},
        {make(K::CodeDirectoryMagic, "", {255}),
         "Found is inconsistent with Code Directory. Magic number obtained: 000000ff, expected: 0xfade0c02"},
        {make(K::HashArrayOverflow, "", {4294967295u, 2, 3, 32}),
         "HashArray geometry overflow: hashOffset=4294967295, n_special=2, n_code=3, hash_size=32"},
        {make(K::SuperBlobMagic, "", {255}), "The found magic number (0x000000ff) is not valid for a SuperBlob"},
        {make(K::SuperBlobTooShort, "", {8}), "SuperBlob length (8) is smaller than its header (12 bytes)"},
        {make(K::SuperBlobCount, "", {3, 20}), "SuperBlob count (3) is inconsistent with length (20)"},
        {make(K::OffsetOverflow, p), "I/O error: offset overflow in file dir/file"},
        {make(K::ByteIntOverflow, "", {9, 8}), "ByteInt: cannot fit 9 bytes into a 8-byte integer"},
        {make(K::CodeDirectoryOffsetOverflow, "", {0x10, 0x123456789}),
         "CodeDirectory offset arithmetic overflowed: cd_offset 0x00000010, cursor 0x123456789"},
        {io, std::string("I/O error: ") + std::strerror(EPIPE)},
        {make(K::SliceGeometryOverflow, "a\xFF" "b", {1, UINT64_MAX}),
         "Slice geometry overflow: offset 1 + size 18446744073709551615 exceeds u64 in \"a\\xFFb\""},
        {hex, "wrong load command at offset 0: expected 0x0, found bytes [ab, 0c, ff, 10]"},
        {make(K::CodeDirectoryMagic, "", {0xfade0c02}),
         "Found is inconsistent with Code Directory. Magic number obtained: fade0c02, expected: 0xfade0c02"},
        {make(K::SuperBlobMagic, "", {0x1234567890}),
         "The found magic number (0x1234567890) is not valid for a SuperBlob"},
        // Paths are shown lossily: one U+FFFD per maximal ill-formed subsequence.
        {make(K::PathNotFound, "a\xFF" "b"), "path does not exist: a\xEF\xBF\xBD" "b"},
        {make(K::UnsupportedFileType, "x\xC3"), "x\xEF\xBF\xBD: unsupported file type"},
        {make(K::MalformedAsset, "\xE2\x82z"), "malformed asset: \xEF\xBF\xBDz"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.error.message(), c.expected) << "kind " << int(c.error.kind);
    }
}

TEST(LossyUtf8, MaximalSubpartsAreReplacedOnce) {
    // The first and last second bytes that each lead byte takes.
    const std::string edges = "\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    struct {
        std::string in, out;
    } cases[] = {
        {"", ""}, {"plain", "plain"}, {"\xC3\xA9", "\xC3\xA9"}, {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD"}, {"\xF0\x9F\x98", "\xEF\xBF\xBD"},
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xF0\x8F\xBF\xBF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // overlong
        {"\xE0\x9F\xBF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, {"\xC2\xC0", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xC2\x7F", "\xEF\xBF\xBD\x7F"}, {"\xC1\xBF", "\xEF\xBF\xBD\xEF\xBF\xBD"}, {edges, edges},
        {"\xF5\x80\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lossy_utf8(c.in), c.out);
        EXPECT_EQ(is_valid_utf8(c.in), c.in == c.out);
    }
}

}  // namespace
}  // namespace tarvik
