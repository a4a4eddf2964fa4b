// The tree form of a report: lines, connectors, prefixes, names and sizes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "render_fixtures.h"
#include "tree.h"

using namespace tarvik;
using tarvik::cli::human_size;
using tarvik::cli::render_tree;

namespace {

Artefact demo_app() {
    return fixtures::directory(
        "Demo.app", composite::Bundle{BundleKind::App},
        {fixtures::plain_directory(
            "Demo.app/Contents",
            {fixtures::plain_directory("Demo.app/Contents/MacOS",
                                       {fixtures::file("Demo.app/Contents/MacOS/Demo", 2500000,
                                                       fixtures::macho64le())}),
             fixtures::file("Demo.app/Contents/Info.plist", 1280, atomic::XmlDescriptor{})})});
}

}  // namespace

TEST(TreeRender, ApplicationBundle) {
    EXPECT_EQ(render_tree(demo_app()),
              "Demo.app\t[Bundle(App)]\n"
              "\u2514\u2500\u2500 Contents\n"
              "    \u251c\u2500\u2500 MacOS\n"
              "    \u2502   \u2514\u2500\u2500 Demo\t[StandaloneMacho { arch_word: Bits64, endianness: "
              "Little, kind: UnknownKind }] (2.4 MB)\n"
              "    \u2514\u2500\u2500 Info.plist\t[XmlDescriptor] (1.2 KB)\n");
}

TEST(TreeRender, RegularFileRoot) {
    EXPECT_EQ(render_tree(fixtures::file("x.zip", 50000, atomic::Archive{ArchiveKind::Zip})),
              "x.zip\t[Archive(Zip)] (48.8 KB)\n");
    EXPECT_EQ(render_tree(fixtures::file("some/dir/s.sh", 12, atomic::Shebang{})),
              "s.sh\t[Shebang { interpreter: None }] (12 B)\n");
}

TEST(TreeRender, EmptyDirectoryRoots) {
    EXPECT_EQ(render_tree(fixtures::plain_directory("empty")), "empty\n");
    EXPECT_EQ(render_tree(fixtures::directory("F.framework", composite::Bundle{BundleKind::Framework})),
              "F.framework\t[Bundle(Framework)]\n");
    EXPECT_EQ(render_tree(fixtures::directory("amb", composite::AmbiguousDirectory{})),
              "amb\t[AmbiguousDirectory]\n");
}

TEST(TreeRender, PrefixesBelowMiddleAndLastChildren) {
    const Artefact root = fixtures::plain_directory(
        "r", {fixtures::plain_directory("r/a", {fixtures::file("r/a/1", 1, atomic::OtherText{}),
                                                fixtures::plain_directory("r/a/2", {fixtures::file(
                                                                          "r/a/2/z", 0, atomic::FatMacho{})})}),
              fixtures::plain_directory("r/b", {fixtures::plain_directory("r/b/only", {fixtures::file(
                                                                            "r/b/only/f", 1024, atomic::CmsBlob{})})})});
    EXPECT_EQ(render_tree(root),
              "r\n"
              "├── a\n"
              "│   ├── 1\t[OtherText] (1 B)\n"
              "│   └── 2\n"
              "│       └── z\t[FatMacho] (0 B)\n"
              "└── b\n"
              "    └── only\n"
              "        └── f\t[CmsBlob] (1.0 KB)\n");
}

TEST(TreeRender, ChildrenKeepTheirStoredOrder) {
    const Artefact root = fixtures::plain_directory(
        "d", {fixtures::file("d/z", 1, atomic::OtherText{}), fixtures::file("d/a", 1, atomic::OtherText{}),
              fixtures::file("d/m", 1, atomic::OtherText{})});
    EXPECT_EQ(render_tree(root),
              "d\n├── z\t[OtherText] (1 B)\n├── a\t[OtherText] (1 B)\n└── m\t[OtherText] (1 B)\n");
}

TEST(TreeRender, NamesFromPaths) {
    const std::pair<std::string, std::string> cases[] = {
        {"Demo.app", "Demo.app"},
        {"Demo.app/", "Demo.app"},
        {"a/b/", "b"},
        {"a/b/.", "b"},
        {"a/b/./", "b"},
        {"a//b//", "b"},
        {"./a", "a"},
        {"/abs/x", "x"},
        {"...", "..."},
        {".hidden", ".hidden"},
        {".", "?"},
        {"./", "?"},
        {"/", "?"},
        {"//", "?"},
        {"..", "?"},
        {"a/..", "?"},
        {"a/../", "?"},
        {"a/../.", "?"},
        {"d/a\xff" "b", "?"},
        {"d/\xc3\xa9t\xc3\xa9", "\xc3\xa9t\xc3\xa9"},
        {"\xff/ok", "ok"},
        {"d/tab\there", "tab\there"},
        {"d/line\nfeed", "line\nfeed"},
    };
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(cli::describe_node(fixtures::plain_directory(path)).name, name) << path;
        EXPECT_EQ(cli::describe_node(fixtures::file(path, 0, atomic::Unknown{})).name, name) << path;
    }
}

TEST(TreeRender, UnnamedRootAndOddChildNames) {
    const Artefact root = fixtures::plain_directory(
        ".", {fixtures::file("./a\xff", 5, atomic::OtherBinary{}), fixtures::file("./t\tn\n", 5, atomic::OtherBinary{})});
    EXPECT_EQ(render_tree(root),
              "?\n├── ?\t[OtherBinary] (5 B)\n└── t\tn\n\t[OtherBinary] (5 B)\n");
}

TEST(TreeRender, DescribeNode) {
    const auto file = cli::describe_node(fixtures::file("p/f", 1536, atomic::PropertyList{PlistFormat::Binary}));
    EXPECT_EQ(file.name, "f");
    EXPECT_EQ(file.class_text, "PropertyList(Binary)");
    EXPECT_EQ(file.size_text, "1.5 KB");

    Artefact dir = fixtures::directory("X.xpc", composite::Bundle{BundleKind::Xpc});
    dir.size = 4096;  // never shown for a directory
    const auto d = cli::describe_node(dir);
    EXPECT_EQ(d.class_text, "Bundle(Xpc)");
    EXPECT_EQ(d.size_text, "");

    const auto plain = cli::describe_node(fixtures::plain_directory("p"));
    EXPECT_EQ(plain.class_text, "");
    EXPECT_EQ(plain.size_text, "");
}

TEST(TreeRender, LineForms) {
    EXPECT_EQ(cli::format_tree_line("P", "C", "n", "", "9 B"), "PCn\n");
    EXPECT_EQ(cli::format_tree_line("P", "C", "n", "K", ""), "PCn\t[K]\n");
    EXPECT_EQ(cli::format_tree_line("P", "C", "n", "K", "9 B"), "PCn\t[K] (9 B)\n");
    EXPECT_EQ(cli::format_tree_line("", "", "a very long name indeed", "K", "1 B"),
              "a very long name indeed\t[K] (1 B)\n");
}

TEST(TreeRender, NodeWithInheritedPrefix) {
    std::string out = "head\n";
    cli::render_tree_node(fixtures::plain_directory("x/d", {fixtures::file("x/d/f", 1, atomic::OtherText{})}),
                          "\u2502   ", false, out);
    EXPECT_EQ(out, "head\n│   ├── d\n│   │   └── f\t[OtherText] (1 B)\n");
    out.clear();
    cli::render_tree_node(fixtures::plain_directory("x/d", {fixtures::file("x/d/f", 1, atomic::OtherText{})}),
                          "", true, out);
    EXPECT_EQ(out, "└── d\n    └── f\t[OtherText] (1 B)\n");
}

// ---- human_size ----------------------------------------------------------------

TEST(HumanSize, Table) {
    const std::pair<uint64_t, const char*> cases[] = {
        {0, "0 B"},
        {1, "1 B"},
        {1023, "1023 B"},
        {1024, "1.0 KB"},
        {1075, "1.0 KB"},  // 1.0498..., just below the half
        {1076, "1.1 KB"},  // 1.0507..., just above it
        {1280, "1.2 KB"},  // 1.25, a tie: to the even digit
        {1536, "1.5 KB"},
        {1792, "1.8 KB"},  // 1.75, a tie: to the even digit
        {2304, "2.2 KB"},
        {2816, "2.8 KB"},
        {10188, "9.9 KB"},
        {10189, "10.0 KB"},  // 9.9501... rounds up across a decade
        {50000, "48.8 KB"},
        {1048575, "1024.0 KB"},
        {1048576, "1.0 MB"},
        {2500000, "2.4 MB"},
        {1073741823, "1024.0 MB"},
        {1073741824, "1.0 GB"},
        {1099511627776ull, "1024.0 GB"},
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
