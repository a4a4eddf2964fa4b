// A broken internal invariant ends the process: a message on standard error
// and exit status 101 (the detector's stop, shared).
#pragma once

#include "mime_magic/fatal.h"

namespace tarvik {

using mime_magic::broken_invariant;

}  // namespace tarvik
