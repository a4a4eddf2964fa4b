// The content checks of the text types, row by row: for each row buffers that
// make the check hold and buffers just outside it (one byte late, wrong case,
// past the window).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "mime_magic/mime_magic.h"
#include "check_support.h"

namespace {

using namespace std::string_literals;
namespace checks = mime_magic::checks;
using namespace checksupport;

std::string repeat(char c, size_t n) { return std::string(n, c); }

TEST(TextChecks, Calendar) {
    auto f = checks::check_text_calendar;
    run_rows({
        {"CRLF before VERSION:2.0", f, true, {{0, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"}}},
        {"blank instead of a line feed", f, false, {{0, "BEGIN:VCALENDAR VERSION:2.0"}}},
        {"needle ends at byte 360", f, true, {{0, "BEGIN:VCALENDAR"}, {349, "\nVERSION:2.0"}}},
        {"needle ends at byte 361", f, false, {{0, "BEGIN:VCALENDAR"}, {350, "\nVERSION:2.0"}}},
        {"no BEGIN at 0", f, false, {{1, "BEGIN:VCALENDAR\nVERSION:2.0"}}},
        {"version 1.0", f, false, {{0, "BEGIN:VCALENDAR\nVERSION:1.0"}}},
    });
}

TEST(TextChecks, Html) {
    auto f = checks::check_text_html;
    run_rows({
        // Step 1: the XML root test, case folded; needs the text heuristic.
        {"<HTML lang", f, true, {{0, "<HTML lang=en>"}}},
        {"<p class", f, true, {{0, "xxxxxxxxx<p class=a>hi</p>"}}},
        {"<Script src", f, true, {{0, "<Script src=a.js></script>"}}},
        {"<iframe ", f, true, {{300, "<iframe src=x>"}, {0, "some words here"}}},
        {"<script  in a non-text buffer", f, false, {{0, "\x01\x02\x03\x04"s + "\0"s + "<script src=x>"}}},
        // Steps 2 and 3: the patterns, anywhere in the buffer.
        {"<HTML> far away", f, true, {{0, "\x01\x02\x03\x04"s + "\0"s}, {100000, "<HTML>"}}},
        {"<Div  far away", f, true, {{0, "\x01"}, {70000, "<Div class=x>"}}},
        {"<h2> far away", f, true, {{0, "\x01"}, {9000, "<h2>Title</h2>"}}},
        {"<h4> is not a heading of the pattern", f, false, {{0, "\x01"}, {9000, "<h4>Title</h4>"}}},
        // Step 4: listed forms within 0..64, exact case.
        {"<!DOCTYPE html>", f, true, {{0, "<!DOCTYPE html>\n"}}},
        {"<!doctype html ending at 63", f, true, {{50, "<!doctype html\n"}}},
        {"<!doctype html ending at 64", f, true, {{51, "<!doctype html\n"}}},
        {"<!doctype html ending at 65", f, false, {{52, "<!doctype html\n"}}},
        {"<!DocType html> mixed case", f, false, {{0, "<!DocType html>\n"}}},
        {"<TITLE> near the start", f, true, {{0, "<TITLE\n"}}},
        {"<HTML LF at 10", f, true, {{10, "<HTML\n"}}},
        {"<HTML LF at 100", f, false, {{100, "<HTML\n"}}},
        // Steps 5 and 6: two separate windows for '<html'.
        {"<html LF at 124", f, true, {{124, "<html\n"}}},
        {"<html LF at 125", f, false, {{125, "<html\n"}}},
        {"<html LF at 126", f, false, {{126, "<html\n"}}},
        {"<html LF at 127", f, false, {{127, "<html\n"}}},
        {"<html LF at 128", f, true, {{128, "<html\n"}}},
        {"<html ending at 8192", f, true, {{8188, "<html\n"}}},
        {"<html ending at 8193", f, false, {{8189, "<html\n"}}},
        {"plain prose", f, false, {{0, "hello, world\n"}}},
    });
}

TEST(TextChecks, Iso19139) {
    auto f = checks::check_text_iso19139_xml;
    const std::string head = "<?xml version=\"1.0\"?>\n";
    run_rows({
        {"<MD_metadata ", f, true, {{0, head + "<MD_metadata xmlns=\"x\">"}}},
        {"prefixed root with xmlns", f, true, {{0, head + "<gmd:MD_metadata xmlns:gmd=\"x\">"}}},
        {"doubled name without any '<'", f, true, {{0, "abcdefghi MD_metadata:MD_metadata x"}}},
        {"prefixed root alone", f, false, {{0, head + "<gmd:MD_metadata>"}}},
        {"any case", f, true, {{0, head + "<md_METADATA x=\"1\">"}}},
        {"needle ends at 2048", f, true, {{0, head}, {2036, "<MD_metadata "}}},
        {"needle ends at 2049", f, false, {{0, head}, {2037, "<MD_metadata "}}},
        {"not text", f, false, {{0, "\0\0\0\0\0<MD_metadata "s}}},
    });
}

TEST(TextChecks, Javascript) {
    auto f = checks::check_text_javascript;
    run_rows({
        {"jQuery banner", f, true, {{0, "/* jQuery v1 */"}}},
        {"jQuery banner with bang", f, true, {{0, "/*! jQuery v3 */"}}},
        {"jquery in lower case", f, false, {{0, "/* jquery v1 */"}}},
        {"IIFE with e", f, true, {{0, "(function(e,undefined){"}}},
        {"bang function", f, true, {{0, "!function(window,undefined){"}}},
        {"Prototype, two blanks", f, true, {{0, "/*  Prototype JavaScript framework"}}},
        {"Prototype, one blank", f, false, {{0, "/* Prototype JavaScript framework"}}},
        {"var Prototype", f, true, {{0, "var Prototype={"}}},
        {"function $w", f, true, {{0, "function $w(t){"}}},
        {"React license", f, true, {{0, "/** @license React v16"}}},
        {"#!/bin/node", f, true, {{0, "#!/bin/node\n"}}},
        {"#!/USR/BIN/NODE", f, true, {{0, "#!/USR/BIN/NODE\n"}}},
        {"env nodejs", f, true, {{0, "#!/usr/bin/env nodejs\n"}}},
        {"blank after #!", f, false, {{0, "#! /usr/bin/node\n"}}},
        {"node path without #!", f, false, {{0, "#/usr/bin/node\n"}}},
    });
}

TEST(TextChecks, Plain) {
    auto f = checks::check_text_plain;
    run_rows({
        {"hello, world", f, true, {{0, "hello, world"}}},
        {"seven printable bytes then binary", f, true, {{0, "abcdefg\x01\x02\xFF"}}},
        {"TeX log", f, true, {{0, "This is TeX, Version 3"}}},
        {"C comment then LF", f, true, {{0, "/*\n"}}},
        {"line comment then LF", f, true, {{0, "//\n"}}},
        {"Lisp comment then LF", f, true, {{0, ";;\n"}}},
        {"UTF-16 BE mark", f, true, {{0, "\xFE\xFF\0h\0i"s}}},
        {"UTF-16 LE mark", f, true, {{0, "\xFF\xFEh\0i\0"s}}},
        {"UTF-8 mark then anything", f, true, {{0, "\xEF\xBB\xBF\x01\x02"}}},
        {"TAB among the first seven", f, false, {{0, "ab\tcdef"}}},
        {"LF at byte 6", f, false, {{0, "abcdef\nghi"}}},
        {"CR at byte 0", f, false, {{0, "\rabcdefgh"}}},
        {"80 at byte 6", f, false, {{0, "abcdef\x80"}}},
        {"00 at byte 6", f, false, {{0, "abcdef"}}},
        {"one slash", f, false, {{0, "/\n"}}},
    });
}

TEST(TextChecks, Troff) {
    auto f = checks::check_text_troff;
    run_rows({
        {".\\\"", f, true, {{0, ".\\\" comment"}}},
        {"'\\\"", f, true, {{0, "'\\\" t"}}},
        {"'.\\\"", f, true, {{0, "'.\\\" x"}}},
        {"\\\"", f, true, {{0, "\\\" x"}}},
        {"'''", f, true, {{0, "'''"}}},
        {"''", f, false, {{0, "''"}}},
        {".TH", f, false, {{0, ".TH LS 1"}}},
        {".\\\" at 1", f, false, {{1, ".\\\""}}},
    });
}

TEST(TextChecks, Graphviz) {
    auto f = checks::check_text_vnd_graphviz;
    run_rows({
        {"digraph", f, true, {{0, "digraph G { a -> b }"}}},
        {"strict graph after blanks", f, true, {{0, "  strict\tgraph {"}}},
        {"graph followed by a brace", f, true, {{0, "graph{"}}},
        {"line comments first", f, true, {{0, "// one\n  // two\ndigraph x {"}}},
        {"block comment first", f, true, {{0, "/* a\nb */ graph g {"}}},
        {"comment with an invalid byte", f, false, {{0, "/* \xFF */ graph g {"}}},
        {"graphviz is one word", f, false, {{0, "graphviz"}}},
        {"not at the start", f, false, {{0, "x digraph G {"}}},
    });
}

TEST(TextChecks, IptcAnpa) {
    auto f = checks::check_text_vnd_iptc_anpa;
    run_rows({
        {"16 16 01", f, true, {{0, "\x16\x16\x01"}}},
        {"16 16 02", f, false, {{0, "\x16\x16\x02"}}},
    });
}

TEST(TextChecks, Vtt) {
    auto f = checks::check_text_vtt;
    run_rows({
        {"WEBVTT LF", f, true, {{0, "WEBVTT\n\n00:00.000 --> 00:01.000"}}},
        {"WEBVTT CR", f, true, {{0, "WEBVTT\r"}}},
        {"WEBVTT TAB", f, false, {{0, "WEBVTT\tx"}}},
        {"webvtt lower case", f, false, {{0, "webvtt\n"}}},
        {"FE FF mark", f, true, {{0, "\xFE\xFFWEBVTT\n"}}},
        {"EF BB BF mark", f, true, {{0, "\xEF\xBB\xBFWEBVTT\r"}}},
        {"EF BB BF mark, blank after", f, false, {{0, "\xEF\xBB\xBFWEBVTT x"}}},
        {"WEBVTT FILE LF", f, true, {{0, "WEBVTT FILE\n"}}},
        {"title then blank line", f, true, {{0, "WEBVTT - title\n\n"}}},
        {"title then CR CR", f, true, {{0, "WEBVTT - title\r\r"}}},
        {"title then CRLF CRLF", f, true, {{0, "WEBVTT - title\r\n\r\n"}}},
        {"blank line ending at 50", f, true, {{0, "WEBVTT " + repeat('t', 42) + "\n\n"}}},
        {"blank line ending at 51", f, false, {{0, "WEBVTT " + repeat('t', 43) + "\n\n"}}},
        {"blank line starting at 8", f, false, {{0, "WEBVTT a\n\nb"}}},
    });
}

TEST(TextChecks, Awk) {
    auto f = checks::check_text_x_awk;
    for (const char* s : {"#!/bin/gawk", "#! /bin/gawk", "#!/usr/bin/gawk", "#! /usr/bin/gawk",
                          "#!/usr/local/bin/gawk", "#! /usr/local/bin/gawk", "#!/bin/awk",
                          "#! /bin/awk", "#!/usr/bin/awk", "#! /usr/bin/awk"}) {
        SCOPED_TRACE(s);
        EXPECT_TRUE(run_check(f, buffer_with({{0, std::string(s) + " -f\n"}})));
    }
    run_rows({
        {"no /usr/local/bin/awk form", f, false, {{0, "#!/usr/local/bin/awk -f\n"}}},
        {"env awk", f, false, {{0, "#!/usr/bin/env awk\n"}}},
    });
}

TEST(TextChecks, CAndHeader) {
    run_rows({
        {"#include ", checks::check_text_x_c, true, {{0, "#include <stdio.h>\n"}}},
        {"#include without blank", checks::check_text_x_c, false, {{0, "#include<stdio.h>\n"}}},
        {"#include at 1", checks::check_text_x_c, false, {{1, "#include <stdio.h>\n"}}},
        {"#ifndef ", checks::check_text_x_chdr, true, {{0, "#ifndef X_H\n"}}},
        {"#ifdef ", checks::check_text_x_chdr, false, {{0, "#ifdef X_H\n"}}},
    });
}

TEST(TextChecks, Diff) {
    auto f = checks::check_text_x_diff;
    run_rows({
        {"diff ", f, true, {{0, "diff -u a b\n"}}},
        {"*** ", f, true, {{0, "*** a.c\n"}}},
        {"Only in ", f, true, {{0, "Only in a: b\n"}}},
        {"Common subdirectories: ", f, true, {{0, "Common subdirectories: a and b\n"}}},
        {"Index:", f, true, {{0, "Index:x\n"}}},
        {"--- alone", f, false, {{0, "--- a.c\n+++ b.c\n"}}},
        {"DIFF upper case", f, false, {{0, "DIFF a b\n"}}},
    });
}

TEST(TextChecks, Jsp) {
    auto f = checks::check_text_x_jsp;
    run_rows({
        {"<%@", f, true, {{0, "<%@ page %>"}}},
        {"<%--", f, true, {{0, "<%-- c --%>"}}},
        {"<% alone", f, false, {{0, "<% x %>"}}},
    });
}

TEST(TextChecks, Lua) {
    auto f = checks::check_text_x_lua;
    run_rows({
        {"#!/usr/bin/lua", f, true, {{0, "#!/usr/bin/lua\n"}}},
        {"upper case path", f, true, {{0, "#!/USR/BIN/LUA\n"}}},
        {"two blanks: needle ends at 15", f, true, {{0, "#!  /usr/bin/lua\n"}}},
        {"three blanks: needle ends at 16", f, false, {{0, "#!   /usr/bin/lua\n"}}},
        {"#!/bin/lua", f, true, {{0, "#!/bin/lua\n"}}},
        {"/bin/lua ending at 11", f, true, {{0, "#!  /bin/lua\n"}}},
        {"/bin/lua ending at 12", f, false, {{0, "#!   /bin/lua\n"}}},
        {"env lua", f, true, {{0, "#!/usr/bin/env lua\n"}}},
        {"env lua in capitals", f, true, {{0, "#!/USR/BIN/ENV LUA\n"}}},
        {"env with two blanks", f, false, {{0, "#!/usr/bin/env  lua\n"}}},
        {"luajit continues the name", f, true, {{0, "#!/usr/bin/luajit\n"}}},
        {"no #!", f, false, {{0, "# /usr/bin/lua\n"}}},
    });
}

TEST(TextChecks, Makefile) {
    auto f = checks::check_text_x_makefile;
    run_rows({
        {"automake banner", f, true, {{0, "# Makefile.in generated by automake"}}},
        {"#!make", f, true, {{0, "#!make -f\n"}}},
        {"#!/usr/bin/make", f, true, {{0, "#!/usr/bin/make -f\n"}}},
        {"#!/usr/local/bin/make", f, true, {{0, "#!/usr/local/bin/make -f\n"}}},
        {"#!/usr/bin/env make", f, true, {{0, "#!/usr/bin/env make -f\n"}}},
        {"plain rules", f, false, {{0, "all:\n\tcc -o a a.c\n"}}},
    });
}

TEST(TextChecks, Matlab) {
    auto f = checks::check_text_x_matlab;
    run_rows({
        {"function [ at 0", f, true, {{0, "function [a, b] = f(x)"}}},
        {"assignment form far away", f, true, {{0, "x = 1;\n"}, {50000, "function y = f(x)"}}},
        {"name then LF", f, true, {{0, "% c"}, {3, "\n"}, {4, "function foo\n"}}},
        {"name then CR", f, true, {{0, "a\nfunction foo\r"}}},
        {"name then blank only", f, false, {{0, "a\nfunction foo bar"}}},
        {"% comment lines", f, true, {{0, "% a\n%"}}},
        {"% comment lines with CR", f, true, {{0, "% a\r%"}}},
        {"second % at 120", f, true, {{0, "%" + repeat('a', 118) + "\n%"}}},
        {"second % at 121", f, false, {{0, "%" + repeat('a', 119) + "\n%"}}},
        {"%% line reaching byte 120", f, true, {{0, "%%" + repeat('a', 119) + "\n"}}},
        {"%% short line", f, false, {{0, "%%abc\nx = 1;\n"}}},
        {"%{ LF", f, true, {{0, "%{\n"}}},
        {"a PostScript header has a % line after its first", f, true,
         {{0, "%!PS-Adobe-3.0\n%%Title: page\n"}}},
        {"%{ CR", f, false, {{0, "%{\r"}}},
    });
}

TEST(TextChecks, Perl) {
    auto f = checks::check_text_x_perl;
    run_rows({
        {"eval exec", f, true, {{0, "eval \"exec /usr/local/bin/perl -S $0\""}}},
        {"eval exec /usr/bin/perl", f, false, {{0, "eval \"exec /usr/bin/perl -S $0\""}}},
        {"#!/bin/perl", f, true, {{0, "#!/bin/perl\n"}}},
        {"#!/bin/env perl", f, true, {{0, "#!/bin/env perl\n"}}},
        {"#!/usr/bin/perl -w", f, true, {{0, "#!/usr/bin/perl -w\n"}}},
        {"#!/usr/local/bin/perl", f, true, {{0, "#!/usr/local/bin/perl\n"}}},
        {"#!/usr/bin/env perl is not listed", f, false, {{0, "#!/usr/bin/env perl\n"}}},
        {"blank after #!", f, false, {{0, "#! /usr/bin/perl\n"}}},
    });
}

TEST(TextChecks, Php) {
    auto f = checks::check_text_x_php;
    run_rows({
        {"<?php", f, true, {{0, "<?php echo 1;"}}},
        {"<?PHP upper case", f, false, {{0, "<?PHP echo 1;"}}},
        {"#!/usr/bin/php", f, true, {{0, "#!/usr/bin/php\n"}}},
        {"#!/usr/bin/env php", f, true, {{0, "#!/usr/bin/env php\n"}}},
        {"<?php at 1", f, false, {{1, "<?php"}}},
    });
}

TEST(TextChecks, Python) {
    auto f = checks::check_text_x_python;
    run_rows({
        {"#!/bin/python", f, true, {{0, "#!/bin/python\n"}}},
        {"#! /bin/python", f, true, {{0, "#! /bin/python\n"}}},
        {"eval exec /bin/python", f, true, {{0, "eval \"exec /bin/python $0\""}}},
        {"#!/usr/bin/python3", f, true, {{0, "#!/usr/bin/python3\n"}}},
        {"#! /usr/bin/python", f, true, {{0, "#! /usr/bin/python\n"}}},
        {"eval exec /usr/bin/python", f, true, {{0, "eval \"exec /usr/bin/python\""}}},
        {"#!/usr/local/bin/python", f, true, {{0, "#!/usr/local/bin/python\n"}}},
        {"#! /usr/local/bin/python", f, true, {{0, "#! /usr/local/bin/python\n"}}},
        {"eval exec /usr/local/bin/python", f, true, {{0, "eval \"exec /usr/local/bin/python\""}}},
        {"any byte, then /bin/env python", f, true, {{0, "x/bin/env python"}}},
        {"/bin/env python at 2", f, false, {{0, "#!/bin/env python"}}},
        {"#!/usr/bin/env python does not reach byte 1", f, false, {{0, "#!/usr/bin/env python\n"}}},
        {"upper case", f, false, {{0, "#!/usr/bin/PYTHON\n"}}},
    });
}

TEST(TextChecks, Tcl) {
    auto f = checks::check_text_x_tcl;
    run_rows({
        {"env tcl", f, true, {{0, "#!/usr/bin/env tclsh\n"}}},
        {"#!/usr/bin/tcl", f, true, {{0, "#!/usr/bin/tclsh\n"}}},
        {"#!/bin/tcl", f, false, {{0, "#!/bin/tclsh\n"}}},
    });
}

TEST(TextChecks, Uuencode) {
    auto f = checks::check_text_x_uuencode;
    run_rows({
        {"begin 644 name", f, true, {{0, "begin 644 file.bin\n"}}},
        {"two digits", f, false, {{0, "begin 64 file.bin\n"}}},
        {"not at the start", f, false, {{0, " begin 644 file.bin\n"}}},
        {"no blank after the mode", f, false, {{0, "begin 6444 f\n"}}},
    });
}

TEST(TextChecks, VcalendarAndVcard) {
    auto vcal = checks::check_text_x_vcalendar;
    auto vcard = checks::check_text_x_vcard;
    run_rows({
        {"version 1.0 ending at 27", vcal, true, {{0, "BEGIN:VCALENDAR\r\nVERSION:1.0\r\n"}}},
        {"version 1.0 ending at 30", vcal, true, {{0, "BEGIN:VCALENDAR"}, {20, "VERSION:1.0"}}},
        {"version 1.0 ending at 31", vcal, false, {{0, "BEGIN:VCALENDAR"}, {21, "VERSION:1.0"}}},
        {"20-byte line in between", vcal, false,
         {{0, "BEGIN:VCALENDAR\r\n" + repeat('x', 18) + "\r\nVERSION:1.0\r\n"}}},
        {"version 2.0", vcal, false, {{0, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"}}},
        {"BEGIN:VCARD", vcard, true, {{0, "BEGIN:VCARD\r\nVERSION:3.0\r\n"}}},
        {"begin:vcard lower case", vcard, false, {{0, "begin:vcard\r\n"}}},
    });
}

// Whole-detector answers where the walk order settles them: these types are
// children of "text/plain", which the walk searches before plain text itself.
TEST(TextDetection, ChildrenOfPlainTextWinOverIt) {
    EXPECT_EQ(detect("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Jane\r\nEND:VCARD\r\n"), "text/x-vcard");
    EXPECT_EQ(detect("#include <stdio.h>\nint main(void) { return 0; }\n"), "text/x-c");
    EXPECT_EQ(detect("#!/usr/bin/python\nprint('hi')\n"), "text/x-python");
    EXPECT_EQ(detect("#!/usr/bin/env node\nconsole.log(1)\n"), "text/javascript");
    EXPECT_EQ(detect("#!/usr/bin/lua\nprint(1)\n"), "text/x-lua");
    EXPECT_EQ(detect("hello, world\n"), "text/plain");
}

TEST(TextDetection, WalkOrderDecides) {
    // "text/x-matlab" stands before "application/postscript" in the walk, and
    // a PostScript header whose second line starts with '%' satisfies it.
    EXPECT_EQ(detect("%!PS-Adobe-3.0\n%%Title: page\nshowpage\n"), "text/x-matlab");
    // Markup found only by the patterns, far into the buffer.
    std::string page(20000, 'a');
    page += "<div class=x>";
    EXPECT_EQ(detect(page), "text/html");
}

}  // namespace
