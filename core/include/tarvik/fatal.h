// A broken internal invariant ends the process: a message on standard error
// and exit status 101.
#pragma once

#include <string>

namespace tarvik {

[[noreturn]] void broken_invariant(const std::string& message);

}  // namespace tarvik
