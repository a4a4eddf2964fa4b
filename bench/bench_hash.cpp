// Content hash speed: hash_file over one 256 MiB file of random bytes (kept
// in the page cache by the first run), as the tool hashes it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "tarvik/assess.h"

namespace {

constexpr size_t HASH_FILE_SIZE = size_t(256) << 20;

// The file is made on first use and removed at exit.
class BigFile {
public:
    BigFile() : path_("/tmp/tarvik-bench-hash-" + std::to_string(::getpid())) {
        int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) std::abort();
        std::mt19937_64 rng(7);
        std::vector<uint64_t> block((1 << 20) / sizeof(uint64_t));
        for (size_t done = 0; done < HASH_FILE_SIZE; done += block.size() * sizeof(uint64_t)) {
            for (auto& w : block) w = rng();
            const char* p = reinterpret_cast<const char*>(block.data());
            size_t left = block.size() * sizeof(uint64_t);
            while (left > 0) {
                ssize_t n = ::write(fd, p, left);
                if (n <= 0) std::abort();
                p += n;
                left -= size_t(n);
            }
        }
        ::close(fd);
    }
    ~BigFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

const std::string& big_file() {
    static BigFile file;
    return file.path();
}

void BM_HashFile256MiB(benchmark::State& state) {
    const std::string& path = big_file();
    benchmark::DoNotOptimize(tarvik::hash_file(path));  // warm the page cache
    for (auto _ : state) {
        auto digest = tarvik::hash_file(path);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(HASH_FILE_SIZE));
}
BENCHMARK(BM_HashFile256MiB)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
