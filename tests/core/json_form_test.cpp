// The JSON form of a report: exact bytes of the pretty layout, the value
// shapes and the failure on a path that is not UTF-8.
#include <gtest/gtest.h>

#include "render_fixtures.h"
#include "tarvik/render.h"

using namespace tarvik;

namespace {

std::string to_json(const Artefact& a) {
    std::string out, error;
    EXPECT_TRUE(write_json(a, out, error)) << error;
    return out;
}

// The document of one Atomic node with the given class; only its `class`
// member differs from the plain file.
std::string json_of_class(AtomicClass cls) {
    return to_json(fixtures::file("f", 1, std::move(cls)));
}

}  // namespace

TEST(JsonForm, EmptyFileWithNote) {
    const std::string expected = R"({
  "Atomic": {
    "path": "empty.bin",
    "hash": "blake3:af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262",
    "size": 0,
    "class": "OtherBinary",
    "full_mime_type": "application/octet-stream",
    "classification_source": "Mime",
    "subclass": null,
    "applies": [],
    "notes": [
      "mime_magic failed to read empty.bin; defaulting to application/octet-stream"
    ]
  }
})";
    EXPECT_EQ(to_json(fixtures::empty_file("empty.bin")), expected);
}

TEST(JsonForm, DirectoryWithOneFile) {
    const std::string expected = fixtures::kDirWithEmptyFileJson;
    EXPECT_EQ(to_json(fixtures::plain_directory("dir", {fixtures::empty_file("dir/empty.bin")})),
              expected);
}

TEST(JsonForm, ClassShapes) {
    struct Case {
        AtomicClass cls;
        const char* member;
    };
    const Case cases[] = {
        {fixtures::macho64le(), R"(    "class": {
      "StandaloneMacho": {
        "arch_word": "Bits64",
        "endianness": "Little",
        "kind": "UnknownKind"
      }
    },
)"},
        {atomic::StandaloneMacho{ArchWord::Bits32, Endianness::Big, MachoKind::KextBundle},
         R"(    "class": {
      "StandaloneMacho": {
        "arch_word": "Bits32",
        "endianness": "Big",
        "kind": "KextBundle"
      }
    },
)"},
        {atomic::PropertyList{PlistFormat::Binary}, R"(    "class": {
      "PropertyList": "Binary"
    },
)"},
        {atomic::Pem{}, R"(    "class": {
      "Pem": {
        "labels": []
      }
    },
)"},
        {atomic::Pem{{"CERTIFICATE", "KEY"}}, R"(    "class": {
      "Pem": {
        "labels": [
          "CERTIFICATE",
          "KEY"
        ]
      }
    },
)"},
        {atomic::Shebang{}, R"(    "class": {
      "Shebang": {
        "interpreter": null
      }
    },
)"},
        {atomic::Shebang{"/bin/sh"}, R"(    "class": {
      "Shebang": {
        "interpreter": "/bin/sh"
      }
    },
)"},
        {atomic::Archive{ArchiveKind::DiskImage}, R"(    "class": {
      "Archive": "DiskImage"
    },
)"},
        {atomic::OtherFileTypes{MimeTopLevel::Application}, R"(    "class": {
      "OtherFileTypes": "Application"
    },
)"},
        {atomic::OtherFileTypes{MimeTopLevel::Unknown}, R"(    "class": {
      "OtherFileTypes": "Unknown"
    },
)"},
        {atomic::Ambiguous{{"a"}}, R"(    "class": {
      "Ambiguous": {
        "reasons": [
          "a"
        ]
      }
    },
)"},
        {atomic::FatMacho{}, "    \"class\": \"FatMacho\",\n"},
        {atomic::CmsBlob{}, "    \"class\": \"CmsBlob\",\n"},
        {atomic::AppleScriptCompiled{}, "    \"class\": \"AppleScriptCompiled\",\n"},
        {atomic::WebContent{}, "    \"class\": \"WebContent\",\n"},
        {atomic::XmlDescriptor{}, "    \"class\": \"XmlDescriptor\",\n"},
        {atomic::PassiveMedia{}, "    \"class\": \"PassiveMedia\",\n"},
        {atomic::OtherText{}, "    \"class\": \"OtherText\",\n"},
        {atomic::Unknown{}, "    \"class\": \"Unknown\",\n"},
    };
    for (const Case& c : cases) {
        const std::string doc = json_of_class(c.cls);
        EXPECT_NE(doc.find(c.member), std::string::npos) << "want:\n" << c.member << "in:\n" << doc;
    }
}

TEST(JsonForm, CompositeClasses) {
    const std::pair<CompositeClass, const char*> cases[] = {
        {composite::Bundle{BundleKind::App}, "    \"class\": {\n      \"Bundle\": \"App\"\n    },\n"},
        {composite::Bundle{BundleKind::DSym}, "    \"class\": {\n      \"Bundle\": \"DSym\"\n    },\n"},
        {composite::AmbiguousDirectory{}, "    \"class\": \"AmbiguousDirectory\",\n"},
        {composite::UnknownComposite{}, "    \"class\": \"UnknownComposite\",\n"},
    };
    for (const auto& [cls, member] : cases) {
        const std::string doc = to_json(fixtures::directory("d.app", cls));
        EXPECT_NE(doc.find(member), std::string::npos) << doc;
        // A directory with no entries keeps its empty list on the member's line.
        EXPECT_NE(doc.find("    \"children\": []\n  }\n}"), std::string::npos) << doc;
    }
}

TEST(JsonForm, EveryFieldInOrderEvenWhenAbsentOrEmpty) {
    Artefact a = fixtures::file("f", 18446744073709551615ull, atomic::Unknown{},
                                ClassificationSource::None);
    a.full_mime_type.reset();
    const std::string expected = R"({
  "Atomic": {
    "path": "f",
    "hash": "blake3:af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262",
    "size": 18446744073709551615,
    "class": "Unknown",
    "full_mime_type": null,
    "classification_source": "None",
    "subclass": null,
    "applies": [],
    "notes": []
  }
})";
    EXPECT_EQ(to_json(a), expected);
}

TEST(JsonForm, SubclassAndAppliesWhenPresent) {
    Artefact a = fixtures::file("f", 7, atomic::OtherText{}, ClassificationSource::Forced);
    a.subclass = "sub";
    a.applies = {"x", "y"};
    const std::string doc = to_json(a);
    EXPECT_NE(doc.find("    \"size\": 7,\n"), std::string::npos);
    EXPECT_NE(doc.find("    \"classification_source\": \"Forced\",\n"
                       "    \"subclass\": \"sub\",\n"
                       "    \"applies\": [\n      \"x\",\n      \"y\"\n    ],\n"
                       "    \"notes\": []\n"),
              std::string::npos)
        << doc;
}

TEST(JsonForm, EveryClassificationSourceIsAString) {
    const std::pair<ClassificationSource, const char*> cases[] = {
        {ClassificationSource::Magic, "\"Magic\""},         {ClassificationSource::Mime, "\"Mime\""},
        {ClassificationSource::Extension, "\"Extension\""}, {ClassificationSource::Forced, "\"Forced\""},
        {ClassificationSource::Structure, "\"Structure\""}, {ClassificationSource::None, "\"None\""},
    };
    for (const auto& [src, text] : cases) {
        const std::string doc = to_json(fixtures::file("f", 1, atomic::OtherText{}, src));
        EXPECT_NE(doc.find(std::string("\"classification_source\": ") + text + ",\n"),
                  std::string::npos)
            << doc;
    }
}

TEST(JsonForm, NestedChildrenIndentByTwoPerLevel) {
    const Artefact root = fixtures::plain_directory(
        "a", {fixtures::plain_directory("a/b", {fixtures::plain_directory("a/b/c")}),
              fixtures::plain_directory("a/d")});
    const std::string doc = to_json(root);
    EXPECT_NE(doc.find("\n" + std::string(16, ' ') + "\"path\": \"a/b/c\",\n"), std::string::npos) << doc;
    auto blanks = [](int n) { return std::string(size_t(n), ' '); };
    EXPECT_NE(doc.find("\n" + blanks(16) + "\"children\": []\n" + blanks(14) + "}\n" + blanks(12) +
                       "}\n" + blanks(10) + "]\n" + blanks(8) + "}\n" + blanks(6) + "},\n" +
                       blanks(6) + "{\n" + blanks(8) + "\"Composite\": {\n" + blanks(10) +
                       "\"path\": \"a/d\",\n"),
              std::string::npos)
        << doc;
}

TEST(JsonForm, AppendsToWhatTheBufferHolds) {
    std::string out = "X", error;
    ASSERT_TRUE(write_json(fixtures::empty_file("e"), out, error));
    EXPECT_EQ(out.substr(0, 3), "X{\n");
    EXPECT_EQ(out.back(), '}');  // no line feed after the document
}

// ---- escaping ---------------------------------------------------------------

TEST(JsonEscaping, ByteByByte) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"a\tb", R"("a\tb")"},
        {"a\x1f" "b", R"("a\u001fb")"},
        {"\x1b[0m", R"("\u001b[0m")"},
        {std::string("\0", 1), R"("\u0000")"},
        {"\x01\x0b\x0e", R"("\u0001\u000b\u000e")"},
        {"\b\f\n\r", R"("\b\f\n\r")"},
        {"say \"hi\"", R"("say \"hi\"")"},
        {"back\\slash", R"("back\\slash")"},
        {"a/b", R"("a/b")"},
        {"del\x7f", "\"del\x7f\""},
        {"\xc3\xa9t\xc3\xa9", "\"\xc3\xa9t\xc3\xa9\""},                      // é
        {"nb\xc2\xa0sp", "\"nb\xc2\xa0sp\""},                                 // U+00A0
        {"soft\xc2\xad", "\"soft\xc2\xad\""},                                 // U+00AD
        {"line\xe2\x80\xa8sep", "\"line\xe2\x80\xa8sep\""},                   // U+2028
        {"e\xcc\x81", "\"e\xcc\x81\""},                                        // U+0301
        {"\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},                          // 4 bytes
        {"'", "\"'\""},
        {"", "\"\""},
    };
    for (const Case& c : cases) {
        Artefact a = fixtures::file(c.in, 0, atomic::OtherBinary{});
        a.notes = {c.in};
        a.hash = c.in;
        const std::string doc = to_json(a);
        EXPECT_NE(doc.find("\"path\": " + c.out + ",\n"), std::string::npos) << doc;
        EXPECT_NE(doc.find("\"hash\": " + c.out + ",\n"), std::string::npos) << doc;
        EXPECT_NE(doc.find("\"notes\": [\n      " + c.out + "\n    ]"), std::string::npos) << doc;
    }
}

TEST(JsonEscaping, InvalidUtf8PathFailsAtAnyDepth) {
    const std::string bad_paths[] = {"a\xff" "b", "\xc3", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                                     "\xc0\xaf"};
    for (const std::string& bad : bad_paths) {
        std::string out, error;
        EXPECT_FALSE(write_json(fixtures::empty_file(bad), out, error));
        EXPECT_EQ(error, "path contains invalid UTF-8 characters");

        const Artefact deep = fixtures::plain_directory(
            "r", {fixtures::empty_file("r/ok"),
                  fixtures::plain_directory(
                      "r/s", {fixtures::plain_directory("r/s/t", {fixtures::empty_file("r/s/t/" + bad)})}),
                  fixtures::empty_file("r/after")});
        std::string out2, error2;
        EXPECT_FALSE(write_json(deep, out2, error2));
        EXPECT_EQ(error2, "path contains invalid UTF-8 characters");
    }
}
