// The one-line messages of the assessment errors.
#include <cstdio>
#include <cstring>
#include <string>

#include "tarvik/model.h"
#include "tarvik/render.h"

namespace tarvik {

namespace {

std::string dec(uint64_t v) { return std::to_string(v); }

// Lower-case hexadecimal, at least `width` digits (zero-padded on the left).
std::string hex(uint64_t v, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*llx", width, static_cast<unsigned long long>(v));
    return buf;
}

// "0x" and the value in lower-case hexadecimal without leading zeros.
std::string alt_hex(uint64_t v) { return "0x" + hex(v, 1); }

// "[01, 00, 00, 00]": the bytes in stored order.
std::string byte_list(const std::array<uint8_t, 4>& bytes) {
    std::string out = "[";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i) out += ", ";
        out += hex(bytes[i], 2);
    }
    return out + "]";
}

}  // namespace

AssessError AssessError::with_path(AssessErrorKind k, std::string_view p) {
    AssessError e{};
    e.kind = k;
    e.path = std::string(p);
    return e;
}

std::string AssessError::message() const {
    const std::string p = lossy_utf8(path);
    const auto& n = nums;
    switch (kind) {
        case AssessErrorKind::PathNotFound: return "path does not exist: " + p;
        case AssessErrorKind::PathNotReadable:
        case AssessErrorKind::PathNotReadable2:
        case AssessErrorKind::PathNotReadable3: return "path is not readable: " + p;
        case AssessErrorKind::MalformedAsset:
        case AssessErrorKind::MalformedAsset2: return "malformed asset: " + p;
        case AssessErrorKind::MetadataUnreadable: return "metadata unreadable for " + p;
        case AssessErrorKind::Symlink: return "Symlink error: " + text;
        case AssessErrorKind::UnsupportedFileType: return p + ": unsupported file type";
        case AssessErrorKind::UnknownMimetype: return "Unknown mimetype: " + p;
        case AssessErrorKind::HashFailed: return "Could not hash the file: " + p;
        case AssessErrorKind::CorruptedFatHeader: return "Mach-O corrupted fat header: " + p;
        case AssessErrorKind::FatHeaderSize:
            return "Mach-O Inconsistent Fat Header Size: cannot fit " + dec(n[0]) +
                   " bytes into a " + dec(n[1]) + "-byte Fat Header";
        case AssessErrorKind::LoadCommandTooSmall:
            return "malformed load command in " + p + ": cmdsize " + dec(n[0]) +
                   " is too small (minimum 8)";
        case AssessErrorKind::LoadCommandOutsideRegion:
            return "malformed load command in " + p + ": command at slice offset " + dec(n[0]) +
                   " exceeds load command region";
        case AssessErrorKind::LoadCommandOffsetOverflow:
            return "load command offset overflow in " + p;
        case AssessErrorKind::SliceReadOutOfBounds:
            return "read of " + dec(n[0]) + " bytes at slice-relative offset " + dec(n[1]) +
                   " exceeds slice size " + dec(n[2]) + " in " + p;
        case AssessErrorKind::LoadCommandPastEof:
            return "load command at offset " + dec(n[0]) + " (size " + dec(n[1]) +
                   ") extends past end of file " + dec(n[2]) + " in " + p;
        case AssessErrorKind::WrongLoadCommand:
            return "wrong load command at offset " + dec(n[0]) + ": expected " + alt_hex(n[1]) +
                   ", found bytes " + byte_list(bytes);
        case AssessErrorKind::LoadCommandOutsideSlices:
            return "load command at offset " + dec(n[0]) + " doesn't belong to any slice in " + p;
        case AssessErrorKind::EmptyPayload:
            return "The Load Command data size \"payload\" is zero in " + p;
        case AssessErrorKind::DataRangeOverflow:
            return "data offset " + dec(n[0]) + " plus datasize " + dec(n[1]) +
                   " overflows a 64-bit integer in " + p;
        case AssessErrorKind::DataRangePastFile:
            return "The sum of data offset " + dec(n[0]) + " and datasize " + dec(n[1]) +
                   " exceeds the file size " + dec(n[2]) + " in " + p;
        case AssessErrorKind::DataRangePastSlice:
            return "The sum of data offset " + dec(n[0]) + " and datasize " + dec(n[1]) +
                   " exceeds the slice size " + dec(n[2]) + " in " + p;
        case AssessErrorKind::CodeDirectoryLength:
            return "Base Code Directory length is inconsistent: received " + dec(n[0]) +
                   " bytes, expected (" + dec(n[1]) + ")";
        case AssessErrorKind::CodeDirectoryMagic:
            return "Found is inconsistent with Code Directory. Magic number obtained: " +
                   hex(n[0], 8) + ", expected: 0xfade0c02";
        case AssessErrorKind::HashArrayOverflow:
            return "HashArray geometry overflow: hashOffset=" + dec(n[0]) +
                   ", n_special=" + dec(n[1]) + ", n_code=" + dec(n[2]) +
                   ", hash_size=" + dec(n[3]);
        case AssessErrorKind::SuperBlobMagic:
            return "The found magic number (0x" + hex(n[0], 8) + ") is not valid for a SuperBlob";
        case AssessErrorKind::SuperBlobTooShort:
            return "SuperBlob length (" + dec(n[0]) + ") is smaller than its header (12 bytes)";
        case AssessErrorKind::SuperBlobCount:
            return "SuperBlob count (" + dec(n[0]) + ") is inconsistent with length (" + dec(n[1]) +
                   ")";
        case AssessErrorKind::Io: return std::string("I/O error: ") + std::strerror(os_error);
        case AssessErrorKind::OffsetOverflow: return "I/O error: offset overflow in file " + p;
        case AssessErrorKind::ByteIntOverflow:
            return "ByteInt: cannot fit " + dec(n[0]) + " bytes into a " + dec(n[1]) +
                   "-byte integer";
        case AssessErrorKind::CodeDirectoryOffsetOverflow:
            return "CodeDirectory offset arithmetic overflowed: cd_offset 0x" + hex(n[0], 8) +
                   ", cursor 0x" + hex(n[1], 8);
        case AssessErrorKind::SliceGeometryOverflow:
            return "Slice geometry overflow: offset " + dec(n[0]) + " + size " + dec(n[1]) +
                   " exceeds u64 in " + quoted_path(path);
    }
    return {};
}

}  // namespace tarvik
