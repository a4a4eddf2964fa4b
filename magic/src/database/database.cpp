// The derivation of the numeric database from its declaration by name.
#include "database/database.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>

#include "fatal.h"

namespace mime_magic {

namespace {

// Stops on a declaration that does not hold together; the message is the parts in turn.
[[noreturn]] void broken(std::initializer_list<std::string_view> parts) {
    std::string message = "the MIME database: ";
    for (std::string_view part : parts) message.append(part);
    broken_invariant(message);
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Two hex digits at the start of `s`, or -1.
int hex_byte(std::string_view s) {
    if (s.size() < 2) return -1;
    const int hi = hex_digit(s[0]), lo = hex_digit(s[1]);
    return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
}

// Reads a set written as "89" or "00-1F 7F": bytes and ranges, one space
// between them. False when it does not read so.
bool read_first_bytes(std::string_view text, uint64_t (&bits)[4]) {
    for (uint64_t& w : bits) w = 0;
    if (text.empty()) return false;
    for (;;) {
        const int low = hex_byte(text);
        if (low < 0) return false;
        int high = low;
        text.remove_prefix(2);
        if (!text.empty() && text[0] == '-') {
            high = hex_byte(text.substr(1));
            if (high < low) return false;  // also a missing upper bound (-1)
            text.remove_prefix(3);
        }
        for (int v = low; v <= high; ++v) bits[v >> 6] |= uint64_t(1) << (v & 63);
        if (text.empty()) return true;
        if (text[0] != ' ') return false;
        text.remove_prefix(1);
    }
}

// Fails on the first record found on a cycle of child links.
void reject_cycles(const Database& db) {
    enum : uint8_t { unseen, open, done };
    std::vector<uint8_t> state(db.records.size(), unseen);
    auto visit = [&](auto& self, uint16_t pos) -> void {
        if (state[pos] == done) return;
        if (state[pos] == open) broken({"the child links form a cycle through \"", db.records[pos].mime, "\""});
        state[pos] = open;
        for (uint16_t child : db.records[pos].children) self(self, child);
        state[pos] = done;
    };
    for (size_t i = 0; i < db.records.size(); ++i) visit(visit, uint16_t(i));
}

}  // namespace

Database derive_database(const DatabaseDecl& decl) {
    if (decl.records.size() != decl.record_count)
        broken({"it declares ", std::to_string(decl.records.size()), " records instead of ",
                std::to_string(decl.record_count)});
    if (decl.records.size() > size_t(UINT16_MAX) + 1) broken({"too many records for 16-bit positions"});

    Database db;
    std::unordered_map<std::string_view, uint16_t> position;
    position.reserve(decl.records.size());
    for (const RecordDecl& r : decl.records) {
        if (!position.emplace(r.mime, uint16_t(db.records.size())).second)
            broken({"the type \"", r.mime, "\" is declared twice"});
        db.records.push_back({r.mime, r.check, {}});
    }
    // `where` (and the parent whose list it is) names the declaration in the message.
    auto resolve = [&](std::string_view name, std::string_view where, std::string_view parent = {}) {
        auto it = position.find(name);
        if (it == position.end())
            broken({where, parent.empty() ? "" : " \"", parent, parent.empty() ? "" : "\"",
                    " names the unknown type \"", name, "\""});
        return it->second;
    };

    // The child lists, concatenated; a record's span is set once all are in,
    // since the vector may move while it grows.
    struct Range {
        size_t first, count;
    };
    std::vector<std::optional<Range>> ranges(db.records.size());
    for (const ChildListDecl& list : decl.child_lists) {
        const uint16_t parent = resolve(list.parent, "a child list");
        if (ranges[parent]) broken({"the type \"", list.parent, "\" has two child lists"});
        ranges[parent] = Range{db.child_links.size(), list.children.size()};
        for (std::string_view child : list.children)
            db.child_links.push_back(resolve(child, "the child list of", list.parent));
    }
    for (size_t i = 0; i < db.records.size(); ++i)
        if (ranges[i]) db.records[i].children = {db.child_links.data() + ranges[i]->first, ranges[i]->count};
    reject_cycles(db);

    for (std::string_view name : decl.priority) db.priority.push_back(resolve(name, "the priority list"));

    // One set per check; a record without a set says its check may hold for
    // any first byte, which every other record of that check must say too.
    struct Declared {
        std::string_view by;  // the first record with this check
        std::optional<size_t> set;  // index into db.first_bytes
    };
    std::unordered_map<CheckFn, Declared> by_check;
    for (const RecordDecl& r : decl.records) {
        if (r.check == nullptr) {
            if (!r.first_bytes.empty()) broken({"the type \"", r.mime, "\" has first bytes but no check"});
            continue;
        }
        FirstBytes fb{r.check, {}};
        if (!r.first_bytes.empty() && !read_first_bytes(r.first_bytes, fb.bits))
            broken({"the first bytes of \"", r.mime, "\" do not read: \"", r.first_bytes, "\""});
        auto [it, fresh] = by_check.try_emplace(r.check, Declared{r.mime, std::nullopt});
        if (fresh) {
            if (!r.first_bytes.empty()) {
                it->second.set = db.first_bytes.size();
                db.first_bytes.push_back(fb);
            }
            continue;
        }
        const std::optional<size_t>& set = it->second.set;
        const bool same = set ? !r.first_bytes.empty() &&
                                    std::equal(fb.bits, fb.bits + 4, db.first_bytes[*set].bits)
                              : r.first_bytes.empty();
        if (!same)
            broken({"the types \"", it->second.by, "\" and \"", r.mime, "\" share a check but not its first bytes"});
    }
    return db;
}

const Database& database() {
    static const Database db = derive_database(declared_database());
    return db;
}

const FirstBytes* first_bytes_of(CheckFn check) {
    for (const FirstBytes& fb : database().first_bytes)
        if (fb.check == check) return &fb;
    return nullptr;
}

}  // namespace mime_magic
