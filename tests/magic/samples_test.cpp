// The whole detector over the sample table in samples.txt: every row's bytes
// must get the row's type, and near misses derived from each row must not
// (unless the row says which of them may keep it), with every shortcut of
// the walk giving the plain walk's answer.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "checks/first_bytes.h"
#include "database/database.h"
#include "file_builders.h"
#include "mime_magic/mime_magic.h"

using namespace mime_magic;
using namespace std::string_literals;

namespace {

constexpr size_t kLen = MIME_SNIFF_BUFFER_LEN;

struct Piece {
    size_t off;
    std::string bytes;
    size_t letter = std::string::npos;  // the first letter written as text
};

struct Sample {
    std::string where;  // file:line
    std::string mime;    // the record whose check holds for the row
    std::string answer;  // the detector's answer: `mime` unless an earlier record wins
    std::vector<Piece> pieces;
    size_t len = 0;           // 0: up to the end of the last piece
    std::set<std::string> keep;  // derivations that may keep the answer
};

[[noreturn]] void bad(const std::string& where, const std::string& what) {
    throw std::runtime_error(where + ": " + what);
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A quoted text from `s` at `i` (on the opening quote) with C escapes;
// `i` ends past the closing quote.
std::string quoted(const std::string& s, size_t& i, const std::string& where) {
    std::string out;
    for (++i; i < s.size() && s[i] != '"'; ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size()) break;
        switch (s[i]) {
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case '0': out += '\0'; break;
            case 'x': {
                int hi = i + 2 < s.size() ? hex_digit(s[i + 1]) : -1, lo = hi < 0 ? -1 : hex_digit(s[i + 2]);
                if (lo < 0) bad(where, "\\x needs two hex digits");
                out += char(hi * 16 + lo);
                i += 2;
                break;
            }
            default: out += s[i];
        }
    }
    if (i >= s.size()) bad(where, "unterminated text");
    ++i;
    return out;
}

// One row: MIME type (quoted when it holds a blank), then `@offset` and the
// piece's bytes as "text" and hex pairs, each optionally `*count`, then the
// flags `keep=early,late,first,case,cut`, `len=N` and `answer=MIME`. A piece may
// have alternatives, `| bytes`: the row stands for one sample per alternative.
std::vector<Sample> parse_row(const std::string& line, const std::string& where) {
    Sample r;
    r.where = where;
    std::vector<std::pair<size_t, Piece>> alternatives;  // piece index, piece
    Piece* cur = nullptr;
    size_t i = 0;
    auto skip = [&] { while (i < line.size() && line[i] == ' ') ++i; };
    auto word = [&] {
        size_t b = i;
        while (i < line.size() && line[i] != ' ') ++i;
        return line.substr(b, i - b);
    };
    auto count = [&] {
        if (i >= line.size() || line[i] != '*') return size_t(1);
        ++i;
        return size_t(std::stoul(word()));
    };
    r.mime = line[0] == '"' ? quoted(line, i, where) : word();
    for (skip(); i < line.size(); skip()) {
        if (line[i] == '@') {
            ++i;
            r.pieces.push_back({size_t(std::stoul(word())), {}});
            cur = &r.pieces.back();
        } else if (line.compare(i, 5, "keep=") == 0) {
            i += 5;
            std::stringstream list(word());
            for (std::string k; std::getline(list, k, ',');) r.keep.insert(k);
        } else if (line.compare(i, 7, "answer=") == 0) {
            i += 7;
            r.answer = line[i] == '"' ? quoted(line, i, where) : word();
        } else if (line.compare(i, 4, "len=") == 0) {
            i += 4;
            r.len = std::stoul(word());
        } else if (r.pieces.empty()) {
            bad(where, "bytes before the first @offset");
        } else if (line[i] == '|') {
            ++i;
            alternatives.push_back({r.pieces.size() - 1, {r.pieces.back().off, {}}});
            cur = &alternatives.back().second;
        } else if (line[i] == '"') {
            Piece& p = *cur;
            const std::string text = quoted(line, i, where);
            for (size_t k = 0; k < text.size() && p.letter == std::string::npos; ++k)
                if (std::isalpha(static_cast<unsigned char>(text[k]))) p.letter = p.bytes.size() + k;
            for (size_t n = count(); n > 0; --n) p.bytes += text;
        } else {
            const int hi = hex_digit(line[i]), lo = i + 1 < line.size() ? hex_digit(line[i + 1]) : -1;
            if (hi < 0 || lo < 0) bad(where, "not a hex pair: " + line.substr(i));
            i += 2;
            cur->bytes.append(count(), char(hi * 16 + lo));
        }
    }
    for (const std::string& k : r.keep)
        if (k != "early" && k != "late" && k != "first" && k != "case" && k != "cut")
            bad(where, "unknown keep " + k);
    if (r.pieces.empty()) bad(where, "no pieces");
    if (r.answer.empty()) r.answer = r.mime;
    std::vector<Sample> out = {r};
    for (const auto& [k, piece] : alternatives) {
        out.push_back(r);
        out.back().pieces[k] = piece;
        out.back().where += " (alternative " + std::to_string(out.size() - 1) + ")";
    }
    return out;
}

const std::vector<Sample>& samples() {
    static const std::vector<Sample> rows = [] {
        std::string file(__FILE__);
        file = file.substr(0, file.rfind('/') + 1) + "samples.txt";
        std::ifstream in(file);
        if (!in) throw std::runtime_error("cannot read " + file);
        std::vector<Sample> out;
        int n = 0;
        for (std::string line; std::getline(in, line);) {
            ++n;
            if (line.empty() || line[0] == '#') continue;
            for (Sample& s : parse_row(line, "samples.txt:" + std::to_string(n))) out.push_back(std::move(s));
        }
        return out;
    }();
    return rows;
}

// The detection buffer of a row: the pieces written into zero bytes, in turn.
std::vector<uint8_t> buffer_of(const std::vector<Piece>& pieces) {
    std::vector<uint8_t> buf(kLen, 0);
    for (const Piece& p : pieces)
        for (size_t k = 0; k < p.bytes.size(); ++k) buf.at(p.off + k) = uint8_t(p.bytes[k]);
    return buf;
}

size_t length_of(const std::vector<Piece>& pieces, size_t len) {
    for (const Piece& p : pieces) len = std::max(len, p.off + p.bytes.size());
    return len;
}

// The answer with every shortcut, checked against the plain walk's.
std::string detect(const std::vector<Piece>& pieces, size_t len, const std::string& what) {
    const std::vector<uint8_t> buf = buffer_of(pieces);
    const size_t n = length_of(pieces, len);
    const std::string fast(detect_mime_from_bytes(buf.data(), n));
    EXPECT_EQ(fast, detect_in_buffer(buf.data(), kLen, n, /*shortcuts=*/false)) << what;
    return fast;
}

const MimeChecker* record_of(const std::string& mime) {
    for (const MimeChecker& r : ALL_MIME_CHECKERS)
        if (r.mime_type() == mime) return &r;
    return nullptr;
}

}  // namespace

TEST(Samples, EachRowGetsItsType) {
    ASSERT_FALSE(samples().empty());
    for (const Sample& r : samples()) {
        const MimeChecker* rec = record_of(r.mime);
        ASSERT_NE(rec, nullptr) << r.where << ": no record " << r.mime;
        EXPECT_EQ(detect(r.pieces, r.len, r.where), r.answer) << r.where;
        // Not the fallback: the record's own check holds.
        const std::vector<uint8_t> buf = buffer_of(r.pieces);
        EXPECT_TRUE(rec->check(Probe(buf.data(), kLen))) << r.where;
    }
}

// Every record with a check of its own has a row; a row whose answer is
// another record's shows what shadows it.
TEST(Samples, EveryRecordWithACheckHasARow) {
    std::set<std::string> with_row;
    for (const Sample& r : samples()) with_row.insert(r.mime);
    size_t checks = 0;
    for (const MimeChecker& r : ALL_MIME_CHECKERS)
        if (r.own_check) {
            ++checks;
            EXPECT_TRUE(with_row.count(std::string(r.mime_type()))) << "no row for " << r.mime_type();
        }
    EXPECT_EQ(checks, with_row.size());
}

// Near misses: each piece one byte earlier and one byte later, its first
// byte's high bit flipped, the case of its first text letter swapped, its last
// byte cut. In a row whose record an earlier one shadows, the near misses must
// fail the record's own check.
TEST(Samples, NearMissesChangeTheAnswer) {
    for (const Sample& r : samples()) {
        const MimeChecker* shadowed = r.answer != r.mime ? record_of(r.mime) : nullptr;
        auto expect_changed = [&](const char* kind, size_t k, const std::vector<Piece>& d) {
            const std::string what = r.where + ": " + kind + " of piece " + std::to_string(k);
            const std::vector<uint8_t> buf = buffer_of(d);
            const bool kept = shadowed ? shadowed->check(Probe(buf.data(), kLen)) : detect(d, r.len, what) == r.answer;
            EXPECT_TRUE(!kept || r.keep.count(kind)) << what << " keeps " << r.mime;
        };
        for (size_t k = 0; k < r.pieces.size(); ++k) {
            std::vector<Piece> d = r.pieces;
            d[k].off += 1;
            if (d[k].off + d[k].bytes.size() <= kLen) expect_changed("late", k, d);
            if (r.pieces[k].off > 0) {
                d = r.pieces;
                d[k].off -= 1;
                expect_changed("early", k, d);
            }
            d = r.pieces;
            d[k].bytes[0] = char(d[k].bytes[0] ^ 0x80);
            expect_changed("first", k, d);
            if (const size_t at = r.pieces[k].letter; at != std::string::npos) {
                d = r.pieces;
                d[k].bytes[at] = char(d[k].bytes[at] ^ 0x20);
                expect_changed("case", k, d);
            }
            d = r.pieces;
            d[k].bytes.pop_back();
            if (d[k].bytes.empty()) d.erase(d.begin() + std::ptrdiff_t(k));
            if (length_of(d, r.len) > 0) expect_changed("cut", k, d);
        }
    }
}

// The walk passes over a check whose first-byte set lacks the buffer's first
// byte, so no check may hold for a first byte outside its set.
TEST(Samples, FirstByteSetsHoldEveryFirstByteTheirCheckHoldsFor) {
    for (const Sample& r : samples()) {
        const MimeChecker* rec = record_of(r.mime);
        ASSERT_NE(rec, nullptr) << r.where;
        const FirstBytes* set = first_bytes_of(rec->own_check);
        if (set == nullptr) continue;
        std::vector<uint8_t> buf = buffer_of(r.pieces);
        for (int v = 0; v < 256; ++v) {
            buf[0] = uint8_t(v);
            const bool holds = rec->own_check(Probe(buf.data(), kLen));
            EXPECT_TRUE(!holds || set->allows(uint8_t(v))) << r.where << ": holds with first byte " << v;
        }
    }
}

namespace {

using builders::hex;
using builders::ole_file;
using builders::run_of;
using builders::zip_stored;

std::string detect(const std::string& bytes) {
    return std::string(detect_mime_from_bytes(reinterpret_cast<const unsigned char*>(bytes.data()),
                                              bytes.size()));
}

// A CompObj stream: its header, then the user type as a length-prefixed text.
std::string comp_obj(const std::string& user_type) {
    std::string s = hex("01 00 FE FF 03 0A 00 00 FF FF FF FF") + std::string(16, '\0');
    builders::le32(s, uint32_t(user_type.size() + 1));
    s += user_type;
    s.resize(4096, '\0');
    return s;
}

}  // namespace

// Whole packages as tools write them, central directory and all.
TEST(Containers, OfficeOpenXmlPackages) {
    const std::string types =
        "<?xml version=\"1.0\"?>\n<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/"
        "content-types\"><Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>";
    const std::string rels = "<Relationships/>";
    auto ooxml = "application/vnd.openxmlformats-officedocument."s;
    EXPECT_EQ(detect(zip_stored({{"[Content_Types].xml", types}, {"_rels/.rels", rels},
                                 {"word/document.xml", "<w:document/>"}})),
              ooxml + "wordprocessingml.document");
    EXPECT_EQ(detect(zip_stored({{"_rels/.rels", rels}, {"xl/workbook.xml", "<workbook/>"},
                                 {"[Content_Types].xml", types}})),
              ooxml + "spreadsheetml.sheet");
    // Both 'ppt/' and 'word/' early: the presentation comes first.
    EXPECT_EQ(detect(zip_stored({{"[Content_Types].xml", types}, {"word/document.xml", "<w:document/>"},
                                 {"ppt/presentation.xml", "<p:presentation/>"}})),
              ooxml + "presentationml.presentation");
    // The part lies behind a 5000-byte entry: only the generic type holds.
    EXPECT_EQ(detect(zip_stored({{"[Content_Types].xml", types},
                                 {"docProps/padding.bin", std::string(5000, 'x')},
                                 {"word/document.xml", "<w:document/>"}})),
              "application/x-tarvik-ooxml");
}

TEST(Containers, OpenDocumentPackages) {
    auto odf = [](const std::string& media) {
        return zip_stored({{"mimetype", media}, {"META-INF/manifest.xml", "<manifest:manifest/>"},
                           {"content.xml", "<office:document-content/>"}});
    };
    for (const char* media : {"application/vnd.oasis.opendocument.text",
                              "application/vnd.oasis.opendocument.spreadsheet",
                              "application/vnd.oasis.opendocument.presentation",
                              "application/vnd.sun.xml.calc", "application/epub+zip"})
        EXPECT_EQ(detect(odf(media)), media);
    // Not a child of the ZIP type, which answers first for a local header.
    EXPECT_EQ(detect(odf("application/vnd.sun.xml.writer")), "application/zip");
    // Just a ZIP archive.
    EXPECT_EQ(detect(zip_stored({{"a.txt", "hello"}})), "application/zip");
}

TEST(Containers, CompoundFiles) {
    const std::string padding(4096, '\0');
    EXPECT_EQ(detect(ole_file({{"Workbook", run_of(2, 8), "\x09\x08" + padding.substr(2)}})),
              "application/vnd.ms-excel");
    EXPECT_EQ(detect(ole_file({{"PowerPoint Document", run_of(2, 8), padding}})),
              "application/vnd.ms-powerpoint");
    EXPECT_EQ(detect(ole_file({{"WordDocument", run_of(2, 8), padding},
                               {"Workbook", run_of(10, 8), padding}})),
              "application/msword");
    // StarOffice names itself in the CompObj stream, which starts at sector 3.
    std::vector<uint32_t> chain = {2};
    for (uint32_t s = 11; s < 18; ++s) chain.push_back(s);
    EXPECT_EQ(detect(ole_file({{"StarCalcDocument", chain, padding},
                               {"\x01" "CompObj", run_of(3, 8), comp_obj("StarCalc 5.0")}})),
              "application/vnd.stardivision.calc");
    EXPECT_EQ(detect(ole_file({{"Other", run_of(2, 8), padding}})), "application/x-ole-storage");
}
