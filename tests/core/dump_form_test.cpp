// The structural dump: the multi-line form of whole trees, the one-line form
// of class values, and the two quoted forms.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "render_fixtures.h"
#include "tarvik/render.h"

using namespace tarvik;

namespace {

// The multi-line dump of `a`, captured through a memory stream.
std::string dump(const Artefact& a) {
    char* buf = nullptr;
    size_t len = 0;
    std::FILE* f = ::open_memstream(&buf, &len);
    EXPECT_NE(f, nullptr);
    EXPECT_TRUE(write_debug(a, f));
    std::fclose(f);
    std::string out(buf, len);
    std::free(buf);
    return out;
}

}  // namespace

TEST(DumpForm, DirectoryWithOneFile) {
    const std::string expected = fixtures::kDirWithEmptyFileDump;
    EXPECT_EQ(dump(fixtures::plain_directory("dir", {fixtures::empty_file("dir/empty.bin")})),
              expected);
}

TEST(DumpForm, AtomicRootWithEverythingPresent) {
    Artefact a = fixtures::file("f", 18446744073709551615ull,
                                atomic::Ambiguous{{"one", "two"}}, ClassificationSource::None);
    a.subclass = "sub";
    a.applies = {"x"};
    const std::string expected = R"(Atomic {
    path: "f",
    hash: "blake3:af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262",
    size: 18446744073709551615,
    class: Ambiguous {
        reasons: [
            "one",
            "two",
        ],
    },
    full_mime_type: Some(
        "application/octet-stream",
    ),
    classification_source: None,
    subclass: Some(
        "sub",
    ),
    applies: [
        "x",
    ],
    notes: [],
})";
    EXPECT_EQ(dump(a), expected);
}

TEST(DumpForm, ClassShapesAtLevelOne) {
    struct Case {
        AtomicClass cls;
        const char* field;
    };
    const Case cases[] = {
        {fixtures::macho64le(), R"(    class: StandaloneMacho {
        arch_word: Bits64,
        endianness: Little,
        kind: UnknownKind,
    },
)"},
        {atomic::PropertyList{PlistFormat::Binary}, R"(    class: PropertyList(
        Binary,
    ),
)"},
        {atomic::Pem{}, R"(    class: Pem {
        labels: [],
    },
)"},
        {atomic::Shebang{}, R"(    class: Shebang {
        interpreter: None,
    },
)"},
        {atomic::Shebang{"/bin/sh"}, R"(    class: Shebang {
        interpreter: Some(
            "/bin/sh",
        ),
    },
)"},
        {atomic::Archive{ArchiveKind::Zip}, R"(    class: Archive(
        Zip,
    ),
)"},
        {atomic::OtherFileTypes{MimeTopLevel::Application}, R"(    class: OtherFileTypes(
        Application,
    ),
)"},
        {atomic::FatMacho{}, "    class: FatMacho,\n"},
    };
    for (const Case& c : cases) {
        const std::string text = dump(fixtures::file("f", 1, c.cls));
        EXPECT_NE(text.find(c.field), std::string::npos) << "want:\n" << c.field << "in:\n" << text;
    }
    const std::string bundle = dump(fixtures::directory("D.app", composite::Bundle{BundleKind::App}));
    EXPECT_NE(bundle.find("    class: Bundle(\n        App,\n    ),\n"), std::string::npos) << bundle;
    EXPECT_NE(bundle.find("    children: [],\n}"), std::string::npos) << bundle;
}

TEST(DumpForm, DeepNestingAddsFourBlanksPerLevel) {
    const Artefact root = fixtures::plain_directory(
        "a", {fixtures::plain_directory("a/b", {fixtures::file("a/b/c", 3, fixtures::macho64le())})});
    const std::string text = dump(root);
    const std::string b16(16, ' '), b20(20, ' '), b24(24, ' ');
    EXPECT_NE(text.find("\n" + b16 + "Atomic {\n" + b20 + "path: \"a/b/c\",\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("\n" + b20 + "class: StandaloneMacho {\n" + b24 + "arch_word: Bits64,\n" +
                        b24 + "endianness: Little,\n" + b24 + "kind: UnknownKind,\n" + b20 + "},\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n" + b16 + "},\n            ],\n        },\n    ],\n}"), std::string::npos)
        << text;
}

TEST(DumpForm, FailingSinkIsReported) {
    std::FILE* f = std::fopen("/dev/null", "r");  // every write to it fails
    ASSERT_NE(f, nullptr);
    std::vector<Artefact> many;
    for (int i = 0; i < 2000; ++i) many.push_back(fixtures::empty_file("d/" + std::to_string(i)));
    EXPECT_FALSE(write_debug(fixtures::plain_directory("d", std::move(many)), f));
    std::fclose(f);
}

TEST(DumpForm, LargeTreeStreamsCompletely) {
    // More than the writer's internal buffer, so the text passes in pieces.
    std::vector<Artefact> many;
    for (int i = 0; i < 500; ++i) many.push_back(fixtures::empty_file("d/" + std::to_string(i)));
    const std::string text = dump(fixtures::plain_directory("d", std::move(many)));
    EXPECT_GT(text.size(), 100000u);
    EXPECT_NE(text.find("path: \"d/499\",\n"), std::string::npos);
    const std::string tail = "        },\n    ],\n}";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

// ---- one-line form ------------------------------------------------------------

TEST(DumpOneLine, EveryClassShape) {
    const std::pair<AtomicClass, const char*> atomic_cases[] = {
        {fixtures::macho64le(), "StandaloneMacho { arch_word: Bits64, endianness: Little, kind: UnknownKind }"},
        {atomic::StandaloneMacho{ArchWord::Bits32, Endianness::Big, MachoKind::Dylib},
         "StandaloneMacho { arch_word: Bits32, endianness: Big, kind: Dylib }"},
        {atomic::PropertyList{PlistFormat::Binary}, "PropertyList(Binary)"},
        {atomic::PropertyList{PlistFormat::Json}, "PropertyList(Json)"},
        {atomic::Pem{}, "Pem { labels: [] }"},
        {atomic::Pem{{"A"}}, "Pem { labels: [\"A\"] }"},
        {atomic::Shebang{}, "Shebang { interpreter: None }"},
        {atomic::Shebang{"/bin/sh"}, "Shebang { interpreter: Some(\"/bin/sh\") }"},
        {atomic::Archive{ArchiveKind::DiskImage}, "Archive(DiskImage)"},
        {atomic::Archive{ArchiveKind::OtherArchive}, "Archive(OtherArchive)"},
        {atomic::OtherFileTypes{MimeTopLevel::Application}, "OtherFileTypes(Application)"},
        {atomic::OtherFileTypes{MimeTopLevel::Unknown}, "OtherFileTypes(Unknown)"},
        {atomic::Ambiguous{{"a", "b"}}, "Ambiguous { reasons: [\"a\", \"b\"] }"},
        {atomic::Ambiguous{{"line\nfeed"}}, "Ambiguous { reasons: [\"line\\nfeed\"] }"},
        {atomic::FatMacho{}, "FatMacho"},
        {atomic::CmsBlob{}, "CmsBlob"},
        {atomic::AppleScriptCompiled{}, "AppleScriptCompiled"},
        {atomic::WebContent{}, "WebContent"},
        {atomic::XmlDescriptor{}, "XmlDescriptor"},
        {atomic::PassiveMedia{}, "PassiveMedia"},
        {atomic::OtherText{}, "OtherText"},
        {atomic::OtherBinary{}, "OtherBinary"},
        {atomic::Unknown{}, "Unknown"},
    };
    for (const auto& [cls, text] : atomic_cases) EXPECT_EQ(one_line(cls), text);

    const std::pair<CompositeClass, const char*> composite_cases[] = {
        {composite::Bundle{BundleKind::Framework}, "Bundle(Framework)"},
        {composite::Bundle{BundleKind::App}, "Bundle(App)"},
        {composite::Bundle{BundleKind::UnknownBundle}, "Bundle(UnknownBundle)"},
        {composite::AmbiguousDirectory{}, "AmbiguousDirectory"},
        {composite::UnknownComposite{}, "UnknownComposite"},
    };
    for (const auto& [cls, text] : composite_cases) EXPECT_EQ(one_line(cls), text);
}

// ---- quoted forms ----------------------------------------------------------------

TEST(DumpQuoted, TextCharacterByCharacter) {
    const std::pair<std::string, std::string> cases[] = {
        {"", R"("")"},
        {"plain text", R"("plain text")"},
        {std::string("\0", 1), R"("\0")"},
        {"a\tb\nc\rd", R"("a\tb\nc\rd")"},
        {"say \"hi\"", R"("say \"hi\"")"},
        {"it's", R"("it's")"},
        {"back\\slash", R"("back\\slash")"},
        {"\x01", R"("\u{1}")"},
        {"\x1b[0m", R"("\u{1b}[0m")"},
        {"\x1f", R"("\u{1f}")"},
        {"\x7f", R"("\u{7f}")"},
        {"\b\f\v", R"("\u{8}\u{c}\u{b}")"},
        {"nb\xc2\xa0sp", R"("nb\u{a0}sp")"},                 // Zs
        {"soft\xc2\xad", R"("soft\u{ad}")"},                 // Cf
        {"\xc2\x85", R"("\u{85}")"},                          // Cc
        {"line\xe2\x80\xa8sep", R"("line\u{2028}sep")"},     // Zl
        {"\xe2\x80\xa9", R"("\u{2029}")"},                   // Zp
        {"\xe3\x80\x80", R"("\u{3000}")"},                   // Zs
        {"\xe2\x80\x8d", R"("\u{200d}")"},                   // Cf
        {"\xef\xbb\xbf", R"("\u{feff}")"},                   // Cf
        {"\xee\x80\x80", R"("\u{e000}")"},                   // Co
        {"\xf4\x8f\xbf\xbf", R"("\u{10ffff}")"},             // Cn
        {"\xcd\xb8", R"("\u{378}")"},                        // Cn
        {"e\xcc\x81", R"("e\u{301}")"},                      // Grapheme_Extend after a letter
        {"\xcc\x81x", R"("\u{301}x")"},                      // and at the start
        {"\xe2\x9d\xa4\xef\xb8\x8f", "\"\xe2\x9d\xa4\\u{fe0f}\""},  // variation selector
        {"\xc3\xa9", "\"\xc3\xa9\""},                         // é unchanged
        {"\xe2\x94\x9c\xe2\x94\x80", "\"\xe2\x94\x9c\xe2\x94\x80\""},
        {"\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},
        {"/a b~", R"("/a b~")"},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(quoted_text(in), out);
        EXPECT_EQ(quoted_path(in), out);  // well-formed paths follow the same table
    }
}

TEST(DumpQuoted, PathKeepsEveryIllFormedByte) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\xff" "b", R"("a\xFFb")"},
        {"\xc3", R"("\xC3")"},
        {"\xc3\xa9\xc3", "\"\xc3\xa9\\xC3\""},
        {"\xe2\x82" "A", R"("\xE2\x82A")"},
        {"\xed\xa0\x80", R"("\xED\xA0\x80")"},
        {"\xc0\xaf", R"("\xC0\xAF")"},
        {"\xf4\x90\x80\x80", R"("\xF4\x90\x80\x80")"},
        {"\x80\xbf", R"("\x80\xBF")"},
        {"\xfe\tx\x1b", R"("\xFE\tx\u{1b}")"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(quoted_path(in), out);
}

TEST(DumpQuoted, PathsAndTextsInTheTree) {
    Artefact a = fixtures::file("d/a\xff" "b\t\x1b", 1, atomic::OtherText{});
    a.notes = {"a \"quote\" and a 'single'"};
    const std::string text = dump(a);
    EXPECT_NE(text.find("    path: \"d/a\\xFFb\\t\\u{1b}\",\n"), std::string::npos) << text;
    EXPECT_NE(text.find("        \"a \\\"quote\\\" and a 'single'\",\n"), std::string::npos) << text;
}
