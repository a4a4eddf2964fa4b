// Assessment of paths into report trees: dispatch, errors, bundle rules,
// children and the regular-file node.
#include <gtest/gtest.h>

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

TEST(AssessTarget, PathWithNulIsNotReadable) {
    TempDir t;
    const std::string p = t.path() + std::string("\0x", 2);
    for (const auto& r : {assess_target(p), assess_path(p)}) {
        EXPECT_EQ(error_of(r).kind, AssessErrorKind::PathNotReadable);
        EXPECT_EQ(error_of(r).path, p);
    }
    EXPECT_TRUE(std::holds_alternative<AssessError>(hash_file(p)));
}

TEST(AssessPath, UnresolvableLinkNamesTheSystemError) {
    TempDir t;
    symlink_to("nowhere", t / "dangling");
    const AssessError e = error_of(assess_path(t / "dangling"));
    EXPECT_EQ(e.kind, AssessErrorKind::Symlink);
    EXPECT_EQ(e.text, std::string(std::strerror(ENOENT)) + " (os error " + std::to_string(ENOENT) + ") in " +
                          t / "dangling");
}

TEST(AssessRegular, EmptyFileHasHashSizeAndALossyNote) {
    TempDir t;
    const std::string path = t / "a\xFF" "b";
    write_file(path, "");
    const Artefact a = node_of(assess_target(path));
    EXPECT_EQ(a.path, path);
    EXPECT_EQ(a.hash, "blake3:af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262");
    EXPECT_EQ(a.size, 0u);
    EXPECT_EQ(a.atomic_class(), AtomicClass(atomic::OtherBinary{}));
    EXPECT_EQ(a.classification_source, ClassificationSource::Mime);
    EXPECT_EQ(a.full_mime_type, "application/octet-stream");
    EXPECT_EQ(a.notes, std::vector<std::string>{"mime_magic failed to read " + t / "a\xEF\xBF\xBD" "b" +
                                                "; defaulting to application/octet-stream"});
    EXPECT_FALSE(a.subclass.has_value());
    EXPECT_TRUE(a.applies.empty());
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

TEST(AssessDirectory, ChildrenInListingOrder) {
    TempDir t;
    make_dirs(t.path(), "d/sub");
    for (const char* n : {"b", "a", "c.txt", ".hidden"}) write_file(t / ("d/" + std::string(n)), "x");
    const Artefact a = node_of(assess_target(t / "d"));
    std::vector<std::string> expected;
    for (const auto& n : listing(t / "d")) expected.push_back(t / ("d/" + n));
    EXPECT_EQ(child_paths(a), expected);
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
    if (!is_root()) {  // as root, permissions do not bind
        ::chmod((t / "d/secret").c_str(), 0);
        ::chmod((t / "d/locked").c_str(), 0);
        expected = {t / "d/kept"};
    }
    const Artefact a = node_of(assess_target(t / "d"));
    auto paths = child_paths(a);
    EXPECT_EQ(std::set<std::string>(paths.begin(), paths.end()), expected);
    EXPECT_TRUE(a.notes.empty());
}

TEST(AssessDirectory, ChildPathsJoinThePathAsGiven) {
    TempDir t;
    make_dirs(t.path(), "X.APP/Contents");
    write_file(t / "X.APP/Contents/Info.plist", "");
    const Artefact dot = node_of(assess_target(t / "X.APP/."));
    EXPECT_EQ(dot.composite_class(), CompositeClass(composite::Bundle{BundleKind::App}));
    EXPECT_EQ(child_paths(dot), std::vector<std::string>{t / "X.APP/./Contents"});
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
