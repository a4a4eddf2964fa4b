// Content checks: text types.
//
// Sixteen of these types are children of "text/plain", which the walk
// searches before taking plain text itself, so nearly every text file runs
// their checks: those are fixed-offset comparisons at the start of the buffer
// that fail on the first byte, apart from the few that search with a pattern.
#include "checks/checks.h"

namespace mime_magic::checks {

namespace {

// "text/html" step 1: the XML root test for the usual document roots.
bool html_root_element(const Probe& b) {
    return xml_root(b, "html") || xml_root(b, "link") || xml_root(b, "body") ||
           xml_root(b, "p") || xml_root(b, "script") || xml_root(b, "frameset") ||
           xml_root(b, "iframe");
}

// "text/html" step 4: a doctype or head element near the start, exact case.
bool html_head_near_start(const Probe& b) {
    return within(b, 0, 64, "<!DOCTYPE HTML") || within(b, 0, 64, "<!DOCTYPE html") ||
           within(b, 0, 64, "<!doctype HTML") || within(b, 0, 64, "<!doctype html") ||
           within(b, 0, 64, "<HEAD") || within(b, 0, 64, "<head") ||
           within(b, 0, 64, "<TITLE") || within(b, 0, 64, "<title") ||
           within(b, 0, 64, "<HTML");
}

// 'WEBVTT' followed by CR or LF at `off`.
bool webvtt_line_at(const Probe& b, size_t off) {
    return at(b, off, "WEBVTT\r") || at(b, off, "WEBVTT\n");
}

}  // namespace

// "text/calendar"
bool check_text_calendar(const Probe& b) {
    return at(b, 0, "BEGIN:VCALENDAR") && within(b, 15, 360, "\nVERSION:2.0");
}

// "text/html"
bool check_text_html(const Probe& b) {
    return html_root_element(b) ||
           pattern(b, Pat::Html1or2) ||  // patterns 1 and 2 in one pass
           html_head_near_start(b) ||
           within(b, 0, 128, "<html") ||
           within(b, 128, 8192, "<html");
}

// "text/iso19139+xml"
bool check_text_iso19139_xml(const Probe& b) { return xml_root(b, "MD_metadata"); }

// "text/javascript"
bool check_text_javascript(const Probe& b) {
    return (at(b, 0, "/* jQuery ") || at(b, 0, "/*! jQuery ")) ||
           at(b, 0, "(function(e,undefined){") ||
           at(b, 0, "!function(window,undefined){") ||
           at(b, 0, "/*  Prototype JavaScript ") ||
           (at(b, 0, "var Prototype={") || at(b, 0, "function $w(t){")) ||
           at(b, 0, "/** @license React") ||
           (at(b, 0, "#!") && (at_any_case(b, 2, "/bin/node") || at_any_case(b, 2, "/usr/bin/node") ||
                               at_any_case(b, 2, "/usr/bin/env node")));
}

// "text/plain"
bool check_text_plain(const Probe& b) {
    return at(b, 0, "This is TeX,") ||
           at(b, 0, "This is METAFONT,") ||
           (at(b, 0, "/*") || at(b, 0, "//") || at(b, 0, ";;") || at(b, 0, "FE FF"_hex) ||
            at(b, 0, "FF FE"_hex)) ||
           at(b, 0, "EF BB BF"_hex) ||
           pattern(b, Pat::Plain1);
}

// "text/troff"
bool check_text_troff(const Probe& b) {
    return at(b, 0, "2E 5C 22"_hex) || at(b, 0, "27 5C 22"_hex) || at(b, 0, "27 2E 5C 22"_hex) ||
           at(b, 0, "5C 22"_hex) || at(b, 0, "27 27 27"_hex);
}

// "text/vnd.graphviz"
bool check_text_vnd_graphviz(const Probe& b) {
    return pattern(b, Pat::Graphviz1) || pattern(b, Pat::Graphviz2) || pattern(b, Pat::Graphviz3);
}

// "text/vnd.iptc.anpa"
bool check_text_vnd_iptc_anpa(const Probe& b) { return at(b, 0, "16 16 01"_hex); }

// "text/vtt"
bool check_text_vtt(const Probe& b) {
    return webvtt_line_at(b, 0) ||
           (at(b, 0, "FE FF"_hex) && webvtt_line_at(b, 2)) ||
           (at(b, 0, "EF BB BF"_hex) && webvtt_line_at(b, 3)) ||
           (at(b, 0, "WEBVTT FILE\r") || at(b, 0, "WEBVTT FILE\n")) ||
           (at(b, 0, "WEBVTT ") && (within(b, 10, 50, "\n\n") || within(b, 10, 50, "\r\r") ||
                                    within(b, 10, 50, "\r\n\r\n")));
}

// "text/x-awk"
bool check_text_x_awk(const Probe& b) {
    return at(b, 0, "#!/bin/gawk") || at(b, 0, "#! /bin/gawk") || at(b, 0, "#!/usr/bin/gawk") ||
           at(b, 0, "#! /usr/bin/gawk") || at(b, 0, "#!/usr/local/bin/gawk") ||
           at(b, 0, "#! /usr/local/bin/gawk") || at(b, 0, "#!/bin/awk") ||
           at(b, 0, "#! /bin/awk") || at(b, 0, "#!/usr/bin/awk") || at(b, 0, "#! /usr/bin/awk");
}

// "text/x-c"
bool check_text_x_c(const Probe& b) { return at(b, 0, "#include "); }

// "text/x-chdr"
bool check_text_x_chdr(const Probe& b) { return at(b, 0, "#ifndef "); }

// "text/x-diff"
bool check_text_x_diff(const Probe& b) {
    return at(b, 0, "diff ") || at(b, 0, "*** ") || at(b, 0, "Only in ") ||
           at(b, 0, "Common subdirectories: ") || at(b, 0, "Index:");
}

// "text/x-jsp"
bool check_text_x_jsp(const Probe& b) { return at(b, 0, "<%@") || at(b, 0, "<%--"); }

// "text/x-lua"
bool check_text_x_lua(const Probe& b) {
    return at(b, 0, "#!") &&
           (within_any_case(b, 2, 15, "/usr/bin/lua") || within_any_case(b, 2, 11, "/bin/lua") ||
            at_any_case(b, 2, "/usr/bin/env lua"));
}

// "text/x-makefile"
bool check_text_x_makefile(const Probe& b) {
    return at(b, 0, "# Makefile.in generated by") || at(b, 0, "#!make") ||
           at(b, 0, "#!/usr/bin/make") || at(b, 0, "#!/usr/local/bin/make") ||
           at(b, 0, "#!/usr/bin/env make");
}

// "text/x-matlab"
// Patterns 1 and 2 both scan the whole buffer: they run as one alternation.
bool check_text_x_matlab(const Probe& b) {
    return at(b, 0, "function [") || pattern(b, Pat::Matlab1or2) ||
           pattern_over(b, Pat::Matlab3, 0, 120) || pattern_over(b, Pat::Matlab4, 0, 120) ||
           pattern_over(b, Pat::Matlab5, 0, 120) || at(b, 0, "25 7B 0A"_hex);
}

// "text/x-perl"
bool check_text_x_perl(const Probe& b) {
    return at(b, 0, "eval \"exec /usr/local/bin/perl") ||
           (at(b, 0, "#!/bin/perl") || at(b, 0, "#!/bin/env perl") || at(b, 0, "#!/usr/bin/perl") ||
            at(b, 0, "#!/usr/local/bin/perl"));
}

// "text/x-php"
bool check_text_x_php(const Probe& b) {
    return at(b, 0, "<?php") || at(b, 0, "#!/usr/bin/php") || at(b, 0, "#!/usr/bin/env php");
}

// "text/x-python"
bool check_text_x_python(const Probe& b) {
    return (at(b, 0, "#!/bin/python") || at(b, 0, "#! /bin/python")) ||
           at(b, 0, "eval \"exec /bin/python") ||
           (at(b, 0, "#!/usr/bin/python") || at(b, 0, "#! /usr/bin/python")) ||
           at(b, 0, "eval \"exec /usr/bin/python") ||
           (at(b, 0, "#!/usr/local/bin/python") || at(b, 0, "#! /usr/local/bin/python")) ||
           at(b, 0, "eval \"exec /usr/local/bin/python") ||
           at(b, 1, "/bin/env python");
}

// "text/x-tcl"
bool check_text_x_tcl(const Probe& b) { return at(b, 0, "#!/usr/bin/env tcl") || at(b, 0, "#!/usr/bin/tcl"); }

// "text/x-uuencode"
bool check_text_x_uuencode(const Probe& b) { return pattern(b, Pat::Uuencode1); }

// "text/x-vcalendar"
bool check_text_x_vcalendar(const Probe& b) {
    return at(b, 0, "BEGIN:VCALENDAR") && within(b, 15, 30, "VERSION:1.0");
}

// "text/x-vcard"
bool check_text_x_vcard(const Probe& b) { return at(b, 0, "BEGIN:VCARD"); }

}  // namespace mime_magic::checks
