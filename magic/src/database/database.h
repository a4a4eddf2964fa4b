// The MIME type database. It is declared by name: the records in walk order,
// each parent's child list and the priority types. The numeric form the walk
// reads (walk positions, child arrays, the first-byte sets of the checks) is
// derived from that declaration once, at first use, and a declaration that
// does not hold together stops the process there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "checks/first_bytes.h"
#include "vocabulary/vocab.h"

namespace mime_magic {

inline constexpr size_t kRecordCount = 1710;
inline constexpr size_t kPriorityCount = 6;

// One record as declared: its MIME string, its own check (none: it never
// matches by itself) and, for a check, the first bytes the check can hold
// for, as hex bytes and ranges separated by spaces ("89", "00-1F 7F"; empty:
// any first byte). Every record sharing a check declares the same set.
struct RecordDecl {
    std::string_view mime;
    CheckFn check = nullptr;
    std::string_view first_bytes = {};
};

// A parent's children as declared, in the order the walk searches them.
struct ChildListDecl {
    std::string_view parent;
    std::initializer_list<std::string_view> children;
};

struct DatabaseDecl {
    std::span<const RecordDecl> records;  // in walk order
    std::span<const ChildListDecl> child_lists;
    std::span<const std::string_view> priority;  // tried before the full walk, in order
    size_t record_count;                         // how many records there must be
};

// The database as declared by name.
DatabaseDecl declared_database();

// One MIME type: its string, its own content check (none: never matches by
// itself) and its child types, which the walk searches before its own match.
struct MimeChecker {
    std::string_view mime;
    CheckFn own_check;
    std::span<const uint16_t> children;  // walk positions
    const FirstBytes* first_bytes;       // what the check can hold for (nullptr: any first byte)

    bool check(const Probe& b) const { return own_check != nullptr && own_check(b); }
    std::string_view mime_type() const { return mime; }
    bool has_child_checkers() const { return !children.empty(); }
    std::span<const uint16_t> child_checkers() const { return children; }
};

// The numeric form of a declaration. The records point into `child_links`
// and `first_bytes`, so it moves but is never copied.
struct Database {
    std::vector<MimeChecker> records;     // in walk order
    std::vector<uint16_t> child_links;    // the child lists, concatenated
    std::vector<uint16_t> priority;       // walk positions
    std::vector<FirstBytes> first_bytes;  // one per check with a declared set

    Database() = default;
    Database(Database&&) = default;
    Database& operator=(Database&&) = default;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
};

// Resolves every name of `decl`. A name that names no record, a MIME string
// declared twice, two child lists for one parent, child links that form a
// cycle, a record count other than the declared one, a first-byte set that
// does not read, a set on a record without a check, or two sets for one
// check are broken invariants: the process stops with status 101 and a
// message naming the culprit.
Database derive_database(const DatabaseDecl& decl);

// The declared database, derived at first use.
const Database& database();

// Every record in walk order, and the walk positions of the types tried
// before the full walk ("image/png", "image/gif", "image/jpeg",
// "application/zip", "application/pdf", "application/x-dosexec"). Views of
// the derived database that hold nothing themselves, so they can be named
// anywhere, even before the database is derived.
struct AllMimeCheckers {
    const MimeChecker& operator[](size_t i) const { return database().records[i]; }
    const MimeChecker* begin() const { return database().records.data(); }
    const MimeChecker* end() const { return begin() + kRecordCount; }
    static constexpr size_t size() { return kRecordCount; }
};
struct PriorityMimeCheckers {
    uint16_t operator[](size_t k) const { return database().priority[k]; }
    const uint16_t* begin() const { return database().priority.data(); }
    const uint16_t* end() const { return begin() + kPriorityCount; }
    static constexpr size_t size() { return kPriorityCount; }
};
inline constexpr AllMimeCheckers ALL_MIME_CHECKERS{};
inline constexpr PriorityMimeCheckers PRIORITY_MIME_CHECKERS{};

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
