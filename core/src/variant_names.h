// The output names of the model's variants, shared by the JSON form and the
// structural dump. Every name is written exactly as the model declares it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "tarvik/fatal.h"
#include "tarvik/model.h"

namespace tarvik::names {

namespace detail {

template <size_t N, class E>
std::string_view pick(const std::array<std::string_view, N>& table, E value, const char* type) {
    const auto i = static_cast<size_t>(value);
    if (i >= N) broken_invariant(std::string("value out of range for ") + type);
    return table[i];
}

}  // namespace detail

inline std::string_view of(BundleKind v) {
    static constexpr std::array<std::string_view, 8> t = {
        "App", "Framework", "Xpc", "Appex", "Kext", "Plugin", "DSym", "UnknownBundle"};
    return detail::pick(t, v, "BundleKind");
}

inline std::string_view of(MachoKind v) {
    static constexpr std::array<std::string_view, 7> t = {
        "Executable", "Dylib", "Bundle", "Object", "KextBundle", "Core", "UnknownKind"};
    return detail::pick(t, v, "MachoKind");
}

inline std::string_view of(ArchWord v) {
    static constexpr std::array<std::string_view, 2> t = {"Bits32", "Bits64"};
    return detail::pick(t, v, "ArchWord");
}

inline std::string_view of(Endianness v) {
    static constexpr std::array<std::string_view, 2> t = {"Little", "Big"};
    return detail::pick(t, v, "Endianness");
}

inline std::string_view of(PlistFormat v) {
    static constexpr std::array<std::string_view, 3> t = {"Xml", "Binary", "Json"};
    return detail::pick(t, v, "PlistFormat");
}

inline std::string_view of(ArchiveKind v) {
    static constexpr std::array<std::string_view, 5> t = {"Zip", "Xar", "Ar", "DiskImage",
                                                          "OtherArchive"};
    return detail::pick(t, v, "ArchiveKind");
}

inline std::string_view of(MimeTopLevel v) {
    static constexpr std::array<std::string_view, 11> t = {
        "Image",       "Audio",     "Video",   "Font",    "Model",  "Text",
        "Application", "Multipart", "Message", "Example", "Unknown"};
    return detail::pick(t, v, "MimeTopLevel");
}

inline std::string_view of(ClassificationSource v) {
    static constexpr std::array<std::string_view, 6> t = {"Magic",  "Mime",      "Extension",
                                                          "Forced", "Structure", "None"};
    return detail::pick(t, v, "ClassificationSource");
}

// The variant name of a class value.
inline std::string_view of(const AtomicClass& c) {
    static constexpr std::array<std::string_view, 16> t = {"StandaloneMacho",
                                                           "FatMacho",
                                                           "PropertyList",
                                                           "CmsBlob",
                                                           "Pem",
                                                           "Shebang",
                                                           "AppleScriptCompiled",
                                                           "WebContent",
                                                           "XmlDescriptor",
                                                           "Archive",
                                                           "PassiveMedia",
                                                           "OtherText",
                                                           "OtherBinary",
                                                           "OtherFileTypes",
                                                           "Unknown",
                                                           "Ambiguous"};
    static_assert(std::variant_size_v<AtomicClass> == t.size());
    return detail::pick(t, c.index(), "AtomicClass");
}

inline std::string_view of(const CompositeClass& c) {
    static constexpr std::array<std::string_view, 3> t = {"Bundle", "AmbiguousDirectory",
                                                          "UnknownComposite"};
    static_assert(std::variant_size_v<CompositeClass> == t.size());
    return detail::pick(t, c.index(), "CompositeClass");
}

// The variant name of a node.
inline std::string_view of(const Artefact& a) { return a.is_composite() ? "Composite" : "Atomic"; }

}  // namespace tarvik::names
