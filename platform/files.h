// Whole-file reading and safe whole-file writing.
//
// Writing goes to a temporary file beside the target, which is flushed and then
// renamed over the target, so a failure at any point leaves the old file byte
// for byte. Every failure carries the system's reason as UTF-8 text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

namespace zw {

struct FileError {
    std::string reason; // the system's reason, with the path, UTF-8
};

// Reads the whole file. Memory grows with the bytes actually read.
std::variant<std::string, FileError> readWholeFile(const std::string& path);

bool fileExists(const std::string& path);

// Points at which a write can be made to fail in tests.
enum class WriteStep { Open, Write, Flush, Rename };

// Test hook: called before each step; returning true makes that step fail as
// the system would (for Write, `offset` is the number of bytes written so far).
using WriteFailureHook = std::function<bool(WriteStep step, size_t offset)>;
void setWriteFailureHook(WriteFailureHook hook);

// Replaces the file's whole contents with `bytes`, through a temporary file and
// a rename. Returns an error and leaves the target untouched on failure.
std::variant<std::monostate, FileError> writeWholeFile(const std::string& path,
                                                       std::string_view bytes);

} // namespace zw
