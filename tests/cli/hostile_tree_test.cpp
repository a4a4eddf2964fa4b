// The built tool on hostile trees: huge and deep directories, names that are
// not UTF-8, a sparse 4 GiB file, entries that change or vanish during the
// walk, FIFOs, links and unreadable entries, and a tree that must stay untouched.
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "mime_magic/mime_magic.h"
#include "support.h"
#include "tarvik/assess.h"

namespace {

using testsupport::contains;
using testsupport::RunOptions;
using testsupport::RunResult;
using testsupport::TempDir;
using testsupport::write_file;

// Runs the built tool under `timeout`, so that a hang fails the test (status
// 124) instead of stalling the suite.
RunResult run_tool(const std::vector<std::string>& args, const RunOptions& opt = {}) {
    std::vector<std::string> argv = {"/usr/bin/timeout", "-k", "5", "60", TARVIK_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return testsupport::run(argv, opt);
}

size_t count(const std::string& haystack, const std::string& needle) {
    size_t n = 0;
    for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + needle.size()))
        ++n;
    return n;
}

// A chain of `levels` directories named `name` below `base` with a file
// "leaf" at the bottom, built through descriptors since its deep end lies
// past the path-length limit. Returns how many levels a path can reach.
int make_chain(const std::string& base, const std::string& name, int levels) {
    int fd = ::open(base.c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < levels && fd >= 0; ++i) {
        ::mkdirat(fd, name.c_str(), 0755);
        const int next = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    if (fd >= 0) ::close(::openat(fd, "leaf", O_WRONLY | O_CREAT, 0644));
    ::close(fd);
    size_t len = base.size();
    int k = 0;
    for (; k < levels && len + 1 + name.size() <= PATH_MAX - 1; ++k) len += 1 + name.size();
    return k;
}

// A FIFO with a writer attached and data waiting, both ends open for the scope.
struct FedFifo {
    FedFifo(const std::string& path, const std::string& data) {
        if (::mkfifo(path.c_str(), 0644) != 0) return;
        rd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
        wr = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (wr >= 0) (void)!::write(wr, data.data(), data.size());
    }
    ~FedFifo() {
        ::close(rd);
        ::close(wr);
    }
    std::string drain() const {
        std::string out;
        char buf[4096];
        for (ssize_t n; (n = ::read(rd, buf, sizeof buf)) > 0;) out.append(buf, size_t(n));
        return out;
    }
    int rd = -1, wr = -1;
};

TEST(HostileTree, TenThousandEntriesInOneDirectory) {
    TempDir t;
    const int entries = 10000;
    for (int i = 0; i < entries; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "/f%05d", i);
        write_file(t.path() + name, i % 100 ? "" : "tiny text\n");
    }
    RunResult r = run_tool({t.path()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(count(r.out, "\"Atomic\": {"), size_t(entries));
    EXPECT_EQ(count(r.out, "\"Composite\": {"), 1u);
    EXPECT_TRUE(contains(r.out, "\"path\": \"" + t.path() + "/f09999\""));
    EXPECT_TRUE(r.out.ends_with("\n}\n"));
    RunResult tree = run_tool({t.path(), "--format", "tree"});
    ASSERT_EQ(tree.status, 0) << tree.err;
    EXPECT_EQ(count(tree.out, "\n"), size_t(entries) + 2);  // root, entries, empty line
}

TEST(HostileTree, ChainsDeeperThanThePathLimit) {
    TempDir t;
    testsupport::make_dirs(t.path(), "short/x");
    testsupport::make_dirs(t.path(), "long");
    const int reachable = make_chain(t / "short", "d", PATH_MAX / 2 + 64);
    ASSERT_GT(reachable, 1000);
    // Few descriptors, inherited by the tool: the walk must not hold one per level.
    rlimit saved;
    ::getrlimit(RLIMIT_NOFILE, &saved);
    rlimit lowered = saved;
    lowered.rlim_cur = 32;
    ::setrlimit(RLIMIT_NOFILE, &lowered);
    RunResult tree = run_tool({t / "short", "--format", "tree"});
    RunOptions quiet;  // the large texts go nowhere; the status shows they were written
    quiet.close_stdout = true;
    RunResult json = run_tool({t / "short", "--format", "json"}, quiet);
    RunResult debug = run_tool({t / "short", "--format", "debug"}, quiet);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    ASSERT_EQ(tree.status, 0) << tree.err;
    EXPECT_EQ(tree.err, "");
    // The root, "x", every reachable level, the empty line; the levels past
    // the limit and the leaf at the bottom are left out silently.
    EXPECT_EQ(count(tree.out, "\n"), size_t(reachable) + 3);
    EXPECT_EQ(count(tree.out, "── d\n"), size_t(reachable));
    EXPECT_FALSE(contains(tree.out, "leaf"));
    for (const RunResult& r : {json, debug}) {
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
    }

    // Names of 255 bytes reach the limit within a few levels.
    const std::string name(255, 'n');
    const int long_levels = make_chain(t / "long", name, 20);
    ASSERT_LT(long_levels, 20);
    RunResult r = run_tool({t / "long"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(count(r.out, "\"Composite\": {"), size_t(long_levels) + 1);
    EXPECT_EQ(count(r.out, "\"Atomic\": {"), 0u);
    std::string deepest = t / "long";
    for (int i = 0; i < long_levels; ++i) deepest += "/" + name;
    EXPECT_TRUE(contains(r.out, "\"path\": \"" + deepest + "\""));
}

// Files listed after subdirectories, with few descriptors to spare: the
// walk opens each directory's files relative to it and opens it again after
// a subdirectory, never holding more than one descriptor per directory.
TEST(HostileTree, FilesAmongSubdirectoriesWithFewDescriptors) {
    TempDir t;
    const int dirs = 30, files = 300;
    for (int i = 0; i < dirs; ++i) {
        std::string dir = std::string("d").append(std::to_string(i));
        testsupport::make_dirs(t.path(), dir);
        write_file(t / dir.append("/inner"), "x\n");
    }
    for (int i = 0; i < files; ++i) write_file(t / std::string("f").append(std::to_string(i)), "#!/bin/sh\n");
    rlimit saved;
    ::getrlimit(RLIMIT_NOFILE, &saved);
    rlimit lowered = saved;
    lowered.rlim_cur = 32;
    ::setrlimit(RLIMIT_NOFILE, &lowered);
    RunResult r = run_tool({t.path()});
    ::setrlimit(RLIMIT_NOFILE, &saved);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(count(r.out, "\"Atomic\": {"), size_t(dirs + files));
    EXPECT_EQ(count(r.out, "\"application/x-sh\""), size_t(files));
    EXPECT_EQ(count(r.out, "\"Composite\": {"), size_t(dirs + 1));
}

TEST(HostileTree, InvalidUtf8NameFailsOnlyTheJsonForm) {
    TempDir t;
    testsupport::make_dirs(t.path(), "sub");
    write_file(t / "sub/\xFF\xFEraw", "x");
    write_file(t / "plain", "y");
    RunResult json = run_tool({t.path()});
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.out, "");
    EXPECT_EQ(json.err, "Serialization error: path contains invalid UTF-8 characters\n");
    RunResult tree = run_tool({t.path(), "--format", "tree"});
    EXPECT_EQ(tree.status, 0) << tree.err;
    EXPECT_TRUE(contains(tree.out, "── ?\t[OtherBinary] (1 B)\n")) << tree.out;
    RunResult debug = run_tool({t.path(), "--format", "debug"});
    EXPECT_EQ(debug.status, 0) << debug.err;
    EXPECT_EQ(count(debug.out, "Atomic {"), 2u);
    EXPECT_TRUE(contains(debug.out, "/sub/\\xFF\\xFEraw\",\n")) << debug.out;
}

TEST(HostileTree, SparseFourGibFileIsSizedAndHashedWhole) {
    // Holes read fastest from a memory file system, where there is one.
    const bool shm = ::access("/dev/shm", W_OK) == 0;
    const std::string path = (shm ? "/dev/shm/tarvik-sparse-" : "/tmp/tarvik-sparse-") + std::to_string(::getpid());
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const bool made = ::ftruncate(fd, off_t(4) << 30) == 0;
    ::close(fd);
    if (!made) {
        ::unlink(path.c_str());
        GTEST_SKIP() << "the file system refuses a 4 GiB sparse file";
    }
    RunResult r = run_tool({path});
    ::unlink(path.c_str());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "\"size\": 4294967296,")) << r.out;
    // BLAKE3 of 4 GiB of zero bytes, as computed once by `b3sum --num-threads 1`.
    EXPECT_TRUE(contains(r.out, "\"hash\": \"blake3:7dde7c9fed144013fedbe2b0bbf2d82f004b60b589485851cdec29b27be408d7\""));
}

// A regular file gone, or turned into a FIFO, a device or a directory, between
// its listing and the reads: no step reads from it, so nothing waiting in a
// FIFO is taken.
TEST(HostileTree, EntryGoneOrSwappedIsNeitherReadNorDrained) {
    TempDir t;
    const std::string data = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n";
    FedFifo fifo(t / "swapped", data);
    ASSERT_GE(fifo.wr, 0);
    for (const std::string& p : {t / "gone", t / "swapped", std::string("/dev/zero"), t.path()}) {
        auto h = tarvik::hash_file(p);
        ASSERT_TRUE(std::holds_alternative<tarvik::AssessError>(h)) << p;
        EXPECT_EQ(std::get<tarvik::AssessError>(h).kind, tarvik::AssessErrorKind::PathNotReadable);
        EXPECT_EQ(tarvik::probe_disk_image_trailer(p), std::nullopt) << p;
        EXPECT_EQ(mime_magic::detect_mime_from_path(p), std::nullopt) << p;
    }
    EXPECT_EQ(std::get<tarvik::AssessError>(tarvik::assess_path(t / "gone")).kind,
              tarvik::AssessErrorKind::PathNotReadable);
    EXPECT_EQ(fifo.drain(), data);
}

// Links, FIFOs (one with a writer and data waiting) and entries that cannot be
// read are left out silently, without waiting and without reading.
TEST(HostileTree, EntriesThatCannotBeAssessedAreLeftOut) {
    TempDir t;
    write_file(t / "file", "text\n");
    ASSERT_EQ(::symlink("file", (t / "link").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", (t / "dangling").c_str()), 0);
    ASSERT_EQ(::mkfifo((t / "lonely").c_str(), 0644), 0);
    const std::string data = "#!/bin/sh\necho waiting\n";
    FedFifo fed(t / "fed", data);
    ASSERT_GE(fed.wr, 0);
    std::vector<std::string> hidden = {"link", "dangling", "lonely", "fed"};
    if (::geteuid() != 0) {  // as root, permissions do not bind
        testsupport::make_dirs(t.path(), "locked");
        write_file(t / "secret", "x");
        ::chmod((t / "locked").c_str(), 0);
        ::chmod((t / "secret").c_str(), 0);
        hidden.insert(hidden.end(), {"locked", "secret"});
    }
    for (const std::string form : {"json", "tree", "debug"}) {
        const RunResult r = run_tool({t.path(), "--format", form});
        EXPECT_EQ(r.status, 0) << form << ": " << r.err;
        EXPECT_EQ(r.err, "") << form;
        auto shown = [&](const std::string& name) {
            return contains(r.out, form == "tree" ? "── " + name : "/" + name + "\"");
        };
        EXPECT_TRUE(shown("file")) << form << ": " << r.out;
        for (const std::string& name : hidden) EXPECT_FALSE(shown(name)) << form << " " << name;
    }
    EXPECT_EQ(fed.drain(), data);
}

// Files vanish, shrink and turn into FIFOs while the tool walks: whatever it
// sees, it ends normally with a well-formed report of at most the files there
// were.
TEST(HostileTree, TreeChangingDuringTheWalk) {
    TempDir t;
    const int files = 3000;
    for (int i = 0; i < files; ++i) write_file(t / std::string("f").append(std::to_string(i)), std::string(size_t(i % 7) * 300, 'a'));
    std::atomic<bool> go{false};
    std::thread mutator([&] {
        while (!go.load()) std::this_thread::yield();
        for (int i = files - 1; i >= 0; --i) {
            const std::string p = t / std::string("f").append(std::to_string(i));
            ::unlink(p.c_str());
            if (i % 3 == 1) write_file(p, "");
            if (i % 3 == 2) ::mkfifo(p.c_str(), 0644);
        }
    });
    go = true;
    RunResult r = run_tool({t.path()});
    mutator.join();
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_LE(count(r.out, "\"Atomic\": {"), size_t(files));
    EXPECT_EQ(count(r.out, "\"Composite\": {"), 1u);
    EXPECT_TRUE(r.out.ends_with("\n}\n"));
    // Afterwards the FIFOs have no writer: they are left out, promptly.
    RunResult again = run_tool({t.path(), "--format", "tree"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(count(again.out, "\n"), size_t(files / 3) + 2);
}

// Every entry's metadata and content (a link's target), by path.
void snapshot(const std::string& path, std::map<std::string, std::string>& into) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return;
    std::string state = std::to_string(st.st_mode) + " " + std::to_string(st.st_ino) + " " +
                        std::to_string(st.st_nlink) + " " + std::to_string(st.st_size) + " " +
                        std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) + " " +
                        std::to_string(st.st_ctim.tv_sec) + "." + std::to_string(st.st_ctim.tv_nsec) + " ";
    if (S_ISREG(st.st_mode)) state += testsupport::read_file(path);
    char target[PATH_MAX];
    const ssize_t n = S_ISLNK(st.st_mode) ? ::readlink(path.c_str(), target, sizeof target) : 0;
    into[path] = state.append(target, size_t(n > 0 ? n : 0));
    if (S_ISDIR(st.st_mode))
        for (const auto& name : testsupport::listing(path)) snapshot(path + "/" + name, into);
}

TEST(HostileTree, NothingInTheTreeIsModified) {
    TempDir t;
    testsupport::make_dirs(t.path(), "Demo.app/Contents");
    testsupport::make_dirs(t.path(), "empty-dir");
    write_file(t / "Demo.app/Contents/Info.plist", "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict/></plist>\n");
    write_file(t / "Demo.app/Contents/bin", std::string("\xCF\xFA\xED\xFE", 4) + std::string(100, '\0'));
    write_file(t / "empty", "");
    write_file(t / "image.png", std::string("\x89PNG\r\n\x1A\n", 8) + std::string(64, '\x01'));
    write_file(t / "archive.zip", std::string("PK\x03\x04", 4) + std::string(40, 'z'));
    write_file(t / "disk", std::string(1000, 'd') + "koly" + std::string(508, '\0'));
    write_file(t / "script", "#!/bin/sh\nexit 0\n");
    write_file(t / std::string(255, 'n'), "long name\n");
    write_file(t / "new\nline", "x");
    ASSERT_EQ(::symlink("script", (t / "link").c_str()), 0);
    ASSERT_EQ(::mkfifo((t / "fifo").c_str(), 0644), 0);
    ASSERT_EQ(::chmod((t / "script").c_str(), 0755), 0);
    ASSERT_EQ(::chmod((t / "empty").c_str(), 0400), 0);
    std::map<std::string, std::string> before, after;
    snapshot(t.path(), before);
    ASSERT_EQ(before.size(), 15u);
    for (const char* form : {"json", "tree", "debug"}) {
        RunResult r = run_tool({t.path(), "--format", form});
        EXPECT_EQ(r.status, 0) << form << ": " << r.err;
    }
    snapshot(t.path(), after);
    EXPECT_EQ(after, before);
}

}  // namespace
