// Assessment of one path: the file-type dispatch, the regular-file node, the
// directory node with its bundle rules, and the content hash.
//
// Paths are raw byte strings handed to the operating system unchanged; the
// tool only reads: files are opened read-only and closed on every path.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "file_access.h"
#include "mime_magic/file_head.h"
#include "mime_magic/mime_magic.h"
#include "tarvik/assess.h"

namespace tarvik {

namespace {

AssessError not_readable(std::string_view path) {
    return AssessError::with_path(AssessErrorKind::PathNotReadable, path);
}

// A path holding a NUL byte cannot be handed to the operating system.
bool has_nul(std::string_view path) { return path.find('\0') != std::string_view::npos; }

// Joins a directory path and a relative name; a separator is inserted only
// when the directory path does not already end in one.
std::string join(std::string_view dir, std::string_view name) {
    std::string out(dir);
    if (!out.empty() && out.back() != '/') out += '/';
    out += name;
    return out;
}

bool exists(const std::string& path) {
    struct stat st;
    return !has_nul(path) && ::stat(path.c_str(), &st) == 0;
}

// The lower-cased extension of a directory name (full Unicode lower-casing),
// or empty when it has none or it is not valid UTF-8.
std::string lowercase_extension(std::string_view path) {
    std::string_view name = final_component(path).value_or(std::string_view());
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    std::string_view ext = name.substr(dot + 1);
    if (ext.empty() || !is_valid_utf8(ext)) return {};
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(ext.data(), static_cast<int32_t>(ext.size())));
    u.toLower(icu::Locale::getRoot());
    std::string out;
    u.toUTF8String(out);
    return out;
}

// The directory walk recurses once per level, up to the depth that the
// path-length limit allows (some 2000 levels). The steps with large locals
// (the regular file's node and reads, the class probes, the listing) are kept out
// of line, so that each level adds only a small frame to the stack.
#define TARVIK_OUT_OF_LINE [[gnu::noinline]]

TARVIK_OUT_OF_LINE Result<Artefact> assess_symlink(const std::string& path) {
    AssessError e{};
    e.kind = AssessErrorKind::Symlink;
    char* resolved = has_nul(path) ? nullptr : ::realpath(path.c_str(), nullptr);
    if (resolved) {
        e.text = lossy_utf8(path) + " is a symlink pointing to " + lossy_utf8(resolved);
        std::free(resolved);
    } else {
        int err = has_nul(path) ? EINVAL : errno;
        e.text = std::string(std::strerror(err)) + " (os error " + std::to_string(err) + ") in " +
                 lossy_utf8(path);
    }
    return e;
}

// The node of an opened regular file. One descriptor and one read serve the
// header, the size, the detection, the hash and the trailer probe: the MIME
// type and the hash describe the same bytes, and each answer is the one its
// own open and read would give.
Result<Artefact> assess_open_file(const mime_magic::RegularFile& file, const std::string& path) {
    const uint64_t size = file.size();  // the opened file's, from its metadata

    // The head: exactly one read, neither completed nor retried. The header
    // magic tests look at its start, the detector at all of it.
    mime_magic::DetectionBuffer& head = mime_magic::DetectionBuffer::of_this_thread();
    if (head.read_head(file.fd()) < 0) return not_readable(path);
    const uint8_t* bytes = head.data();
    const size_t n = head.len();
    std::optional<AtomicClass> cls = sniff_magic(bytes, n < kHeaderLen ? n : kHeaderLen);

    Artefact node;
    node.path = path;
    node.size = size;
    if (auto mime = mime_magic::detect_mime_from_buffer(bytes, n)) {
        node.full_mime_type = std::string(*mime);
    } else {
        node.notes.push_back("mime_magic failed to read " + lossy_utf8(path) + "; defaulting to " +
                             std::string(mime_magic::FALLBACK_MIME_TYPE));
        node.full_mime_type = std::string(mime_magic::FALLBACK_MIME_TYPE);
    }

    // A head that reaches the size from the metadata holds the trailer.
    const bool trailer_in_head = n >= size;
    if (!cls && trailer_in_head) {
        const size_t start = size > kTrailerLen ? size_t(size) - kTrailerLen : 0;
        const size_t end = start + kTrailerLen < n ? start + kTrailerLen : n;
        cls = disk_image_trailer_in(bytes + start, end - start);
    }

    // The hash reuses the head's storage: nothing reads the head after it.
    if (!hash_open_file(file.fd(), size, head, node.hash)) return not_readable(path);
    if (!cls && !trailer_in_head) cls = probe_disk_image_trailer_fd(file.fd(), off_t(size));

    if (cls) {
        node.classification_source = ClassificationSource::Magic;
    } else if ((cls = classify_by_mime(*node.full_mime_type))) {
        node.classification_source = ClassificationSource::Mime;
    } else {
        cls = atomic::Unknown{};
        node.classification_source = ClassificationSource::None;
    }
    node.class_ = std::move(*cls);
    return node;
}

TARVIK_OUT_OF_LINE Result<Artefact> assess_regular(const std::string& path) {
    mime_magic::RegularFile file(path);
    if (!file.is_open()) return not_readable(path);
    return assess_open_file(file, path);
}

// An entry that its directory's listing reports as a regular file is opened
// straight away, by its name in the directory open as `dir_fd` (-1: by its
// path) and without following a link there, which spares the status read of
// the dispatch. Should the open find anything else (the entry changed after
// the listing), the path is dispatched as usual.
TARVIK_OUT_OF_LINE Result<Artefact> assess_listed_file(int dir_fd, const std::string& name,
                                                       const std::string& path) {
    mime_magic::RegularFile file = dir_fd >= 0 ? mime_magic::RegularFile(dir_fd, name, false)
                                               : mime_magic::RegularFile(path, false);
    if (!file.is_open()) return assess_path(path);
    return assess_open_file(file, path);
}

TARVIK_OUT_OF_LINE CompositeClass directory_class(const std::string& path) {
    return classify_directory(path);
}

// An entry of a directory listing: its name, whether the listing reports it
// as a regular file, and whether it may be a directory (the listing says so,
// or does not say what it is).
struct Entry {
    std::string name;
    bool regular;
    bool may_descend;
};

// The directory being listed and assessed, held open while its regular
// files are opened by name relative to it: one name to look up per file
// instead of every component of its path. It is closed before the walk
// assesses an entry that may be a directory, so the walk holds no descriptor
// per level of depth, and opened again for the next regular file.
class OpenDirectory {
public:
    explicit OpenDirectory(const std::string& path) : path_(path), dir_(::opendir(path.c_str())) {}
    ~OpenDirectory() { close(); }
    OpenDirectory(const OpenDirectory&) = delete;
    OpenDirectory& operator=(const OpenDirectory&) = delete;

    // The listing's stream (nullptr: the directory could not be opened).
    DIR* listing() const { return dir_; }

    // The descriptor to open entries relative to; -1 when the directory
    // cannot be opened again (its entries are then opened by path).
    int fd() {
        if (dir_) return ::dirfd(dir_);
        if (fd_ < 0 && !reopen_failed_) {
            do {
                fd_ = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_DIRECTORY);
            } while (fd_ < 0 && errno == EINTR);
            reopen_failed_ = fd_ < 0;
        }
        return fd_;
    }

    void close() {
        if (dir_) ::closedir(dir_);
        if (fd_ >= 0) ::close(fd_);
        dir_ = nullptr;
        fd_ = -1;
        reopen_failed_ = false;
    }

private:
    const std::string& path_;
    DIR* dir_;
    int fd_ = -1;
    bool reopen_failed_ = false;
};

// The entries of an open directory. A failing read ends the listing with
// what was gathered.
TARVIK_OUT_OF_LINE void list_entries(DIR* dir, std::vector<Entry>& entries) {
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) break;
        std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        const unsigned char type = entry->d_type;
        entries.push_back(
            Entry{std::string(name), type == DT_REG, type == DT_DIR || type == DT_UNKNOWN});
    }
}

Result<Artefact> assess_directory(const std::string& path) {
    Artefact node;
    node.path = path;
    node.class_ = directory_class(path);
    node.full_mime_type = "inode/directory";
    node.classification_source = ClassificationSource::Structure;

    OpenDirectory dir(path);
    if (!dir.listing()) return not_readable(path);
    std::vector<Entry> entries;
    list_entries(dir.listing(), entries);

    for (const Entry& entry : entries) {
        const std::string child_path = join(path, entry.name);
        if (entry.may_descend) dir.close();
        Result<Artefact> child = entry.regular
                                     ? assess_listed_file(dir.fd(), entry.name, child_path)
                                     : assess_path(child_path);
        if (auto* a = std::get_if<Artefact>(&child)) node.children.push_back(std::move(*a));
    }
    return node;
}

}  // namespace

Result<Artefact> assess_target(std::string_view path) {
    std::string p(path);
    struct stat st;
    if (has_nul(p)) return not_readable(p);
    if (::stat(p.c_str(), &st) != 0) {
        if (errno == ENOENT) return AssessError::with_path(AssessErrorKind::PathNotFound, p);
        return not_readable(p);
    }
    return assess_path(p);
}

Result<Artefact> assess_path(std::string_view path) {
    std::string p(path);
    struct stat st;
    if (has_nul(p) || ::lstat(p.c_str(), &st) != 0) return not_readable(p);
    switch (st.st_mode & S_IFMT) {
        case S_IFDIR: return assess_directory(p);
        case S_IFLNK: return assess_symlink(p);
        case S_IFREG: return assess_regular(p);
        default: return AssessError::with_path(AssessErrorKind::UnsupportedFileType, p);
    }
}

Result<std::string> hash_file(std::string_view path) {
    mime_magic::RegularFile file(path);
    if (!file.is_open()) return not_readable(path);
    mime_magic::DetectionBuffer& head = mime_magic::DetectionBuffer::of_this_thread();
    ssize_t got;
    do {
        got = head.read_head(file.fd());
    } while (got < 0 && errno == EINTR);
    std::string out;
    if (got < 0 || !hash_open_file(file.fd(), file.size(), head, out)) return not_readable(path);
    return out;
}

CompositeClass classify_directory(std::string_view path) {
    const std::string ext = lowercase_extension(path);
    auto present = [&](std::string_view rel) { return exists(join(path, rel)); };
    const bool contents = present("Contents/Info.plist");
    auto bundle_or_ambiguous = [&](BundleKind kind) -> CompositeClass {
        if (contents) return composite::Bundle{kind};
        return composite::AmbiguousDirectory{};
    };
    if (ext == "app") return bundle_or_ambiguous(BundleKind::App);
    if (ext == "xpc") return bundle_or_ambiguous(BundleKind::Xpc);
    if (ext == "appex") return bundle_or_ambiguous(BundleKind::Appex);
    if (ext == "kext") return bundle_or_ambiguous(BundleKind::Kext);
    if (ext == "plugin" || ext == "bundle") return bundle_or_ambiguous(BundleKind::Plugin);
    if (ext == "dsym") return bundle_or_ambiguous(BundleKind::DSym);
    if (ext == "framework") {
        if (contents || present("Versions/Current/Resources/Info.plist") ||
            present("Resources/Info.plist"))
            return composite::Bundle{BundleKind::Framework};
        return composite::AmbiguousDirectory{};
    }
    if (contents) return composite::AmbiguousDirectory{};
    return composite::UnknownComposite{};
}

}  // namespace tarvik
