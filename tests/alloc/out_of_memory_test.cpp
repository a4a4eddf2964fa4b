// Running out of memory in the executable ends the process with the size that
// was asked for; the non-throwing form still answers nothing.
#include <gtest/gtest.h>

#include <cstddef>
#include <new>

namespace {

TEST(OutOfMemoryDeathTest, ReportsTheRequestedSize) {
    volatile std::size_t huge = std::size_t(-1) / 2;
    EXPECT_DEATH(
        {
            void* volatile p = ::operator new(huge);
            (void)p;
        },
        "^memory allocation of 9223372036854775807 bytes failed\n$");
    void* p = ::operator new(huge, std::nothrow);
    EXPECT_EQ(p, nullptr);
}

}  // namespace
