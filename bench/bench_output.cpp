// The three output forms of a large report: a synthetic in-memory tree of
// 100,000 small files (100 directories of 1,000 files each).
//
// Wall time: one rendering per iteration (the debug form goes to /dev/null).
// Memory: each form is measured once in a child process of its own, which
// builds the tree and renders it once; the counters give the growth of the
// peak resident size (getrusage ru_maxrss) caused by building the tree
// (tree_MB) and, on top of that, by rendering it (render_MB), beside the
// size of the printed text (text_MB), and the child's whole peak (peak_MB).
// For the JSON form the target is render_MB below 2 x text_MB.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "tarvik/render.h"
#include "tree.h"

namespace {

using namespace tarvik;

constexpr int kDirs = 100;
constexpr int kFilesPerDir = 1000;

AtomicClass class_for(int i) {
    switch (i % 8) {
        case 0:
            return atomic::StandaloneMacho{ArchWord::Bits64, Endianness::Little,
                                           MachoKind::UnknownKind};
        case 1: return atomic::PropertyList{PlistFormat::Binary};
        case 2: return atomic::Archive{ArchiveKind::Zip};
        case 3: return atomic::Shebang{};
        case 4: return atomic::XmlDescriptor{};
        case 5: return atomic::OtherFileTypes{MimeTopLevel::Application};
        case 6: return atomic::OtherText{};
        default: return atomic::PassiveMedia{};
    }
}

Artefact build_tree() {
    Artefact root;
    root.path = "/tmp/tarvik-bench/Synthetic.app";
    root.class_ = CompositeClass{composite::Bundle{BundleKind::App}};
    root.full_mime_type = "inode/directory";
    root.classification_source = ClassificationSource::Structure;
    root.children.reserve(kDirs);
    for (int d = 0; d < kDirs; ++d) {
        Artefact dir;
        dir.path = root.path + "/dir-" + std::to_string(d);
        dir.class_ = CompositeClass{composite::UnknownComposite{}};
        dir.full_mime_type = "inode/directory";
        dir.classification_source = ClassificationSource::Structure;
        dir.children.reserve(kFilesPerDir);
        for (int f = 0; f < kFilesPerDir; ++f) {
            const int i = d * kFilesPerDir + f;
            Artefact file;
            file.path = dir.path + "/file-" + std::to_string(i) + ".dat";
            file.hash = "blake3:af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262";
            file.size = uint64_t(i) * 37 % 5000;
            file.class_ = class_for(i);
            file.full_mime_type = "application/octet-stream";
            file.classification_source =
                i % 2 ? ClassificationSource::Magic : ClassificationSource::Mime;
            dir.children.push_back(std::move(file));
        }
        root.children.push_back(std::move(dir));
    }
    return root;
}

const Artefact& shared_tree() {
    static const Artefact tree = build_tree();
    return tree;
}

long max_rss_bytes() {
    rusage ru{};
    ::getrusage(RUSAGE_SELF, &ru);
#ifdef __APPLE__
    return ru.ru_maxrss;  // bytes there
#else
    return ru.ru_maxrss * 1024L;  // kilobytes here
#endif
}

enum class Form { Json, Tree, Debug };

// Renders `tree` once in `form`; returns the size of the text (for the dump,
// as far as `out` can tell it).
size_t render_once(const Artefact& tree, Form form, std::FILE* out) {
    switch (form) {
        case Form::Json: {
            std::string text, error;
            text.reserve(128);
            if (!write_json(tree, text, error)) return 0;
            text += '\n';
            benchmark::DoNotOptimize(text.data());
            return text.size();
        }
        case Form::Tree: {
            std::string text = cli::render_tree(tree);
            text += '\n';
            benchmark::DoNotOptimize(text.data());
            return text.size();
        }
        case Form::Debug: {
            const long before = std::ftell(out);
            write_debug(tree, out);
            std::fputc('\n', out);
            std::fflush(out);
            return size_t(std::ftell(out) - before);
        }
    }
    return 0;
}

struct MemoryFigures {
    double tree_mb = 0, render_mb = 0, text_mb = 0, peak_mb = 0;
};

// Builds and renders in a child process so that each form has a peak of its own.
MemoryFigures measure_memory(Form form) {
    int fds[2];
    MemoryFigures m;
    if (::pipe(fds) != 0) return m;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::FILE* sink = std::tmpfile();  // a real file, so the dump's length can be told
        const long start = max_rss_bytes();
        MemoryFigures c;
        {
            const Artefact tree = build_tree();
            const long built = max_rss_bytes();
            const size_t text = render_once(tree, form, sink);
            const long rendered = max_rss_bytes();
            c.tree_mb = double(built - start) / 1e6;
            c.render_mb = double(rendered - built) / 1e6;
            c.text_mb = double(text) / 1e6;
            c.peak_mb = double(rendered) / 1e6;
        }
        (void)!::write(fds[1], &c, sizeof c);
        ::_exit(0);
    }
    ::close(fds[1]);
    if (pid > 0) {
        if (::read(fds[0], &m, sizeof m) != ssize_t(sizeof m)) m = {};
        int st;
        ::waitpid(pid, &st, 0);
    }
    ::close(fds[0]);
    return m;
}

void run(benchmark::State& state, Form form) {
    // All three are measured at the first call, before this process holds a tree.
    static const MemoryFigures figures[3] = {measure_memory(Form::Json), measure_memory(Form::Tree),
                                             measure_memory(Form::Debug)};
    const MemoryFigures& mem = figures[int(form)];
    const Artefact& tree = shared_tree();
    std::FILE* devnull = std::fopen("/dev/null", "w");
    for (auto _ : state) render_once(tree, form, devnull);
    std::fclose(devnull);
    state.SetBytesProcessed(int64_t(double(state.iterations()) * mem.text_mb * 1e6));
    state.counters["nodes"] = double(1 + kDirs + kDirs * kFilesPerDir);
    state.counters["text_MB"] = mem.text_mb;
    state.counters["tree_MB"] = mem.tree_mb;
    state.counters["render_MB"] = mem.render_mb;
    state.counters["peak_MB"] = mem.peak_mb;
}

void BM_Output_Json(benchmark::State& state) { run(state, Form::Json); }
void BM_Output_Tree(benchmark::State& state) { run(state, Form::Tree); }
void BM_Output_Debug(benchmark::State& state) { run(state, Form::Debug); }

}  // namespace

BENCHMARK(BM_Output_Json)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Output_Tree)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Output_Debug)->Unit(benchmark::kMillisecond)->UseRealTime();
