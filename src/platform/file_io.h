// Whole-file reads and safe whole-file writes (POSIX).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kz::platform {

// The first `maxBytes` bytes of the file; nothing when it cannot be opened or
// read (a missing file, no permission) or is not a regular file (a directory,
// a named pipe, a device: refused without waiting for a writer).
std::optional<std::string> ReadFileBytes(const std::string& path,
                                         std::size_t maxBytes);

// Writes `bytes` to a temporary file in the target's directory and renames it
// over `path` only when it is complete, so a failed or interrupted write
// leaves the previous file as it was. False when anything fails (the
// temporary file is then removed).
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace kz::platform
