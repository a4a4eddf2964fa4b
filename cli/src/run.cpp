// The process start-up, the command line and the main routine of tarvik-cli.
#include "run.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "tarvik/assess.h"
#include "tarvik/render.h"
#include "tree.h"

namespace tarvik::cli {

namespace {

constexpr const char* kCommandName = "tarvik-cli";

constexpr const char* kAbout =
    "tarvik-assess tarvik-assess is a command that assesses a file and determines the type of the "
    "file. if the file is not a macOS executable, nor a dylib, or a kext, or a bundle, then "
    "tarvik-assess communicates it, otherwise it gives the artefact classification according to "
    "the specifications of the internal manual \"The Mach-O Security Assessment Manual\"";

constexpr const char* kPathHelp = "path: mandatory argument. The path of the resource to assess";
constexpr const char* kFormatHelp = "Output format";

struct FormatName {
    std::string_view text;
    OutputFormat value;
};
constexpr FormatName kFormatNames[] = {
    {"json", OutputFormat::Json}, {"tree", OutputFormat::Tree}, {"debug", OutputFormat::Debug}};

// The name shown in usage and help: the final component of argument 0 when
// it is valid UTF-8, otherwise the command name.
std::string display_name(int argc, char** argv) {
    if (argc < 1 || argv[0] == nullptr) return kCommandName;
    const auto last = final_component(argv[0]);
    if (!last || !is_valid_utf8(*last)) return kCommandName;
    return std::string(*last);
}

// Writes all of `data` to `fd`, retrying interrupted and short writes.
// Returns 0, or the errno of the failed write.
int write_all(int fd, std::string_view data) {
    const char* p = data.data();
    size_t left = data.size();
    while (left > 0) {
        ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += w;
        left -= size_t(w);
    }
    return 0;
}

// A failed write of the main routine's own output is fatal: a report on
// standard error (best effort) and exit status 101.
int print_failed(const char* stream, int err) {
    std::string report = std::string("tarvik-cli: fatal: failed printing to ") + stream + ": " +
                         std::strerror(err) + " (os error " + std::to_string(err) + ")\n";
    (void)write_all(STDERR_FILENO, report);
    return 101;
}

// The command-line error report: the library's message, a usage line and the
// way to more help.
std::string failure_report(const CLI::App* app, const CLI::Error& e) {
    std::string out = std::string("error: ") + e.what() + "\n\n";
    if (auto fmt = std::dynamic_pointer_cast<CLI::Formatter>(app->get_formatter())) {
        out += fmt->make_usage(app, app->get_display_name());
    }
    out += "\nFor more information, try '--help'.\n";
    return out;
}

// Parses the command line. Help and command-line errors are printed here and
// give the status 0 or 2; nothing is returned for them.
std::optional<TarvikAssessArgs> parse_command_line(int argc, char** argv, int& status) {
    CLI::App app{kAbout, display_name(argc, argv)};
    app.failure_message(failure_report);

    std::string path;
    std::string format_text;
    app.add_option("PATH", path, kPathHelp)
        ->type_name("")
        ->required()
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw)
        ->check(CLI::Validator(
            [](std::string& value) -> std::string {
                return value.empty() ? "a value is required but none was supplied" : "";
            },
            ""));
    app.add_option("--format", format_text, kFormatHelp)
        ->type_name("FORMAT")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw)
        ->check(CLI::Validator(
            [](std::string& value) -> std::string {
                std::string error;
                return parse_output_format(value, &error) ? "" : error;
            },
            "{json,tree,debug}"))
        ->default_val("json")
        ->capture_default_str();

    std::vector<std::string> args;  // the library takes them in reverse order
    for (int i = argc - 1; i > 0; --i) args.emplace_back(argv[i]);
    try {
        app.parse(std::move(args));
    } catch (const CLI::ParseError& e) {
        status = app.exit(e) == static_cast<int>(CLI::ExitCodes::Success) ? 0 : 2;
        std::cout.flush();
        std::cerr.flush();
        return std::nullopt;
    }
    TarvikAssessArgs parsed;
    parsed.path = std::move(path);
    parsed.format = parse_output_format(format_text).value_or(OutputFormat::Json);
    return parsed;
}

// Prints the report of `root` in the chosen form; returns the exit status.
int print_report(const Artefact& root, OutputFormat format) {
    switch (format) {
        case OutputFormat::Json: {
            std::string text;
            text.reserve(128);
            std::string error;
            if (!write_json(root, text, error)) {
                // A report that cannot be written is a failure, not a success.
                if (int err = write_all(STDERR_FILENO, "Serialization error: " + error + "\n"))
                    return print_failed("stderr", err);
                return 1;
            }
            text += '\n';
            if (int err = write_all(STDOUT_FILENO, text)) return print_failed("stdout", err);
            return 0;
        }
        case OutputFormat::Tree: {
            std::string text = render_tree(root);
            text += '\n';
            if (int err = write_all(STDOUT_FILENO, text)) return print_failed("stdout", err);
            return 0;
        }
        case OutputFormat::Debug: {
            errno = 0;
            if (!write_debug(root, stdout) || std::fputc('\n', stdout) == EOF ||
                std::fflush(stdout) != 0) {
                int err = errno ? errno : EIO;
                return print_failed("stdout", err);
            }
            return 0;
        }
    }
    return 0;
}

// Opens each closed standard descriptor on /dev/null, so that what is
// written to a stream closed at start is discarded and the write succeeds.
void reopen_standard_descriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        int opened = ::open("/dev/null", O_RDWR);
        if (opened < 0) std::abort();
        if (opened != fd) {
            if (::dup2(opened, fd) < 0) std::abort();
            ::close(opened);
        }
    }
}

}  // namespace

std::optional<OutputFormat> parse_output_format(std::string_view value, std::string* error) {
    if (is_valid_utf8(value)) {
        for (const auto& f : kFormatNames)
            if (value == f.text) return f.value;
    }
    if (error) {
        *error = "invalid value '" + lossy_utf8(value) +
                 "' for '--format <FORMAT>' [possible values: json, tree, debug]";
    }
    return std::nullopt;
}

int run_assess(int argc, char** argv) {
    TarvikAssessArgs args;
    {
        int status = 0;
        std::optional<TarvikAssessArgs> parsed = parse_command_line(argc, argv, status);
        if (!parsed) return status;
        args = std::move(*parsed);
    }

    Result<Artefact> result = assess_target(args.path);
    if (const auto* error = std::get_if<AssessError>(&result)) {
        // The message, then the same message after "Error: ".
        const std::string message = error->message();
        if (int err = write_all(STDERR_FILENO, message + "\nError: " + message + "\n"))
            return print_failed("stderr", err);
        return 1;
    }
    return print_report(std::get<Artefact>(result), args.format);
}

int process_main(int argc, char** argv) {
    reopen_standard_descriptors();
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, nullptr);
    return run_assess(argc, argv);
}

}  // namespace tarvik::cli
