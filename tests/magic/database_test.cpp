// The database: its counts, its links and its fixed positions, and the
// derivation of that numeric form from the names it is declared by.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "database/database.h"

using namespace mime_magic;

namespace {

size_t position_of(std::string_view mime) {
    for (size_t i = 0; i < kRecordCount; ++i)
        if (ALL_MIME_CHECKERS[i].mime_type() == mime) return i;
    return SIZE_MAX;
}

}  // namespace

// FNV-1a, 64 bits.
uint64_t digest(const std::string& s) {
    uint64_t h = 0xcbf29ce484222325u;
    for (unsigned char c : s) h = (h ^ c) * 0x100000001b3u;
    return h;
}

// Every MIME string byte for byte in walk order, and which records have a
// check of their own, against digests of the published list.
TEST(Database, StringsInWalkOrderAndTheRecordsWithACheck) {
    std::string all, checked;
    std::set<std::string_view> strings;
    std::set<CheckFn> distinct_checks;
    std::map<std::string, size_t> tops;
    for (const MimeChecker& r : ALL_MIME_CHECKERS) {
        const std::string_view mime = r.mime_type();
        all += std::string(all.empty() ? "" : "\n") + std::string(mime);
        if (r.own_check) {
            checked += std::string(checked.empty() ? "" : "\n") + std::string(mime);
            distinct_checks.insert(r.own_check);
        }
        strings.insert(mime);
        tops[std::string(mime.substr(0, mime.find('/')))]++;
    }
    EXPECT_EQ(digest(all), 0xa1f35a5b619219cdu);
    EXPECT_EQ(digest(checked), 0x47fe5cf5d9a8531eu);
    EXPECT_EQ(strings.size(), 1710u);  // pairwise distinct
    EXPECT_EQ(std::count(checked.begin(), checked.end(), '\n') + 1, 496);
    EXPECT_EQ(distinct_checks.size(), 491u);
    const std::map<std::string, size_t> want = {
        {"application", 1166}, {"audio", 144}, {"text", 134},     {"image", 115},
        {"video", 82},         {"model", 24},  {"message", 20},   {"multipart", 14},
        {"chemical", 7},       {"font", 3},    {"x-conference", 1}};
    EXPECT_EQ(tops, want);
}

// The child lists, one line per parent in walk order ("parent > child | child"),
// against a digest of the published table, and their shape.
TEST(Database, ChildLinks) {
    std::string table;
    size_t links = 0, groups = 0, before = 0;
    std::set<uint16_t> children;
    for (size_t i = 0; i < kRecordCount; ++i) {
        const MimeChecker& r = ALL_MIME_CHECKERS[i];
        EXPECT_EQ(r.has_child_checkers(), !r.child_checkers().empty());
        if (!r.has_child_checkers()) continue;
        if (!r.own_check) ++groups;
        table += std::string(table.empty() ? "" : "\n") + std::string(r.mime_type()) + " > ";
        const char* sep = "";
        for (uint16_t c : r.child_checkers()) {
            ASSERT_LT(c, kRecordCount);
            table += sep + std::string(ALL_MIME_CHECKERS[c].mime_type());
            sep = " | ";
            ++links;
            children.insert(c);
            if (c < i) ++before;
        }
    }
    EXPECT_EQ(digest(table), 0x40b876f485de9815u);
    EXPECT_EQ(links, 401u);
    EXPECT_EQ(children.size(), 399u);
    EXPECT_EQ(groups, 25u);
    EXPECT_EQ(before, 225u);
}

TEST(Database, NoCycleAndDepthAtMostFive) {
    std::function<size_t(uint16_t, int)> depth = [&](uint16_t i, int guard) -> size_t {
        if (guard > 10) return 100;  // a cycle
        size_t d = 0;
        for (uint16_t c : ALL_MIME_CHECKERS[i].child_checkers()) d = std::max(d, depth(c, guard + 1));
        return d + 1;
    };
    size_t deepest = 0;
    for (uint16_t i = 0; i < kRecordCount; ++i) deepest = std::max(deepest, depth(i, 0));
    EXPECT_EQ(deepest, 5u);
}

TEST(Database, PriorityPositions) {
    const char* expected[] = {"image/png", "image/gif", "image/jpeg", "application/zip", "application/pdf",
                              "application/x-dosexec"};
    for (size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(ALL_MIME_CHECKERS[PRIORITY_MIME_CHECKERS[k]].mime_type(), expected[k]);
        EXPECT_EQ(PRIORITY_MIME_CHECKERS[k], position_of(expected[k]));
    }
    EXPECT_EQ(ALL_MIME_CHECKERS[1193].own_check, nullptr);
    EXPECT_FALSE(ALL_MIME_CHECKERS[1193].has_child_checkers());
}

TEST(Database, SharedChecks) {
    const std::pair<const char*, const char*> pairs[] = {
        {"application/vnd.xara", "application/x-xar"},
        {"application/x-chrome-package", "application/x-chrome-extension"},
        {"application/x-lzip", "application/lzip"},
        {"image/x-bpg", "image/bpg"},
        {"application/x-ole-storage", "application/x-tarvik-msoffice"},
    };
    for (auto [first, second] : pairs) {
        size_t a = position_of(first), b = position_of(second);
        ASSERT_LT(a, b);
        EXPECT_NE(ALL_MIME_CHECKERS[a].own_check, nullptr);
        EXPECT_EQ(ALL_MIME_CHECKERS[a].own_check, ALL_MIME_CHECKERS[b].own_check) << first;
    }
}

// Records are visited 2376 times when nothing matches; 904 of the visits run a
// check of their own.
TEST(Database, VisitCountsOfAFullWalk) {
    size_t visits = 0, with_check = 0;
    std::function<void(uint16_t)> visit = [&](uint16_t i) {
        ++visits;
        if (ALL_MIME_CHECKERS[i].own_check) ++with_check;
        for (uint16_t c : ALL_MIME_CHECKERS[i].child_checkers()) visit(c);
    };
    for (uint16_t p : PRIORITY_MIME_CHECKERS) visit(p);
    EXPECT_EQ(visits, 86u);
    for (uint16_t i = 0; i < kRecordCount; ++i) visit(i);
    EXPECT_EQ(visits, 2376u);
    EXPECT_EQ(with_check, 904u);
}

namespace {

bool holds(const Probe&) { return true; }
bool fails(const Probe&) { return false; }

Database derive(std::span<const RecordDecl> records, std::span<const ChildListDecl> lists,
                std::span<const std::string_view> priority = {}, size_t count = SIZE_MAX) {
    return derive_database({records, lists, priority, count == SIZE_MAX ? records.size() : count});
}

}  // namespace

// Positions, child lists in their declared order (a child named before its
// record, a child listed twice), the priority list and the first-byte sets
// all come from the names.
TEST(DatabaseDerivation, NamesBecomePositionsAndSets) {
    const RecordDecl records[] = {
        {"t/group"},
        {"t/parent", holds, "00-02 7F"},
        {"t/child", fails},
        {"t/same", holds, "00-02 7F"},  // shares the check of t/parent
    };
    const ChildListDecl lists[] = {{"t/parent", {"t/child"}}, {"t/group", {"t/same", "t/parent", "t/same"}}};
    const std::string_view priority[] = {"t/same", "t/group"};
    const Database db = derive(records, lists, priority);
    ASSERT_EQ(db.records.size(), 4u);
    EXPECT_EQ(db.records[1].mime_type(), "t/parent");
    EXPECT_EQ(db.records[1].own_check, &holds);
    EXPECT_EQ(db.records[0].own_check, nullptr);
    EXPECT_EQ(std::vector<uint16_t>(db.records[0].children.begin(), db.records[0].children.end()),
              std::vector<uint16_t>({3, 1, 3}));
    EXPECT_EQ(std::vector<uint16_t>(db.records[1].children.begin(), db.records[1].children.end()),
              std::vector<uint16_t>({2}));
    EXPECT_FALSE(db.records[2].has_child_checkers());
    EXPECT_EQ(db.priority, std::vector<uint16_t>({3, 0}));
    ASSERT_EQ(db.first_bytes.size(), 1u);  // one set for the shared check, none for `fails`
    EXPECT_EQ(db.first_bytes[0].check, &holds);
    std::vector<int> allowed;
    for (int v = 0; v < 256; ++v)
        if (db.first_bytes[0].allows(uint8_t(v))) allowed.push_back(v);
    EXPECT_EQ(allowed, std::vector<int>({0x00, 0x01, 0x02, 0x7F}));
}

// A declaration that does not hold together stops the process, naming the
// culprit.
TEST(DatabaseDerivationDeathTest, BrokenDeclarationsStopWithTheName) {
    const auto stops = testing::ExitedWithCode(101);
    const RecordDecl two[] = {{"t/parent", holds}, {"t/child"}};
    const ChildListDecl misspelt_child[] = {{"t/parent", {"t/chlid"}}};
    EXPECT_EXIT(derive(two, misspelt_child), stops,
                "the child list of \"t/parent\" names the unknown type \"t/chlid\"");
    const ChildListDecl misspelt_parent[] = {{"t/parnet", {"t/child"}}};
    EXPECT_EXIT(derive(two, misspelt_parent), stops, "a child list names the unknown type \"t/parnet\"");
    const std::string_view missing_priority[] = {"t/parent", "t/gone"};
    EXPECT_EXIT(derive(two, {}, missing_priority), stops, "the priority list names the unknown type \"t/gone\"");
    EXPECT_EXIT(derive(two, {}, {}, 3), stops, "declares 2 records instead of 3");
    const RecordDecl twice[] = {{"t/parent", holds}, {"t/child"}, {"t/parent"}};
    EXPECT_EXIT(derive(twice, {}), stops, "the type \"t/parent\" is declared twice");
    const ChildListDecl two_lists[] = {{"t/parent", {"t/child"}}, {"t/parent", {"t/child"}}};
    EXPECT_EXIT(derive(two, two_lists), stops, "the type \"t/parent\" has two child lists");
    const ChildListDecl cycle[] = {{"t/parent", {"t/child"}}, {"t/child", {"t/parent"}}};
    EXPECT_EXIT(derive(two, cycle), stops, "the child links form a cycle through \"t/(parent|child)\"");
    const ChildListDecl own_child[] = {{"t/child", {"t/child"}}};
    EXPECT_EXIT(derive(two, own_child), stops, "cycle through \"t/child\"");
    // 65537 names are one more than 16-bit positions tell apart.
    std::vector<std::string> names(65537);
    std::vector<RecordDecl> many;
    for (size_t i = 0; i < names.size(); ++i) many.push_back({names[i] = "t/" + std::to_string(i)});
    EXPECT_EXIT(derive(many, {}), stops, "too many records for 16-bit positions");
}

TEST(DatabaseDerivationDeathTest, FirstByteSetsThatDoNotHoldTogetherStop) {
    const auto stops = testing::ExitedWithCode(101);
    for (std::string_view bad : {"8", "8G", "89 ", "89  8A", "7F-10", "10-", "0x89", "89,8A"}) {
        const RecordDecl records[] = {{"t/one", holds, bad}};
        EXPECT_EXIT(derive(records, {}), stops, "the first bytes of \"t/one\" do not read") << bad;
    }
    const RecordDecl no_check[] = {{"t/one", nullptr, "89"}};
    EXPECT_EXIT(derive(no_check, {}), stops, "the type \"t/one\" has first bytes but no check");
    const RecordDecl other_set[] = {{"t/one", holds, "89"}, {"t/two"}, {"t/three", holds, "89 8A"}};
    EXPECT_EXIT(derive(other_set, {}), stops, "the types \"t/one\" and \"t/three\" share a check but not");
    const RecordDecl set_then_none[] = {{"t/one", holds, "89"}, {"t/two", holds}};
    EXPECT_EXIT(derive(set_then_none, {}), stops, "the types \"t/one\" and \"t/two\" share a check");
    const RecordDecl none_then_set[] = {{"t/one", holds}, {"t/two", holds, "89"}};
    EXPECT_EXIT(derive(none_then_set, {}), stops, "the types \"t/one\" and \"t/two\" share a check");
}
