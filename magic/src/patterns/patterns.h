// The compiled patterns of the content checks. Each is compiled once, on its
// first use, and only ever answers yes or no over one span of the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace mime_magic {

class BytePositions;

// One value per pattern, named after its MIME type and its number within that
// type's check.
enum class Pat : uint8_t {
    IllustratorPs1,
    Marc1,
    Marc2,
    Marc3,
    Marc4,
    Marc5,
    Marc6,
    Pdf1,
    IsacFcs1,
    JavaHprof1,
    JavaHprofText1,
    Bzip2_1,
    FatDiskimage1,
    MsNls1,
    MsNls2,
    Touhou1,
    AudioMpeg1,
    AudioAac1,
    DxfAscii1,
    DxfAscii2,
    PortableBitmap1,
    PortableGraymap1,
    PortablePixmap1,
    Tga1,
    Rfc822_1,
    Html1,
    Html2,
    Plain1,
    Graphviz1,
    Graphviz2,
    Graphviz3,
    Matlab1,
    Matlab2,
    Matlab3,
    Matlab4,
    Matlab5,
    Uuencode1,
    // Matlab1 or Matlab2, in one scan.
    Matlab1or2,
    // Html1 or Html2, in one scan.
    Html1or2,
};

inline constexpr size_t kPatternCount = 39;

// True when pattern `id` matches somewhere in span[0..len) (anchors and word
// boundaries see the span as the whole input). Every byte from index
// zero_from on is known to be 00, and `shared` holds the positions a
// detection shares among its searches of the buffer that starts at `span`
// (nullptr: none); the answer is the same as for a search over the whole
// span, only faster.
bool pattern_matches(Pat id, const uint8_t* span, size_t len, size_t zero_from,
                     BytePositions* shared);

// The same question answered by the pattern exactly as written (no rewrite,
// no use of the zero tail). Slow for some patterns; for equivalence tests.
bool pattern_matches_as_written(Pat id, const uint8_t* span, size_t len);

}  // namespace mime_magic
