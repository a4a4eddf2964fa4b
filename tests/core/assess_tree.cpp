// Assessment of paths into report trees: dispatch, errors, bundle rules,
// children and the regular-file node.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>

#include <algorithm>
#include <set>

#include "support.h"
#include "tarvik/assess.h"

namespace tarvik {
namespace {

using testsupport::listing;
using testsupport::make_dirs;
using testsupport::TempDir;
using testsupport::write_file;

const char* const EMPTY_HASH = "blake3:af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262";

void symlink_to(const std::string& target, const std::string& link) {
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0) << link;
}

void fifo_at(const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << path; }

bool is_root() { return ::geteuid() == 0; }

// The error of a result (a default error, and a failure, for a node).
AssessError error_of(Result<Artefact> r) {
    if (auto* e = std::get_if<AssessError>(&r)) return std::move(*e);
    ADD_FAILURE() << "expected an error for " << std::get<Artefact>(r).path;
    return AssessError{};
}

// The node of a result (an empty node, and a failure, for an error).
Artefact node_of(Result<Artefact> r) {
    if (auto* a = std::get_if<Artefact>(&r)) return std::move(*a);
    ADD_FAILURE() << "unexpected error: " << std::get<AssessError>(r).message();
    return Artefact{};
}

std::vector<std::string> child_paths(const Artefact& a) {
    std::vector<std::string> out;
    for (const auto& c : a.children) out.push_back(c.path);
    return out;
}

TEST(AssessTarget, MissingPathsAndDanglingLinksDoNotExist) {
    TempDir t;
    symlink_to("nowhere", t / "dangling");
    for (const std::string& p : {t / "missing", t / "missing/file", t / "dangling"}) {
        const AssessError e = error_of(assess_target(p));
        EXPECT_EQ(e.kind, AssessErrorKind::PathNotFound) << p;
        EXPECT_EQ(e.path, p);
    }
}

TEST(AssessTarget, PathThroughAFileIsNotReadable) {
    TempDir t;
    write_file(t / "notes.txt", "x");
    const AssessError e = error_of(assess_target(t / "notes.txt/x"));
    EXPECT_EQ(e.kind, AssessErrorKind::PathNotReadable);
    EXPECT_EQ(e.message(), "path is not readable: " + t / "notes.txt/x");
}

TEST(AssessTarget, PathWithNulIsNotReadable) {
    TempDir t;
    const std::string p = t.path() + std::string("\0x", 2);
    EXPECT_EQ(error_of(assess_target(p)).kind, AssessErrorKind::PathNotReadable);
    EXPECT_EQ(error_of(assess_path(p)).kind, AssessErrorKind::PathNotReadable);
    EXPECT_EQ(error_of(assess_target(p)).path, p);
    EXPECT_TRUE(std::holds_alternative<AssessError>(hash_file(p)));
}

TEST(AssessTarget, LinksAreRefusedWithTheirTarget) {
    TempDir t;
    write_file(t / "file", "x");
    make_dirs(t.path(), "dir");
    symlink_to("file", t / "to-file");
    symlink_to(t / "dir", t / "to-dir");
    char* real = ::realpath(t.path().c_str(), nullptr);
    const std::string base = real;
    std::free(real);
    for (auto [link, target] : {std::pair{std::string("to-file"), std::string("file")}, {"to-dir", "dir"}}) {
        const AssessError e = error_of(assess_target(t / link));
        EXPECT_EQ(e.kind, AssessErrorKind::Symlink);
        EXPECT_EQ(e.message(), "Symlink error: " + t / link + " is a symlink pointing to " + base + "/" + target);
    }
}

TEST(AssessPath, UnresolvableLinkNamesTheSystemError) {
    TempDir t;
    symlink_to("nowhere", t / "dangling");
    const AssessError e = error_of(assess_path(t / "dangling"));
    EXPECT_EQ(e.kind, AssessErrorKind::Symlink);
    EXPECT_EQ(e.text, std::string(std::strerror(ENOENT)) + " (os error " + std::to_string(ENOENT) + ") in " +
                          t / "dangling");
}

TEST(AssessTarget, LinkWithTrailingSlashIsTheDirectory) {
    TempDir t;
    make_dirs(t.path(), "dir");
    write_file(t / "dir/a", "");
    symlink_to("dir", t / "link");
    const Artefact a = node_of(assess_target(t / "link/"));
    EXPECT_TRUE(a.is_composite());
    EXPECT_EQ(a.path, t / "link/");
    EXPECT_EQ(child_paths(a), std::vector<std::string>{t / "link/a"});
}

TEST(AssessTarget, OtherFileTypesAreUnsupported) {
    TempDir t;
    fifo_at(t / "p");
    const AssessError e = error_of(assess_target(t / "p"));
    EXPECT_EQ(e.kind, AssessErrorKind::UnsupportedFileType);
    EXPECT_EQ(e.message(), t / "p" + ": unsupported file type");

    // A socket, when its path fits the address.
    const std::string sock = t / "s";
    sockaddr_un addr{};
    if (sock.size() < sizeof addr.sun_path) {
        addr.sun_family = AF_UNIX;
        std::memcpy(addr.sun_path, sock.c_str(), sock.size() + 1);
        int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        EXPECT_EQ(error_of(assess_target(sock)).kind, AssessErrorKind::UnsupportedFileType);
        ::close(fd);
    }
    EXPECT_EQ(error_of(assess_target("/dev/null")).kind, AssessErrorKind::UnsupportedFileType);
}

TEST(AssessRegular, EmptyFileHasHashSizeAndNote) {
    TempDir t;
    write_file(t / "empty.bin", "");
    const Artefact a = node_of(assess_target(t / "empty.bin"));
    EXPECT_FALSE(a.is_composite());
    EXPECT_EQ(a.path, t / "empty.bin");
    EXPECT_EQ(a.hash, EMPTY_HASH);
    EXPECT_EQ(a.size, 0u);
    EXPECT_EQ(a.full_mime_type, "application/octet-stream");
    EXPECT_EQ(a.notes, std::vector<std::string>{"mime_magic failed to read " + t / "empty.bin" +
                                                "; defaulting to application/octet-stream"});
    EXPECT_FALSE(a.subclass.has_value());
    EXPECT_TRUE(a.applies.empty());
    EXPECT_TRUE(a.children.empty());
}

TEST(AssessRegular, NoteShowsTheLossyPath) {
    TempDir t;
    write_file(t / "a\xFF" "b", "");
    const Artefact a = node_of(assess_target(t / "a\xFF" "b"));
    EXPECT_EQ(a.path, t / "a\xFF" "b");
    ASSERT_EQ(a.notes.size(), 1u);
    EXPECT_EQ(a.notes[0], "mime_magic failed to read " + t / "a\xEF\xBF\xBD" "b" +
                              "; defaulting to application/octet-stream");
}

TEST(AssessRegular, ContentGetsSizeHashAndTheDetectorsType) {
    TempDir t;
    const std::string content(20000, 'a');
    write_file(t / "f", content);
    const Artefact a = node_of(assess_target(t / "f"));
    EXPECT_EQ(a.size, content.size());
    EXPECT_EQ(a.hash, std::get<std::string>(hash_file(t / "f")));
    ASSERT_TRUE(a.full_mime_type.has_value());
    EXPECT_NE(a.full_mime_type->find('/'), std::string::npos);
    EXPECT_TRUE(a.notes.empty());  // the detector answered
    EXPECT_NE(a.classification_source, ClassificationSource::Structure);
}

TEST(AssessRegular, ClassDecisionOrder) {
    TempDir t;
    // An empty file: nothing in the header, no trailer, no detector answer,
    // so the class comes from the MIME rules over the fallback type.
    write_file(t / "empty", "");
    Artefact empty = node_of(assess_target(t / "empty"));
    EXPECT_EQ(empty.atomic_class(), AtomicClass(atomic::OtherBinary{}));
    EXPECT_EQ(empty.classification_source, ClassificationSource::Mime);

    // A Mach-O header decides by magic, and the detector's type is still kept.
    std::string macho("\xCF\xFA\xED\xFE", 4);
    macho += std::string(60, '\0');
    write_file(t / "macho", macho);
    Artefact m = node_of(assess_target(t / "macho"));
    EXPECT_EQ(m.classification_source, ClassificationSource::Magic);
    EXPECT_TRUE(std::holds_alternative<atomic::StandaloneMacho>(m.atomic_class()));
    EXPECT_TRUE(m.full_mime_type.has_value());
    EXPECT_TRUE(m.notes.empty());
    EXPECT_EQ(m.size, macho.size());

    // Magic seen only past the first 8192 bytes does not count: the header is
    // one read of at most 8192 bytes.
    std::string late(8192, 'a');
    late += macho;
    write_file(t / "late", late);
    Artefact l = node_of(assess_target(t / "late"));
    EXPECT_NE(l.classification_source, ClassificationSource::Magic);
    EXPECT_EQ(l.size, late.size());
    EXPECT_EQ(l.hash, std::get<std::string>(hash_file(t / "late")));
}

TEST(AssessDirectory, NothingIsWrittenToTheTree) {
    TempDir t;
    make_dirs(t.path(), "d/X.app/Contents");
    write_file(t / "d/X.app/Contents/Info.plist", "<plist/>");
    write_file(t / "d/a", "abc");
    ::chmod((t / "d/a").c_str(), 0444);
    auto snapshot = [&] {
        std::vector<std::string> out;
        std::vector<std::string> todo = {t / "d"};
        while (!todo.empty()) {
            std::string p = todo.back();
            todo.pop_back();
            struct stat st;
            ::lstat(p.c_str(), &st);
            out.push_back(p + " " + std::to_string(st.st_mode) + " " + std::to_string(st.st_size) + " " +
                          std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec));
            if (S_ISDIR(st.st_mode))
                for (const auto& n : listing(p)) todo.push_back(p + "/" + n);
        }
        std::sort(out.begin(), out.end());
        return out;
    };
    auto before = snapshot();
    node_of(assess_target(t / "d"));
    EXPECT_EQ(snapshot(), before);
}

TEST(AssessRegular, UnreadableFileFails) {
    if (is_root()) GTEST_SKIP() << "permissions do not bind root";
    TempDir t;
    write_file(t / "secret", "x");
    ::chmod((t / "secret").c_str(), 0);
    EXPECT_EQ(error_of(assess_target(t / "secret")).kind, AssessErrorKind::PathNotReadable);
}

TEST(HashFile, NonRegularFilesAreNotReadAndDoNotBlock) {
    TempDir t;
    fifo_at(t / "p");
    for (const std::string& p : {t / "p", std::string("/dev/null"), t.path(), t / "missing"}) {
        auto r = hash_file(p);
        ASSERT_TRUE(std::holds_alternative<AssessError>(r)) << p;
        EXPECT_EQ(std::get<AssessError>(r).kind, AssessErrorKind::PathNotReadable);
        EXPECT_EQ(std::get<AssessError>(r).path, p);
    }
}

TEST(AssessDirectory, CompositeFieldsAndChildrenInListingOrder) {
    TempDir t;
    make_dirs(t.path(), "d/sub");
    for (const char* n : {"b", "a", "c.txt", ".hidden"}) write_file(t / ("d/" + std::string(n)), "x");
    write_file(t / "d/sub/inner", "");
    const Artefact a = node_of(assess_target(t / "d"));
    ASSERT_TRUE(a.is_composite());
    EXPECT_EQ(a.hash, "");
    EXPECT_EQ(a.size, 0u);
    EXPECT_EQ(a.full_mime_type, "inode/directory");
    EXPECT_EQ(a.classification_source, ClassificationSource::Structure);
    EXPECT_TRUE(a.notes.empty());
    EXPECT_TRUE(a.applies.empty());
    EXPECT_FALSE(a.subclass.has_value());
    EXPECT_EQ(a.composite_class(), CompositeClass(composite::UnknownComposite{}));
    std::vector<std::string> expected;
    for (const auto& n : listing(t / "d")) expected.push_back(t / ("d/" + n));
    EXPECT_EQ(child_paths(a), expected);
    auto sub = std::find_if(a.children.begin(), a.children.end(), [&](const Artefact& c) { return c.path == t / "d/sub"; });
    ASSERT_NE(sub, a.children.end());
    EXPECT_EQ(child_paths(*sub), std::vector<std::string>{t / "d/sub/inner"});
}

TEST(AssessDirectory, EmptyDirectoryIsStillComposite) {
    TempDir t;
    make_dirs(t.path(), "e");
    const Artefact a = node_of(assess_target(t / "e"));
    EXPECT_TRUE(a.is_composite());
    EXPECT_TRUE(a.children.empty());
}

TEST(AssessDirectory, LinksFifosAndUnreadableEntriesVanish) {
    TempDir t;
    make_dirs(t.path(), "d/locked");
    write_file(t / "d/kept", "x");
    write_file(t / "d/secret", "x");
    symlink_to("kept", t / "d/link");
    symlink_to("nowhere", t / "d/dangling");
    fifo_at(t / "d/fifo");
    std::set<std::string> expected = {t / "d/kept", t / "d/secret", t / "d/locked"};
    if (!is_root()) {
        ::chmod((t / "d/secret").c_str(), 0);
        ::chmod((t / "d/locked").c_str(), 0);
        expected = {t / "d/kept"};
    }
    const Artefact a = node_of(assess_target(t / "d"));
    auto paths = child_paths(a);
    EXPECT_EQ(std::set<std::string>(paths.begin(), paths.end()), expected);
    EXPECT_TRUE(a.notes.empty());
}

TEST(AssessDirectory, UnlistableTopDirectoryIsNotReadable) {
    if (is_root()) GTEST_SKIP() << "permissions do not bind root";
    TempDir t;
    make_dirs(t.path(), "locked");
    ::chmod((t / "locked").c_str(), 0);
    const AssessError e = error_of(assess_target(t / "locked"));
    EXPECT_EQ(e.kind, AssessErrorKind::PathNotReadable);
    EXPECT_EQ(e.path, t / "locked");
}

TEST(AssessDirectory, TrailingSeparatorsAreNotDoubled) {
    TempDir t;
    make_dirs(t.path(), "X.APP/Contents");
    write_file(t / "X.APP/Contents/Info.plist", "");
    const Artefact a = node_of(assess_target(t / "X.APP/"));
    EXPECT_EQ(a.path, t / "X.APP/");
    EXPECT_EQ(a.composite_class(), CompositeClass(composite::Bundle{BundleKind::App}));
    ASSERT_EQ(a.children.size(), 1u);
    EXPECT_EQ(a.children[0].path, t / "X.APP/Contents");
    EXPECT_EQ(child_paths(a.children[0]), std::vector<std::string>{t / "X.APP/Contents/Info.plist"});

    const Artefact dot = node_of(assess_target(t / "X.APP/."));
    EXPECT_EQ(dot.composite_class(), CompositeClass(composite::Bundle{BundleKind::App}));
    EXPECT_EQ(child_paths(dot), std::vector<std::string>{t / "X.APP/./Contents"});
}

TEST(AssessDirectory, RelativePathsStayRelative) {
    TempDir t;
    make_dirs(t.path(), "r/s");
    write_file(t / "r/s/f", "");
    char old[4096];
    ASSERT_NE(::getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(::chdir(t.path().c_str()), 0);
    Result<Artefact> r = assess_target("r");
    Result<Artefact> missing = assess_target("missing/file");
    ASSERT_EQ(::chdir(old), 0);
    const Artefact a = node_of(r);
    EXPECT_EQ(a.path, "r");
    ASSERT_EQ(a.children.size(), 1u);
    EXPECT_EQ(a.children[0].path, "r/s");
    EXPECT_EQ(child_paths(a.children[0]), std::vector<std::string>{"r/s/f"});
    EXPECT_EQ(a.children[0].children[0].notes[0],
              "mime_magic failed to read r/s/f; defaulting to application/octet-stream");
    EXPECT_EQ(error_of(missing).message(), "path does not exist: missing/file");
}

// One fixture directory: its name, the entries made inside it (a trailing
// "/" makes a directory, "name->target" a link) and the expected class.
struct BundleCase {
    std::string name;
    std::vector<std::string> entries;
    CompositeClass expected;
};

CompositeClass bundle(BundleKind k) { return composite::Bundle{k}; }
const CompositeClass AMBIGUOUS = composite::AmbiguousDirectory{};
const CompositeClass UNKNOWN = composite::UnknownComposite{};

TEST(ClassifyDirectory, ExtensionsAndProbes) {
    const std::vector<std::string> plist = {"Contents/Info.plist"};
    const std::vector<BundleCase> cases = {
        {"X.app", plist, bundle(BundleKind::App)},
        {"X.app", {}, AMBIGUOUS},
        {"X.APP", plist, bundle(BundleKind::App)},
        {"X.xpc", plist, bundle(BundleKind::Xpc)},
        {"X.xpc", {}, AMBIGUOUS},
        {"X.appex", plist, bundle(BundleKind::Appex)},
        {"X.appex", {}, AMBIGUOUS},
        {"X.kext", plist, bundle(BundleKind::Kext)},
        {"X.kext", {}, AMBIGUOUS},
        {"X.plugin", plist, bundle(BundleKind::Plugin)},
        {"X.plugin", {}, AMBIGUOUS},
        {"X.bundle", plist, bundle(BundleKind::Plugin)},
        {"X.bundle", {}, AMBIGUOUS},
        {"X.dSYM", plist, bundle(BundleKind::DSym)},
        {"X.dsym", {}, AMBIGUOUS},
        {"Plain", plist, AMBIGUOUS},
        {"Plain", {}, UNKNOWN},
        {"X.txt", plist, AMBIGUOUS},
        {"X.txt", {}, UNKNOWN},
        {".app", plist, AMBIGUOUS},
        {".app", {}, UNKNOWN},
        {"X.", plist, AMBIGUOUS},
        {"X.", {}, UNKNOWN},
        {"..app", plist, bundle(BundleKind::App)},
        {"a.b.app", plist, bundle(BundleKind::App)},
        {"X.app.txt", plist, AMBIGUOUS},
        // KELVIN SIGN lower-cases to "k".
        {"X.\xE2\x84\xAA" "ext", plist, bundle(BundleKind::Kext)},
        // An extension that is not UTF-8 is no extension.
        {"X.app\xFF", plist, AMBIGUOUS},
        {"X.app\xFF", {}, UNKNOWN},
        // The probe counts whatever is there, a directory included.
        {"X.app", {"Contents/Info.plist/"}, bundle(BundleKind::App)},
        {"X.framework", plist, bundle(BundleKind::Framework)},
        {"X.framework", {"Versions/Current/Resources/Info.plist"}, bundle(BundleKind::Framework)},
        {"X.framework", {"Resources/Info.plist"}, bundle(BundleKind::Framework)},
        {"X.framework", {"Versions/A/Resources/Info.plist", "Resources->Versions/A/Resources"},
         bundle(BundleKind::Framework)},
        {"X.framework", {"Versions/A/Resources/Info.plist", "Versions/Current->A"}, bundle(BundleKind::Framework)},
        {"X.framework", {"Resources/Other.plist", "Info.plist"}, AMBIGUOUS},
        {"X.framework", {}, AMBIGUOUS},
        {"X.app", {"Contents/Info.plist->missing"}, AMBIGUOUS},
    };
    for (const BundleCase& c : cases) {
        TempDir t;
        const std::string dir = t / c.name;
        testsupport::make_dir(dir);
        for (const std::string& e : c.entries) {
            auto arrow = e.find("->");
            std::string rel = e.substr(0, arrow);
            auto slash = rel.rfind('/', rel.size() - 2);
            if (slash != std::string::npos) make_dirs(dir, rel.substr(0, slash));
            if (arrow != std::string::npos) {
                symlink_to(e.substr(arrow + 2), dir + "/" + rel);
            } else if (rel.back() == '/') {
                make_dirs(dir, rel);
            } else {
                write_file(dir + "/" + rel, "");
            }
        }
        EXPECT_EQ(classify_directory(dir), c.expected) << c.name << " with " << c.entries.size() << " entries";
        // The assessment itself uses the same class.
        const Artefact a = node_of(assess_target(dir));
        EXPECT_EQ(a.composite_class(), c.expected) << c.name;
    }
}

TEST(ClassifyDirectory, FinalComponentOfThePath) {
    TempDir t;
    make_dirs(t.path(), "Foo.app/Contents");
    write_file(t / "Foo.app/Contents/Info.plist", "");
    for (const char* suffix : {"", "/", "//", "/.", "/./", "/./.", "//.//"}) {
        EXPECT_EQ(classify_directory(t / "Foo.app" + suffix), bundle(BundleKind::App)) << suffix;
    }
    // ".." and a lone "." have no name, so no extension.
    EXPECT_EQ(classify_directory(t / "Foo.app/Contents/.."), AMBIGUOUS);
    char old[4096];
    ASSERT_NE(::getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(::chdir((t / "Foo.app").c_str()), 0);
    CompositeClass dot = classify_directory(".");
    CompositeClass dot_slash = classify_directory("./");
    CompositeClass relative = classify_directory("./../Foo.app");
    ASSERT_EQ(::chdir(old), 0);
    EXPECT_EQ(dot, AMBIGUOUS);
    EXPECT_EQ(dot_slash, AMBIGUOUS);
    EXPECT_EQ(relative, bundle(BundleKind::App));
    struct stat st;
    if (::stat("/Contents/Info.plist", &st) != 0) {
        EXPECT_EQ(classify_directory("/"), UNKNOWN);
    }
}

}  // namespace
}  // namespace tarvik
