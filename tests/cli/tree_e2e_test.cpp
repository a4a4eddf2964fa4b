// The tree form printed by the built tool for an application bundle on disk.
#include <gtest/gtest.h>

#include <algorithm>

#include "support.h"

using testsupport::listing;
using testsupport::run_cli;
using testsupport::TempDir;

TEST(TreeEndToEnd, ApplicationBundle) {
    TempDir tmp;
    testsupport::make_dirs(tmp.path(), "Demo.app/Contents/MacOS");
    std::string plist = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n";
    plist.resize(1280 - 17, ' ');
    plist += "</dict>\n</plist>\n";
    ASSERT_EQ(plist.size(), 1280u);
    testsupport::write_file(tmp / "Demo.app/Contents/Info.plist", plist);
    std::string macho(2500000, '\0');
    macho.replace(0, 4, "\xCF\xFA\xED\xFE");
    testsupport::write_file(tmp / "Demo.app/Contents/MacOS/Demo", macho);

    const auto r = run_cli({"Demo.app", "--format", "tree"}, {.cwd = tmp.path()});
    if (r.status == 0 && r.out.empty() && r.err.empty()) GTEST_SKIP() << "the main routine prints nothing yet";
    if (r.out.find("Demo\t[Unknown]") != std::string::npos ||
        r.out.find("Info.plist\t[Unknown]") != std::string::npos)
        GTEST_SKIP() << "header magic classification not in place yet:\n" << r.out;

    const std::string demo_line =
        "Demo\t[StandaloneMacho { arch_word: Bits64, endianness: Little, kind: UnknownKind }] (2.4 MB)\n";
    const std::string plist_line = "Info.plist\t[XmlDescriptor] (1.2 KB)\n";
    std::string expected = "Demo.app\t[Bundle(App)]\n\u2514\u2500\u2500 Contents\n";
    const auto names = listing(tmp / "Demo.app/Contents");
    ASSERT_EQ(names.size(), 2u);
    for (size_t i = 0; i < names.size(); ++i) {
        const bool last = i + 1 == names.size();
        expected += last ? "    \u2514\u2500\u2500 " : "    \u251c\u2500\u2500 ";
        if (names[i] == "MacOS") {
            expected += "MacOS\n";
            expected += last ? "        " : "    \u2502   ";
            expected += "\u2514\u2500\u2500 " + demo_line;
        } else {
            expected += plist_line;
        }
    }
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, expected + "\n");  // the printed text ends with an empty line
}

TEST(TreeEndToEnd, TrailingSlashAndDotKeepTheName) {
    TempDir tmp;
    testsupport::make_dirs(tmp.path(), "empty");
    for (const std::string arg : {"empty/", "empty/.", "./empty"}) {
        const auto r = run_cli({arg, "--format", "tree"}, {.cwd = tmp.path()});
        if (r.status == 0 && r.out.empty() && r.err.empty()) GTEST_SKIP() << "the main routine prints nothing yet";
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "empty\n\n") << arg;
    }
    const auto dot = run_cli({".", "--format", "tree"}, {.cwd = tmp / "empty"});
    EXPECT_EQ(dot.out, "?\n\n");
}
