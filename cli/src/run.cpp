// Placeholder until the main routine lands.
#include "run.h"

namespace tarvik::cli {

int process_main(int argc, char** argv) { return run_assess(argc, argv); }
int run_assess(int, char**) { return 0; }

}  // namespace tarvik::cli
