// The derivation of the numeric database from its declaration by name.
#include "database/database.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "mime_magic/fatal.h"

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

// The walk position of each record by its MIME string: open addressing in a
// table of at least twice as many slots as records. The derivation runs in
// every process, so it does without a map that allocates once per name.
class NameIndex {
public:
    explicit NameIndex(std::span<const RecordDecl> records) : records_(records) {
        size_t size = 16;
        while (size < 2 * records.size()) size *= 2;
        slots_.assign(size, kEmpty);
    }

    // Adds the record at `pos`; false when a record of that name is in already.
    bool add(uint16_t pos) {
        uint32_t& slot = slots_[slot_of(records_[pos].mime)];
        if (slot != kEmpty) return false;
        slot = pos;
        return true;
    }

    std::optional<uint16_t> find(std::string_view name) const {
        const uint32_t slot = slots_[slot_of(name)];
        if (slot == kEmpty) return std::nullopt;
        return uint16_t(slot);
    }

private:
    static constexpr uint32_t kEmpty = UINT32_MAX;

    // The slot that holds `name`, or the empty one where it would go.
    size_t slot_of(std::string_view name) const {
        // Eight bytes at a time, as most names share a long prefix.
        uint64_t h = name.size();
        size_t i = 0;
        for (; i + 8 <= name.size(); i += 8) {
            uint64_t word;
            std::memcpy(&word, name.data() + i, 8);
            h = (h ^ word) * 0x9E3779B97F4A7C15u;
            h ^= h >> 29;
        }
        for (; i < name.size(); ++i) h = (h ^ uint8_t(name[i])) * 0x100000001B3u;
        h ^= h >> 29;
        const size_t mask = slots_.size() - 1;
        for (size_t k = h & mask;; k = (k + 1) & mask)
            if (slots_[k] == kEmpty || records_[slots_[k]].mime == name) return k;
    }

    std::span<const RecordDecl> records_;
    std::vector<uint32_t> slots_;
};

// Fails on the first record found on a cycle of child links.
void reject_cycles(const Database& db) {
    enum : uint8_t { unseen, open, done };
    std::vector<uint8_t> state(db.records.size(), unseen);
    auto visit = [&](auto& self, uint16_t pos) -> void {
        if (state[pos] == done) return;
        if (state[pos] == open)
            broken({"the child links form a cycle through \"", db.records[pos].mime, "\""});
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
    if (decl.records.size() > size_t(UINT16_MAX) + 1)
        broken({"too many records for 16-bit positions"});

    Database db;
    db.records.reserve(decl.records.size());
    NameIndex position(decl.records);
    for (const RecordDecl& r : decl.records) {
        if (!position.add(uint16_t(db.records.size())))
            broken({"the type \"", r.mime, "\" is declared twice"});
        db.records.push_back({r.mime, r.check, {}, nullptr});
    }
    // `where` (and the parent whose list it is) names the declaration in the message.
    auto resolve = [&](std::string_view name, std::string_view where,
                       std::string_view parent = {}) {
        const std::optional<uint16_t> pos = position.find(name);
        if (!pos)
            broken({where, parent.empty() ? "" : " \"", parent, parent.empty() ? "" : "\"",
                    " names the unknown type \"", name, "\""});
        return *pos;
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
        if (ranges[i])
            db.records[i].children = {db.child_links.data() + ranges[i]->first, ranges[i]->count};
    reject_cycles(db);

    for (std::string_view name : decl.priority)
        db.priority.push_back(resolve(name, "the priority list"));

    // One set per check. A record without a set says its check may hold for
    // any first byte, which every other record of that check must say too.
    std::vector<uint16_t> with_check;  // by check, each check's records in walk order
    for (size_t i = 0; i < decl.records.size(); ++i) {
        const RecordDecl& r = decl.records[i];
        if (r.check != nullptr)
            with_check.push_back(uint16_t(i));
        else if (!r.first_bytes.empty())
            broken({"the type \"", r.mime, "\" has first bytes but no check"});
    }
    std::stable_sort(with_check.begin(), with_check.end(), [&](uint16_t a, uint16_t b) {
        return std::less<CheckFn>()(decl.records[a].check, decl.records[b].check);
    });
    auto set_of = [&](const RecordDecl& r) {
        FirstBytes fb{r.check, {}};
        if (!r.first_bytes.empty() && !read_first_bytes(r.first_bytes, fb.bits))
            broken({"the first bytes of \"", r.mime, "\" do not read: \"", r.first_bytes, "\""});
        return fb;
    };
    db.first_bytes.reserve(with_check.size());  // so that the records' pointers stay
    for (size_t k = 0, end; k < with_check.size(); k = end) {
        const RecordDecl& first = decl.records[with_check[k]];
        const FirstBytes fb = set_of(first);
        const FirstBytes* set = nullptr;
        if (!first.first_bytes.empty()) set = &db.first_bytes.emplace_back(fb);
        for (end = k; end < with_check.size() && decl.records[with_check[end]].check == first.check;
             ++end) {
            const RecordDecl& other = decl.records[with_check[end]];
            if (other.first_bytes.empty() != first.first_bytes.empty() ||
                !std::equal(fb.bits, fb.bits + 4, set_of(other).bits))
                broken({"the types \"", first.mime, "\" and \"", other.mime,
                        "\" share a check but not its first bytes"});
            db.records[with_check[end]].first_bytes = set;
        }
    }
    return db;
}

const Database& database() {
    static const Database db = derive_database(declared_database());
    return db;
}

const FirstBytes* first_bytes_of(CheckFn check) {
    for (const MimeChecker& r : database().records)
        if (r.own_check == check) return r.first_bytes;
    return nullptr;
}

}  // namespace mime_magic
