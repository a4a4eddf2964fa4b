// Running out of memory ends the process with the size that was asked for.
// Only the executable replaces the allocation routines: tests, benchmarks and
// fuzz targets keep the usual ones, and a sanitizer keeps its own allocator.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARVIK_OWN_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TARVIK_OWN_ALLOCATOR 1
#endif

#if !defined(TARVIK_OWN_ALLOCATOR)
namespace {

[[noreturn]] void allocation_failed(std::size_t size) {
    char buf[96];
    int len = std::snprintf(buf, sizeof buf, "memory allocation of %zu bytes failed\n", size);
    if (len > 0) (void)!::write(STDERR_FILENO, buf, size_t(len));
    std::abort();
}

void* allocate(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) allocation_failed(size);
    return p;
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
#endif
