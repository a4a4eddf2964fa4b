// The three forms of one application bundle, byte for byte, against golden
// texts kept beside the tests. Each directory of the bundle holds one reported
// entry, since the report lists entries in the order the directory gives them
// and that order differs between file systems. The bundle's Info.plist is a
// link to a file outside the bundle: the probe counts it, the report leaves
// it out.
#include <gtest/gtest.h>

#include <unistd.h>

#include "support.h"

namespace {

using testsupport::read_file;
using testsupport::run_cli;

TEST(Golden, ApplicationBundleInEveryForm) {
    testsupport::TempDir t;
    testsupport::make_dirs(t.path(), "Demo.app/Contents");
    testsupport::write_file(t / "Info.plist",
                            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict/>\n</plist>\n");
    ASSERT_EQ(::symlink("../../Info.plist", (t / "Demo.app/Contents/Info.plist").c_str()), 0);
    std::string macho(4100, '\0');  // a 64-bit executable header, then nothing
    macho.replace(0, 16, "\xCF\xFA\xED\xFE\x07\x00\x00\x01\x03\x00\x00\x00\x02\x00\x00\x00", 16);
    testsupport::write_file(t / "Demo.app/Contents/Demo", macho);

    const std::string golden = std::string(TARVIK_TESTS_DIR) + "/golden/demo_app.";
    // The default form is JSON; "--format=F" and "--format F" are the same request.
    const std::pair<std::vector<std::string>, std::string> runs[] = {
        {{"Demo.app/"}, "json"},
        {{"--format=tree", "Demo.app/"}, "tree"},
        {{"Demo.app/", "--format", "debug"}, "debug"},
    };
    for (const auto& [args, form] : runs) {
        const auto r = run_cli(args, {.cwd = t.path()});
        EXPECT_EQ(r.status, 0) << form << ": " << r.err;
        EXPECT_EQ(r.err, "") << form;
        EXPECT_EQ(r.out, read_file(golden + form)) << form;
    }
}

}  // namespace
