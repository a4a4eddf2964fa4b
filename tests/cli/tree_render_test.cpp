// The tree form of reports built in memory: connectors, prefixes, names and
// class texts, and the size text against the C library's rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "render_fixtures.h"
#include "tree.h"

using namespace tarvik;
using tarvik::cli::human_size;
using tarvik::cli::render_tree;

TEST(TreeRender, ConnectorsPrefixesAndLines) {
    Artefact xpc = fixtures::directory("r/a/2", composite::Bundle{BundleKind::Xpc},
                                       {fixtures::file("r/a/2/z", 0, atomic::FatMacho{})});
    xpc.size = 4096;  // never shown for a directory
    // Children keep their stored order; names come from the paths' final
    // components, "?" when there is none or it is not UTF-8.
    const Artefact root = fixtures::directory(
        ".", composite::AmbiguousDirectory{},
        {fixtures::plain_directory("r/a", {fixtures::file("r/a/1", 1, atomic::OtherText{}), xpc}),
         fixtures::file("./a\xff", 5, atomic::OtherBinary{}),
         fixtures::plain_directory("r/b/", {fixtures::plain_directory("r/b/only/.", {fixtures::file(
                                                "r/b/only/t\tn\n", 1024, atomic::PropertyList{PlistFormat::Binary})})})});
    EXPECT_EQ(render_tree(root),
              "?\t[AmbiguousDirectory]\n"
              "├── a\n"
              "│   ├── 1\t[OtherText] (1 B)\n"
              "│   └── 2\t[Bundle(Xpc)]\n"
              "│       └── z\t[FatMacho] (0 B)\n"
              "├── ?\t[OtherBinary] (5 B)\n"
              "└── b\n"
              "    └── only\n"
              "        └── t\tn\n\t[PropertyList(Binary)] (1.0 KB)\n");
    EXPECT_EQ(render_tree(fixtures::file("some/dir/x.zip", 50000, atomic::Archive{ArchiveKind::Zip})),
              "x.zip\t[Archive(Zip)] (48.8 KB)\n");
    EXPECT_EQ(render_tree(fixtures::plain_directory("empty")), "empty\n");
}

TEST(TreeRender, NamesFromPaths) {
    const std::pair<std::string, std::string> cases[] = {
        {"Demo.app", "Demo.app"}, {"Demo.app/", "Demo.app"}, {"a/b/.", "b"}, {"a/b/./", "b"},
        {"a//b//", "b"},          {"./a", "a"},              {"/abs/x", "x"}, {"...", "..."},
        {".hidden", ".hidden"},   {"a/./b/./.", "b"},        {".", "?"},      {"./", "?"},
        {"", "?"},                {"/", "?"},                {"//", "?"},     {"..", "?"},
        {"a/..", "?"},            {"a/../", "?"},            {"a/../.", "?"}, {"d/a\xff" "b", "?"},
        {"\xff/ok", "ok"},        {"d/\xc3\xa9t\xc3\xa9", "\xc3\xa9t\xc3\xa9"},
    };
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(cli::describe_node(fixtures::plain_directory(path)).name, name) << path;
        EXPECT_EQ(cli::describe_node(fixtures::file(path, 0, atomic::Unknown{})).name, name) << path;
    }
}

TEST(HumanSize, Table) {
    const std::pair<uint64_t, const char*> cases[] = {
        {0, "0 B"}, {1023, "1023 B"}, {1024, "1.0 KB"}, {1048575, "1024.0 KB"}, {1048576, "1.0 MB"},
        {1075, "1.0 KB"},  // 1.0498..., just below the half
        {1076, "1.1 KB"},  // 1.0507..., just above it
        {1280, "1.2 KB"},  // 1.25, a tie: to the even digit
        {1792, "1.8 KB"},  // 1.75, a tie: to the even digit
        {10189, "10.0 KB"},  // 9.9501... rounds up across a decade
        {1073741823, "1024.0 MB"}, {1073741824, "1.0 GB"},
        {(uint64_t(1) << 53) + 1, "8388608.0 GB"},  // converted to binary64 first
        {18446744073709551615ull, "17179869184.0 GB"},
    };
    for (const auto& [n, text] : cases) EXPECT_EQ(human_size(n), text) << n;
}

// The C library's "%.1f" rounds the exact binary value with ties to even;
// it serves as an independent check over many counts.
TEST(HumanSize, AgreesWithCorrectlyRoundedPrintf) {
    auto oracle = [](uint64_t n) {
        if (n < 1024) return std::to_string(n) + " B";
        const int shift = n < (1u << 20) ? 10 : n < (1u << 30) ? 20 : 30;
        const char* unit = shift == 10 ? " KB" : shift == 20 ? " MB" : " GB";
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.1f%s", std::ldexp(double(n), -shift), unit);
        return std::string(buf);
    };
    for (uint64_t n = 0; n < 40000; ++n) ASSERT_EQ(human_size(n), oracle(n)) << n;
    std::mt19937_64 rng(12345);
    for (int i = 0; i < 30000; ++i) {
        const uint64_t n = rng() >> (rng() % 64);
        ASSERT_EQ(human_size(n), oracle(n)) << n;
    }
}
