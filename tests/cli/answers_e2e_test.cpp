// The built tool's answers on one crafted file per family, MIME type and
// class: the whole tree form (name, class, size) and the MIME type and
// classification source of the JSON form.
#include <gtest/gtest.h>

#include "file_builders.h"
#include "support.h"
#include "tree.h"

namespace {

using builders::hex;

// `len` zero bytes with `bytes` written at `off`.
std::string at(size_t len, size_t off, const std::string& bytes) {
    std::string s(len, '\0');
    return s.replace(off, bytes.size(), bytes);
}

struct Row {
    const char* name;
    std::string content;
    const char* tree_class;  // the class as the tree form shows it
    const char* mime;
    const char* source;
};

TEST(Answers, OneCraftedFilePerKind) {
    const std::string macho = hex("CF FA ED FE 07 00 00 01 03 00 00 00 02 00 00 00");
    const std::string zip_koly = builders::zip_stored({{"a.txt", "hello"}}) + "koly";
    const Row rows[] = {
        {"tool", at(64, 0, macho), "StandaloneMacho { arch_word: Bits64, endianness: Little, kind: UnknownKind }",
         "application/x-mach-o-executable", "Magic"},
        {"lib.dylib", at(64, 0, hex("FE ED FA CE 00 00 00 12 00 00 00 00 00 00 00 06")),
         "StandaloneMacho { arch_word: Bits32, endianness: Big, kind: UnknownKind }", "application/x-mach-o-dylib",
         "Magic"},
        {"fat", at(64, 0, hex("CA FE BA BE 00 00 00 02 01 00 00 07")), "FatMacho", "application/x-mach-o-universal",
         "Magic"},
        {"Info.plist", "bplist00" + hex("D1 01 02 51 61 51 62 08 0B 0D"), "PropertyList(Binary)",
         "application/x-bplist", "Magic"},
        {"cert.pem", "-----BEGIN CERTIFICATE-----\nMIIB\n-----END CERTIFICATE-----\n", "Pem { labels: [] }",
         "application/x-x509-cert;format=pem", "Magic"},
        {"run.sh", "#!/bin/sh\necho hello\n", "Shebang { interpreter: None }", "application/x-sh", "Magic"},
        {"sig.der", hex("30 82 01 0A 06 09") + std::string(60, '\x01'), "CmsBlob", "application/octet-stream", "Magic"},
        // Header magic decides before the trailer probe would.
        {"koly.zip", zip_koly, "Archive(Zip)", "application/zip", "Magic"},
        {"a.xar", "xar!" + hex("00 1C 00 01") + std::string(60, '\x01'), "Archive(Xar)", "application/vnd.xara", "Magic"},
        {"a.a", "!<arch>\nfoo.o/          0           0     0     644     4         `\nabcd", "Archive(Ar)",
         "application/x-archive", "Magic"},
        {"image.dmg", at(5000, 5000 - 512, "koly"), "Archive(DiskImage)", "application/octet-stream", "Magic"},
        {"u.tar", at(1024, 0, "a.txt").replace(257, 8, std::string("ustar\0" "00", 8)), "Archive(OtherArchive)",
         "application/x-tar", "Mime"},
        {"image.png", builders::png_head("IDAT"), "PassiveMedia", "image/png", "Mime"},
        {"page.html", "<!DOCTYPE html>\n<html><body>hi</body></html>\n", "WebContent", "text/html", "Mime"},
        {"notes.txt", "hello, world\n", "OtherText", "text/plain", "Mime"},
        // Magic past the header read does not count.
        {"late", std::string(8192, 'a') + macho, "OtherText", "text/plain", "Mime"},
        {"exe.elf", at(64, 0, hex("7F 45 4C 46 02 01 01")).replace(16, 4, hex("02 00 3E 00")),
         "OtherFileTypes(Application)", "application/x-executable", "Mime"},
        {"mesh.glb", at(64, 0, "glTF" + hex("02 00 00 00 40 00 00 00")), "OtherFileTypes(Model)", "model/gltf-binary",
         "Mime"},
        {"mol.cdx", at(64, 0, "VjCD0100" + hex("04 03 02 01")), "Unknown", "chemical/x-cdx", "None"},
        {"empty", "", "OtherBinary", "application/octet-stream", "Mime"},
    };
    testsupport::TempDir t;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testsupport::write_file(t / row.name, row.content);
        const auto tree = testsupport::run_cli({row.name, "--format", "tree"}, {.cwd = t.path()});
        EXPECT_EQ(tree.status, 0) << tree.err;
        EXPECT_EQ(tree.out, std::string(row.name) + "\t[" + row.tree_class + "] (" +
                                tarvik::cli::human_size(row.content.size()) + ")\n\n");
        const auto json = testsupport::run_cli({row.name}, {.cwd = t.path()});
        EXPECT_EQ(json.status, 0) << json.err;
        EXPECT_TRUE(testsupport::contains(json.out, std::string("\"full_mime_type\": \"") + row.mime +
                                                        "\",\n    \"classification_source\": \"" + row.source + "\""))
            << json.out;
    }
}

}  // namespace
