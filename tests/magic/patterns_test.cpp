// The compiled patterns: their meaning over raw bytes, their spans, and the
// equivalence of the fast forms with the patterns as written.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "patterns/patterns.h"
#include "vocabulary/vocab.h"

using namespace mime_magic;

namespace {

constexpr size_t kLen = 131072;

// A detection buffer: `head` at `offset`, zeros elsewhere.
std::vector<uint8_t> buffer(const std::string& head, size_t offset = 0) {
    std::vector<uint8_t> b(kLen, 0);
    std::copy(head.begin(), head.end(), b.begin() + long(offset));
    return b;
}

// Runs `f` with a detection's probe of `b`, so that the zero tail is known
// as it is in the detector.
template <class F>
bool in_detection(const std::vector<uint8_t>& b, F f) {
    const DetectionProbe detection(b.data(), b.size(), b.size());
    return f(detection.probe());
}

bool whole(Pat id, const std::string& head, size_t offset = 0) {
    auto b = buffer(head, offset);
    bool fast = in_detection(b, [&](const Probe& buf) { return pattern(buf, id); });
    // Every case here also checks the fast form against the pattern as written.
    EXPECT_EQ(fast, pattern_matches_as_written(id, b.data(), b.size())) << head;
    return fast;
}

bool over(Pat id, const std::string& head, size_t first, size_t last = kLen - 1, size_t offset = 0) {
    auto b = buffer(head, offset);
    bool fast = in_detection(b, [&](const Probe& buf) { return pattern_over(buf, id, first, last); });
    EXPECT_EQ(fast, pattern_matches_as_written(id, b.data() + first, last - first + 1)) << head;
    // Again after a search of the whole buffer in the same detection: what it
    // left in the caches counts from the buffer's start, not the span's.
    bool after_whole = in_detection(b, [&](const Probe& buf) {
        pattern(buf, id);
        return pattern_over(buf, id, first, last);
    });
    EXPECT_EQ(after_whole, fast) << head << " (after the whole buffer)";
    return fast;
}

}  // namespace

TEST(Patterns, AudioMpeg) {
    EXPECT_FALSE(whole(Pat::AudioMpeg1, "\r\n\xFF\xFB"));
    EXPECT_TRUE(whole(Pat::AudioMpeg1, "\r\n\xC3\xBF\xC3\xBB"));
    EXPECT_TRUE(whole(Pat::AudioMpeg1, std::string("abc\0\0ID3", 8), 5000));
    EXPECT_FALSE(whole(Pat::AudioMpeg1, "ID3\x03"));  // nothing stands before it
    EXPECT_TRUE(whole(Pat::AudioMpeg1, std::string("x\0\xC3\xBF\xC3\xA3", 7)));
    EXPECT_FALSE(whole(Pat::AudioMpeg1, std::string("x\0\xC3\xBF\xC3\xA4", 7)));
}

TEST(Patterns, AudioAac) {
    EXPECT_FALSE(whole(Pat::AudioAac1, "\xFF\xF1\x50\x80\x00\x1F\xFC"));
    EXPECT_TRUE(whole(Pat::AudioAac1, std::string("\xC3\xBF\xC3\xB1\x50\xC2\x80\x00", 8)));
    // The last character may be the first zero of the tail.
    EXPECT_TRUE(whole(Pat::AudioAac1, "\xC3\xBF\xC3\xB1\x50"));
    EXPECT_TRUE(over(Pat::AudioAac1, "\xC3\xBF\xC3\xB1\x50", 256, 2048, 2043));
    EXPECT_FALSE(over(Pat::AudioAac1, "\xC3\xBF\xC3\xB1\x50\x01", 256, 2048, 2044));
}

TEST(Patterns, MsNls) {
    EXPECT_TRUE(whole(Pat::MsNls2, "\x44\x43\x41\x01"));
    EXPECT_TRUE(whole(Pat::MsNls2, "\x44\x43\xC3\xA9\x01"));
    EXPECT_FALSE(whole(Pat::MsNls2, "\x44\x43\xFF\x01"));
    EXPECT_FALSE(whole(Pat::MsNls2, std::string("\x44\x43\xC3\xA9\x00\x01", 6)));
    EXPECT_TRUE(whole(Pat::MsNls2, "\x44\x43\n\x01"));  // (?s): LF is a character
    std::string nls = std::string("\x0D") + std::string(51, 'a') + std::string("\x0C\x00\x0D\x00\x0E", 5);
    EXPECT_TRUE(whole(Pat::MsNls1, nls));
    std::string wide = std::string("\x0D") + std::string(49, 'a') + "\xC3\xA9" + std::string("\x0C\x00\x0D\x00\x0E", 5);
    EXPECT_FALSE(whole(Pat::MsNls1, wide));  // 50 characters only
    EXPECT_TRUE(whole(Pat::MsNls1, std::string("\x0D") + std::string(50, 'a') + "\xC3\xA9" +
                                       std::string("\x0C\x00\x0D\x00\x0E", 5)));
    EXPECT_FALSE(whole(Pat::MsNls1, "x" + nls));  // anchored at byte 0
}

TEST(Patterns, TgaSetOfSingleBytes) {
    // Any file shorter than the buffer ends in zeros, and 00 is in the set.
    EXPECT_TRUE(over(Pat::Tga1, "abc", 8));
    // A full buffer holds when one member lies from byte 8 on, also after an
    // invalid byte.
    auto full = [](size_t at, const std::string& bytes) {
        std::vector<uint8_t> b(kLen, 'a');
        std::copy(bytes.begin(), bytes.end(), b.begin() + long(at));
        const bool fast = in_detection(b, [](const Probe& buf) { return pattern_over(buf, Pat::Tga1, 8); });
        EXPECT_EQ(fast, pattern_matches_as_written(Pat::Tga1, b.data() + 8, kLen - 8));
        return fast;
    };
    EXPECT_FALSE(full(0, ""));
    EXPECT_TRUE(full(100, "."));
    EXPECT_TRUE(full(100, "\xFFT"));
    EXPECT_FALSE(full(7, "T"));  // before the span
}

TEST(Patterns, TouhouFatBzip2Portable) {
    EXPECT_TRUE(over(Pat::Touhou1, std::string(3, 'a') + "|", 3, kLen - 1, 0));
    EXPECT_FALSE(over(Pat::Touhou1, "|ab", 3));
    auto fat = [](const std::string& head, size_t at) { return over(Pat::FatDiskimage1, head, 14, kLen - 1, at); };
    EXPECT_TRUE(fat(" @", 14));
    EXPECT_TRUE(fat("x80", 14));
    EXPECT_TRUE(fat("\x10", 14));
    EXPECT_FALSE(fat(" a@", 14));
    EXPECT_FALSE(fat(" ", 14));
    EXPECT_FALSE(fat("\xC2\x80", 14));
    EXPECT_FALSE(fat("\x01", 13));
    EXPECT_TRUE(whole(Pat::Bzip2_1, "BZh9", 5000));
    EXPECT_FALSE(whole(Pat::Bzip2_1, "BZh0"));
    EXPECT_TRUE(whole(Pat::PortableBitmap1, "xxP4", 70000));
    EXPECT_FALSE(whole(Pat::PortableGraymap1, "P 5"));
    EXPECT_TRUE(whole(Pat::PortablePixmap1, "P6"));
}

TEST(Patterns, MatlabSpans) {
    // Pattern 3: LF at byte 119 and '%' at 120 holds; '%' at 121 fails.
    std::string p3 = std::string("%") + std::string(118, 'a') + "\n%";
    EXPECT_TRUE(over(Pat::Matlab3, p3, 0, 120));
    EXPECT_FALSE(over(Pat::Matlab3, std::string("%") + std::string(119, 'a') + "\n%", 0, 120));
    EXPECT_TRUE(over(Pat::Matlab3, "% a\n%", 0, 120));
    EXPECT_TRUE(over(Pat::Matlab4, "% a\r%", 0, 120));
    // Pattern 5: '%%' and printable bytes through byte 120, the span's end.
    EXPECT_TRUE(over(Pat::Matlab5, "%%" + std::string(119, 'a'), 0, 120));
    EXPECT_FALSE(over(Pat::Matlab5, "%%" + std::string(50, 'a') + "\n" + std::string(68, 'a'), 0, 120));
    EXPECT_FALSE(over(Pat::Matlab5, "%%" + std::string(118, 'a') + "\n", 0, 120));  // $ not before a final LF
    EXPECT_FALSE(over(Pat::Matlab5, "%%abc", 0, 120));
    EXPECT_TRUE(whole(Pat::Matlab1, "x function f_1 = 3"));
    EXPECT_TRUE(whole(Pat::Matlab1, "function f\xC2\xA0="));  // U+00A0 is white space
    EXPECT_FALSE(whole(Pat::Matlab1, "function 1f = 3"));
    EXPECT_TRUE(whole(Pat::Matlab2, "function abc\r\n"));
    EXPECT_FALSE(whole(Pat::Matlab2, "function abc \n"));
}

TEST(Patterns, DxfSpans) {
    // Pattern 2 over 12..60: the final LF at byte 60 holds, at 61 fails.
    std::string h = "2\nHEADER\n";  // 9 bytes
    EXPECT_TRUE(over(Pat::DxfAscii2, h, 12, 60, 52));
    EXPECT_FALSE(over(Pat::DxfAscii2, h, 12, 60, 53));
    EXPECT_TRUE(over(Pat::DxfAscii2, "2\r\nENTITIES\r\n", 12, 60, 12));
    EXPECT_TRUE(over(Pat::DxfAscii1, "  0\nSECTION\n", 0, 32));
    EXPECT_TRUE(over(Pat::DxfAscii1, "999\ncomment\n0\r\nSECTION\r\n", 0, 32));
    EXPECT_FALSE(over(Pat::DxfAscii1, std::string(25, ' ') + "0\nSECTION\n", 0, 32));
}

TEST(Patterns, TextAndMarkup) {
    EXPECT_TRUE(whole(Pat::Plain1, "abcdefg"));
    for (char bad : {'\t', '\n', '\r', '\0'}) EXPECT_FALSE(whole(Pat::Plain1, "abc" + std::string(1, bad) + "efg"));
    EXPECT_FALSE(whole(Pat::Plain1, "abc\xC2\x80" "defg"));
    EXPECT_FALSE(whole(Pat::Plain1, "abcdef"));  // the seventh byte is 00
    EXPECT_TRUE(whole(Pat::Html1, "xx<HtMl>"));
    EXPECT_TRUE(whole(Pat::Html1, "<div "));
    EXPECT_TRUE(whole(Pat::Html1, "x<TiTlE>"));
    EXPECT_FALSE(whole(Pat::Html1, "<divx"));
    EXPECT_TRUE(whole(Pat::Html2, "<H2>"));
    EXPECT_FALSE(whole(Pat::Html2, "<h4>"));
    EXPECT_TRUE(whole(Pat::Rfc822_1, "DKIM-Signature", 90000));
    EXPECT_FALSE(whole(Pat::Rfc822_1, "DKIMSignature"));
    EXPECT_TRUE(whole(Pat::Uuencode1, "begin 644 "));
    EXPECT_FALSE(whole(Pat::Uuencode1, " begin 644 "));
    EXPECT_TRUE(over(Pat::Pdf1, "abc %%", 0, 128));
    EXPECT_TRUE(over(Pat::Pdf1, std::string(127, 'a') + "%%", 0, 128));  // ends at byte 128
    EXPECT_FALSE(over(Pat::Pdf1, std::string(128, 'a') + "%%", 0, 128));
    EXPECT_FALSE(over(Pat::Pdf1, "ab\n%%", 0, 128));
    EXPECT_TRUE(over(Pat::IllustratorPs1, "\n%AI5_FileFormat 3\r", 0, 8192));
    EXPECT_FALSE(over(Pat::IllustratorPs1, "\n%AI5_FileFormat 5\r", 0, 8192));
}

TEST(Patterns, DigitsAndHprof) {
    EXPECT_TRUE(whole(Pat::Marc1, "ab01234"));
    EXPECT_FALSE(whole(Pat::Marc1, "0123a4"));
    EXPECT_FALSE(whole(Pat::Marc1, "0123\xD9\xA1"));  // [0-9] is ASCII only
    EXPECT_TRUE(over(Pat::Marc2, "xxxxxaeb", 5));
    EXPECT_FALSE(over(Pat::Marc2, "aeb", 5));
    EXPECT_TRUE(whole(Pat::JavaHprof1, std::string("JAVA PROFILE 1.0.2\0", 19)));
    EXPECT_TRUE(whole(Pat::JavaHprofText1, "JAVA PROFILE 1.\xD9\xA1.2,"));  // Arabic-Indic one
    EXPECT_FALSE(whole(Pat::JavaHprofText1, "JAVA PROFILE 1.x.2,"));
    EXPECT_TRUE(whole(Pat::IsacFcs1, "FCS3.0    x"));
    EXPECT_FALSE(whole(Pat::IsacFcs1, "FCS4.0    x"));
}

TEST(Patterns, GraphvizWordBoundaryAndUtf8) {
    EXPECT_TRUE(whole(Pat::Graphviz1, "  strict digraph G {"));
    EXPECT_TRUE(whole(Pat::Graphviz1, "graph"));  // followed by 00: a boundary
    EXPECT_TRUE(whole(Pat::Graphviz1, "graph-x"));
    EXPECT_FALSE(whole(Pat::Graphviz1, "graphs"));
    EXPECT_FALSE(whole(Pat::Graphviz1, "graph\xC3\xA9"));    // é is alphabetic
    EXPECT_FALSE(whole(Pat::Graphviz1, "graph\xCC\x81"));    // a combining mark
    EXPECT_FALSE(whole(Pat::Graphviz1, "graph\xD9\xA1"));    // a decimal digit
    EXPECT_FALSE(whole(Pat::Graphviz1, "graph\xE2\x80\x8D"));  // zero width joiner
    EXPECT_TRUE(whole(Pat::Graphviz1, "graph\xE2\x80\x8B"));   // zero width space is not a word character
    EXPECT_TRUE(whole(Pat::Graphviz1, "\xC2\x85graph {"));    // U+0085 is white space
    EXPECT_TRUE(whole(Pat::Graphviz2, "// one\n  // two\ndigraph x"));
    std::string eleven;
    for (int i = 0; i < 11; ++i) eleven += "//c\n";
    EXPECT_FALSE(whole(Pat::Graphviz2, eleven + "graph x"));
    EXPECT_TRUE(whole(Pat::Graphviz3, "/* a\n b */ graph x"));
    EXPECT_TRUE(whole(Pat::Graphviz3, "/**/graph x"));
    EXPECT_FALSE(whole(Pat::Graphviz3, "/* a \xFF b */ graph x"));  // invalid UTF-8 in the comment
    EXPECT_FALSE(whole(Pat::Graphviz3, "/*" + std::string(1025, 'c') + "*/graph x"));
    EXPECT_TRUE(whole(Pat::Graphviz3, "/*" + std::string(1024, 'c') + "*/graph x"));
    std::string widest;  // 1024 characters of four bytes: the longest comment there can be
    for (int i = 0; i < 1024; ++i) widest += "\xF0\x9F\x98\x80";
    EXPECT_TRUE(whole(Pat::Graphviz3, "/*" + widest + "*/graph x"));
    EXPECT_FALSE(whole(Pat::Graphviz3, "/*" + widest + "c*/graph x"));
}

// The fast forms (rewritten patterns, spans cut at the zero tail) against the
// patterns as written, on random buffers built from the bytes the patterns
// care about.
TEST(Patterns, FastFormsEqualPatternsAsWritten) {
    std::mt19937 rng(12345);
    const std::vector<std::string> atoms = {
        std::string(1, '\0'), std::string(3, '\0'), "\r\n", "\r", "\n", " ", "\t", "ID3", "\xC3\xBF",
        "\xC3\xBB", "\xC3\xA3", "\xC3\xB1", "\xC2\x80", "\xFF", "\xF1", "\x80", "P4", "P5", "P6", "BZh",
        "7", "0", "12345", "X-", "ARC", "DKIM-", "<html ", "<H1>", "<div>", "%%", "%", "graph", "di",
        "strict", "//", "/*", "*/", "function f", " = ", "begin 644 ", "JAVA PROFILE 1.0.2", ",", ".",
        "FCS3.0    ", "\x01", "\x02", "\x04", "\x08", "\x10", " @", "x80", "|", "r", "T", "-", "E",
        "0\nSECTION\n", "2\nHEADER\n", "999\n", "\x0D", "\x0C", "\x0E", "DC", "\xD9\xA1", "\xCC\x81",
        "aeb", "cz", "nu", "dw", "cq", "%AI5_FileFormat 2", "abc", "\xE2\x80\xA8", "<", "<title>",
        "<TITLE ", "<Div>", "<dIV", "<h2 ", "<H3>", "<h4>", "<hEaD ", "<BODY>", "\xC4\xB0", "\xC4\xB1",
        "\xE2\x84\xAA", "\xC5\xBF", "digraph", "\xC2\x85", "\xC2\xA0", "strict ", "graph {"};
    // Starts that bring the anchored patterns past their first steps.
    const std::vector<std::string> leads = {
        "", " ", "\n", "\t\r\n ", "\xC2\x85", "\xE3\x80\x80", "//", "// c\n", "//x\n  ", "/*", "/* c */",
        "*/", "/* \xFF */", "strict", "digraph", "graph", "g", "\xC3\xA9", "\n//\n", "/**/", "\x00",
        "graphs", "graph_", "digraph9", "graph-", "strictly", "strict\xC2\xA0", "strict\n", "graph\xC3\xA9"};
    struct Span {
        Pat id;
        size_t first, last;
    };
    std::vector<Span> spans;
    for (size_t i = 0; i < kPatternCount; ++i) spans.push_back({Pat(i), 0, kLen - 1});
    const Span special[] = {{Pat::IllustratorPs1, 0, 8192}, {Pat::Marc2, 5, kLen - 1},
                            {Pat::Pdf1, 0, 128},            {Pat::FatDiskimage1, 14, kLen - 1},
                            {Pat::Touhou1, 3, kLen - 1},    {Pat::AudioAac1, 256, 2048},
                            {Pat::DxfAscii1, 0, 32},        {Pat::DxfAscii2, 12, 60},
                            {Pat::Tga1, 8, kLen - 1},       {Pat::Matlab3, 0, 120},
                            {Pat::Matlab5, 0, 120}};
    spans.insert(spans.end(), std::begin(special), std::end(special));

    std::vector<uint8_t> b(kLen);
    for (int round = 0; round < 120; ++round) {
        std::fill(b.begin(), b.end(), 0);
        size_t len = std::uniform_int_distribution<size_t>(0, 3000)(rng);
        if (round % 40 == 0) len = kLen;  // a full buffer
        size_t pos = 0;
        if (round % 2 == 1)
            for (int k = int(rng() % 5); k > 0; --k)
                for (char c : leads[rng() % leads.size()])
                    if (pos < len) b[pos++] = uint8_t(c);
        while (pos < len) {
            const std::string& a = atoms[rng() % atoms.size()];
            for (char c : a)
                if (pos < len) b[pos++] = uint8_t(c);
        }
        for (const Span& s : spans) {
            bool fast = in_detection(b, [&](const Probe& buf) { return pattern_over(buf, s.id, s.first, s.last); });
            bool slow = pattern_matches_as_written(s.id, b.data() + s.first, s.last - s.first + 1);
            ASSERT_EQ(fast, slow) << "pattern " << int(s.id) << " round " << round;
        }
        // The patterns searched in one scan answer as the two apart.
        for (auto [both, one, two] : {std::tuple{Pat::Html1or2, Pat::Html1, Pat::Html2},
                                      std::tuple{Pat::Matlab1or2, Pat::Matlab1, Pat::Matlab2}})
            ASSERT_EQ(in_detection(b, [id = both](const Probe& buf) { return pattern(buf, id); }),
                      pattern_matches_as_written(one, b.data(), kLen) ||
                          pattern_matches_as_written(two, b.data(), kLen))
                << "pattern " << int(both) << " round " << round;
    }
}
