// Fuzz target: the header magic tests and every output form of a small report
// whose paths are arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "tarvik/assess.h"
#include "tarvik/render.h"
#include "tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Layout: one byte n, n path bytes, the rest is the header read.
    if (size == 0) return 0;
    size_t n = data[0] < size - 1 ? data[0] : size - 1;
    std::string path(reinterpret_cast<const char*>(data + 1), n);
    const uint8_t* header = data + 1 + n;
    size_t header_len = size - 1 - n;

    tarvik::Artefact file;
    file.path = path + "/f";
    file.hash = "blake3:";
    file.size = header_len;
    auto cls = tarvik::sniff_magic(header, header_len);
    file.class_ = cls ? *cls : tarvik::AtomicClass{tarvik::atomic::Unknown{}};
    file.full_mime_type = "application/octet-stream";
    file.classification_source =
        cls ? tarvik::ClassificationSource::Magic : tarvik::ClassificationSource::None;
    file.notes.push_back("note " + path);

    tarvik::Artefact dir;
    dir.path = path;
    dir.class_ = tarvik::CompositeClass{tarvik::composite::UnknownComposite{}};
    dir.full_mime_type = "inode/directory";
    dir.classification_source = tarvik::ClassificationSource::Structure;
    dir.children.push_back(file);
    dir.children.push_back(std::move(file));

    std::string json, error;
    bool ok = tarvik::write_json(dir, json, error);
    if (ok != tarvik::is_valid_utf8(path)) __builtin_trap();
    static std::FILE* sink = std::fopen("/dev/null", "w");
    tarvik::write_debug(dir, sink);
    std::string tree = tarvik::cli::render_tree(dir);
    std::string q = tarvik::quoted_path(path) + tarvik::quoted_text(tarvik::lossy_utf8(path));
    (void)tree;
    (void)q;
    return 0;
}
