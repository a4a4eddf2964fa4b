// The final component of a path, as the directory rules, the tree form and the
// usage line see it.
#include <gtest/gtest.h>

#include "tarvik/model.h"

TEST(FinalComponent, SeparatorsDotsAndNone) {
    const std::pair<const char*, const char*> cases[] = {
        {"Foo.app", "Foo.app"},   {"Foo.app/", "Foo.app"},   {"Foo.app/.", "Foo.app"},
        {"a/b//", "b"},           {"./x", "x"},              {"x/./", "x"},
        {"/usr/bin/tool", "tool"}, {".app", ".app"},          {"a/./b/./.", "b"},
        {"/", nullptr},           {".", nullptr},            {"./", nullptr},
        {"", nullptr},            {"..", nullptr},           {"a/..", nullptr},
        {"a/../", nullptr},
    };
    for (auto [path, want] : cases) {
        auto got = tarvik::final_component(path);
        if (want) {
            ASSERT_TRUE(got) << path;
            EXPECT_EQ(*got, want) << path;
        } else {
            EXPECT_FALSE(got) << path;
        }
    }
}
