// The text heuristic, the XML root test and the bounded searches, at every
// length regime.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "search/byte_positions.h"
#include "search/byte_scan.h"
#include "vocabulary/shared_tests.h"
#include "vocabulary/vocab.h"

using namespace mime_magic;

namespace {

const uint8_t* u(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }
bool text(const std::string& s) { return looks_like_text(u(s), s.size()); }
bool xml(const std::string& s, const char* root) { return xml_root_matches(u(s), s.size(), root); }
bool contains(const std::string& s, size_t a, size_t e, const std::string& needle) {
    return range_contains(u(s), s.size(), a, e, u(needle), needle.size(), nullptr);
}
bool contains_any_case(const std::string& s, size_t a, size_t e, const std::string& needle) {
    return range_contains_ignore_ascii_case(u(s), s.size(), a, e, u(needle), needle.size(), nullptr);
}

}  // namespace

// The heuristic, which looks for high bytes a word at a time, against its
// rules written plainly, at every length regime and around the bytes the
// rules name.
TEST(LooksLikeText, SameAnswersAsTheRules) {
    auto plain = [](const std::string& s) {
        auto c = [&](size_t i) { return uint8_t(s[i]); };
        auto blank = [](uint8_t v) { return v == 0x09 || v == 0x0A || v == 0x0C || v == 0x0D || v == 0x20; };
        const size_t n = s.size();
        bool high = false;
        for (size_t i = 0; i < std::min<size_t>(n, 128); ++i) high = high || c(i) >= 0x80;
        if (n < 4) return !high;
        if (n <= 8) {
            for (size_t i = 0; i < n; ++i)
                if (!((c(i) >= 0x21 && c(i) <= 0x7E) || blank(c(i)))) return false;
            return true;
        }
        if (high && c(0) != 0x00 && c(0) != 0xEF && c(0) != 0xFF && c(1) != 0x00 && c(1) != 0xBB &&
            c(1) != 0xFE && c(2) != 0x00 && c(2) != 0xBF && c(2) != 0xFE && blank(c(3)))
            return false;
        for (size_t i = 4; i <= 8; ++i)
            if (c(i) == 0x00 || c(i) >= 0x80) return false;
        return true;
    };
    std::mt19937 rng(4);
    const std::string bytes("a \t\n\x0B\x0C\r\x1F\x20\x21\x7E\x7F\x80\xE9\xEF\xBB\xBF\xFE\xFF\0\x01", 21);
    const size_t spots[] = {0, 1, 2, 3, 4, 8, 9, 120, 127, 128};
    for (int round = 0; round < 20000; ++round) {
        std::string s(round % 4 ? rng() % 12 : 100 + rng() % 60, round % 3 ? 'a' : ' ');
        for (int k = int(rng() % 5); k > 0 && !s.empty(); --k)
            s[(rng() % 2 ? spots[rng() % std::size(spots)] : rng()) % s.size()] = bytes[rng() % bytes.size()];
        ASSERT_EQ(text(s), plain(s)) << round;
    }
}

TEST(PrefixAt2IgnoreAsciiCase, Lengths) {
    auto p = [](const std::string& s, const std::string& n) {
        return prefix_at2_ignore_ascii_case(u(s), s.size(), u(n), n.size());
    };
    EXPECT_FALSE(p("a", "node"));
    EXPECT_TRUE(p("#!", "node"));     // nothing is left to compare
    EXPECT_TRUE(p("#!NO", "node"));   // the part that fits decides
    EXPECT_FALSE(p("#!NX", "node"));
    EXPECT_TRUE(p("#!/usr/bin/NODE x", "/usr/bin/node"));
}

// The XML root test and its shared form, which both start from the positions
// of one byte of the needles, give the answers of a plain search.
TEST(XmlRootIndex, SameAnswersAsThePlainTest) {
    auto plain = [](const std::string& s, const std::string& r) {
        if (s.empty() || !text(s)) return false;
        const std::string w = s.substr(0, 2049);  // bytes 0..2048
        auto same = [](char a, char b) { return std::tolower(uint8_t(a)) == std::tolower(uint8_t(b)); };
        for (const std::string& n : {"<" + r + " ", r + ":" + r + " ", ":" + r + " xmlns"})
            if (std::search(w.begin(), w.end(), n.begin(), n.end(), same) != w.end()) return true;
        return false;
    };
    std::mt19937 rng(5);
    const std::vector<std::string> atoms = {"<", ":", " ", "svg", "SVG", "s", "v", "g", " xmlns", "x",
                                            "html", "<html ", "svg:svg ", ":svg xmlns", " xmln", "\n", "\xE9", "a"};
    const char* roots[] = {"svg", "html", "s", "x", "MD_metadata"};
    for (int round = 0; round < 400; ++round) {
        const size_t len = round % 5 ? rng() % 2200 : 2060 + rng() % 140;
        std::string s = round % 3 ? "abcdefghij" : "";
        if (round % 5) {
            while (s.size() < len) s += atoms[rng() % atoms.size()];
        } else {  // one needle alone, ending at byte 2048 or 2049
            const std::string needle = std::vector<std::string>{"<svg ", "SVG:svg ", ":svg xmlns"}[rng() % 3];
            s = "abcdefghij" + std::string(len, ' ');
            s.replace(2049 - needle.size() + rng() % 2, needle.size(), needle);
        }
        mime_magic::XmlRootIndex index;
        for (const char* r : roots) {
            ASSERT_EQ(xml(s, r), plain(s, r)) << round << " " << r;
            ASSERT_EQ(index.matches(u(s), s.size(), r), xml(s, r)) << round << " " << r;
        }
    }
}

// The bounded searches against a plain scan, on random haystacks and needles
// drawn from a small alphabet (so that near misses are frequent).
TEST(RangeContains, SameAnswersAsAPlainScan) {
    std::mt19937 rng(11);
    const std::string alphabet("aAbB:<\"o \n\0\xFF\xDF@[`{zZ", 19);
    auto naive = [](const std::string& h, size_t s, size_t e, const std::string& n, bool fold) {
        if (s >= h.size()) return false;
        size_t last = std::min(e, h.size() - 1);
        if (last < s || n.size() > last - s + 1) return false;
        for (size_t p = s; p + n.size() - 1 <= last; ++p) {
            bool eq = true;
            for (size_t k = 0; k < n.size() && eq; ++k)
                eq = fold ? std::tolower(uint8_t(h[p + k])) == std::tolower(uint8_t(n[k])) : h[p + k] == n[k];
            if (eq) return true;
        }
        return false;
    };
    for (int round = 0; round < 3000; ++round) {
        // Every fourth haystack is long enough for the vector visits of
        // long windows.
        const size_t size = round % 4 == 0 ? 200 + rng() % 1800 : rng() % 200;
        std::string h(size, ' '), n(1 + rng() % 4, ' ');
        for (auto& c : h) c = alphabet[rng() % alphabet.size()];
        for (auto& c : n) c = alphabet[rng() % alphabet.size()];
        size_t s = rng() % (size + 10), e = s + rng() % (size + 20);
        ASSERT_EQ(contains(h, s, e, n), naive(h, s, e, n, false)) << round;
        ASSERT_EQ(contains_any_case(h, s, e, n), naive(h, s, e, n, true)) << round;
    }
}

// A needle at a window's first and last offsets is found, one byte outside
// either edge it is not: windows as long as the needle, short and long, the
// byte searched for kept ('<') or common ('x'), every search form, several
// needles alone and beside one that shares that byte over a longer window.
TEST(RangeContains, WindowEdges) {
    const std::string needles[] = {"a<b", "axb"}, upper[] = {"A<B", "AXB"}, other = "<c";
    for (size_t len : {3, 12, 300})
        for (int k = 0; k < 2; ++k)
            for (const size_t a = 40, e = a + len - 1; size_t p : {a - 1, a, e - 2, e - 1}) {
                SCOPED_TRACE(needles[k] + " at " + std::to_string(p) + ", window of " + std::to_string(len));
                std::string h(e + 40, '-');
                h.replace(p, 3, needles[k]);
                const RangeNeedle list[] = {{u(needles[k]), 3, e}, {u(other), 2, e + 20}};
                const bool inside = p >= a && p + 2 <= e;
                EXPECT_EQ(contains(h, a, e, needles[k]), inside);
                EXPECT_EQ(contains_any_case(h, a, e, upper[k]), inside);
                for (size_t count : {1, 2}) EXPECT_EQ(range_contains_any(u(h), h.size(), a, list, count, nullptr), inside);
            }
    // A window one byte shorter than the needle, at the buffer's start.
    const std::string h = "a<b--axb";
    const RangeNeedle list[] = {{u(needles[0]), 3, 1}, {u(other), 2, 7}};
    EXPECT_FALSE(contains_any_case(h, 0, 1, "AXB"));
    EXPECT_FALSE(range_contains_any(u(h), h.size(), 0, list, 2, nullptr));
}

// Several needles searched together: the same answer as one search each,
// also when they share the byte the searches look for and have windows of
// their own.
TEST(RangeContains, AnyOfSeveralNeedles) {
    std::mt19937 rng(12);
    const std::string alphabet("aAbB:<\"o \n\0\xFF", 12);
    for (int round = 0; round < 3000; ++round) {
        const size_t size = round % 3 == 0 ? 200 + rng() % 1800 : rng() % 200;
        std::string h(size, ' ');
        for (auto& c : h) c = alphabet[rng() % alphabet.size()];
        const size_t count = 1 + rng() % 4, s = rng() % (size + 10);
        std::vector<std::string> needles(count);
        std::vector<RangeNeedle> list;
        bool expected = false;
        for (auto& n : needles) {
            n.assign(1 + rng() % 4, ' ');
            for (auto& c : n) c = alphabet[rng() % 5];  // few bytes: shared anchors
            const size_t e = s + rng() % (size + 20);
            list.push_back({u(n), n.size(), e});
            expected = expected || contains(h, s, e, n);
        }
        ASSERT_EQ(range_contains_any(u(h), h.size(), s, list.data(), list.size(), nullptr), expected)
            << round;
        // The same with the positions a detection shares, fresh and then
        // already filled by the first search.
        BytePositions shared;
        for (int pass = 0; pass < 2; ++pass)
            ASSERT_EQ(range_contains_any(u(h), h.size(), s, list.data(), list.size(), &shared),
                      expected)
                << round << " with shared positions, pass " << pass;
    }
}

// The vector visits of one byte's positions, and of the positions where a
// second byte stands at a given distance too, against a plain loop: every
// start and end alignment, both directions, dense and sparse bytes, a visit
// that stops the scan. Each form the processor can run is checked on its own.
TEST(AnyPositionOf, SameVisitsAsAPlainLoop) {
    std::mt19937 rng(14);
    struct Query {
        const uint8_t* s;
        size_t from, to;
        ptrdiff_t d;  // 0: one byte
        std::vector<size_t>* seen;
        size_t stop;
    };
    using Scan = bool (*)(const Query&);
    std::vector<std::pair<const char*, Scan>> forms = {
        {"dispatched", [](const Query& q) {
             auto visit = [&](size_t i) { q.seen->push_back(i); return q.seen->size() == q.stop; };
             return q.d == 0 ? any_position_of(q.s, q.from, q.to, 'x', visit)
                             : any_pair_position_of(q.s, q.from, q.to, 'x', q.d, 'y', visit);
         }},
        {"portable", [](const Query& q) {
             auto visit = [&](size_t i) { q.seen->push_back(i); return q.seen->size() == q.stop; };
             return q.d == 0 ? any_position_of_portable(q.s, q.from, q.to, 'x', visit)
                             : any_pair_position_of_portable(q.s, q.from, q.to, 'x', q.d, 'y', visit);
         }},
    };
#if MIME_MAGIC_SCAN_AVX2
    if (kScanHasAvx2)
        forms.push_back({"avx2", [](const Query& q) {
             auto visit = [&](size_t i) { q.seen->push_back(i); return q.seen->size() == q.stop; };
             return q.d == 0 ? any_position_of_avx2(q.s, q.from, q.to, 'x', visit)
                             : any_pair_position_of_avx2(q.s, q.from, q.to, 'x', q.d, 'y', visit);
         }});
#endif
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> buf(1 + rng() % 700);
        const unsigned spread = round % 2 ? 3 : 90;  // dense or sparse
        for (auto& c : buf) c = uint8_t(rng() % spread == 0 ? "xy"[rng() % 2] : "ab\0\xFF"[rng() % 4]);
        // Half the queries look for 'x' with a 'y' at distance d, reading
        // only inside the buffer.
        const ptrdiff_t d = round % 2 ? 0 : ptrdiff_t(rng() % 9) - 4;
        const size_t lo = d < 0 ? size_t(-d) : 0, hi = buf.size() - (d > 0 ? size_t(d) : 0);
        if (lo >= hi) continue;
        size_t from = lo + rng() % (hi - lo), to = lo + rng() % (hi - lo + 1);
        if (from > to) std::swap(from, to);
        const size_t stop = rng() % 6;  // 0: never stop
        std::vector<size_t> want;
        for (size_t i = from; i < to && (stop == 0 || want.size() < stop); ++i)
            if (buf[i] == 'x' && (d == 0 || buf[size_t(ptrdiff_t(i) + d)] == 'y')) want.push_back(i);
        for (const auto& [name, scan] : forms) {
            std::vector<size_t> seen;
            const bool stopped = scan(Query{buf.data(), from, to, d, &seen, stop});
            ASSERT_EQ(seen, want) << name << " " << round << " d=" << d;
            ASSERT_EQ(stopped, stop != 0 && want.size() == stop) << name << " " << round;
        }
    }
}

// The shared positions of a byte: the same visits as a scan, in order, for
// windows asked in any order; nothing for a byte whose positions are not
// kept or once a byte has too many positions (the caller then scans for
// itself).
TEST(BytePositions, SameVisitsAsAScan) {
    std::mt19937 rng(13);
    const char* bytes = "ab<\"J\n\xC3";
    for (int round = 0; round < 200; ++round) {
        std::vector<uint8_t> buf(5000);
        for (auto& c : buf) c = uint8_t(bytes[rng() % 7]);
        BytePositions positions;
        for (int query = 0; query < 12; ++query) {
            const uint8_t c = uint8_t(bytes[rng() % 7]);
            size_t from = rng() % buf.size(), to = rng() % (buf.size() + 1);
            if (from > to) std::swap(from, to);
            const size_t stop_after = rng() % 4;  // the visit that answers true, if any
            std::vector<size_t> seen, want;
            size_t n = 0;
            for (size_t i = from; i < to; ++i)
                if (buf[i] == c) {
                    want.push_back(i);
                    if (n++ == stop_after) break;
                }
            size_t calls = 0;
            auto got = positions.visit(buf.data(), c, from, to, [&](size_t i) {
                seen.push_back(i);
                return calls++ == stop_after;
            });
            const bool kept = std::string_view("<\"J\xC3").find(char(c)) != std::string_view::npos;
            ASSERT_EQ(got.has_value(), kept) << round << " " << query;
            if (!got) continue;
            EXPECT_EQ(seen, want) << round << " " << query;
            EXPECT_EQ(*got, want.size() == stop_after + 1) << round << " " << query;
        }
    }
}

TEST(BytePositions, NothingWhenTooMany) {
    std::vector<uint8_t> buf(4000, '<');
    BytePositions positions;
    EXPECT_FALSE(positions.visit(buf.data(), '<', 0, buf.size(), [](size_t) { return false; }));
    EXPECT_FALSE(positions.visit(buf.data(), '<', 0, 10, [](size_t) { return false; }));
    EXPECT_TRUE(positions.visit(buf.data(), 'J', 0, buf.size(), [](size_t) { return false; }));
}

// More positions of a kept byte than a slot holds, a common ('<') and a rare
// ('"') one: the searches scan for themselves and find a needle past them, in
// the search that runs out of room and in those after it.
TEST(BytePositions, SearchesPastTooManyPositions) {
    for (const std::string n : {"<x", "\"x"}) {
        std::string h(6000, 'a');
        for (size_t i = 0; i < 3000; i += 2) h[i] = n[0];
        h.replace(5000, 2, n);
        BytePositions shared;
        for (size_t end : {1000, 5001, 5000, 4999, 5999})
            EXPECT_EQ(range_contains(u(h), h.size(), 0, end, u(n), 2, &shared), end > 5000) << n << " " << end;
    }
}

// A needle ending in 00 bytes is found with them in the zero tail, up to the
// window's last byte; an empty needle (no bytes, no address) in any window.
TEST(Within, TrailingZerosInTheZeroTailAndEmptyNeedles) {
    std::vector<uint8_t> buf(64, 0);
    buf[9] = 'A';
    const DetectionProbe d(buf.data(), buf.size(), 10);
    EXPECT_TRUE(within(d.probe(), 0, 11, "41 00 00"_hex));
    EXPECT_FALSE(within(d.probe(), 0, 10, "41 00 00"_hex));
    EXPECT_TRUE(within(d.probe(), 0, 63, Needle(nullptr, 0)));
}

// Words in both byte orders from bytes that differ in every place, and 0 for
// each byte past the end, whatever stands in memory there.
TEST(Words, BothOrdersAndZeroPastTheEnd) {
    const uint8_t bytes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0xFF, 0xFF, 0xFF};
    const Probe b(bytes, 6);
    const std::array<uint32_t, 5> cases[] = {  // offset, u16le, u16be, u32le, u32be
        {0, 0x0201, 0x0102, 0x04030201, 0x01020304}, {3, 0x0504, 0x0405, 0x00060504, 0x04050600},
        {5, 0x0006, 0x0600, 0x00000006, 0x06000000}, {6, 0, 0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ((std::array<uint32_t, 5>{c[0], u16le(b, c[0]), u16be(b, c[0]), u32le(b, c[0]), u32be(b, c[0])}), c);
}
