// The process entry: standard descriptors and SIGPIPE, then the main routine.
#include "run.h"

int main(int argc, char** argv) { return tarvik::cli::process_main(argc, argv); }
