// Assessment of paths into report trees: dispatch, errors, bundle rules,
// children and the regular-file node.
#include <gtest/gtest.h>

#include <algorithm>

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

TEST(AssessDirectory, ChildrenInListingOrderBelowThePathAsGiven) {
    TempDir t;
    make_dirs(t.path(), "d/sub");
    for (const char* n : {"b", "a", "c.txt", ".hidden"}) write_file(t / ("d/" + std::string(n)), "x");
    std::vector<std::string> expected;
    for (const auto& n : listing(t / "d")) expected.push_back(t / ("d/./" + n));
    EXPECT_EQ(child_paths(node_of(assess_target(t / "d/."))), expected);
}

// One fixture directory: its name, the entries made inside it (a trailing
// "/" makes a directory, "name->target" a link) and the expected class.
struct BundleCase {
    std::string name;
    std::vector<std::string> entries;
    CompositeClass expected;
};

TEST(ClassifyDirectory, ExtensionsAndProbes) {
    const std::vector<std::string> P = {"Contents/Info.plist"}, none;
    const CompositeClass app = composite::Bundle{BundleKind::App}, fw = composite::Bundle{BundleKind::Framework},
                         plugin = composite::Bundle{BundleKind::Plugin}, kext = composite::Bundle{BundleKind::Kext},
                         AMB = composite::AmbiguousDirectory{}, UNK = composite::UnknownComposite{};
    const BundleCase cases[] = {
        {"X.app", P, app}, {"X.app", none, AMB}, {"X.APP", P, app}, {"..app", P, app}, {"a.b.app", P, app},
        {"X.xpc", P, composite::Bundle{BundleKind::Xpc}}, {"X.xpc", none, AMB},
        {"X.appex", P, composite::Bundle{BundleKind::Appex}}, {"X.appex", none, AMB},
        {"X.kext", P, kext}, {"X.kext", none, AMB}, {"X.plugin", P, plugin}, {"X.plugin", none, AMB},
        {"X.bundle", P, plugin}, {"X.bundle", none, AMB},
        {"X.dSYM", P, composite::Bundle{BundleKind::DSym}}, {"X.dsym", none, AMB},
        {"Plain", P, AMB}, {"Plain", none, UNK}, {"X.txt", P, AMB}, {"X.txt", none, UNK},
        {".app", P, AMB}, {".app", none, UNK}, {"X.", P, AMB}, {"X.", none, UNK}, {"X.app.txt", P, AMB},
        {"X.\xE2\x84\xAA" "ext", P, kext},  // KELVIN SIGN lower-cases to "k"
        {"X.app\xFF", P, AMB}, {"X.app\xFF", none, UNK},  // an extension that is not UTF-8 is none
        {"X.app", {"Contents/Info.plist/"}, app},  // the probe counts whatever is there
        {"X.app", {"Contents/Info.plist->missing"}, AMB},
        {"X.framework", P, fw}, {"X.framework", {"Versions/Current/Resources/Info.plist"}, fw},
        {"X.framework", {"Resources/Info.plist"}, fw},
        {"X.framework", {"Versions/A/Resources/Info.plist", "Resources->Versions/A/Resources"}, fw},
        {"X.framework", {"Versions/A/Resources/Info.plist", "Versions/Current->A"}, fw},
        {"X.framework", {"Resources/Other.plist", "Info.plist"}, AMB}, {"X.framework", none, AMB},
    };
    for (const BundleCase& c : cases) {
        TempDir t;
        const std::string dir = t / c.name;
        make_dirs(t.path(), c.name);
        for (const std::string& e : c.entries) {
            const auto arrow = e.find("->");
            const std::string rel = e.substr(0, arrow);
            make_dirs(dir, rel.substr(0, rel.rfind('/', rel.size() - 2) + 1));
            if (arrow != std::string::npos) {
                symlink_to(e.substr(arrow + 2), dir + "/" + rel);
            } else if (rel.back() == '/') {
                make_dirs(dir, rel);
            } else {
                write_file(dir + "/" + rel, "");
            }
        }
        // The name is the path's final component, and the assessment uses the same class.
        for (const char* suffix : {"", "/", "//.//", "/./."})
            EXPECT_EQ(classify_directory(dir + suffix), c.expected) << c.name << suffix << " " << c.entries.size();
        EXPECT_EQ(node_of(assess_target(dir)).composite_class(), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace tarvik
