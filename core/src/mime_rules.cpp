// The MIME-to-class rules: the last content rule for a regular file that the
// header magic tests and the trailer probe did not recognise.
#include <array>

#include "tarvik/assess.h"
#include "tarvik/fatal.h"

namespace tarvik {

namespace {

// The UTF-8 encodings of the Unicode White_Space characters.
constexpr std::array<std::string_view, 25> kWhiteSpace = {
    "\x09",         "\x0A",         "\x0B",         "\x0C",         "\x0D",
    "\x20",         "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80",
    "\xE2\x80\x81", "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85",
    "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A",
    "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F", "\xE3\x80\x80",
};

std::string_view trim_white_space(std::string_view s) {
    for (bool cut = true; cut && !s.empty();) {
        cut = false;
        for (std::string_view ws : kWhiteSpace) {
            if (s.starts_with(ws)) {
                s.remove_prefix(ws.size());
                cut = true;
                break;
            }
        }
    }
    for (bool cut = true; cut && !s.empty();) {
        cut = false;
        for (std::string_view ws : kWhiteSpace) {
            if (s.ends_with(ws)) {
                s.remove_suffix(ws.size());
                cut = true;
                break;
            }
        }
    }
    return s;
}

AtomicClass text_subtype_class(std::string_view sub) {
    if (sub == "html" || sub == "css" || sub == "javascript") return atomic::WebContent{};
    return atomic::OtherText{};
}

AtomicClass application_subtype_class(std::string_view sub) {
    if (sub == "pdf" || sub == "rtf" || sub == "postscript") return atomic::PassiveMedia{};
    if (sub == "xml") return atomic::OtherText{};
    if (sub.starts_with("vnd.ms-")) return atomic::PassiveMedia{};
    if (sub == "javascript") return atomic::WebContent{};
    if (sub == "vnd.apple.pages" || sub == "vnd.apple.keynote" || sub == "vnd.apple.numbers")
        return atomic::PassiveMedia{};
    if (sub == "x-apple-diskimage") return atomic::Archive{ArchiveKind::DiskImage};
    if (sub == "vnd.android.package-archive") return atomic::PassiveMedia{};
    if (sub.starts_with("vnd.openxmlformats-officedocument")) return atomic::PassiveMedia{};
    if (sub == "x-yaml" || sub == "json") return atomic::OtherText{};
    if (sub == "x-tar" || sub == "gzip" || sub == "x-bzip2" || sub == "x-7z-compressed" ||
        sub == "x-rar-compressed" || sub == "x-iso9660-image")
        return atomic::Archive{ArchiveKind::OtherArchive};
    if (sub == "x-elf" || sub == "x-dosexec" || sub == "octet-stream") return atomic::OtherBinary{};
    return atomic::OtherFileTypes{MimeTopLevel::Application};
}

}  // namespace

std::pair<std::string_view, std::string_view> split_mime_type(std::string_view mime) {
    std::string_view essence = mime.substr(0, mime.find(';'));
    essence = trim_white_space(essence);
    const size_t slash = essence.find('/');
    if (slash == std::string_view::npos)
        broken_invariant("The detector returns well-formed MIME types of the form top/sub");
    return {essence.substr(0, slash), essence.substr(slash + 1)};
}

std::optional<AtomicClass> classify_by_mime(std::string_view mime) {
    // The top-level type is taken as it stands: not trimmed, not cut at ';'.
    const size_t slash = mime.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const std::string_view top = mime.substr(0, slash);

    if (top == "text") return text_subtype_class(split_mime_type(mime).second);
    if (top == "application") return application_subtype_class(split_mime_type(mime).second);
    if (top == "font" || top == "image" || top == "audio" || top == "video")
        return atomic::PassiveMedia{};
    if (top == "model") return atomic::OtherFileTypes{MimeTopLevel::Model};
    if (top == "message") return atomic::OtherFileTypes{MimeTopLevel::Message};
    if (top == "example") return atomic::OtherFileTypes{MimeTopLevel::Example};
    if (top == "multipart") return atomic::OtherFileTypes{MimeTopLevel::Multipart};
    return std::nullopt;
}

}  // namespace tarvik
