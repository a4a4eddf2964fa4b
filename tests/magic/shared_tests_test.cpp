// The text heuristic, the XML root test and the bounded searches, at every
// length regime.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "search/byte_positions.h"
#include "vocabulary/shared_tests.h"

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
std::string letters(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += char('a' + i % 26);
    return s;
}

}  // namespace

TEST(LooksLikeText, ShortInputs) {
    EXPECT_TRUE(text(""));
    EXPECT_TRUE(text(std::string(3, '\0')));
    EXPECT_FALSE(text(std::string("\x80", 1)));
    EXPECT_FALSE(text(std::string("abc\0", 4)));
    EXPECT_TRUE(text("abcd"));
    EXPECT_TRUE(text("a\tb\nc\x0c\r "));
    EXPECT_FALSE(text("abc\x0b"));  // vertical tab is not white space here
    EXPECT_FALSE(text("abcdefg\x7f"));
}

TEST(LooksLikeText, LongInputs) {
    std::string s = letters(300);
    EXPECT_TRUE(text(s));
    std::string t = s;
    t[6] = '\0';
    EXPECT_FALSE(text(t));
    t = s;
    t[4] = char(0x80);
    EXPECT_FALSE(text(t));
    t = s;
    t[3] = ' ';
    t[20] = char(0xE9);
    EXPECT_FALSE(text(t));  // rejection rule
    t[3] = 'x';
    EXPECT_TRUE(text(t));
    t = s;
    t[3] = ' ';
    t[200] = char(0xE9);
    EXPECT_TRUE(text(t));  // past the 128 inspected bytes
    t = s;
    t[3] = ' ';
    t[127] = char(0xE9);
    EXPECT_FALSE(text(t));  // the last inspected byte
    // Byte-order marks and zero bytes among bytes 0..2 disable the rejection rule.
    std::string bom = "\xEF\xBB\xBFhello world \xC3\xA9\xC3\xA9 and more text here";
    EXPECT_TRUE(text(bom));
    for (size_t k = 0; k < 3; ++k) {
        t = s;
        t[3] = ' ';
        t[40] = char(0xE9);
        t[k] = '\0';
        EXPECT_TRUE(text(t)) << k;
    }
    // Bytes 9.. matter only through the rejection rule.
    t = s;
    t[9] = '\0';
    EXPECT_TRUE(text(t));
    // UTF-16 text of ASCII characters is never text.
    std::string utf16;
    for (char c : letters(40)) utf16 += std::string{c, '\0'};
    EXPECT_FALSE(text(utf16));
}

TEST(XmlRootMatches, NeedlesAndWindow) {
    std::string pad = letters(100) + " ";
    EXPECT_TRUE(xml(pad + "<svg width='1'>", "svg"));
    EXPECT_TRUE(xml(pad + "<SVG width='1'>", "svg"));
    EXPECT_TRUE(xml(pad + "<svg:svg xmlns:svg='x'>", "svg"));
    EXPECT_TRUE(xml(pad + "<x:svg xmlns:x='x'>", "svg"));
    EXPECT_FALSE(xml(pad + "<svg>", "svg"));
    EXPECT_FALSE(xml(std::string("abcde\0ghij<svg ", 15), "svg"));  // not text
    EXPECT_FALSE(xml("", "svg"));

    std::string base(4096, ' ');
    base.replace(0, 10, "abcdefghij");
    std::string end_at_2048 = base;
    end_at_2048.replace(2048 - 4, 5, "<svg ");  // occupies 2044..2048
    EXPECT_TRUE(xml(end_at_2048, "svg"));
    std::string end_at_2049 = base;
    end_at_2049.replace(2045, 5, "<svg ");  // occupies 2045..2049
    EXPECT_FALSE(xml(end_at_2049, "svg"));
    // The window shrinks with the input: an occurrence ending at the last byte counts.
    EXPECT_TRUE(xml("abcdefghij<svg ", "svg"));
}

TEST(RangeContains, WindowRule) {
    std::string s(10000, 'x');
    std::string t = s;
    t.replace(8192 - 4, 5, "hello");  // ends at 8192
    EXPECT_TRUE(contains(t, 0, 8192, "hello"));
    t = s;
    t.replace(8193 - 4, 5, "hello");  // ends at 8193
    EXPECT_FALSE(contains(t, 0, 8192, "hello"));
    t = s;
    t.replace(31, 5, "hello");
    EXPECT_FALSE(contains(t, 32, 8192, "hello"));
    EXPECT_TRUE(contains(t, 31, 35, "hello"));
    EXPECT_FALSE(contains(t, 31, 34, "hello"));
    EXPECT_FALSE(contains(t, 10000, 20000, "x"));  // start past the end
    EXPECT_TRUE(contains(t, 9999, 20000, "x"));    // end past the end is clipped
    EXPECT_FALSE(contains(t, 36, 30, "x"));        // empty window
    EXPECT_FALSE(contains(t, 31, 8192, "HELLO"));
    EXPECT_TRUE(contains_any_case(t, 31, 8192, "HELLO"));
    // Folding is ASCII only: bytes 0x80 and above must be equal.
    std::string hi = "ab\xC3\xA9" "cd";
    EXPECT_TRUE(contains_any_case(hi, 0, 10, "AB\xC3\xA9"));
    EXPECT_FALSE(contains_any_case(hi, 0, 10, "AB\xC3\x89"));
    EXPECT_FALSE(contains_any_case("a[b", 0, 10, "{"));  // '[' and '{' differ
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

// The shared XML root search gives the answers of the plain one.
TEST(XmlRootIndex, SameAnswersAsThePlainTest) {
    std::mt19937 rng(5);
    const std::vector<std::string> atoms = {"<", ":", " ", "svg", "SVG", "s", "v", "g", " xmlns", "x",
                                            "html", "<html ", "svg:svg ", ":svg xmlns", "\n", "\xE9", "a"};
    const char* roots[] = {"svg", "html", "s", "x", "MD_metadata"};
    for (int round = 0; round < 400; ++round) {
        size_t len = std::uniform_int_distribution<size_t>(0, 2200)(rng);
        std::string s = round % 3 ? "abcdefghij" : "";
        while (s.size() < len) s += atoms[rng() % atoms.size()];
        if (round % 5 == 0 && s.size() > 2044) s.replace(2044, 5, "<svg ");
        mime_magic::XmlRootIndex index;
        for (const char* r : roots)
            ASSERT_EQ(index.matches(u(s), s.size(), r), xml(s, r)) << round << " " << r;
    }
}

// The bounded searches against a plain scan, on random haystacks and needles
// drawn from a small alphabet (so that near misses are frequent).
TEST(RangeContains, SameAnswersAsAPlainScan) {
    std::mt19937 rng(11);
    const std::string alphabet("aAbB:<\"o \n\0\xFF", 12);
    auto naive = [](const std::string& h, size_t s, size_t e, const std::string& n, bool fold) {
        if (s >= h.size()) return false;
        size_t last = std::min(e, h.size() - 1);
        if (last < s || n.size() > last - s + 1) return false;
        for (size_t p = s; p + n.size() - 1 <= last; ++p) {
            bool eq = true;
            for (size_t k = 0; k < n.size() && eq; ++k)
                eq = fold ? ascii_fold(uint8_t(h[p + k])) == ascii_fold(uint8_t(n[k])) : h[p + k] == n[k];
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

// The shared positions of a byte: the same visits as a scan, in order, for
// windows asked in any order; nothing once a byte has too many positions or
// every slot is taken (the caller then scans for itself).
TEST(BytePositions, SameVisitsAsAScan) {
    std::mt19937 rng(13);
    for (int round = 0; round < 200; ++round) {
        std::vector<uint8_t> buf(5000);
        for (auto& c : buf) c = uint8_t("ab<\"J\n"[rng() % 6]);
        BytePositions positions;
        for (int query = 0; query < 12; ++query) {
            const uint8_t c = uint8_t("ab<\"J\n"[rng() % 6]);
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
            if (!got) continue;  // too many positions of c: not kept
            EXPECT_EQ(seen, want) << round << " " << query;
            EXPECT_EQ(*got, want.size() == stop_after + 1) << round << " " << query;
        }
    }
}

TEST(BytePositions, NothingWhenTooManyOrNoSlotLeft) {
    std::vector<uint8_t> buf(4000, 'a');
    BytePositions positions;
    EXPECT_FALSE(positions.visit(buf.data(), 'a', 0, buf.size(), [](size_t) { return false; }));
    EXPECT_FALSE(positions.visit(buf.data(), 'a', 0, 10, [](size_t) { return false; }));
    for (uint8_t c = 'b'; c < 'b' + 5; ++c)  // five more bytes take the other slots
        EXPECT_TRUE(positions.visit(buf.data(), c, 0, buf.size(), [](size_t) { return false; }));
    EXPECT_FALSE(positions.visit(buf.data(), 'z', 0, buf.size(), [](size_t) { return false; }));
    // A byte with few positions is served from its slot.
    buf[100] = 'b';
    BytePositions fresh;
    size_t at = 0;
    EXPECT_EQ(fresh.visit(buf.data(), 'b', 0, buf.size(), [&](size_t i) { at = i; return true; }),
              std::optional<bool>(true));
    EXPECT_EQ(at, 100u);
}
