// Running out of memory ends the process with the size that was asked for.
#include <gtest/gtest.h>

#include <cstddef>
#include <new>

#include "run.h"

namespace {

TEST(OutOfMemoryDeathTest, ReportsTheRequestedSize) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator reports this itself";
#else
    // The allocation routines live beside the main routine; use it so that
    // they are part of this program.
    ASSERT_TRUE(tarvik::cli::parse_output_format("json").has_value());
    volatile std::size_t huge = std::size_t(-1) / 2;
    EXPECT_DEATH(
        {
            void* volatile p = ::operator new(huge);
            (void)p;
        },
        "memory allocation of 9223372036854775807 bytes failed");
    // The non-throwing form still answers nothing.
    void* p = ::operator new(huge, std::nothrow);
    EXPECT_EQ(p, nullptr);
#endif
}

}  // namespace
