// A private profile (ini) file: "[Section]" headers and "key=value" lines.
// Reading a missing file, section or key gives the caller's default; section
// and key names match in either case; integers are decimal text; strings are
// read up to 100 bytes. Every write goes to the file at once (through a
// temporary file and a rename, so a crash never leaves half a file) and keeps
// every other line of the file as it was, comments included. A write that
// fails is reported by the return value only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kz::platform {

class ProfileFile {
 public:
  static constexpr std::size_t kMaxStringBytes = 100;
  // File paths and command lines are read whole, up to what a path can be.
  static constexpr std::size_t kMaxPathBytes = 4096;

  explicit ProfileFile(std::string path);

  const std::string& Path() const { return path_; }

  // Reads the file again (another program may have written it).
  void Reload();

  // The decimal integer at the start of the value (leading blanks and a sign
  // allowed, anything after the digits ignored). The default when the key is
  // missing, empty, not a number or out of int range.
  int GetInt(std::string_view section, std::string_view key, int fallback) const;
  // The value, cut to kMaxStringBytes bytes (never inside a UTF-8 character);
  // the default when the key is missing.
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view fallback) const;
  // The same for a file path or a command line, cut to kMaxPathBytes only.
  std::string GetPath(std::string_view section, std::string_view key,
                      std::string_view fallback) const;

  bool WriteInt(std::string_view section, std::string_view key, int value);
  bool WriteString(std::string_view section, std::string_view key,
                   std::string_view value);

  // Where kazaori.ini lives: $KAZAORI_INI, else
  // $XDG_CONFIG_HOME/kazaori/kazaori.ini, else ~/.config/kazaori/kazaori.ini.
  static std::string DefaultPath();

 private:
  const std::string* Find(std::string_view section, std::string_view key) const;
  bool Save() const;

  std::string path_;
  // The file's lines without their line ends; values are found by scanning.
  std::vector<std::string> lines_;
  // Values found for lookups are kept here so Find can hand out a pointer.
  mutable std::string scratch_;
};

}  // namespace kz::platform
