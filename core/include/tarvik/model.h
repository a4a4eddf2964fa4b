// The report model: the Artefact tree with its class enumerations, and the
// one error type of an assessment. Every type, variant and field name here is
// also an output word of the three renderings.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvik {

enum class BundleKind : uint8_t { App, Framework, Xpc, Appex, Kext, Plugin, DSym, UnknownBundle };
enum class MachoKind : uint8_t { Executable, Dylib, Bundle, Object, KextBundle, Core, UnknownKind };
enum class ArchWord : uint8_t { Bits32, Bits64 };
enum class Endianness : uint8_t { Little, Big };
enum class PlistFormat : uint8_t { Xml, Binary, Json };
enum class ArchiveKind : uint8_t { Zip, Xar, Ar, DiskImage, OtherArchive };
enum class MimeTopLevel : uint8_t {
    Image,
    Audio,
    Video,
    Font,
    Model,
    Text,
    Application,
    Multipart,
    Message,
    Example,
    Unknown
};
enum class ClassificationSource : uint8_t { Magic, Mime, Extension, Forced, Structure, None };

// The variants of AtomicClass, the class of a regular file, in order.
namespace atomic {
struct StandaloneMacho {
    ArchWord arch_word;
    Endianness endianness;
    MachoKind kind;
    bool operator==(const StandaloneMacho&) const = default;
};
struct FatMacho {
    bool operator==(const FatMacho&) const = default;
};
struct PropertyList {
    PlistFormat format;
    bool operator==(const PropertyList&) const = default;
};
struct CmsBlob {
    bool operator==(const CmsBlob&) const = default;
};
struct Pem {
    std::vector<std::string> labels;
    bool operator==(const Pem&) const = default;
};
struct Shebang {
    std::optional<std::string> interpreter;
    bool operator==(const Shebang&) const = default;
};
struct AppleScriptCompiled {
    bool operator==(const AppleScriptCompiled&) const = default;
};
struct WebContent {
    bool operator==(const WebContent&) const = default;
};
struct XmlDescriptor {
    bool operator==(const XmlDescriptor&) const = default;
};
struct Archive {
    ArchiveKind kind;
    bool operator==(const Archive&) const = default;
};
struct PassiveMedia {
    bool operator==(const PassiveMedia&) const = default;
};
struct OtherText {
    bool operator==(const OtherText&) const = default;
};
struct OtherBinary {
    bool operator==(const OtherBinary&) const = default;
};
struct OtherFileTypes {
    MimeTopLevel top;
    bool operator==(const OtherFileTypes&) const = default;
};
struct Unknown {
    bool operator==(const Unknown&) const = default;
};
struct Ambiguous {
    std::vector<std::string> reasons;
    bool operator==(const Ambiguous&) const = default;
};
}  // namespace atomic

using AtomicClass =
    std::variant<atomic::StandaloneMacho, atomic::FatMacho, atomic::PropertyList, atomic::CmsBlob,
                 atomic::Pem, atomic::Shebang, atomic::AppleScriptCompiled, atomic::WebContent,
                 atomic::XmlDescriptor, atomic::Archive, atomic::PassiveMedia, atomic::OtherText,
                 atomic::OtherBinary, atomic::OtherFileTypes, atomic::Unknown, atomic::Ambiguous>;

// The variants of CompositeClass, the class of a directory, in order.
namespace composite {
struct Bundle {
    BundleKind kind;
    bool operator==(const Bundle&) const = default;
};
struct AmbiguousDirectory {
    bool operator==(const AmbiguousDirectory&) const = default;
};
struct UnknownComposite {
    bool operator==(const UnknownComposite&) const = default;
};
}  // namespace composite

using CompositeClass =
    std::variant<composite::Bundle, composite::AmbiguousDirectory, composite::UnknownComposite>;

// One node of the report: `Atomic` (a regular file) when `class_` holds an
// AtomicClass, `Composite` (a directory) when it holds a CompositeClass.
struct Artefact {
    std::string path;  // raw bytes, not necessarily UTF-8
    std::string hash;
    uint64_t size = 0;
    std::variant<AtomicClass, CompositeClass> class_;
    std::optional<std::string> full_mime_type;
    ClassificationSource classification_source = ClassificationSource::None;
    std::optional<std::string> subclass;
    std::vector<std::string> applies;
    std::vector<std::string> notes;
    std::vector<Artefact> children;  // Composite only

    bool is_composite() const { return class_.index() == 1; }
    const AtomicClass& atomic_class() const { return std::get<AtomicClass>(class_); }
    const CompositeClass& composite_class() const { return std::get<CompositeClass>(class_); }
};

// The variants of AssessError, in order.
enum class AssessErrorKind : uint8_t {
    PathNotFound,
    PathNotReadable,
    PathNotReadable2,
    PathNotReadable3,
    MalformedAsset,
    MalformedAsset2,
    MetadataUnreadable,
    Symlink,
    UnsupportedFileType,
    UnknownMimetype,
    HashFailed,
    CorruptedFatHeader,
    FatHeaderSize,
    LoadCommandTooSmall,
    LoadCommandOutsideRegion,
    LoadCommandOffsetOverflow,
    SliceReadOutOfBounds,
    LoadCommandPastEof,
    WrongLoadCommand,
    LoadCommandOutsideSlices,
    EmptyPayload,
    DataRangeOverflow,
    DataRangePastFile,
    DataRangePastSlice,
    CodeDirectoryLength,
    CodeDirectoryMagic,
    HashArrayOverflow,
    SuperBlobMagic,
    SuperBlobTooShort,
    SuperBlobCount,
    Io,
    OffsetOverflow,
    ByteIntOverflow,
    CodeDirectoryOffsetOverflow,
    SliceGeometryOverflow,
};

// The error of one assessment. Which payload fields are used depends on the
// kind: `path` for the path-carrying variants, `text` for Symlink, `nums`
// for the integer payloads in message order, `bytes` for WrongLoadCommand,
// `os_error` (an errno value) for Io.
struct AssessError {
    AssessErrorKind kind;
    std::string path;
    std::string text;
    std::array<uint64_t, 4> nums{};
    std::array<uint8_t, 4> bytes{};
    int os_error = 0;

    // The variant's one-line message, without a line break.
    std::string message() const;

    static AssessError with_path(AssessErrorKind k, std::string_view p);
};

// The result of an operation that yields a T or an AssessError.
template <class T>
using Result = std::variant<T, AssessError>;

// Lossy UTF-8: each well-formed stretch copied, each maximal ill-formed
// subsequence replaced by one U+FFFD.
std::string lossy_utf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8.
bool is_valid_utf8(std::string_view bytes);

// The final component of a path as a file name: trailing separators and "."
// components are passed over (Foo.app, Foo.app/ and Foo.app/. all end in
// Foo.app); "/", ".", "", and a path ending in ".." have none.
std::optional<std::string_view> final_component(std::string_view path);

}  // namespace tarvik
