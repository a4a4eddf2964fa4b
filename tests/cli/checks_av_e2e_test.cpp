// End to end: crafted audio, video, font, model, message, multipart and
// chemical files through the built tarvik-cli, checking the detected MIME type
// and the class it leads to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_support.h"

namespace {

using namespace std::string_literals;
using namespace e2esupport;
using testsupport::TempDir;

struct Sample {
    const char* name;
    std::string content;
    const char* mime;
    std::vector<const char*> expect;  // further substrings of the JSON document
};

std::string padded(std::string head, size_t len) {
    head.resize(len, '\0');
    return head;
}

const std::vector<Sample>& samples() {
    static const std::vector<Sample> s = {
        {"tone.flac", padded("fLaC\x00\x00\x00\x22\x10\x00\x10\x00"s, 64), "audio/x-flac",
         {"\"class\": \"PassiveMedia\"", "\"classification_source\": \"Mime\""}},
        {"tone.wav", padded("RIFF\x24\x08\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00"s, 64),
         "audio/vnd.wave", {"\"class\": \"PassiveMedia\""}},
        {"clip.mp4", padded("\x00\x00\x00\x18" "ftypisom\x00\x00\x02\x00isomiso2"s, 64),
         "video/mp4", {"\"class\": \"PassiveMedia\""}},
        {"clip.webm",
         padded("\x1A\x45\xDF\xA3\x9F\x42\x86\x81\x01\x42\xF7\x81\x01\x42\x82\x84webm"s, 64),
         "video/webm", {"\"class\": \"PassiveMedia\""}},
        {"face.woff", padded("wOFF\x00\x01\x00\x00\x00\x00\x01\x00"s, 64), "font/woff",
         {"\"class\": \"PassiveMedia\""}},
        {"mesh.glb", padded("glTF\x02\x00\x00\x00\x40\x00\x00\x00"s, 64), "model/gltf-binary",
         {"\"OtherFileTypes\": \"Model\"", "\"classification_source\": \"Mime\""}},
        {"page.mht",
         "MIME-Version: 1.0\nContent-Type: multipart/related; boundary=\"b\"\n\n--b\n"
         "Content-Type: text/html\n\n<p>hi</p>\n--b--\n",
         "multipart/related", {"\"OtherFileTypes\": \"Multipart\""}},
        {"post.news",
         "Path: news.example.org!not-for-mail\nNewsgroups: comp.lang.c\nSubject: hi\n\nbody\n",
         "message/news", {"\"OtherFileTypes\": \"Message\""}},
        // "chemical" has no class rule: the node stays Unknown with source None.
        {"mol.cdx", padded("VjCD0100\x04\x03\x02\x01"s, 64), "chemical/x-cdx",
         {"\"class\": \"Unknown\"", "\"classification_source\": \"None\""}},
        // The header magic decides the class before the MIME rules; the
        // detector's type is still reported.
        {"voice.awb", padded("#!AMR-WB\n\x04\x10\x20"s, 64), "audio/amr-wb",
         {"\"Shebang\": {", "\"classification_source\": \"Magic\""}},
    };
    return s;
}

TEST(ChecksAvEndToEnd, MimeTypeAndClass) {
    TempDir dir;
    for (const Sample& s : samples()) {
        const std::string path = dir / s.name;
        auto r = write_and_assess_json(path, s.content);
        if (!is_json(r.out)) GTEST_SKIP() << "tarvik-cli does not write JSON yet";
        EXPECT_EQ(r.status, 0) << s.name;
        EXPECT_TRUE(contains(r.out, json_member("full_mime_type", s.mime))) << s.name << "\n" << r.out;
        for (const char* e : s.expect) EXPECT_TRUE(contains(r.out, e)) << s.name << ": " << e << "\n" << r.out;
    }
}

}  // namespace
