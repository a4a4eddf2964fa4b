// Detection speed: one detection per iteration, on files that reach the end
// of the walk (binary), reach "text/plain" (ASCII text), or are large.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>

#include "mime_magic/mime_magic.h"

namespace {

std::string make_file(const std::string& name, const std::string& content) {
    std::string path = "/tmp/tarvik-bench-" + std::to_string(::getpid()) + "-" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
    return path;
}

std::string random_binary(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (auto& c : s) c = char(rng());
    s[0] = '\x01';  // keep well away from any magic at byte 0
    s[1] = '\x02';
    return s;
}

std::string ascii_text(size_t n) {
    const std::string para =
        "The quick brown fox jumps over the lazy dog; pack my box with five dozen liquor jugs.\n"
        "Sphinx of black quartz, judge my vow. How vexingly quick daft zebras jump!\n";
    std::string s;
    while (s.size() < n) s += para;
    s.resize(n);
    return s;
}

void run(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        auto got = mime_magic::detect_mime_from_path(path);
        benchmark::DoNotOptimize(got);
    }
    state.SetLabel(std::string(*mime_magic::detect_mime_from_path(path)));
    std::remove(path.c_str());
}

void BM_Detect_Binary4K(benchmark::State& state) {
    run(state, make_file("bin4k", random_binary(4096, 1)));
}
void BM_Detect_Text4K(benchmark::State& state) { run(state, make_file("txt4k", ascii_text(4096))); }
void BM_Detect_Binary1M(benchmark::State& state) {
    run(state, make_file("bin1m", random_binary(1 << 20, 2)));
}

}  // namespace

BENCHMARK(BM_Detect_Binary4K)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Detect_Text4K)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Detect_Binary1M)->Unit(benchmark::kMicrosecond);
