// Test helpers: temporary fixture trees and running the built tarvik-cli.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

extern char** environ;

namespace testsupport {

// A fresh directory under $TMPDIR (or /tmp), removed with all its content at
// the end of the scope, however deep.
class TempDir {
public:
    TempDir() {
        const char* base = std::getenv("TMPDIR");
        std::string tmpl = std::string(base && *base ? base : "/tmp") + "/tarvik-test-XXXXXX";
        std::vector<char> buf(tmpl.begin(), tmpl.end());
        buf.push_back('\0');
        if (!::mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed");
        path_ = buf.data();
    }
    // Permissions are restored first, so that nothing is left behind.
    ~TempDir() { (void)!std::system(("chmod -R u+rwX '" + path_ + "' 2>/dev/null; rm -rf '" + path_ + "'").c_str()); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& rel) const { return path_ + "/" + rel; }

private:
    std::string path_;
};

inline bool contains(const std::string& haystack, const std::string& needle) {
    return haystack.find(needle) != std::string::npos;
}

// The whole content of a file ("" when it cannot be read).
inline std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Writes `content` to `path`, creating or truncating the file.
inline void write_file(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.write(content.data(), std::streamsize(content.size())).flush())
        throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
}

// `mkdir -p` for the directories of a relative path below `base`.
inline void make_dirs(const std::string& base, const std::string& rel) {
    for (size_t at = 0; at <= rel.size(); ++at) {
        if (at < rel.size() && rel[at] != '/') continue;
        const std::string dir = base + "/" + rel.substr(0, at);
        if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) throw std::runtime_error("cannot mkdir " + dir);
    }
}

// The entry names of a directory ("." and ".." left out) in the order its
// listing returns them; none when it cannot be opened.
inline std::vector<std::string> listing(const std::string& dir) {
    std::vector<std::string> names;
    DIR* d = ::opendir(dir.c_str());
    if (!d) return names;
    while (const dirent* e = ::readdir(d)) {
        const std::string n = e->d_name;
        if (n != "." && n != "..") names.push_back(n);
    }
    ::closedir(d);
    return names;
}

struct RunResult {
    int status = -1;  // exit status, or 128 + signal
    std::string out;
    std::string err;
};

struct RunOptions {
    std::string cwd;                 // empty: the current directory
    bool close_stdout = false;       // start with descriptor 1 closed
    bool close_stderr = false;       // start with descriptor 2 closed
    bool stdout_reader_gone = false; // stdout is a pipe whose reader has exited
    bool stderr_reader_gone = false; // the same for stderr
};

// Runs `argv` (argv[0] is the program path) and collects its output.
inline RunResult run(const std::vector<std::string>& argv, const RunOptions& opt = {}) {
    int out_pipe[2], err_pipe[2];
    if (::pipe(out_pipe) != 0 || ::pipe(err_pipe) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    for (auto [fd, pipe_end, closed] : {std::tuple{1, out_pipe[1], opt.close_stdout}, {2, err_pipe[1], opt.close_stderr}})
        closed ? posix_spawn_file_actions_addclose(&fa, fd) : posix_spawn_file_actions_adddup2(&fa, pipe_end, fd);
    for (int end : {out_pipe[0], err_pipe[0], out_pipe[1], err_pipe[1]}) posix_spawn_file_actions_addclose(&fa, end);
    // Relative paths stay relative to the directory the program starts in.
    if (!opt.cwd.empty()) posix_spawn_file_actions_addchdir_np(&fa, opt.cwd.c_str());
    std::vector<std::string> args = argv;
    std::vector<char*> cargv;
    for (auto& a : args) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    if (opt.stdout_reader_gone) ::close(out_pipe[0]);
    if (opt.stderr_reader_gone) ::close(err_pipe[0]);
    pid_t pid;
    int rc = ::posix_spawn(&pid, cargv[0], &fa, nullptr, cargv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    ::close(out_pipe[1]);
    ::close(err_pipe[1]);
    if (rc != 0) throw std::runtime_error("posix_spawn failed");
    RunResult r;
    auto drain = [](int fd, std::string& into) {
        char buf[65536];
        ssize_t n;
        while ((n = ::read(fd, buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))
            if (n > 0) into.append(buf, size_t(n));
        ::close(fd);
    };
    if (!opt.stdout_reader_gone) drain(out_pipe[0], r.out);
    if (!opt.stderr_reader_gone) drain(err_pipe[0], r.err);
    int st = 0;
    while (::waitpid(pid, &st, 0) < 0 && errno == EINTR) {
    }
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
    return r;
}

// Runs the built tarvik-cli with the given arguments.
inline RunResult run_cli(const std::vector<std::string>& args, const RunOptions& opt = {}) {
    std::vector<std::string> argv = {TARVIK_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return run(argv, opt);
}

}  // namespace testsupport
