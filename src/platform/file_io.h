// Whole-file reads and safe whole-file writes (POSIX).
#pragma once

#include <cstddef>
#include <ctime>
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

// Whether a file name is one of the temporaries WriteFileReplacing makes:
// ".kazaori-" and six letters or digits.
bool IsReplacingTemporaryName(std::string_view name);

// Removes the temporaries that writes of `path` killed part way left in its
// directory: files of that name pattern, regular, owned by this
// user, last changed before `olderThan` (so never the temporary of a write
// still running), whose bytes begin with `contentPrefix`. Returns how many
// were removed.
int RemoveStaleTemporariesBeside(const std::string& path, std::time_t olderThan,
                                  std::string_view contentPrefix);

// When this process started, in seconds since the epoch (from /proc; the
// time of the first call where that cannot be read).
std::time_t ProcessStartTime();

}  // namespace kz::platform
