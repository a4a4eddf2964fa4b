// The command line of the built tool: help, command-line errors and the
// value parser of --format.
#include <gtest/gtest.h>

#include "run.h"
#include "e2e_support.h"

namespace {

using e2esupport::contains;
using testsupport::run;
using testsupport::run_cli;
using testsupport::RunResult;
using testsupport::TempDir;

const char* const ABOUT =
    "tarvik-assess tarvik-assess is a command that assesses a file and determines the type of the "
    "file. if the file is not a macOS executable, nor a dylib, or a kext, or a bundle, then "
    "tarvik-assess communicates it, otherwise it gives the artefact classification according to "
    "the specifications of the internal manual \"The Mach-O Security Assessment Manual\"";

void expect_usage_error(const RunResult& r, const std::string& what) {
    EXPECT_EQ(r.status, 2) << what << "\n" << r.err;
    EXPECT_EQ(r.out, "") << what;
    EXPECT_TRUE(contains(r.err, "Usage: ")) << what << ": no usage line in\n" << r.err;
}

TEST(CommandLine, HelpGoesToStandardOutput) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"-h"}, {"--help"}, {"--help", "somewhere"}, {"--format", "tree", "-h"}}) {
        RunResult r = run_cli(args);
        EXPECT_EQ(r.status, 0) << args[0];
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(contains(r.out, ABOUT)) << r.out;
        EXPECT_TRUE(contains(r.out, "path: mandatory argument. The path of the resource to assess"));
        EXPECT_TRUE(contains(r.out, "Output format"));
        EXPECT_TRUE(contains(r.out, "PATH"));
        EXPECT_TRUE(contains(r.out, "--format"));
        EXPECT_TRUE(contains(r.out, "FORMAT"));
        // The possible values in their order, and the default.
        const auto json = r.out.find("json"), tree = r.out.find("tree"), debug = r.out.find("debug");
        ASSERT_NE(debug, std::string::npos);
        EXPECT_LT(json, tree);
        EXPECT_LT(tree, debug);
        EXPECT_TRUE(contains(r.out, "=json") || contains(r.out, "default: json")) << r.out;
        EXPECT_FALSE(contains(r.out, "version"));
    }
}

TEST(CommandLine, ErrorsGiveStatusTwoWithUsage) {
    TempDir t;
    const std::string p = t.path();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {""},
        {"--format", "json", ""},
        {p, p},
        {p, "--unknown"},
        {"--unknown", p},
        {p, "--format"},
        {p, "--format", "JSON"},
        {p, "--format", "js"},
        {p, "--format=Tree"},
        {p, "--format="},
        {p, "--format", "json", "--format", "json"},
        {p, "--format=tree", "--format", "debug"},
        {p, "-V"},
        {p, "--version"},
        {"-V"},
        {"--version"},
        {p, "-f", "json"},
    };
    for (const auto& args : cases) {
        std::string what;
        for (const auto& a : args) what += "[" + a + "] ";
        expect_usage_error(run_cli(args), what);
    }
}

TEST(CommandLine, MissingPathIsNamed) {
    RunResult r = run_cli({});
    EXPECT_TRUE(contains(r.err, "PATH")) << r.err;
}

TEST(CommandLine, InvalidFormatNamesValueAndPossibleValues) {
    TempDir t;
    for (std::string v : {"JSON", "js", "jsonx", " tree", "Debug"}) {
        RunResult r = run_cli({t.path(), "--format", v});
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(contains(r.err, "'" + v + "'")) << r.err;
        EXPECT_TRUE(contains(r.err, "json, tree, debug")) << r.err;
        EXPECT_TRUE(contains(r.err, "--format <FORMAT>")) << r.err;
    }
}

TEST(CommandLine, EqualsFormAndSeparateValueAreTheSameRequest) {
    TempDir t;
    for (std::string f : {"json", "tree", "debug"}) {
        RunResult joined = run_cli({"--format=" + f, t.path()});
        RunResult separate = run_cli({t.path(), "--format", f});
        EXPECT_EQ(joined.status, separate.status) << f;
        EXPECT_EQ(joined.out, separate.out) << f;
        EXPECT_EQ(joined.err, separate.err) << f;
        EXPECT_NE(joined.status, 2) << f << ": " << joined.err;
    }
}

TEST(CommandLine, DefaultFormatIsJson) {
    TempDir t;
    RunResult def = run_cli({t.path()});
    RunResult json = run_cli({t.path(), "--format", "json"});
    EXPECT_EQ(def.status, json.status);
    EXPECT_EQ(def.out, json.out);
    EXPECT_EQ(def.err, json.err);
}

TEST(CommandLine, UsageShowsTheProgramNameFromArgumentZero) {
    TempDir t;
    ASSERT_EQ(::symlink(TARVIK_CLI_PATH, (t / "my-tool").c_str()), 0);
    ASSERT_EQ(::symlink(TARVIK_CLI_PATH, (t / "bad\xFFname").c_str()), 0);
    RunResult named = run({t / "my-tool"});
    EXPECT_EQ(named.status, 2);
    EXPECT_TRUE(contains(named.err, "Usage: my-tool ")) << named.err;
    EXPECT_FALSE(contains(named.err, t.path())) << named.err;
    RunResult invalid = run({t / "bad\xFFname"});
    EXPECT_EQ(invalid.status, 2);
    EXPECT_TRUE(contains(invalid.err, "Usage: tarvik-cli ")) << invalid.err;
}

TEST(ParseOutputFormat, ExactAndCaseSensitive) {
    using tarvik::cli::OutputFormat;
    using tarvik::cli::parse_output_format;
    EXPECT_EQ(parse_output_format("json"), OutputFormat::Json);
    EXPECT_EQ(parse_output_format("tree"), OutputFormat::Tree);
    EXPECT_EQ(parse_output_format("debug"), OutputFormat::Debug);
    for (const std::string& v : std::vector<std::string>{"", "JSON", "Json", "js", "j", "json ", "tree\n", "debugx", std::string("json\0", 5)}) {
        std::string error;
        EXPECT_FALSE(parse_output_format(v, &error).has_value()) << v;
        EXPECT_NE(error, "");
    }
    std::string error;
    EXPECT_FALSE(parse_output_format("js\xFF", &error).has_value());
    EXPECT_EQ(error, "invalid value 'js\xEF\xBF\xBD' for '--format <FORMAT>' [possible values: json, tree, debug]");
}

}  // namespace
