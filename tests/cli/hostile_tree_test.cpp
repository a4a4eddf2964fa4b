// The built tool on hostile trees: huge and deep directories, odd names, a
// sparse 4 GiB file, entries that change or vanish during the walk, FIFOs and
// devices, closed standard streams, and a tree that must stay untouched.
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
#include <tuple>
#include <variant>
#include <vector>

#include "mime_magic/mime_magic.h"
#include "support.h"
#include "tarvik/assess.h"

namespace {

using testsupport::contains;
using testsupport::make_dir;
using testsupport::RunOptions;
using testsupport::RunResult;
using testsupport::TempDir;
using testsupport::write_file;

// BLAKE3 of 4 GiB of zero bytes, as computed once by `b3sum --num-threads 1`.
const char* const FOUR_GIB_ZEROS_HASH =
    "blake3:7dde7c9fed144013fedbe2b0bbf2d82f004b60b589485851cdec29b27be408d7";

// Runs the built tool under `timeout`, so that a hang fails the test (status
// 124) instead of stalling the suite.
RunResult run_tool(const std::vector<std::string>& args, const RunOptions& opt = {}) {
    std::vector<std::string> argv = {"/usr/bin/timeout", "-k", "5", "60", TARVIK_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return testsupport::run(argv, opt);
}

size_t count(const std::string& haystack, const std::string& needle) {
    size_t n = 0;
    for (size_t at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + needle.size()))
        ++n;
    return n;
}

// Sets the soft limit of open descriptors for the scope (inherited by the
// tool started within it).
class DescriptorLimit {
public:
    explicit DescriptorLimit(rlim_t soft) {
        ::getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = soft;
        ::setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~DescriptorLimit() { ::setrlimit(RLIMIT_NOFILE, &saved_); }

private:
    rlimit saved_{};
};

// A chain of directories `name` below `base`, `levels` deep, built and torn
// down through descriptors, since its deep end lies past the path-length
// limit. `leaf` is a file written at the bottom.
class DirectoryChain {
public:
    DirectoryChain(std::string base, std::string name, int levels)
        : base_(std::move(base)), name_(std::move(name)), levels_(levels) {
        int fd = ::open(base_.c_str(), O_RDONLY | O_DIRECTORY);
        for (int i = 0; i < levels_ && fd >= 0; ++i) {
            ::mkdirat(fd, name_.c_str(), 0755);
            int next = ::openat(fd, name_.c_str(), O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = next;
        }
        if (fd >= 0) {
            int leaf = ::openat(fd, "leaf", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (leaf >= 0) {
                (void)!::write(leaf, "x", 1);
                ::close(leaf);
            }
            ::close(fd);
        }
    }
    ~DirectoryChain() {
        int fd = ::open(base_.c_str(), O_RDONLY | O_DIRECTORY);
        int depth = 0;
        while (fd >= 0 && depth < levels_) {
            int next = ::openat(fd, name_.c_str(), O_RDONLY | O_DIRECTORY);
            if (next < 0) break;
            ::close(fd);
            fd = next;
            ++depth;
        }
        if (fd < 0) return;
        ::unlinkat(fd, "leaf", 0);
        while (depth-- > 0) {
            int up = ::openat(fd, "..", O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = up;
            if (fd < 0) return;
            ::unlinkat(fd, name_.c_str(), AT_REMOVEDIR);
        }
        ::close(fd);
    }

    // The number of levels whose path, the base joined with the names, fits
    // the path-length limit.
    int reachable() const {
        const size_t limit = PATH_MAX - 1;  // the terminating NUL counts
        size_t len = base_.size();
        int k = 0;
        while (k < levels_ && len + 1 + name_.size() <= limit) {
            len += 1 + name_.size();
            ++k;
        }
        return k;
    }

private:
    std::string base_, name_;
    int levels_;
};

// --- size and depth ---------------------------------------------------------

TEST(HostileTree, TenThousandEntriesInOneDirectory) {
    TempDir t;
    const int entries = 10000;
    for (int i = 0; i < entries; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "/f%05d", i);
        int fd = ::open((t.path() + name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0) << name;
        if (i % 100 == 0) (void)!::write(fd, "tiny text\n", 10);
        ::close(fd);
    }
    RunResult r = run_tool({t.path()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(count(r.out, "\"Atomic\": {"), size_t(entries));
    EXPECT_EQ(count(r.out, "\"Composite\": {"), 1u);
    EXPECT_TRUE(contains(r.out, "\"path\": \"" + t.path() + "/f00000\""));
    EXPECT_TRUE(contains(r.out, "\"path\": \"" + t.path() + "/f09999\""));
    ASSERT_GE(r.out.size(), 2u);
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "}\n");

    RunResult tree = run_tool({t.path(), "--format", "tree"});
    ASSERT_EQ(tree.status, 0) << tree.err;
    EXPECT_EQ(count(tree.out, "\n"), size_t(entries) + 2);  // root, entries, empty line
}

TEST(HostileTree, ChainDeeperThanThePathLimit) {
    TempDir t;
    DirectoryChain chain(t.path(), "d", PATH_MAX / 2 + 64);
    const int reachable = chain.reachable();
    ASSERT_GT(reachable, 1000);

    // Few descriptors: the walk must not hold one per level.
    DescriptorLimit limit(32);

    RunResult tree = run_tool({t.path(), "--format", "tree"});
    ASSERT_EQ(tree.status, 0) << tree.err;
    EXPECT_EQ(tree.err, "");
    // The root, every reachable level, the empty line; the levels past the
    // limit and the leaf at the bottom are left out silently.
    EXPECT_EQ(count(tree.out, "\n"), size_t(reachable) + 2);
    EXPECT_EQ(count(tree.out, "── d\n"), size_t(reachable));
    EXPECT_FALSE(contains(tree.out, "leaf"));

    // The other forms nest deeper still; stdout closed at start swallows the
    // large texts, and the status shows they were built and written.
    RunOptions quiet;
    quiet.close_stdout = true;
    for (const char* format : {"json", "debug"}) {
        RunResult r = run_tool({t.path(), "--format", format}, quiet);
        EXPECT_EQ(r.status, 0) << format << ": " << r.err;
        EXPECT_EQ(r.err, "") << format;
    }
}

TEST(HostileTree, ChainOfLongestNamesUpToThePathLimit) {
    TempDir t;
    const std::string name(255, 'n');
    DirectoryChain chain(t.path(), name, 20);
    const int reachable = chain.reachable();
    ASSERT_LT(reachable, 20);

    RunResult r = run_tool({t.path()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(count(r.out, "\"Composite\": {"), size_t(reachable) + 1);
    EXPECT_EQ(count(r.out, "\"Atomic\": {"), 0u);
    std::string deepest = t.path();
    for (int i = 0; i < reachable; ++i) deepest += "/" + name;
    EXPECT_TRUE(contains(r.out, "\"path\": \"" + deepest + "\""));
}

// --- names ------------------------------------------------------------------

TEST(HostileTree, ControlCharactersAndLongNamesAreEscapedInJson) {
    TempDir t;
    const std::string long_name(255, 'L');
    // Entry name, and how it stands in the JSON text.
    const std::vector<std::pair<std::string, std::string>> names = {
        {"new\nline", "new\\nline"},
        {"tab\there", "tab\\there"},
        {"cr\rx", "cr\\rx"},
        {"bs\bx", "bs\\bx"},
        {"ff\fx", "ff\\fx"},
        {"bell\x07", "bell\\u0007"},
        {"us\x1F", "us\\u001f"},
        {"del\x7F", "del\x7F"},
        {"quote\"back\\slash", "quote\\\"back\\\\slash"},
        {"line\xE2\x80\xA8sep", "line\xE2\x80\xA8sep"},
        {long_name, long_name},
    };
    for (const auto& [name, escaped] : names) write_file(t / name, name.size() % 2 ? "a" : "");

    RunResult r = run_tool({t.path()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(count(r.out, "\"Atomic\": {"), names.size());
    for (const auto& [name, escaped] : names)
        EXPECT_TRUE(contains(r.out, "\"path\": \"" + t.path() + "/" + escaped + "\"")) << escaped;
    // No raw control character is left inside the document.
    for (char c : r.out) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20);

    // The tree form writes the names unchanged.
    RunResult tree = run_tool({t.path(), "--format", "tree"});
    ASSERT_EQ(tree.status, 0) << tree.err;
    EXPECT_TRUE(contains(tree.out, "── new\nline\t["));
    EXPECT_TRUE(contains(tree.out, "tab\there\t["));
    EXPECT_TRUE(contains(tree.out, long_name + "\t["));
}

TEST(HostileTree, InvalidUtf8NameFailsOnlyTheJsonForm) {
    TempDir t;
    make_dir(t / "sub");
    write_file(t / "sub/\xFF\xFEraw", "x");
    write_file(t / "plain", "y");

    RunResult json = run_tool({t.path()});
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.out, "");
    EXPECT_EQ(json.err, "Serialization error: path contains invalid UTF-8 characters\n");

    RunResult tree = run_tool({t.path(), "--format", "tree"});
    EXPECT_EQ(tree.status, 0) << tree.err;
    EXPECT_TRUE(contains(tree.out, "── ?\t[OtherBinary] (1 B)\n")) << tree.out;
    EXPECT_TRUE(contains(tree.out, "plain\t["));

    RunResult debug = run_tool({t.path(), "--format", "debug"});
    EXPECT_EQ(debug.status, 0) << debug.err;
    EXPECT_EQ(count(debug.out, "Atomic {"), 2u);
    EXPECT_TRUE(contains(debug.out, "/sub/\\xFF\\xFEraw\"")) << debug.out;
}

// --- a large sparse file ----------------------------------------------------

TEST(HostileTree, SparseFourGibFileIsSizedAndHashedWhole) {
    // Holes read fastest from a memory file system, where there is one.
    std::string tmpdir_before = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    const bool had_tmpdir = std::getenv("TMPDIR") != nullptr;
    struct stat shm;
    if (::stat("/dev/shm", &shm) == 0 && S_ISDIR(shm.st_mode) && ::access("/dev/shm", W_OK) == 0)
        ::setenv("TMPDIR", "/dev/shm", 1);
    TempDir t;
    if (had_tmpdir)
        ::setenv("TMPDIR", tmpdir_before.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    const std::string path = t / "sparse";
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const off_t size = off_t(4) << 30;
    const bool made = ::ftruncate(fd, size) == 0;
    ::close(fd);
    if (!made) GTEST_SKIP() << "the file system refuses a 4 GiB sparse file";

    RunResult r = run_tool({path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "\"size\": 4294967296,")) << r.out;
    EXPECT_TRUE(contains(r.out, std::string("\"hash\": \"") + FOUR_GIB_ZEROS_HASH + "\"")) << r.out;
}

// --- entries that change under the walk -------------------------------------

TEST(HostileTree, EntryGoneBeforeItsAssessmentIsNotReadable) {
    TempDir t;
    write_file(t / "gone", "content");
    ASSERT_EQ(::unlink((t / "gone").c_str()), 0);
    auto r = tarvik::assess_path(t / "gone");
    ASSERT_TRUE(std::holds_alternative<tarvik::AssessError>(r));
    EXPECT_EQ(std::get<tarvik::AssessError>(r).kind, tarvik::AssessErrorKind::PathNotReadable);
    auto h = tarvik::hash_file(t / "gone");
    ASSERT_TRUE(std::holds_alternative<tarvik::AssessError>(h));
    EXPECT_EQ(std::get<tarvik::AssessError>(h).kind, tarvik::AssessErrorKind::PathNotReadable);
    EXPECT_FALSE(mime_magic::detect_mime_from_path(t / "gone"));
}

// A FIFO with a writer attached and data waiting: `fd_read` and `fd_write`
// keep both ends open for the scope.
struct FedFifo {
    explicit FedFifo(const std::string& path, const std::string& data) {
        if (::mkfifo(path.c_str(), 0644) != 0) return;
        fd_read = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
        fd_write = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd_write >= 0) (void)!::write(fd_write, data.data(), data.size());
    }
    ~FedFifo() {
        if (fd_read >= 0) ::close(fd_read);
        if (fd_write >= 0) ::close(fd_write);
    }
    std::string drain() const {
        std::string out;
        char buf[4096];
        ssize_t n;
        while ((n = ::read(fd_read, buf, sizeof buf)) > 0) out.append(buf, size_t(n));
        return out;
    }
    int fd_read = -1, fd_write = -1;
};

// A regular file that turns into a FIFO or a device between its listing and
// the reads: no step reads from it, so nothing waiting in the FIFO is taken.
TEST(HostileTree, FileSwappedForAFifoIsNeitherReadNorDrained) {
    TempDir t;
    const std::string data = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n";
    FedFifo fifo(t / "swapped", data);
    ASSERT_GE(fifo.fd_read, 0);
    ASSERT_GE(fifo.fd_write, 0);

    auto h = tarvik::hash_file(t / "swapped");
    ASSERT_TRUE(std::holds_alternative<tarvik::AssessError>(h));
    EXPECT_EQ(std::get<tarvik::AssessError>(h).kind, tarvik::AssessErrorKind::PathNotReadable);
    EXPECT_EQ(tarvik::probe_disk_image_trailer(t / "swapped"), std::nullopt);
    EXPECT_EQ(mime_magic::detect_mime_from_path(t / "swapped"), std::nullopt);
    EXPECT_EQ(fifo.drain(), data);

    // A device in the file's place: nothing, and /dev/zero is not read.
    EXPECT_EQ(mime_magic::detect_mime_from_path("/dev/zero"), std::nullopt);
    EXPECT_EQ(mime_magic::detect_mime_from_path("/dev/null"), std::nullopt);
    auto hz = tarvik::hash_file("/dev/zero");
    EXPECT_TRUE(std::holds_alternative<tarvik::AssessError>(hz));
}

// Files vanish, shrink and turn into FIFOs while the tool walks: whatever it
// sees, it ends normally with a well-formed report of at most the files there
// were.
TEST(HostileTree, TreeChangingDuringTheWalk) {
    TempDir t;
    const int files = 3000;
    for (int i = 0; i < files; ++i)
        write_file(t / std::string("f").append(std::to_string(i)), std::string(size_t(i % 7) * 300, 'a'));
    std::atomic<bool> go{false};
    std::thread mutator([&] {
        while (!go.load()) std::this_thread::yield();
        for (int i = files - 1; i >= 0; --i) {
            const std::string p = t / std::string("f").append(std::to_string(i));
            switch (i % 3) {
                case 0: ::unlink(p.c_str()); break;
                case 1: (void)!::truncate(p.c_str(), 0); break;
                case 2: ::unlink(p.c_str()); ::mkfifo(p.c_str(), 0644); break;
            }
        }
    });
    go = true;
    RunResult r = run_tool({t.path()});
    mutator.join();
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_LE(count(r.out, "\"Atomic\": {"), size_t(files));
    EXPECT_EQ(count(r.out, "\"Composite\": {"), 1u);
    ASSERT_GE(r.out.size(), 2u);
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "}\n");

    // Afterwards the FIFOs have no writer: they are left out, promptly.
    RunResult again = run_tool({t.path(), "--format", "tree"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(count(again.out, "\n"), size_t(files / 3) + 2);
}

// --- FIFOs and devices ------------------------------------------------------

TEST(HostileTree, FifoChildrenAreLeftOutWithoutWaiting) {
    TempDir t;
    ASSERT_EQ(::mkfifo((t / "lonely").c_str(), 0644), 0);
    const std::string data = "#!/bin/sh\necho waiting\n";
    FedFifo fed(t / "fed", data);
    ASSERT_GE(fed.fd_write, 0);
    write_file(t / "file", "text\n");

    for (const char* format : {"json", "tree", "debug"}) {
        RunResult r = run_tool({t.path(), "--format", format});
        EXPECT_EQ(r.status, 0) << format << ": " << r.err;
        const bool tree = std::string(format) == "tree";
        auto shown = [&](const std::string& name) {
            return contains(r.out, tree ? "── " + name + "\t" : "/" + name + "\"");
        };
        EXPECT_TRUE(shown("file")) << format << ": " << r.out;
        EXPECT_FALSE(shown("lonely")) << format;
        EXPECT_FALSE(shown("fed")) << format;
    }
    EXPECT_EQ(fed.drain(), data);
}

// --- the tree is left as it was ---------------------------------------------

struct EntryState {
    mode_t mode;
    ino_t ino;
    nlink_t nlink;
    off_t size;
    long mtime_s, mtime_ns, ctime_s, ctime_ns;
    std::string content;  // regular files: the bytes; links: the target

    auto key() const {
        return std::tie(mode, ino, nlink, size, mtime_s, mtime_ns, ctime_s, ctime_ns, content);
    }
    bool operator==(const EntryState& o) const { return key() == o.key(); }
};

void snapshot(const std::string& path, std::map<std::string, EntryState>& into) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return;
    EntryState e{st.st_mode,       st.st_ino,      st.st_nlink,     st.st_size,
                 st.st_mtim.tv_sec, st.st_mtim.tv_nsec, st.st_ctim.tv_sec, st.st_ctim.tv_nsec,
                 {}};
    if (S_ISREG(st.st_mode)) e.content = testsupport::read_file(path);
    if (S_ISLNK(st.st_mode)) {
        char buf[PATH_MAX];
        ssize_t n = ::readlink(path.c_str(), buf, sizeof buf);
        if (n > 0) e.content.assign(buf, size_t(n));
    }
    into[path] = e;
    if (!S_ISDIR(st.st_mode)) return;
    DIR* d = ::opendir(path.c_str());
    if (!d) return;
    std::vector<std::string> names;
    while (dirent* ent = ::readdir(d)) {
        std::string n = ent->d_name;
        if (n != "." && n != "..") names.push_back(n);
    }
    ::closedir(d);
    for (const auto& n : names) snapshot(path + "/" + n, into);
}

TEST(HostileTree, NothingInTheTreeIsModified) {
    TempDir t;
    make_dir(t / "Demo.app");
    make_dir(t / "Demo.app/Contents");
    write_file(t / "Demo.app/Contents/Info.plist",
               "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict/></plist>\n");
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
    make_dir(t / "empty-dir");
    ASSERT_EQ(::chmod((t / "script").c_str(), 0755), 0);
    ASSERT_EQ(::chmod((t / "empty").c_str(), 0400), 0);

    std::map<std::string, EntryState> before, after;
    snapshot(t.path(), before);
    ASSERT_EQ(before.size(), 15u);
    for (const char* format : {"json", "tree", "debug"}) {
        RunResult r = run_tool({t.path(), "--format", format});
        EXPECT_EQ(r.status, 0) << format << ": " << r.err;
    }
    snapshot(t.path(), after);
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [path, state] : before) {
        auto it = after.find(path);
        ASSERT_NE(it, after.end()) << path;
        EXPECT_TRUE(it->second == state) << path << " changed";
    }
}

}  // namespace
