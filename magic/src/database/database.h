// The MIME type database: one constant record per type, in walk order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "vocabulary/vocab.h"

namespace mime_magic {

using CheckFn = bool (*)(const Probe&);

inline constexpr size_t kRecordCount = 1710;

// One MIME type: its string, its own content check (none: never matches by
// itself) and its child types, which the walk searches before its own match.
struct MimeChecker {
    std::string_view mime;
    CheckFn own_check;
    uint16_t first_child;  // index into kChildLinks
    uint16_t child_count;

    bool check(const Probe& b) const { return own_check != nullptr && own_check(b); }
    std::string_view mime_type() const { return mime; }
    bool has_child_checkers() const { return child_count != 0; }
    std::span<const uint16_t> child_checkers() const;  // walk positions
};

// Every record, in walk order.
extern const MimeChecker ALL_MIME_CHECKERS[kRecordCount];
// The child lists of all parents, concatenated; entries are walk positions.
extern const uint16_t kChildLinks[];

// The walk positions of the types tried before the full walk, in order:
// "image/png", "image/gif", "image/jpeg", "application/zip",
// "application/pdf", "application/x-dosexec".
inline constexpr uint16_t PRIORITY_MIME_CHECKERS[6] = {370, 278, 281, 389, 9, 1193};

inline std::span<const uint16_t> MimeChecker::child_checkers() const {
    return {kChildLinks + first_child, child_count};
}

// The first match of the checker's subtree in post-order: each child's subtree
// in array order, then the checker itself.
std::optional<std::string_view> match_checker_tree(const MimeChecker& checker, const Probe& b);

// The priority pass, then the full walk, then the fallback, over bytes[0..len).
// `zero_from` is where the buffer's run of trailing zeros is known to start at
// the latest (the number of bytes read). With `shortcuts` off, the checks get
// the plain probe (nothing known about the zero tail, no work shared between
// them) and every record is visited, also those that can never match: the
// plain evaluation, for equivalence tests.
std::string_view detect_in_buffer(const uint8_t* bytes, size_t len, size_t zero_from,
                                  bool shortcuts = true);

}  // namespace mime_magic
