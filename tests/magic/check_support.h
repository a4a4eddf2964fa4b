// Helpers shared by the check-table tests: detection buffers with pieces
// written in, row runners that evaluate one check per row against such a
// buffer, and the whole detector's answer.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "checks/checks.h"
#include "checks/first_bytes.h"
#include "file_builders.h"
#include "mime_magic/mime_magic.h"

namespace checksupport {

using mime_magic::Probe;
using Check = bool (*)(const Probe&);

// The length of the detector's buffer.
constexpr size_t kLen = mime_magic::MIME_SNIFF_BUFFER_LEN;

using builders::hex;
using builders::utf16le;

// Bytes to write at an offset of the buffer.
struct Put {
    size_t off;
    std::string bytes;
};
using Puts = std::vector<Put>;

// The detection buffer: 131072 zero bytes with the pieces written in, in
// turn. A piece reaching past the end is a fault of the test and throws.
inline std::vector<uint8_t> buffer_with(const Puts& puts) {
    std::vector<uint8_t> buf(kLen, 0);
    for (const Put& p : puts)
        for (size_t i = 0; i < p.bytes.size(); ++i) buf.at(p.off + i) = uint8_t(p.bytes[i]);
    return buf;
}

// A check that holds must allow the buffer's first byte in the set the walk
// uses to pass checks over (declared beside the check's record).
inline void expect_first_byte_allowed(Check check, const std::vector<uint8_t>& buf,
                                      const std::string& label = {}) {
    const mime_magic::FirstBytes* fb = mime_magic::first_bytes_of(check);
    if (fb == nullptr) return;
    const uint8_t b0 = buf.empty() ? 0 : buf[0];
    EXPECT_TRUE(fb->allows(b0)) << label << ": holds with first byte " << int(b0)
                                << " outside its first-byte set";
}

inline bool run_check(Check check, const std::vector<uint8_t>& buf) {
    const bool holds = check(Probe(buf.data(), buf.size()));
    if (holds) expect_first_byte_allowed(check, buf);
    return holds;
}

// The check's answer over a zero buffer with the pieces written in.
inline bool run(Check check, const Puts& puts) { return run_check(check, buffer_with(puts)); }

// Whether a row's check is evaluated only with the plain probe, or also a
// second time with a detection's probe, whose known zero tail and caches may
// cut work short.
enum class Scope { plain, also_in_detection };

// Expects `check` over the buffer of `puts` to answer `want`; `label` names
// the row in a failure.
inline void expect_check(Check check, const Puts& puts, bool want, const std::string& label,
                         Scope scope = Scope::plain) {
    const std::vector<uint8_t> buf = buffer_with(puts);
    EXPECT_EQ(check(Probe(buf.data(), buf.size())), want) << label;
    if (want) expect_first_byte_allowed(check, buf, label);
    if (scope == Scope::also_in_detection) {
        // The answer must not change when the detection's knowledge is there.
        const mime_magic::DetectionProbe detection(buf.data(), buf.size(), buf.size());
        EXPECT_EQ(check(detection.probe()), want) << label << " (in a detection)";
    }
}

// A row named by what it tries.
struct Row {
    const char* what;
    Check check;
    Puts puts;
    bool want;
};

// A row named by the MIME type whose check it tries, then by what it tries.
struct TypeRow {
    const char* type;
    Check check;
    Puts puts;
    bool want;
    const char* what;
};

// A row with the answer before the pieces.
struct WantFirstRow {
    const char* what;
    Check check;
    bool want;
    Puts puts;
};

inline void run_rows(const std::vector<Row>& rows, Scope scope = Scope::plain) {
    for (const Row& r : rows) expect_check(r.check, r.puts, r.want, r.what, scope);
}

inline void run_type_rows(const std::vector<TypeRow>& rows, Scope scope = Scope::plain) {
    for (const TypeRow& r : rows)
        expect_check(r.check, r.puts, r.want, std::string(r.type) + ": " + r.what, scope);
}

inline void run_rows(const std::vector<WantFirstRow>& rows, Scope scope = Scope::plain) {
    for (const WantFirstRow& r : rows) expect_check(r.check, r.puts, r.want, r.what, scope);
}

// The whole detector's answer for `bytes` (as long as they are).
inline std::string detect(std::string_view bytes) {
    return std::string(mime_magic::detect_mime_from_bytes(
        reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

// The whole detector's answer for the first `len` bytes of the buffer of `puts`.
inline std::string detect(const Puts& puts, size_t len) {
    const std::vector<uint8_t> buf = buffer_with(puts);
    return std::string(mime_magic::detect_mime_from_bytes(buf.data(), len));
}

}  // namespace checksupport
