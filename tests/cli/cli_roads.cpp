// The built tool on fixture trees: assessment errors, the output forms, the
// standard streams and the exit statuses.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e_support.h"

namespace {

using e2esupport::contains;
using testsupport::make_dirs;
using testsupport::run_cli;
using testsupport::RunOptions;
using testsupport::RunResult;
using testsupport::TempDir;
using testsupport::write_file;

const char* const EMPTY_HASH = "blake3:af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262";

std::string realpath_of(const std::string& p) {
    char* r = ::realpath(p.c_str(), nullptr);
    std::string out = r ? r : "";
    std::free(r);
    return out;
}

// True once the JSON form is built: an empty directory then gives a document.
bool json_ready() {
    static const bool ready = [] {
        TempDir t;
        RunResult r = run_cli({t.path()});
        return r.status == 0 && e2esupport::is_json(r.out);
    }();
    return ready;
}

// The text of the first "class" member of a JSON document without blanks and
// line feeds, e.g. {"Bundle":"App"} or "UnknownComposite".
std::string first_class(const std::string& json) {
    auto at = json.find("\"class\": ");
    auto end = json.find("\"full_mime_type\"", at);
    if (at == std::string::npos || end == std::string::npos) return {};
    std::string out;
    for (char c : json.substr(at + 9, end - at - 9))
        if (c != ' ' && c != '\n') out += c;
    if (!out.empty() && out.back() == ',') out.pop_back();
    return out;
}

// Expects the assessment error `message`: exactly two lines on standard
// error, nothing on standard output, status 1.
void expect_assess_error(const RunResult& r, const std::string& message) {
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, message + "\nError: " + message + "\n");
}

TEST(AssessRoads, MissingPathGivesTwoLines) {
    TempDir t;
    for (const auto& fmt : {"json", "tree", "debug"}) {
        expect_assess_error(run_cli({t / "missing", "--format", fmt}), "path does not exist: " + t / "missing");
    }
    // The path exactly as typed: relative, with the trailing separator, and
    // with its bytes shown lossily.
    expect_assess_error(run_cli({"missing/file"}, RunOptions{t.path()}), "path does not exist: missing/file");
    expect_assess_error(run_cli({"gone/"}, RunOptions{t.path()}), "path does not exist: gone/");
    expect_assess_error(run_cli({"mi\xFFss"}, RunOptions{t.path()}), "path does not exist: mi\xEF\xBF\xBDss");
}

TEST(AssessRoads, LinksAsThePath) {
    TempDir t;
    write_file(t / "file", "x");
    make_dirs(t.path(), "dir");
    write_file(t / "dir/inner", "");
    ASSERT_EQ(::symlink("nowhere", (t / "dangling").c_str()), 0);
    ASSERT_EQ(::symlink("file", (t / "to-file").c_str()), 0);
    ASSERT_EQ(::symlink("dir", (t / "to-dir").c_str()), 0);
    const std::string base = realpath_of(t.path());

    expect_assess_error(run_cli({t / "dangling"}), "path does not exist: " + t / "dangling");
    expect_assess_error(run_cli({t / "to-file"}),
                        "Symlink error: " + t / "to-file" + " is a symlink pointing to " + base + "/file");
    expect_assess_error(run_cli({t / "to-dir"}),
                        "Symlink error: " + t / "to-dir" + " is a symlink pointing to " + base + "/dir");

    // With a trailing separator the link is resolved and the directory assessed.
    RunResult r = run_cli({t / "to-dir/", "--format", "tree"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    if (json_ready()) {
        RunResult j = run_cli({t / "to-dir/"});
        EXPECT_EQ(j.status, 0);
        EXPECT_TRUE(contains(j.out, "\"path\": \"" + t / "to-dir/\"")) << j.out;
        EXPECT_TRUE(contains(j.out, "\"path\": \"" + t / "to-dir/inner\"")) << j.out;
        EXPECT_EQ(first_class(j.out), "\"UnknownComposite\"");
    }
}

TEST(AssessRoads, FifoAndPathThroughAFile) {
    TempDir t;
    ASSERT_EQ(::mkfifo((t / "p").c_str(), 0644), 0);
    write_file(t / "notes.txt", "x");
    expect_assess_error(run_cli({t / "p"}), t / "p" + ": unsupported file type");
    expect_assess_error(run_cli({t / "notes.txt/x"}), "path is not readable: " + t / "notes.txt/x");
}

TEST(AssessRoads, UnlistableTopDirectory) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    TempDir t;
    make_dirs(t.path(), "locked");
    ::chmod((t / "locked").c_str(), 0);
    expect_assess_error(run_cli({t / "locked"}), "path is not readable: " + t / "locked");
}

TEST(AssessRoads, EmptyFile) {
    TempDir t;
    write_file(t / "empty.bin", "");
    for (const auto& fmt : {"tree", "debug"}) {
        RunResult r = run_cli({"empty.bin", "--format", fmt}, RunOptions{t.path()});
        EXPECT_EQ(r.status, 0) << fmt;
        EXPECT_EQ(r.err, "") << fmt;
        EXPECT_FALSE(r.out.empty()) << fmt;
    }
    if (!json_ready()) GTEST_SKIP() << "the JSON form is not built yet";
    RunResult r = run_cli({"empty.bin"}, RunOptions{t.path()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(contains(r.out, "\"path\": \"empty.bin\""));
    EXPECT_TRUE(contains(r.out, std::string("\"hash\": \"") + EMPTY_HASH + "\""));
    EXPECT_TRUE(contains(r.out, "\"size\": 0,"));
    EXPECT_TRUE(contains(r.out, "\"full_mime_type\": \"application/octet-stream\""));
    EXPECT_TRUE(contains(r.out, "\"mime_magic failed to read empty.bin; defaulting to application/octet-stream\""));
    EXPECT_EQ(r.out.back(), '\n');
    EXPECT_NE(r.out[r.out.size() - 2], '\n');
}

TEST(AssessRoads, EntriesThatCannotBeAssessedVanish) {
    TempDir t;
    make_dirs(t.path(), "d");
    write_file(t / "d/kept", "x");
    ASSERT_EQ(::symlink("kept", (t / "d/link").c_str()), 0);
    ASSERT_EQ(::mkfifo((t / "d/fifo").c_str(), 0644), 0);
    RunResult r = run_cli({"d", "--format", "tree"}, RunOptions{t.path()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    if (!json_ready()) GTEST_SKIP() << "the JSON form is not built yet";
    RunResult j = run_cli({"d"}, RunOptions{t.path()});
    EXPECT_EQ(j.status, 0);
    EXPECT_TRUE(contains(j.out, "\"path\": \"d/kept\""));
    EXPECT_FALSE(contains(j.out, "d/link"));
    EXPECT_FALSE(contains(j.out, "d/fifo"));
    EXPECT_FALSE(contains(j.out, "symlink"));
}

TEST(AssessRoads, InvalidUtf8NameFailsOnlyTheJsonForm) {
    TempDir t;
    make_dirs(t.path(), "d/sub");
    write_file(t / "d/sub/bad\xFFname", "x");
    RunResult j = run_cli({"d"}, RunOptions{t.path()});
    EXPECT_EQ(j.status, 1);  // a report that cannot be written is not a success
    EXPECT_EQ(j.out, "");
    EXPECT_EQ(j.err.rfind("Serialization error: ", 0), 0u) << j.err;
    EXPECT_EQ(j.err.back(), '\n');
    if (json_ready()) {
        EXPECT_EQ(j.err, "Serialization error: path contains invalid UTF-8 characters\n");
    }
    for (const auto& fmt : {"tree", "debug"}) {
        RunResult r = run_cli({"d", "--format", fmt}, RunOptions{t.path()});
        EXPECT_EQ(r.status, 0) << fmt;
        EXPECT_EQ(r.err, "") << fmt;
    }
}

// One bundle fixture: the path given to the tool, the entries made below the
// directory, and the expected class of the root.
struct BundleCase {
    std::string dir;
    std::string arg;
    std::vector<std::string> files;
    std::string cls;
};

TEST(AssessRoads, BundleDirectories) {
    if (!json_ready()) GTEST_SKIP() << "the JSON form is not built yet";
    const std::vector<std::string> plist = {"Contents/Info.plist"};
    const std::vector<BundleCase> cases = {
        {"X.app", "X.app", plist, "{\"Bundle\":\"App\"}"},
        {"X.app", "X.app", {}, "\"AmbiguousDirectory\""},
        {"X.APP", "X.APP/", plist, "{\"Bundle\":\"App\"}"},
        {"X.app", "X.app/.", plist, "{\"Bundle\":\"App\"}"},
        {".app", ".app", plist, "\"AmbiguousDirectory\""},
        {".app", ".app", {}, "\"UnknownComposite\""},
        {"X.bundle", "X.bundle", plist, "{\"Bundle\":\"Plugin\"}"},
        {"X.framework", "X.framework", {"Resources/Info.plist"}, "{\"Bundle\":\"Framework\"}"},
        {"X.framework", "X.framework", {"Versions/Current/Resources/Info.plist"}, "{\"Bundle\":\"Framework\"}"},
        {"X.framework", "X.framework", plist, "{\"Bundle\":\"Framework\"}"},
        {"X.framework", "X.framework", {"Other/Info.plist"}, "\"AmbiguousDirectory\""},
    };
    for (const BundleCase& c : cases) {
        TempDir t;
        make_dirs(t.path(), c.dir);
        for (const auto& f : c.files) {
            make_dirs(t / c.dir, f.substr(0, f.rfind('/')));
            write_file(t / c.dir + "/" + f, "");
        }
        RunResult r = run_cli({c.arg}, RunOptions{t.path()});
        EXPECT_EQ(r.status, 0) << c.arg << r.err;
        EXPECT_EQ(first_class(r.out), c.cls) << c.arg;
        EXPECT_TRUE(contains(r.out, "\"path\": \"" + c.arg + "\"")) << c.arg;
        if (!c.files.empty()) {
            std::string sep = c.arg.back() == '/' ? "" : "/";
            std::string first = c.files[0].substr(0, c.files[0].find('/'));
            EXPECT_TRUE(contains(r.out, "\"path\": \"" + c.arg + sep + first + "\"")) << r.out;
        }
    }
}

TEST(AssessRoads, FrameworkWithLinkedResourcesAndDirectoryProbe) {
    if (!json_ready()) GTEST_SKIP() << "the JSON form is not built yet";
    TempDir t;
    make_dirs(t.path(), "F.framework/Versions/A/Resources");
    write_file(t / "F.framework/Versions/A/Resources/Info.plist", "");
    ASSERT_EQ(::symlink("Versions/A/Resources", (t / "F.framework/Resources").c_str()), 0);
    RunResult r = run_cli({"F.framework"}, RunOptions{t.path()});
    EXPECT_EQ(first_class(r.out), "{\"Bundle\":\"Framework\"}");
    EXPECT_FALSE(contains(r.out, "\"path\": \"F.framework/Resources\""));  // the link itself vanishes

    make_dirs(t.path(), "D.app/Contents/Info.plist");
    r = run_cli({"D.app"}, RunOptions{t.path()});
    EXPECT_EQ(first_class(r.out), "{\"Bundle\":\"App\"}");
}

TEST(Streams, ClosedStandardStreamsAtStart) {
    TempDir t;
    write_file(t / "f", "x");
    RunOptions closed_out;
    closed_out.close_stdout = true;
    for (const auto& fmt : {"tree", "debug"}) EXPECT_EQ(run_cli({t / "f", "--format", fmt}, closed_out).status, 0);
    if (json_ready()) {
        EXPECT_EQ(run_cli({t / "f"}, closed_out).status, 0);
    }
    RunOptions closed_err;
    closed_err.close_stderr = true;
    RunResult r = run_cli({t / "missing"}, closed_err);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(run_cli({}, closed_err).status, 2);
    EXPECT_EQ(run_cli({"--help"}, closed_out).status, 0);
}

TEST(Streams, ReaderGoneIsAFailedWrite) {
    TempDir t;
    write_file(t / "f", "x");
    RunOptions gone;
    gone.stdout_reader_gone = true;
    std::vector<std::string> formats = {"tree", "debug"};
    if (json_ready()) formats.push_back("json");
    for (const auto& fmt : formats) {
        RunResult r = run_cli({t / "f", "--format", fmt}, gone);
        EXPECT_EQ(r.status, 101) << fmt;
        EXPECT_TRUE(contains(r.err, std::string("failed printing to stdout: ") + std::strerror(EPIPE))) << r.err;
    }
    // An error report goes to standard error and is not affected.
    RunResult missing = run_cli({t / "missing"}, gone);
    EXPECT_EQ(missing.status, 1);
}

// Runs the tool with standard error on a pipe whose reader has gone and
// standard output on /dev/null; returns the exit status.
int run_with_stderr_reader_gone(const std::vector<std::string>& args) {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    ::close(fds[0]);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&fa, fds[1], 2);
    posix_spawn_file_actions_addclose(&fa, fds[1]);
    std::vector<std::string> argv = {TARVIK_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    pid_t pid;
    int rc = ::posix_spawn(&pid, cargv[0], &fa, nullptr, cargv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    ::close(fds[1]);
    if (rc != 0) return -1;
    int st = 0;
    while (::waitpid(pid, &st, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
}

TEST(Streams, FailedWriteOfTheErrorLines) {
    TempDir t;
    EXPECT_EQ(run_with_stderr_reader_gone({t / "missing"}), 101);
    make_dirs(t.path(), "d");
    write_file(t / "d/bad\xFF", "");
    if (json_ready()) {
        EXPECT_EQ(run_with_stderr_reader_gone({t / "d"}), 101);
    }
    // The library's own texts: a failed write changes no status.
    EXPECT_EQ(run_with_stderr_reader_gone({}), 2);
    RunOptions gone;
    gone.stdout_reader_gone = true;
    EXPECT_EQ(run_cli({"--help"}, gone).status, 0);
}

TEST(Streams, TreeFormEndsWithAnEmptyLine) {
    TempDir t;
    write_file(t / "f", "x");
    RunResult r = run_cli({t / "f", "--format", "tree"});
    EXPECT_EQ(r.status, 0);
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.back(), '\n');
    if (r.out.size() > 1) {
        EXPECT_EQ(r.out.substr(r.out.size() - 2), "\n\n");
    }
}

}  // namespace
