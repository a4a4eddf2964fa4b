// The command line of the built tool: the help text, command-line errors with
// their whole standard error, and the program name shown in the usage line.
#include <gtest/gtest.h>

#include <unistd.h>

#include "run.h"
#include "support.h"

namespace {

using testsupport::run_cli;

const std::string kUsageTail = "\n\nUsage: tarvik-cli [OPTIONS] PATH\n\nFor more information, try '--help'.\n";

TEST(CommandLine, HelpGoesToStandardOutput) {
    const std::string help =
        "tarvik-assess tarvik-assess is a command that assesses a file and determines the type of the file. if "
        "the file is not a macOS executable, nor a dylib, or a kext, or a bundle, then tarvik-assess communicates "
        "it, otherwise it gives the artefact classification according to the specifications of the internal "
        "manual \"The Mach-O Security Assessment Manual\"\n"
        "Usage: tarvik-cli [OPTIONS] PATH\n\n"
        "Positionals:\n"
        "  PATH REQUIRED               path: mandatory argument. The path of the resource to assess\n\n"
        "Options:\n"
        "  -h,--help                   Print this help message and exit\n"
        "  --format FORMAT:{json,tree,debug}=json\n"
        "                              Output format\n\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"-h"}, {"--help"}, {"--help", "somewhere"}, {"--format", "tree", "-h"}}) {
        const auto r = run_cli(args);
        EXPECT_EQ(r.status, 0) << args[0];
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, help);
    }
}

TEST(CommandLine, ErrorsGiveStatusTwoAndTheWholeReport) {
    const std::string p = "/";
    // The arguments, and the command-line library's message.
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "PATH is required"},
        {{""}, "PATH: a value is required but none was supplied"},
        {{"--format", "json", ""}, "PATH: a value is required but none was supplied"},
        {{p, p}, "The following argument was not expected: /"},
        {{p, "--unknown"}, "The following argument was not expected: --unknown"},
        {{"--unknown", p}, "The following argument was not expected: --unknown"},
        {{p, "--format"}, "--format: 1 required FORMAT:{json,tree,debug} missing"},
        {{p, "--format="}, "--format: 1 required FORMAT:{json,tree,debug} missing"},
        {{p, "--format", "JSON"},
         "--format: invalid value 'JSON' for '--format <FORMAT>' [possible values: json, tree, debug]"},
        {{p, "--format=js\xFF"},
         "--format: invalid value 'js\xEF\xBF\xBD' for '--format <FORMAT>' [possible values: json, tree, debug]"},
        {{p, "--format", " tree"}, "--format: invalid value ' tree' for '--format <FORMAT>' [possible values: json, tree, debug]"},
        {{p, "--format=Debug"}, "--format: invalid value 'Debug' for '--format <FORMAT>' [possible values: json, tree, debug]"},
        {{p, "--format", "json", "--format", "json"}, "--format: At Most 1 required but received 2"},
        {{p, "--format=tree", "--format", "debug"}, "--format: At Most 1 required but received 2"},
        {{p, "-V"}, "The following argument was not expected: -V"},
        {{p, "--version"}, "The following argument was not expected: --version"},
        {{"--version"}, "PATH is required"},
        {{p, "-f", "json"}, "The following arguments were not expected: json -f"},
    };
    for (const auto& [args, message] : cases) {
        std::string what;
        for (const auto& a : args) what += "[" + a + "] ";
        const auto r = run_cli(args);
        EXPECT_EQ(r.status, 2) << what;
        EXPECT_EQ(r.out, "") << what;
        EXPECT_EQ(r.err, "error: " + message + kUsageTail) << what;
    }
}

TEST(CommandLine, UsageShowsTheProgramNameFromArgumentZero) {
    testsupport::TempDir t;
    ASSERT_EQ(::symlink(TARVIK_CLI_PATH, (t / "my-tool").c_str()), 0);
    ASSERT_EQ(::symlink(TARVIK_CLI_PATH, (t / "bad\xFFname").c_str()), 0);
    const auto named = testsupport::run({t / "my-tool"});
    EXPECT_EQ(named.status, 2);
    EXPECT_EQ(named.err, "error: PATH is required\n\nUsage: my-tool [OPTIONS] PATH\n\nFor more information, try '--help'.\n");
    // A name that is not UTF-8 gives way to the command's own.
    const auto invalid = testsupport::run({t / "bad\xFFname"});
    EXPECT_EQ(invalid.err, "error: PATH is required" + kUsageTail);
}

TEST(ParseOutputFormat, ExactBytesOnly) {
    using tarvik::cli::parse_output_format;
    EXPECT_EQ(parse_output_format("debug"), tarvik::cli::OutputFormat::Debug);
    for (const std::string& v : std::vector<std::string>{"", "json ", "tree\n", std::string("json\0", 5)}) {
        std::string error;
        EXPECT_FALSE(parse_output_format(v, &error).has_value()) << v;
        EXPECT_EQ(error, "invalid value '" + v + "' for '--format <FORMAT>' [possible values: json, tree, debug]");
    }
}

}  // namespace
