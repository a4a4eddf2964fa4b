// The one stop for a broken internal invariant.
#include "mime_magic/fatal.h"

#include <cstdio>
#include <cstdlib>

namespace mime_magic {

void broken_invariant(const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "internal error: %s\n", message.c_str());
    std::fflush(stderr);
    std::_Exit(101);
}

}  // namespace mime_magic
