// A broken internal invariant ends the process: anything written to standard
// output is flushed, the message goes to standard error, and the exit status
// is 101. The detector and the core share this one stop.
#pragma once

#include <string>

namespace mime_magic {

[[noreturn]] void broken_invariant(const std::string& message);

}  // namespace mime_magic
