// Helpers of the end-to-end tests: the built tool's JSON report on a file
// written for the test, and looking for members in its text.
#pragma once

#include <string>

#include "support.h"

namespace e2esupport {

inline bool contains(const std::string& haystack, const std::string& needle) {
    return haystack.find(needle) != std::string::npos;
}

// A member with a string value as the JSON form writes it: "name": "value".
inline std::string json_member(const std::string& name, const std::string& value) {
    return "\"" + name + "\": \"" + value + "\"";
}

// Whether `out` is a JSON document, that is, whether the JSON form is built.
inline bool is_json(const std::string& out) { return !out.empty() && out[0] == '{'; }

// The built tool's report on `path` in the JSON form.
inline testsupport::RunResult assess_json(const std::string& path) {
    return testsupport::run_cli({"--format", "json", path});
}

// Writes `content` to `path`, then reports on it in the JSON form.
inline testsupport::RunResult write_and_assess_json(const std::string& path, const std::string& content) {
    testsupport::write_file(path, content);
    return assess_json(path);
}

}  // namespace e2esupport
