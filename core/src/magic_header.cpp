// The header magic tests and the disk-image trailer probe: the two content
// tests that come first when a regular file is classed.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "file_access.h"
#include "mime_magic/file_head.h"
#include "tarvik/assess.h"

namespace tarvik {

namespace {

// True when `header` (of `len` bytes) begins with the `N - 1` bytes of `magic`.
template <size_t N>
bool starts_with(const uint8_t* header, size_t len, const char (&magic)[N]) {
    constexpr size_t m = N - 1;
    return len >= m && std::memcmp(header, magic, m) == 0;
}

atomic::StandaloneMacho macho(ArchWord word, Endianness order) {
    return atomic::StandaloneMacho{word, order, MachoKind::UnknownKind};
}

// A line feed followed by "-----BEGIN " anywhere in the header.
// The search looks for the needle's 'G', far rarer in text than its line
// feed, and compares the whole needle around each one.
bool has_pem_line(const uint8_t* header, size_t len) {
    static constexpr std::string_view needle = "\n-----BEGIN ";
    static constexpr size_t g = 8;  // needle[g] == 'G'
    if (len < needle.size()) return false;
    const uint8_t* cur = header + g;
    const uint8_t* end = header + len - (needle.size() - 1 - g);  // one past the last 'G' position
    while (cur < end) {
        const auto* hit = static_cast<const uint8_t*>(std::memchr(cur, 'G', size_t(end - cur)));
        if (!hit) return false;
        if (std::memcmp(hit - g, needle.data(), needle.size()) == 0) return true;
        cur = hit + 1;
    }
    return false;
}

}  // namespace

std::optional<AtomicClass> sniff_magic(const uint8_t* header, size_t len) {
    if (header == nullptr || len < 2) return std::nullopt;

    // The rows are tried in this order; the first that matches decides.
    if (starts_with(header, len, "\xCF\xFA\xED\xFE"))
        return macho(ArchWord::Bits64, Endianness::Little);
    if (starts_with(header, len, "\xCE\xFA\xED\xFE"))
        return macho(ArchWord::Bits32, Endianness::Little);
    if (starts_with(header, len, "\xFE\xED\xFA\xCF"))
        return macho(ArchWord::Bits64, Endianness::Big);
    if (starts_with(header, len, "\xFE\xED\xFA\xCE"))
        return macho(ArchWord::Bits32, Endianness::Big);
    if (starts_with(header, len, "\xCA\xFE\xBA\xBE")) return atomic::FatMacho{};
    if (starts_with(header, len, "\xBE\xBA\xFE\xCA")) return atomic::FatMacho{};
    if (starts_with(header, len, "bplist00")) return atomic::PropertyList{PlistFormat::Binary};
    if (starts_with(header, len, "PK\x03\x04")) return atomic::Archive{ArchiveKind::Zip};
    if (starts_with(header, len, "xar!")) return atomic::Archive{ArchiveKind::Xar};
    if (starts_with(header, len, "!<arch>\n")) return atomic::Archive{ArchiveKind::Ar};
    if (starts_with(header, len, "-----BEGIN ")) return atomic::Pem{};
    if (has_pem_line(header, len)) return atomic::Pem{};
    if (starts_with(header, len, "<?xml")) return atomic::XmlDescriptor{};
    if (starts_with(header, len, "#!")) return atomic::Shebang{};
    if (starts_with(header, len, "\x30\x82")) return atomic::CmsBlob{};
    if (starts_with(header, len, "FasdUAS")) return atomic::AppleScriptCompiled{};
    return std::nullopt;
}

std::optional<AtomicClass> probe_disk_image_trailer(std::string_view path) {
    mime_magic::RegularFile file(path);
    if (!file.is_open()) return std::nullopt;
    return probe_disk_image_trailer_fd(file.fd(), off_t(file.size()));
}

std::optional<AtomicClass> probe_disk_image_trailer_fd(int fd, off_t size) {
    const off_t start = size >= off_t(kTrailerLen) ? size - off_t(kTrailerLen) : 0;
    // Positioned reads from size-512 (or 0): the same bytes as a seek and
    // reads, and a descriptor that cannot seek (a FIFO) fails the same way.
    char buf[kTrailerLen];
    size_t got = 0;
    while (got < kTrailerLen) {
        ssize_t r = ::pread(fd, buf + got, kTrailerLen - got, start + off_t(got));
        if (r < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (r == 0) break;
        got += size_t(r);
    }

    return disk_image_trailer_in(reinterpret_cast<const uint8_t*>(buf), got);
}

std::optional<AtomicClass> disk_image_trailer_in(const uint8_t* tail, size_t len) {
    // The UDIF trailer block begins "koly"; it is looked for anywhere in the
    // bytes read, not only where the block would start.
    if (std::string_view(reinterpret_cast<const char*>(tail), len).find("koly") !=
        std::string_view::npos)
        return atomic::Archive{ArchiveKind::DiskImage};
    return std::nullopt;
}

}  // namespace tarvik
