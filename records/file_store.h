// Whole-file reads and writes for the program's records. A write never
// leaves a half file: the bytes go to a temporary file beside the target,
// are flushed to disk, and only then replace the target by a rename.
#pragma once

#include <optional>
#include <string>

namespace zembra {

// The file's bytes; nullopt when it cannot be opened (tried twice).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file atomically (tried twice); false when that failed, and
// then the previous contents are untouched.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace zembra
