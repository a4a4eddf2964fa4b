// Bytes of small files built by hand for the tests: hexadecimal byte strings,
// UTF-16LE names, a PNG head, ZIP archives of stored entries and compound (OLE2) files.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace builders {

// Bytes written as hexadecimal pairs separated by blanks: "1F 8B" -> the two bytes.
inline std::string hex(std::string_view h) {
    std::string out;
    int half = -1;
    for (char c : h) {
        if (c == ' ') continue;
        int v = (c >= '0' && c <= '9') ? c - '0' : (c | 0x20) - 'a' + 10;
        if (half < 0) {
            half = v;
        } else {
            out.push_back(char(half << 4 | v));
            half = -1;
        }
    }
    return out;
}

// ASCII text as UTF-16LE: each byte followed by a 00 byte.
inline std::string utf16le(std::string_view s) {
    std::string out;
    for (char c : s) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

// Little-endian words appended to `o`.
inline void le16(std::string& o, uint32_t v) {
    o.push_back(char(v & 0xFF));
    o.push_back(char(v >> 8 & 0xFF));
}
inline void le32(std::string& o, uint32_t v) {
    le16(o, v & 0xFFFF);
    le16(o, v >> 16);
}

// The CRC-32 that ZIP archives carry.
inline uint32_t crc32(std::string_view s) {
    uint32_t c = 0xFFFFFFFFu;
    for (unsigned char ch : s) {
        c ^= ch;
        for (int k = 0; k < 8; ++k) c = c & 1 ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    }
    return ~c;
}

// A minimal PNG head: signature, IHDR chunk (1x1, RGBA), then the next
// chunk's length and `next_chunk` as its type, which puts that type at offset
// 37, and one more chunk's length and type.
inline std::string png_head(const std::string& next_chunk) {
    using namespace std::string_literals;
    std::string s = "\x89PNG\r\n\x1A\n"s;
    s += "\0\0\0\x0DIHDR"s;
    s += "\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0"s;  // 1x1, RGBA
    s += "\x1F\x15\xC4\x89"s;                   // CRC
    s += "\0\0\0\x08"s + next_chunk;
    s += "\0\0\0\x01\0\0\0\0"s;
    return s;
}

struct ZipEntry {
    std::string name;
    std::string data;
};

// A ZIP archive of stored (uncompressed) entries: local headers with their
// data, the central directory and its end record.
inline std::string zip_stored(const std::vector<ZipEntry>& entries) {
    std::string out, central;
    for (const ZipEntry& e : entries) {
        const uint32_t offset = uint32_t(out.size());
        // The fields a local header and its central record share.
        std::string common;
        le16(common, 10);    // version needed
        le16(common, 0);     // flags
        le16(common, 0);     // method: stored
        le16(common, 0);     // time
        le16(common, 0x21);  // date
        le32(common, crc32(e.data));
        le32(common, uint32_t(e.data.size()));
        le32(common, uint32_t(e.data.size()));
        le16(common, uint32_t(e.name.size()));
        le16(common, 0);  // extra length
        out += hex("50 4B 03 04") + common + e.name + e.data;

        central += hex("50 4B 01 02");
        le16(central, 20);  // made by
        central += common;
        le16(central, 0);  // comment
        le16(central, 0);  // disk
        le16(central, 0);  // internal attributes
        le32(central, 0);  // external attributes
        le32(central, offset);
        central += e.name;
    }
    const uint32_t cd_offset = uint32_t(out.size());
    out += central;
    out += hex("50 4B 05 06");
    le16(out, 0);
    le16(out, 0);
    le16(out, uint32_t(entries.size()));
    le16(out, uint32_t(entries.size()));
    le32(out, uint32_t(central.size()));
    le32(out, cd_offset);
    le16(out, 0);
    return out;
}

struct OleStream {
    std::string name;
    std::vector<uint32_t> sectors;  // its chain, 512-byte sectors
    std::string data;
};

// `count` sector numbers from `first` on.
inline std::vector<uint32_t> run_of(uint32_t first, uint32_t count) {
    std::vector<uint32_t> v;
    for (uint32_t i = 0; i < count; ++i) v.push_back(first + i);
    return v;
}

// A compound file (version 3, 512-byte sectors): the header, one FAT sector
// (sector 0), one directory sector (sector 1, so the first stream's entry
// starts at byte 1152) and the streams' sectors.
inline std::string ole_file(const std::vector<OleStream>& streams) {
    constexpr uint32_t kEnd = 0xFFFFFFFE, kFree = 0xFFFFFFFF, kFatSect = 0xFFFFFFFD;
    uint32_t last = 1;
    for (const auto& s : streams)
        for (uint32_t sec : s.sectors) last = std::max(last, sec);
    std::string f(512 * (last + 2), '\0');
    auto put32 = [&](size_t off, uint32_t v) {
        for (int i = 0; i < 4; ++i) f[off + i] = char(v >> (8 * i) & 0xFF);
    };
    auto put16 = [&](size_t off, uint16_t v) {
        f[off] = char(v & 0xFF);
        f[off + 1] = char(v >> 8);
    };
    f.replace(0, 8, hex("D0 CF 11 E0 A1 B1 1A E1"));
    put16(24, 0x003E);  // minor version
    put16(26, 0x0003);  // major version
    put16(28, 0xFFFE);  // byte order
    put16(30, 9);       // sector shift: 512
    put16(32, 6);       // mini sector shift: 64
    put32(44, 1);       // FAT sectors
    put32(48, 1);       // first directory sector
    put32(56, 0x1000);  // mini stream cutoff
    put32(60, kEnd);    // no mini FAT
    put32(68, kEnd);    // no further DIFAT sector
    put32(76, 0);       // DIFAT[0]: the FAT is sector 0
    for (int i = 1; i < 109; ++i) put32(76 + 4 * i, kFree);
    auto sector = [](uint32_t s) { return size_t(512) * (s + 1); };
    // FAT
    for (uint32_t i = 0; i < 128; ++i) put32(sector(0) + 4 * i, kFree);
    put32(sector(0), kFatSect);
    put32(sector(0) + 4, kEnd);
    for (const auto& s : streams)
        for (size_t i = 0; i < s.sectors.size(); ++i)
            put32(sector(0) + 4 * s.sectors[i], i + 1 < s.sectors.size() ? s.sectors[i + 1] : kEnd);
    // Directory: the root, then the streams as its right-leaning children;
    // the unused entries link nowhere.
    for (size_t i = 0; i < 4; ++i)
        for (size_t link = 68; link <= 76; link += 4) put32(sector(1) + 128 * i + link, kFree);
    auto dir_entry = [&](size_t idx, const std::string& name, uint8_t type, uint32_t right,
                         uint32_t child, uint32_t start, uint32_t size) {
        const size_t off = sector(1) + 128 * idx;
        const std::string n16 = utf16le(name) + std::string(2, '\0');
        f.replace(off, n16.size(), n16);
        put16(off + 64, uint16_t(n16.size()));
        f[off + 66] = char(type);
        f[off + 67] = 1;  // black
        put32(off + 68, kFree);
        put32(off + 72, right);
        put32(off + 76, child);
        put32(off + 116, start);
        put32(off + 120, size);
    };
    dir_entry(0, "Root Entry", 5, kFree, streams.empty() ? kFree : 1, kEnd, 0);
    for (size_t i = 0; i < streams.size(); ++i) {
        const auto& s = streams[i];
        dir_entry(i + 1, s.name, 2, i + 1 < streams.size() ? uint32_t(i + 2) : kFree, kFree,
                  s.sectors.front(), uint32_t(s.data.size()));
        for (size_t k = 0; k < s.sectors.size(); ++k) {
            std::string part = s.data.substr(std::min(s.data.size(), k * 512), 512);
            f.replace(sector(s.sectors[k]), part.size(), part);
        }
    }
    return f;
}

}  // namespace builders
