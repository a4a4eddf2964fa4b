// The command line and the main routine of tarvik-cli.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvik::cli {

// The value of --format.
enum class OutputFormat { Json, Tree, Debug };

// The parsed command line.
struct TarvikAssessArgs {
    std::string path;  // the raw argument bytes, never empty
    OutputFormat format = OutputFormat::Json;
};

// The value parser of --format: exact, case-sensitive match of "json",
// "tree" or "debug". Nothing for any other value; `error` (when given) then
// receives the invalid-value text naming the value and the possible values.
std::optional<OutputFormat> parse_output_format(std::string_view value,
                                                std::string* error = nullptr);

// Process start-up (closed standard descriptors reopened on /dev/null, SIGPIPE
// ignored) followed by run_assess; returns the exit status.
int process_main(int argc, char** argv);

// Parses the arguments, assesses the path once, prints the report; returns
// the exit status (0 or 1, or 101 when a write of the report or of the error
// lines fails; the command-line library's help and errors give 0 and 2).
int run_assess(int argc, char** argv);

}  // namespace tarvik::cli
