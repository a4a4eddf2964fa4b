// The detection entries and the walk: the database's walk as written (the
// plain evaluation) and the same walk as searched, planned once from the
// database so that each check runs at most once per detection.
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "database/database.h"
#include "mime_magic/file_head.h"
#include "mime_magic/mime_magic.h"

namespace mime_magic {

std::optional<std::string_view> match_checker_tree(const MimeChecker& checker, const Probe& b) {
    const bool own = checker.check(b);
    if (!own && !checker.has_child_checkers()) return std::nullopt;
    for (uint16_t child : checker.child_checkers())
        if (auto hit = match_checker_tree(ALL_MIME_CHECKERS[child], b)) return hit;
    if (own) return checker.mime_type();
    return std::nullopt;
}

namespace {

// The walk as it is searched. It visits the same records in the same order
// as the database's walk and so finds the same first match, while passing
// over two kinds of visits that can never find one:
// - records that are not live: without a check of their own and without a
//   live child, nothing in them can match;
// - records whose subtree an earlier visit of the same detection has already
//   searched: a search that finds a match ends the walk, so an earlier
//   search of the subtree found none, and the checks are pure functions of
//   their probe, so searching it again finds none either. (The database's
//   walk searches every record again as a root of its own after searching
//   it as a child, and each priority type again in the full walk.)
// So each check runs at most once per detection; and a check whose declared
// first bytes do not hold the buffer's first byte is not called at all. The
// plan is worked out once from the database; nothing about a buffer is kept
// between detections.
//
// The steps are compact and laid out in the order they are searched, so
// that the walk reads a small array from start to end.
struct LiveStep {
    CheckFn check;            // nullptr: none of its own
    const FirstBytes* first;  // the first bytes the check can hold for (nullptr: any)
    uint16_t pos;             // the record's walk position
    uint16_t child_count;     // children to search, at `first_child` in LivePlan::children
    uint32_t first_child;

    // Whether the check can hold for a buffer whose first byte is `b0`.
    bool possible(uint8_t b0) const { return first == nullptr || first->allows(b0); }
};

struct LivePlan {
    std::vector<LiveStep> roots;     // the priority pass, then the full walk
    std::vector<LiveStep> children;  // the children of all steps, each list contiguous

    LivePlan() {
        std::vector<int8_t> live(kRecordCount, -1);  // -1: not yet known
        for (size_t i = 0; i < kRecordCount; ++i) is_live(uint16_t(i), live);
        std::vector<bool> searched(kRecordCount, false);
        for (uint16_t pos : PRIORITY_MIME_CHECKERS) add_root(pos, live, searched);
        for (size_t i = 0; i < kRecordCount; ++i) add_root(uint16_t(i), live, searched);
    }

    // The root steps worth visiting for a buffer whose first byte is `b0`, in
    // order: those with children to search and those whose check can hold
    // for b0 (a leaf whose check cannot would answer nothing). Worked out for
    // each first byte when it is first met.
    const std::vector<uint16_t>& roots_for(uint8_t b0) const {
        std::call_once(roots_for_once_[b0], [&] {
            for (size_t r = 0; r < roots.size(); ++r)
                if (roots[r].child_count != 0 || roots[r].possible(b0))
                    roots_for_[b0].push_back(uint16_t(r));
        });
        return roots_for_[b0];
    }

    void add_root(uint16_t pos, const std::vector<int8_t>& live, std::vector<bool>& searched) {
        if (auto step = expand(pos, live, searched)) roots.push_back(*step);
    }

    // The step that searches the subtree of `pos` in the order the database's
    // walk does, leaving out what was searched before; nothing when nothing
    // in it is left to search.
    std::optional<LiveStep> expand(uint16_t pos, const std::vector<int8_t>& live,
                                   std::vector<bool>& searched) {
        if (!live[pos] || searched[pos]) return std::nullopt;
        std::vector<LiveStep> kids;
        for (uint16_t c : ALL_MIME_CHECKERS[pos].child_checkers())
            if (auto kid = expand(c, live, searched)) kids.push_back(*kid);
        searched[pos] = true;
        const MimeChecker& record = ALL_MIME_CHECKERS[pos];
        if (record.own_check == nullptr && kids.empty()) return std::nullopt;
        LiveStep step{record.own_check, record.first_bytes, pos, uint16_t(kids.size()),
                      uint32_t(children.size())};
        children.insert(children.end(), kids.begin(), kids.end());
        return step;
    }

    // One root step per record at most, and the priority types again.
    static_assert(2 * kRecordCount <= UINT16_MAX, "root steps numbered in 16 bits");
    mutable std::once_flag roots_for_once_[256];
    mutable std::vector<uint16_t> roots_for_[256];

    // The links have no cycle, so the recursion ends.
    static bool is_live(uint16_t pos, std::vector<int8_t>& live) {
        if (live[pos] >= 0) return live[pos] != 0;
        const MimeChecker& c = ALL_MIME_CHECKERS[pos];
        bool result = c.own_check != nullptr;
        for (uint16_t child : c.child_checkers()) result = is_live(child, live) || result;
        live[pos] = result ? 1 : 0;
        return result;
    }
};

const LivePlan& live_plan() {
    static const LivePlan plan;
    return plan;
}

// match_checker_tree over the plan's steps; a check that cannot hold for the
// buffer's first byte `b0` is not called (it would answer false).
std::optional<std::string_view> match_live_tree(const LivePlan& plan, const LiveStep& step,
                                                const Probe& b, uint8_t b0) {
    const bool own = step.check != nullptr && step.possible(b0) && step.check(b);
    if (!own && step.child_count == 0) return std::nullopt;
    const LiveStep* child = plan.children.data() + step.first_child;
    for (uint32_t k = 0; k < step.child_count; ++k)
        if (auto hit = match_live_tree(plan, child[k], b, b0)) return hit;
    if (own) return ALL_MIME_CHECKERS[step.pos].mime_type();
    return std::nullopt;
}

// One root step of the walk, among those worth visiting for first byte b0:
// a record without children to search (most of them) can hold for b0 and is
// decided by its check alone.
inline std::optional<std::string_view> match_step(const LivePlan& plan, const LiveStep& step,
                                                  const Probe& b, uint8_t b0) {
    if (step.child_count == 0) {
        if (step.check(b)) return ALL_MIME_CHECKERS[step.pos].mime_type();
        return std::nullopt;
    }
    return match_live_tree(plan, step, b, b0);
}

std::string_view walk(const Probe& b);

// Every record visited, as the database lists them.
std::string_view plain_walk(const Probe& b) {
    for (uint16_t pos : PRIORITY_MIME_CHECKERS)
        if (auto hit = match_checker_tree(ALL_MIME_CHECKERS[pos], b)) return *hit;
    for (const MimeChecker& checker : ALL_MIME_CHECKERS)
        if (auto hit = match_checker_tree(checker, b)) return *hit;
    return FALLBACK_MIME_TYPE;
}

}  // namespace

std::string_view detect_in_buffer(const uint8_t* bytes, size_t len, size_t zero_from,
                                  bool shortcuts) {
    if (!shortcuts) return plain_walk(Probe(bytes, len));
    const DetectionProbe detection(bytes, len, zero_from);
    return walk(detection.probe());
}

namespace {
std::string_view walk(const Probe& b) {
    const LivePlan& plan = live_plan();
    // An empty buffer fails every check that tests its first byte, so any
    // value stands in for it.
    const uint8_t b0 = b.n != 0 ? b.p[0] : 0;
    for (uint16_t r : plan.roots_for(b0))
        if (auto hit = match_step(plan, plan.roots[r], b, b0)) return *hit;
    return FALLBACK_MIME_TYPE;
}
}  // namespace

std::string_view detect_mime_from_bytes(const unsigned char* data, std::size_t len) {
    DetectionBuffer& buffer = DetectionBuffer::of_this_thread();
    buffer.fill(data, len);
    return detect_in_buffer(buffer.data(), MIME_SNIFF_BUFFER_LEN, buffer.len());
}

std::optional<std::string_view> detect_mime_from_buffer(const unsigned char* buffer,
                                                        std::size_t len) {
    if (len == 0) return std::nullopt;
    return detect_in_buffer(buffer, MIME_SNIFF_BUFFER_LEN, len);
}

std::optional<std::string_view> detect_mime_from_path(std::string_view path) {
    RegularFile file(path);
    if (!file.is_open()) return std::nullopt;
    DetectionBuffer& buffer = DetectionBuffer::of_this_thread();
    if (buffer.read_head(file.fd()) <= 0) return std::nullopt;
    return detect_mime_from_buffer(buffer.data(), buffer.len());
}

}  // namespace mime_magic
