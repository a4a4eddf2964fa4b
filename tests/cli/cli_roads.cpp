// The built tool's roads other than a report: assessment errors with the
// exact bytes of standard error, links and odd names as the path, and closed
// or broken standard streams.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "support.h"

namespace {

using testsupport::make_dirs;
using testsupport::run_cli;
using testsupport::RunOptions;
using testsupport::RunResult;
using testsupport::TempDir;
using testsupport::write_file;

// An assessment error: the message, then "Error: " and the message again,
// each line ended by one line feed; nothing on standard output; status 1.
void expect_assess_error(const RunResult& r, const std::string& message, const std::string& what = {}) {
    EXPECT_EQ(r.status, 1) << what;
    EXPECT_EQ(r.out, "") << what;
    EXPECT_EQ(r.err, message + "\nError: " + message + "\n") << what;
}

TEST(AssessRoads, ErrorsAsThePath) {
    TempDir t;
    write_file(t / "file", "x");
    make_dirs(t.path(), "dir");
    ASSERT_EQ(::symlink("nowhere", (t / "dangling").c_str()), 0);
    ASSERT_EQ(::symlink("file", (t / "to-file").c_str()), 0);
    ASSERT_EQ(::symlink((t / "dir").c_str(), (t / "to-dir").c_str()), 0);
    ASSERT_EQ(::mkfifo((t / "p").c_str(), 0644), 0);
    char* real = ::realpath(t.path().c_str(), nullptr);
    const std::string base = real;
    std::free(real);
    std::string overlong = "/tmp";
    while (overlong.size() <= PATH_MAX) overlong += "/x";
    // The path as typed (relative, with its separators, its bytes shown
    // lossily), and the message.
    const std::pair<std::string, std::string> cases[] = {
        {"missing", "path does not exist: missing"},
        {"missing/file", "path does not exist: missing/file"},
        {"gone/", "path does not exist: gone/"},
        {"mi\xFFss", "path does not exist: mi\xEF\xBF\xBDss"},
        {"dangling", "path does not exist: dangling"},
        {"to-file", "Symlink error: to-file is a symlink pointing to " + base + "/file"},
        {"to-dir", "Symlink error: to-dir is a symlink pointing to " + base + "/dir"},
        {"p", "p: unsupported file type"},
        {"/dev/null", "/dev/null: unsupported file type"},
        {"file/x", "path is not readable: file/x"},
        {overlong, "path is not readable: " + overlong},
    };
    for (const auto& [path, message] : cases)
        for (const char* form : {"json", "tree", "debug"})
            expect_assess_error(run_cli({path, "--format", form}, {.cwd = t.path()}), message, path + " " + form);
}

TEST(AssessRoads, PermissionsBindTheTopPath) {
    if (::geteuid() == 0) GTEST_SKIP() << "running as root: permissions do not bind";
    TempDir t;
    make_dirs(t.path(), "locked");
    write_file(t / "secret", "x");
    ::chmod((t / "locked").c_str(), 0);
    ::chmod((t / "secret").c_str(), 0);
    expect_assess_error(run_cli({t / "locked"}), "path is not readable: " + t / "locked");
    expect_assess_error(run_cli({t / "secret"}), "path is not readable: " + t / "secret");
}

TEST(AssessRoads, NamesOfTheRoot) {
    TempDir t;
    make_dirs(t.path(), "empty");
    make_dirs(t.path(), "dir");
    write_file(t / "dir/inner", "");
    ASSERT_EQ(::symlink("dir", (t / "to-dir").c_str()), 0);
    // With a trailing separator a link to a directory is that directory.
    const std::pair<std::string, std::string> cases[] = {
        {"empty/", "empty\n\n"},
        {"empty/.", "empty\n\n"},
        {"./empty", "empty\n\n"},
        {"to-dir/", "to-dir\n└── inner\t[OtherBinary] (0 B)\n\n"},
    };
    for (const auto& [arg, tree] : cases) {
        const auto r = run_cli({arg, "--format", "tree"}, {.cwd = t.path()});
        EXPECT_EQ(r.status, 0) << arg << r.err;
        EXPECT_EQ(r.out, tree) << arg;
    }
    EXPECT_EQ(run_cli({".", "--format", "tree"}, {.cwd = t / "empty"}).out, "?\n\n");
}

TEST(Streams, ClosedAtStart) {
    TempDir t;
    write_file(t / "f", "x");
    RunOptions no_out, no_err, neither;
    no_out.close_stdout = neither.close_stdout = true;
    no_err.close_stderr = neither.close_stderr = true;
    for (const char* form : {"json", "tree", "debug"}) {
        const auto r = run_cli({t / "f", "--format", form}, no_out);
        EXPECT_EQ(r.status, 0) << form;
        EXPECT_EQ(r.err, "") << form;
    }
    EXPECT_EQ(run_cli({t / "missing"}, no_err).status, 1);
    EXPECT_EQ(run_cli({}, no_err).status, 2);
    EXPECT_EQ(run_cli({"--help"}, no_out).status, 0);
    EXPECT_EQ(run_cli({t.path()}, neither).status, 0);
    EXPECT_EQ(run_cli({t / "missing"}, neither).status, 1);
}

TEST(Streams, AReaderThatLeftIsAFailedWrite) {
    TempDir t;
    write_file(t / "f", "x");
    make_dirs(t.path(), "d");
    write_file(t / "d/bad\xFF", "");
    RunOptions out_gone, err_gone;
    out_gone.stdout_reader_gone = true;
    err_gone.stderr_reader_gone = true;
    for (const char* form : {"json", "tree", "debug"}) {
        const auto r = run_cli({t / "f", "--format", form}, out_gone);
        EXPECT_EQ(r.status, 101) << form;
        EXPECT_EQ(r.err, std::string("tarvik-cli: fatal: failed printing to stdout: ") + std::strerror(EPIPE) +
                             " (os error " + std::to_string(EPIPE) + ")\n");
    }
    // The error lines go to standard error, which is still there.
    expect_assess_error(run_cli({t / "missing"}, out_gone), "path does not exist: " + t / "missing");
    // Lost error lines end the process too; the library's own texts do not.
    EXPECT_EQ(run_cli({t / "missing"}, err_gone).status, 101);
    EXPECT_EQ(run_cli({t / "d"}, err_gone).status, 101);
    EXPECT_EQ(run_cli({}, err_gone).status, 2);
    EXPECT_EQ(run_cli({"--help"}, out_gone).status, 0);
}

}  // namespace
