// A broken internal invariant ends the process with status 101.
#pragma once

#include <string>

namespace mime_magic {

[[noreturn]] void broken_invariant(const std::string& message);

}  // namespace mime_magic
