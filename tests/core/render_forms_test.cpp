// The JSON form and the structural dump of reports built in memory: a node
// with every field present, the shape of every class value, escaping and
// quoting, and failures. The layout of whole trees is held by the golden texts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "render_fixtures.h"
#include "tarvik/render.h"

using namespace tarvik;

namespace {

std::string to_json(const Artefact& a) {
    std::string out, error;
    EXPECT_TRUE(write_json(a, out, error)) << error;
    return out;
}

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

// The text with each line feed and the blanks after it taken out, so that a
// value's shape reads on one line whatever its depth.
std::string squeezed(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n') {
            out += text[i];
            continue;
        }
        while (i + 1 < text.size() && text[i + 1] == ' ') ++i;
    }
    return out;
}

// A file with every optional field present and the largest size.
Artefact full_file() {
    Artefact a = fixtures::file("f", 18446744073709551615ull, atomic::Ambiguous{{"one", "two"}},
                                ClassificationSource::None);
    a.full_mime_type.reset();
    a.subclass = "sub";
    a.applies = {"x", "y"};
    a.notes = {"n"};
    return a;
}

// Each way of writing a class value (names are shared by all of them), with
// its JSON and dump texts squeezed.
const std::pair<AtomicClass, const char*> kShapes[] = {
    {atomic::StandaloneMacho{ArchWord::Bits32, Endianness::Big, MachoKind::KextBundle},
     R"("class": {"StandaloneMacho": {"arch_word": "Bits32","endianness": "Big","kind": "KextBundle"}},)"
     R"(|class: StandaloneMacho {arch_word: Bits32,endianness: Big,kind: KextBundle,},)"},
    {atomic::PropertyList{PlistFormat::Json}, R"("class": {"PropertyList": "Json"},|class: PropertyList(Json,),)"},
    {atomic::Pem{}, R"("class": {"Pem": {"labels": []}},|class: Pem {labels: [],},)"},
    {atomic::Pem{{"CERTIFICATE", "KEY"}},
     R"("class": {"Pem": {"labels": ["CERTIFICATE","KEY"]}},|class: Pem {labels: ["CERTIFICATE","KEY",],},)"},
    {atomic::Shebang{}, R"("class": {"Shebang": {"interpreter": null}},|class: Shebang {interpreter: None,},)"},
    {atomic::Shebang{"/bin/sh"},
     R"("class": {"Shebang": {"interpreter": "/bin/sh"}},|class: Shebang {interpreter: Some("/bin/sh",),},)"},
    {atomic::Archive{ArchiveKind::DiskImage}, R"("class": {"Archive": "DiskImage"},|class: Archive(DiskImage,),)"},
    {atomic::FatMacho{}, R"("class": "FatMacho",|class: FatMacho,)"},
    {atomic::OtherBinary{}, R"("class": "OtherBinary",|class: OtherBinary,)"},
};

}  // namespace

// Nested values and lists in their whole documents; the golden texts hold the
// indentation of whole trees.
TEST(RenderForms, FileWithEveryFieldPresent) {
    EXPECT_EQ(squeezed(to_json(full_file())),
              R"({"Atomic": {"path": "f","hash": "blake3:af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262",)"
              R"("size": 18446744073709551615,"class": {"Ambiguous": {"reasons": ["one","two"]}},)"
              R"("full_mime_type": null,"classification_source": "None","subclass": "sub","applies": ["x","y"],)"
              R"("notes": ["n"]}})");
    EXPECT_EQ(squeezed(dump(full_file())),
              R"(Atomic {path: "f",hash: "blake3:af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262",)"
              R"(size: 18446744073709551615,class: Ambiguous {reasons: ["one","two",],},full_mime_type: None,)"
              R"(classification_source: None,subclass: Some("sub",),applies: ["x","y",],notes: ["n",],})");
    // Appended to what the buffer holds, with no line feed after the document.
    std::string out = "X", error;
    ASSERT_TRUE(write_json(fixtures::empty_file("e"), out, error));
    EXPECT_EQ(out.substr(0, 3), "X{\n");
    EXPECT_EQ(out.back(), '}');
}

TEST(RenderForms, EveryClassShape) {
    for (const auto& [cls, texts] : kShapes) {
        const std::string both = texts, json = both.substr(0, both.find('|')), debug = both.substr(both.find('|') + 1);
        const Artefact a = fixtures::file("f", 1, cls);
        EXPECT_NE(squeezed(to_json(a)).find("\"size\": 1," + json + "\"full_mime_type\""), std::string::npos)
            << to_json(a);
        EXPECT_NE(squeezed(dump(a)).find("size: 1," + debug + "full_mime_type"), std::string::npos) << dump(a);
    }
    const std::pair<CompositeClass, const char*> composites[] = {
        {composite::Bundle{BundleKind::DSym}, R"("class": {"Bundle": "DSym"},|class: Bundle(DSym,),)"},
        {composite::AmbiguousDirectory{}, R"("class": "AmbiguousDirectory",|class: AmbiguousDirectory,)"},
    };
    for (const auto& [cls, texts] : composites) {
        const std::string both = texts, json = both.substr(0, both.find('|')), debug = both.substr(both.find('|') + 1);
        const Artefact d = fixtures::directory("d.app", cls);
        EXPECT_NE(squeezed(to_json(d)).find(json), std::string::npos) << to_json(d);
        EXPECT_NE(squeezed(dump(d)).find(debug), std::string::npos) << dump(d);
        // A directory with no entries keeps its empty list on the member's line.
        EXPECT_TRUE(to_json(d).ends_with("\n    \"children\": []\n  }\n}")) << to_json(d);
        EXPECT_TRUE(dump(d).ends_with("\n    children: [],\n}")) << dump(d);
    }
    const char* sources[] = {"Magic", "Mime", "Extension", "Forced", "Structure", "None"};
    for (int i = 0; i < 6; ++i) {
        const Artefact a = fixtures::file("f", 1, atomic::OtherText{}, ClassificationSource(i));
        EXPECT_NE(to_json(a).find(std::string("\"classification_source\": \"") + sources[i] + "\",\n"),
                  std::string::npos);
        EXPECT_NE(dump(a).find(std::string("classification_source: ") + sources[i] + ",\n"), std::string::npos);
    }
}

TEST(DumpOneLine, EveryClassShape) {
    const std::pair<AtomicClass, const char*> atomic_cases[] = {
        {fixtures::macho64le(), "StandaloneMacho { arch_word: Bits64, endianness: Little, kind: UnknownKind }"},
        {atomic::StandaloneMacho{ArchWord::Bits32, Endianness::Big, MachoKind::Dylib},
         "StandaloneMacho { arch_word: Bits32, endianness: Big, kind: Dylib }"},
        {atomic::StandaloneMacho{ArchWord::Bits64, Endianness::Big, MachoKind::Core},
         "StandaloneMacho { arch_word: Bits64, endianness: Big, kind: Core }"},
        {atomic::PropertyList{PlistFormat::Binary}, "PropertyList(Binary)"},
        {atomic::PropertyList{PlistFormat::Json}, "PropertyList(Json)"},
        {atomic::Pem{}, "Pem { labels: [] }"}, {atomic::Pem{{"A"}}, "Pem { labels: [\"A\"] }"},
        {atomic::Shebang{}, "Shebang { interpreter: None }"},
        {atomic::Shebang{"/bin/sh"}, "Shebang { interpreter: Some(\"/bin/sh\") }"},
        {atomic::Archive{ArchiveKind::DiskImage}, "Archive(DiskImage)"},
        {atomic::Archive{ArchiveKind::OtherArchive}, "Archive(OtherArchive)"},
        {atomic::OtherFileTypes{MimeTopLevel::Application}, "OtherFileTypes(Application)"},
        {atomic::OtherFileTypes{MimeTopLevel::Unknown}, "OtherFileTypes(Unknown)"},
        {atomic::Ambiguous{{"a", "b"}}, "Ambiguous { reasons: [\"a\", \"b\"] }"},
        {atomic::Ambiguous{{"line\nfeed"}}, "Ambiguous { reasons: [\"line\\nfeed\"] }"},
        {atomic::FatMacho{}, "FatMacho"}, {atomic::CmsBlob{}, "CmsBlob"},
        {atomic::AppleScriptCompiled{}, "AppleScriptCompiled"}, {atomic::WebContent{}, "WebContent"},
        {atomic::XmlDescriptor{}, "XmlDescriptor"}, {atomic::PassiveMedia{}, "PassiveMedia"},
        {atomic::OtherText{}, "OtherText"}, {atomic::OtherBinary{}, "OtherBinary"}, {atomic::Unknown{}, "Unknown"},
    };
    for (const auto& [cls, text] : atomic_cases) EXPECT_EQ(one_line(cls), text);
    const std::pair<CompositeClass, const char*> composite_cases[] = {
        {composite::Bundle{BundleKind::Framework}, "Bundle(Framework)"},
        {composite::Bundle{BundleKind::UnknownBundle}, "Bundle(UnknownBundle)"},
        {composite::AmbiguousDirectory{}, "AmbiguousDirectory"},
        {composite::UnknownComposite{}, "UnknownComposite"},
    };
    for (const auto& [cls, text] : composite_cases) EXPECT_EQ(one_line(cls), text);
}

// A kind past the named ones stops the process instead of printing no name.
TEST(DumpOneLineDeathTest, KindPastTheNamedOnesStops) {
    EXPECT_EXIT(one_line(CompositeClass{composite::Bundle{BundleKind(8)}}), testing::ExitedWithCode(101),
                "value out of range for BundleKind");
}

// ---- escaping and quoting -----------------------------------------------------

TEST(JsonEscaping, ByteByByte) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\tb", R"("a\tb")"}, {"a\x1f" "b", R"("a\u001fb")"}, {"\x1b[0m", R"("\u001b[0m")"},
        {std::string("\0", 1), R"("\u0000")"}, {"\x01\x0b\x0e", R"("\u0001\u000b\u000e")"},
        {"\b\f\n\r", R"("\b\f\n\r")"}, {"say \"hi\"", R"("say \"hi\"")"}, {"back\\slash", R"("back\\slash")"},
        {"a/b", R"("a/b")"}, {"del\x7f", "\"del\x7f\""}, {"'", "\"'\""}, {"", "\"\""},
        // Everything from U+0080 on stays as it is.
        {"\xc3\xa9t\xc3\xa9", "\"\xc3\xa9t\xc3\xa9\""}, {"nb\xc2\xa0sp", "\"nb\xc2\xa0sp\""},
        {"soft\xc2\xad", "\"soft\xc2\xad\""}, {"line\xe2\x80\xa8sep", "\"line\xe2\x80\xa8sep\""},
        {"e\xcc\x81", "\"e\xcc\x81\""}, {"\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},
    };
    for (const auto& [in, out] : cases) {
        Artefact a = fixtures::file(in, 0, atomic::OtherBinary{});
        a.notes = {in};
        a.hash = in;
        const std::string doc = to_json(a);
        EXPECT_NE(doc.find("\"path\": " + out + ",\n"), std::string::npos) << doc;
        EXPECT_NE(doc.find("\"hash\": " + out + ",\n"), std::string::npos) << doc;
        EXPECT_NE(doc.find("\"notes\": [\n      " + out + "\n    ]"), std::string::npos) << doc;
    }
}

TEST(JsonEscaping, InvalidUtf8PathFailsAtAnyDepth) {
    for (const std::string bad : {"a\xff" "b", "\xc3", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xc0\xaf"}) {
        const Artefact deep = fixtures::plain_directory(
            "r", {fixtures::empty_file("r/ok"),
                  fixtures::plain_directory("r/s", {fixtures::plain_directory("r/s/t", {fixtures::empty_file(bad)})}),
                  fixtures::empty_file("r/after")});
        for (const Artefact& root : {fixtures::empty_file(bad), deep}) {
            std::string out, error;
            EXPECT_FALSE(write_json(root, out, error));
            EXPECT_EQ(error, "path contains invalid UTF-8 characters");
        }
    }
}

TEST(DumpQuoted, TextCharacterByCharacter) {
    const std::pair<std::string, std::string> cases[] = {
        {"", R"("")"}, {"plain text", R"("plain text")"}, {std::string("\0", 1), R"("\0")"},
        {"a\tb\nc\rd", R"("a\tb\nc\rd")"}, {"say \"hi\"", R"("say \"hi\"")"}, {"it's", R"("it's")"},
        {"back\\slash", R"("back\\slash")"}, {"\x01", R"("\u{1}")"}, {"\x1b[0m", R"("\u{1b}[0m")"},
        {"\x1f", R"("\u{1f}")"}, {"\x7f", R"("\u{7f}")"}, {"\b\f\v", R"("\u{8}\u{c}\u{b}")"},
        {"/a b~", R"("/a b~")"},
        // By general category: Zs, Cf, Cc, Zl, Zp, Zs, Cf, Cf, Co, Cn, Cn
        {"nb\xc2\xa0sp", R"("nb\u{a0}sp")"}, {"soft\xc2\xad", R"("soft\u{ad}")"}, {"\xc2\x85", R"("\u{85}")"},
        {"line\xe2\x80\xa8sep", R"("line\u{2028}sep")"}, {"\xe2\x80\xa9", R"("\u{2029}")"},
        {"\xe3\x80\x80", R"("\u{3000}")"}, {"\xe2\x80\x8d", R"("\u{200d}")"}, {"\xef\xbb\xbf", R"("\u{feff}")"},
        {"\xee\x80\x80", R"("\u{e000}")"}, {"\xf4\x8f\xbf\xbf", R"("\u{10ffff}")"}, {"\xcd\xb8", R"("\u{378}")"},
        // Grapheme_Extend after a letter, at the start, and a variation selector
        {"e\xcc\x81", R"("e\u{301}")"}, {"\xcc\x81x", R"("\u{301}x")"},
        {"\xe2\x9d\xa4\xef\xb8\x8f", "\"\xe2\x9d\xa4\\u{fe0f}\""},
        // Printable characters stay as they are.
        {"\xc3\xa9", "\"\xc3\xa9\""}, {"\xe2\x94\x9c\xe2\x94\x80", "\"\xe2\x94\x9c\xe2\x94\x80\""},
        {"\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(quoted_text(in), out);
        EXPECT_EQ(quoted_path(in), out);  // well-formed paths follow the same table
    }
}

TEST(DumpQuoted, PathKeepsEveryIllFormedByte) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\xff" "b", R"("a\xFFb")"},        {"\xc3", R"("\xC3")"},
        {"\xc3\xa9\xc3", "\"\xc3\xa9\\xC3\""}, {"\xe2\x82" "A", R"("\xE2\x82A")"},
        {"\xed\xa0\x80", R"("\xED\xA0\x80")"}, {"\xc0\xaf", R"("\xC0\xAF")"},
        {"\xf4\x90\x80\x80", R"("\xF4\x90\x80\x80")"}, {"\x80\xbf", R"("\x80\xBF")"},
        {"\xfe\tx\x1b", R"("\xFE\tx\u{1b}")"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(quoted_path(in), out);
    // In the dump, paths take the path form and texts the text form.
    Artefact a = fixtures::file("d/a\xff" "b", 1, atomic::OtherText{});
    a.notes = {"a \"quote\" and a 'single'"};
    EXPECT_NE(dump(a).find("    path: \"d/a\\xFFb\",\n"), std::string::npos) << dump(a);
    EXPECT_NE(dump(a).find("        \"a \\\"quote\\\" and a 'single'\",\n"), std::string::npos) << dump(a);
}

// ---- streaming ------------------------------------------------------------------

TEST(DumpForm, StreamsLargeTreesAndReportsAFailingSink) {
    std::vector<Artefact> many;
    for (int i = 0; i < 2000; ++i) many.push_back(fixtures::empty_file("d/" + std::to_string(i)));
    const Artefact root = fixtures::plain_directory("d", std::move(many));
    // More than the writer's own buffer, so the text passes in pieces.
    const std::string text = dump(root);
    EXPECT_NE(text.find("path: \"d/1999\",\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("        },\n    ],\n}"));
    std::FILE* f = std::fopen("/dev/null", "r");  // every write to it fails
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(write_debug(root, f));
    std::fclose(f);
}
