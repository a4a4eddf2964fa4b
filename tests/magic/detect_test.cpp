// The detection entry: file handling, the buffer, the fallback, and the
// equivalence of the zero-tail shortcuts with plain evaluation.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "database/database.h"
#include "mime_magic/mime_magic.h"
#include "support.h"

using namespace mime_magic;
using testsupport::TempDir;
using testsupport::write_file;

TEST(DetectFromPath, NothingForEmptyMissingUnreadableAndNulPaths) {
    TempDir dir;
    write_file(dir / "empty", "");
    EXPECT_FALSE(detect_mime_from_path(dir / "empty"));
    EXPECT_FALSE(detect_mime_from_path(dir / "missing"));
    EXPECT_FALSE(detect_mime_from_path(std::string("/etc\0/passwd", 12)));
    EXPECT_FALSE(detect_mime_from_path(dir.path()));  // a directory cannot be read
    write_file(dir / "secret", "hello world, this is text");
    ::chmod((dir / "secret").c_str(), 0);
    if (::geteuid() != 0) {
        EXPECT_FALSE(detect_mime_from_path(dir / "secret"));
    }
}

TEST(DetectFromPath, OneByteAlwaysYieldsAString) {
    TempDir dir;
    for (int c : {0x00, 0x01, 0x41, 0x7F, 0xFF}) {
        write_file(dir / "one", std::string(1, char(c)));
        auto got = detect_mime_from_path(dir / "one");
        ASSERT_TRUE(got) << c;
        const unsigned char byte = static_cast<unsigned char>(c);
        EXPECT_EQ(*got, detect_mime_from_bytes(&byte, 1));
    }
}

TEST(DetectFromPath, OnlyTheFirst131072BytesCount) {
    TempDir dir;
    std::mt19937 rng(7);
    std::string head(MIME_SNIFF_BUFFER_LEN, '\0');
    for (auto& c : head) c = char(rng());
    write_file(dir / "exact", head);
    write_file(dir / "longer", head + "appended content that cannot change the answer <html> P4");
    auto a = detect_mime_from_path(dir / "exact");
    auto b = detect_mime_from_path(dir / "longer");
    ASSERT_TRUE(a);
    ASSERT_TRUE(b);
    EXPECT_EQ(*a, *b);
}

// Detections share one buffer: a short file read after a long one must see
// zeros past its end, not the long file's bytes; so must a file read after a
// failed read.
TEST(DetectFromPath, AShortFileAfterALongOneSeesZerosPastItsEnd) {
    TempDir dir;
    std::string longer(40000, 'a');
    longer.replace(32769, 5, "CD001");  // an ISO 9660 volume descriptor
    write_file(dir / "long", longer);
    write_file(dir / "short", "ab ");
    const unsigned char short_bytes[] = {'a', 'b', ' '};
    const std::string_view alone = detect_mime_from_bytes(short_bytes, 3);
    EXPECT_EQ(detect_mime_from_path(dir / "long"),
              std::optional<std::string_view>("application/x-iso9660-image"));
    EXPECT_EQ(detect_mime_from_path(dir / "short"), std::optional<std::string_view>(alone));
    EXPECT_NE(alone, "application/x-iso9660-image");
    // A long file, then one that cannot be read, then the short one.
    EXPECT_TRUE(detect_mime_from_path(dir / "long"));
    EXPECT_FALSE(detect_mime_from_path(dir.path()));
    EXPECT_EQ(detect_mime_from_path(dir / "short"), std::optional<std::string_view>(alone));
}

TEST(DetectFromPath, FifoDoesNotBlock) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    EXPECT_FALSE(detect_mime_from_path(dir / "fifo"));
}

TEST(DetectFromBytes, AnswersAreDatabaseStringsOrTheFallback) {
    const unsigned char zero = 0;
    std::string_view got = detect_mime_from_bytes(&zero, 1);
    bool known = got == FALLBACK_MIME_TYPE;
    for (const MimeChecker& r : ALL_MIME_CHECKERS) known = known || r.mime_type() == got;
    EXPECT_TRUE(known) << got;
}

// Checks may use the zero tail of the buffer to skip work, the XML checks
// share their search, and the walk passes over records that can never match;
// answers must not change. The same buffers are detected once with those
// shortcuts and once by plain evaluation.
TEST(DetectFromBytes, ZeroTailShortcutsKeepEveryAnswer) {
    std::mt19937 rng(99);
    const std::vector<std::string> heads = {
        "\x89PNG\r\n\x1a\n", "GIF89a", "\xFF\xD8\xFF\xE0", "PK\x03\x04", "%PDF-1.7\n", "MZ", "\x7F" "ELF",
        "\xCF\xFA\xED\xFE", "\xCA\xFE\xBA\xBE", "<?xml version=\"1.0\"?>\n<svg ", "<!DOCTYPE html>\n<html ",
        "#!/bin/sh\n", "#!/usr/bin/env python\n", "BZh9", "\x1F\x8B\x08", "ustar", "ID3\x03", "RIFF",
        "OggS", "fLaC", "\x1A\x45\xDF\xA3", "{\"a\": 1}", "From: a@b\nSubject: x\n", "BEGIN:VCARD\n",
        "hello world, plain text\n", "\xEF\xBB\xBFtext", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", "7z\xBC\xAF\x27\x1C",
        "Rar!\x1A\x07\x00", "bplist00", "\x00\x00\x01\xBA", "\x00\x00\x00\x18" "ftypmp42", "diff -u a b\n",
        // Children searched inside their parents' subtrees and again later.
        "<?xml version=\"1.0\"?>\n<rss ", "<?xml version=\"1.0\"?>\n<kml ", "<?xml version=\"1.0\"?>\n<gpx ",
        "<?xml version=\"1.0\"?>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"", "<?xml?><xsl:stylesheet ",
        "#!/usr/bin/perl\n", "#!/usr/bin/env node\n", "<?php ", "%!PS-Adobe-3.0\n", "{\\rtf1",
        "PK\x03\x04\x14\x00\x00\x00\x00\x00" "mimetypeapplication/epub+zip", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00",
        "BEGIN:VCALENDAR\nVERSION:2.0\n", "From: a\nDate: b\nX-Mailer: m\n", "function f = g()\n",
        "digraph G {\n", "/* c */\ngraph x {", "SQLite format 3\x00", "\x1F\x8B\x08\x00", "MThd"};
    static const char kFiller[] = " <>=/\\\"'\n\r\t\0\x01\xFF\xC3\xA9" "abcXYZ019%#!:;-_.,?{}[]()@";
    const std::string filler(kFiller, sizeof kFiller - 1);
    std::vector<uint8_t> buf(MIME_SNIFF_BUFFER_LEN);
    for (int round = 0; round < 600; ++round) {
        std::fill(buf.begin(), buf.end(), 0);
        const std::string& head = heads[size_t(round) % heads.size()];
        size_t len = std::uniform_int_distribution<size_t>(head.size(), 4096)(rng);
        std::copy(head.begin(), head.end(), buf.begin());
        for (size_t i = head.size(); i < len; ++i) buf[i] = uint8_t(filler[rng() % filler.size()]);
        std::string_view with_tail = detect_in_buffer(buf.data(), buf.size(), len, true);
        std::string_view without = detect_in_buffer(buf.data(), buf.size(), len, false);
        ASSERT_EQ(with_tail, without) << "round " << round;
    }
}
