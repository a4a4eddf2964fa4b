// The command line and the main routine of tarvik-cli.
#pragma once

namespace tarvik::cli {

// Process start-up (closed standard descriptors reopened on /dev/null, SIGPIPE
// ignored) followed by run_assess; returns the exit status.
int process_main(int argc, char** argv);

// Parses the arguments, assesses the path once, prints the report; returns
// the exit status (0 or 1; the command-line library ends the process itself
// with 0 or 2 on help or a command-line error).
int run_assess(int argc, char** argv);

}  // namespace tarvik::cli
