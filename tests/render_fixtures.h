// Report trees built in memory for the rendering tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tarvik/model.h"

namespace fixtures {

inline tarvik::Artefact file(const std::string& path, uint64_t size, tarvik::AtomicClass cls,
                             tarvik::ClassificationSource src = tarvik::ClassificationSource::Magic) {
    tarvik::Artefact a;
    a.path = path;
    a.hash = "blake3:af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262";
    a.size = size;
    a.class_ = std::move(cls);
    a.full_mime_type = "application/octet-stream";
    a.classification_source = src;
    return a;
}

// A regular file as the assessment reports it when the detector gave no answer.
inline tarvik::Artefact empty_file(const std::string& path) {
    tarvik::Artefact a = file(path, 0, tarvik::atomic::OtherBinary{}, tarvik::ClassificationSource::Mime);
    a.notes = {"mime_magic failed to read " + path + "; defaulting to application/octet-stream"};
    return a;
}

inline tarvik::Artefact directory(const std::string& path, tarvik::CompositeClass cls,
                                  std::vector<tarvik::Artefact> children = {}) {
    tarvik::Artefact a;
    a.path = path;
    a.class_ = std::move(cls);
    a.full_mime_type = "inode/directory";
    a.classification_source = tarvik::ClassificationSource::Structure;
    a.children = std::move(children);
    return a;
}

inline tarvik::Artefact plain_directory(const std::string& path, std::vector<tarvik::Artefact> children = {}) {
    return directory(path, tarvik::composite::UnknownComposite{}, std::move(children));
}

inline tarvik::AtomicClass macho64le() {
    return tarvik::atomic::StandaloneMacho{tarvik::ArchWord::Bits64, tarvik::Endianness::Little,
                                           tarvik::MachoKind::UnknownKind};
}

}  // namespace fixtures
