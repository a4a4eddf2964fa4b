// The checks evaluated in a hand-written fast form, each against the check as
// its table writes it: plain byte comparisons at every position and the
// patterns as written. The buffers are random, built from the bytes each form
// cares about and placed against the edges of its windows.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "checks/checks.h"
#include "checks/first_bytes.h"

using namespace mime_magic;

namespace {

// A buffer read the plain way.
struct Plain {
    const uint8_t* p;
    size_t n;
    bool at(size_t off, std::string_view s, bool any_case = false) const {
        if (off > n || s.size() > n - off) return false;
        for (size_t i = 0; i < s.size(); ++i) {
            const uint8_t x = p[off + i], y = uint8_t(s[i]);
            if (any_case ? ascii_fold(x) != ascii_fold(y) : x != y) return false;
        }
        return true;
    }
    // The whole of s inside bytes first..last.
    bool within(size_t first, size_t last, std::string_view s, bool any_case = false) const {
        for (size_t q = first; q + s.size() <= last + 1; ++q)
            if (at(q, s, any_case)) return true;
        return false;
    }
    bool pattern(Pat id, size_t first = 0) const {
        return first < n && pattern_matches_as_written(id, p + first, n - first);
    }
};

// How the random buffers of one form are built: content of random length made
// of `filler` bytes, the rest 00; sometimes a lead at byte 0; then one to four
// atoms, each at random, starting or ending next to an edge (a window's first
// or last byte), or ending at the content's last byte. Letters of an atom may
// have their case swapped.
struct Recipe {
    size_t size;
    std::string filler;
    std::vector<std::string> leads, atoms;
    std::vector<size_t> edges;
};

std::vector<uint8_t> random_buffer(std::mt19937& rng, const Recipe& r) {
    std::vector<uint8_t> b(r.size, 0);
    const size_t len = rng() % 8 == 0 ? r.size : rng() % (r.size + 1);
    for (size_t i = 0; i < len; ++i) b[i] = uint8_t(r.filler[rng() % r.filler.size()]);
    auto put = [&](std::string a, size_t pos) {
        if (rng() % 3 == 0)
            for (char& c : a)
                if (std::isalpha(uint8_t(c)) && rng() % 2) c = char(c ^ 0x20);
        for (size_t i = 0; i < a.size() && pos <= r.size && pos + i < r.size; ++i) b[pos + i] = uint8_t(a[i]);
    };
    if (!r.leads.empty() && rng() % 2) put(r.leads[rng() % r.leads.size()], 0);
    for (int k = 1 + int(rng() % 4); k > 0; --k) {
        const std::string& a = r.atoms[rng() % r.atoms.size()];
        const size_t e = r.edges[rng() % r.edges.size()] + rng() % 3 - 1;
        switch (rng() % 4) {
            case 0: put(a, rng() % (len + 1)); break;
            case 1: put(a, e); break;
            case 2: put(a, e + 1 - a.size()); break;
            default: put(a, len - a.size()); break;
        }
    }
    return b;
}

using Check = bool (*)(const Probe&);

// The fast form answers as the plain one over the whole buffer as the detector
// sees it (its zero tail known) and, without that, over a prefix of random
// length; and where it holds, the walk does not pass it over for its first byte.
void same_answers(Check fast, const std::function<bool(const Plain&)>& plain, const Recipe& r,
                  int rounds = 2000) {
    std::mt19937 rng(16);
    const FirstBytes* first = first_bytes_of(fast);
    int held = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::vector<uint8_t> b = random_buffer(rng, r);
        const size_t cut = rng() % (b.size() + 1);
        const DetectionProbe detection(b.data(), b.size(), b.size());
        const bool got = fast(detection.probe());
        ASSERT_EQ(got, plain(Plain{b.data(), b.size()})) << "round " << round;
        ASSERT_EQ(fast(Probe(b.data(), cut)), plain(Plain{b.data(), cut})) << "round " << round << " cut " << cut;
        ASSERT_TRUE(!got || !first || first->allows(b[0])) << "round " << round;
        held += got;
    }
    EXPECT_GT(held, rounds / 10);  // both answers are common
    EXPECT_LT(held, rounds - rounds / 10);
}

}  // namespace

// Steps 10 and 11 are one pass over the colons of bytes 0..8192.
TEST(FastForms, MailHeaderLines) {
    static const std::pair<std::string_view, bool> kLines[] = {
        {"\ndate:", true},       {"\nDelivered-To:", false}, {"\nFrom:", true},      {"\nMessage-ID:", true},
        {"\nMIME-Version:", true}, {"\nReceived:", true},    {"\nRelay-Version:", true}, {"\nReturn-Path:", true},
        {"\nStatus:", false},    {"\nUser-Agent:", false},   {"\nX-Mailer:", false}, {"\nX-Originating-IP:", true}};
    auto plain = [](const Plain& b) {
        if (b.at(0, "Relay-Version:", true) || b.at(0, "#! rnews") || b.at(0, "N#! rnews") ||
            b.at(0, "Forward to") || b.at(0, "Pipe to") || b.at(0, "Return-Path:", true) ||
            b.at(0, "Message-ID:", true) || b.at(0, "X-Mailer:") ||
            (b.at(0, "X-Notes-Item:") && b.within(0, 8192, "Message-ID:")))
            return true;
        if (b.pattern(Pat::Rfc822_1))
            for (auto [line, any_case] : kLines)
                if (b.within(0, 8192, line, any_case)) return true;
        return b.within(0, 1000, "\nmessage-id:", true);
    };
    Recipe r{9000, "ab :\n", {"Relay-Version:", "#! rnews", "N#! rnews", "Forward to", "Pipe to", "Return-Path:",
                              "Message-ID:", "X-Mailer:", "X-Notes-Item:"},
             {"X-", "DKIM-", "ARC-", "Message-ID:", ":", "\n:", "\nmessage-id:", "\nmessage-id:"}, {0, 1000, 8192}};
    for (auto [line, any_case] : kLines) r.atoms.emplace_back(line);
    same_answers(checks::check_message_rfc822, plain, r);
    // No bytes at all: the pass reads none of them.
    EXPECT_FALSE(checks::check_message_rfc822(Probe(nullptr, 0)));
}

// Two byte searches rule out buffers that the pattern cannot match.
TEST(FastForms, MpegGate) {
    auto plain = [](const Plain& b) {
        if (b.at(0, "\xFF"))
            for (char c : std::string_view("\xE3\xF2\xF3\xF4\xF5\xF6\xF7\xFA\xFB\xFC\xFD\xFF"))
                if (b.at(1, std::string_view(&c, 1))) return true;
        return b.at(0, "ID3") || b.pattern(Pat::AudioMpeg1);
    };
    static const char kFiller[] = "\0\0\0a\r\n\xC3\xFFI";
    Recipe r{4096, std::string(kFiller, sizeof kFiller - 1), {"ID3"}, {}, {0}};
    for (int c = 0xE0; c <= 0xFF; ++c) r.leads.push_back({'\xFF', char(c)});
    const std::string befores[] = {"", "\r\n", "\n", std::string(1, '\0')};
    for (const char* frame : {"ID3", "ID", "\xC3\xBF\xC3", "\xC3\xBF\xC3\xA3", "\xC3\xBF\xC3\xB2", "\xC3\xBF\xC3\xBF",
                              "\xC3\xBF\xC3\xA4", "\xC3\xBF\xC3\xB1"})
        for (const std::string& before : befores) r.atoms.push_back(before + frame);
    same_answers(checks::check_audio_mpeg, plain, r, 1000);
}

// Byte 2 is tested before the pattern that scans the whole buffer.
TEST(FastForms, PortableMapOrder) {
    const Check fast[] = {checks::check_image_x_portable_bitmap, checks::check_image_x_portable_graymap,
                          checks::check_image_x_portable_pixmap};
    const Pat pat[] = {Pat::PortableBitmap1, Pat::PortableGraymap1, Pat::PortablePixmap1};
    Recipe r{512, "P456 \n\r\tx", {}, {"P1", "P2", "P3", "P4", "P5", "P6", "P7"}, {0, 2}};
    for (char kind = '1'; kind <= '7'; ++kind)
        for (char sep : {'\n', '\r', ' ', '\t', 'x', '\0'}) r.leads.push_back({'P', kind, sep});
    for (int k = 0; k < 3; ++k)
        same_answers(fast[k], [&](const Plain& b) {
            const bool sep = b.at(2, "\n") || b.at(2, "\r") || b.at(2, " ");
            return (b.at(0, std::string{'P', char('1' + k)}) && sep) || (b.pattern(pat[k]) && sep);
        }, r);
}

// The two GML 3.2 names begin with the GML name and are not searched.
TEST(FastForms, GmlNames) {
    const std::string gml = "http://www.opengis.net/gml";
    auto plain = [&](const Plain& b) {
        return looks_like_text(b.p, b.n) &&
               (b.within(0, 2048, gml, true) || b.within(0, 2048, gml + "/3.2", true) ||
                b.within(0, 2048, gml + "/3.2/exr", true));
    };
    Recipe r{4096, "a <>:/\"=\n", {"<?xml version=\"1.0\"?>", "abcdefghij", std::string("ab\0\0\0\0\0\0\0", 9),
                                   "abc \xC3\xA9", "\xEF\xBB\xBF<?xml"},
             {gml, gml + "/3.2", gml + "/3.2/exr", "http://www.opengis.net/gm", "\xC3\xA9"}, {2048}};
    same_answers(checks::check_application_gml_xml, plain, r);
}

// The fixed '45' at 20 is tested before the five-digit search.
TEST(FastForms, MarcOrder) {
    auto plain = [](const Plain& b) {
        return b.pattern(Pat::Marc1) && b.at(20, "45") &&
               (b.pattern(Pat::Marc2, 5) || b.pattern(Pat::Marc3, 5) || b.pattern(Pat::Marc4, 5) ||
                b.pattern(Pat::Marc5, 5) || b.pattern(Pat::Marc6, 5));
    };
    Recipe r{256, "b1 ", {"0123456789 123456789 45", "99999cz 1111 2222 3345 dw", "1111 2222 3333 4444 45"},
             {"12345", "1234", "45", "aeb", "cz", "nu", "dw", "cq", "xz", "pt"}, {5, 20}};
    same_answers(checks::check_application_marc, plain, r);
}

// Three needles searched together.
TEST(FastForms, WmvNeedles) {
    auto plain = [](const Plain& b) {
        return b.within(0, 8192, "Windows Media Video") || b.within(0, 8192, "VC-1 Advanced Profile") ||
               b.within(0, 8192, "wmv2");
    };
    Recipe r{9000, "a V", {}, {"Windows Media Video", "VC-1 Advanced Profile", "wmv2", "Windows Media", "wmv"},
             {8192}};
    same_answers(checks::check_video_x_ms_wmv, plain, r);
}
