#include "platform/profile_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace kz::platform {
namespace {

std::string_view Trim(std::string_view s) {
  std::size_t b = 0;
  while (b < s.size() && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
  std::size_t e = s.size();
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    char x = a[k], y = b[k];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// "[Name]" gives Name; anything else gives false.
bool SectionName(std::string_view line, std::string_view& name) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return false;
  std::size_t close = line.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(line.substr(1, close - 1));
  return true;
}

// "key=value" gives both (trimmed); comments and other lines give false.
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
  std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[') return false;
  std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(t.substr(0, eq));
  value = Trim(t.substr(eq + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return !key.empty();
}

// Cuts to at most `limit` bytes without splitting a UTF-8 sequence.
std::string CutUtf8(std::string_view s, std::size_t limit) {
  if (s.size() <= limit) return std::string(s);
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) --end;
  return std::string(s.substr(0, end));
}

bool MakeParentDirs(const std::string& path) {
  std::size_t slash = path.find('/', 1);
  while (slash != std::string::npos) {
    std::string dir = path.substr(0, slash);
    if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) return false;
    slash = path.find('/', slash + 1);
  }
  return true;
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) { Reload(); }

void ProfileFile::Reload() {
  lines_.clear();
  std::ifstream in(path_, std::ios::binary);
  std::string line;
  while (in && std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.push_back(line);
  }
}

const std::string* ProfileFile::Find(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (const std::string& line : lines_) {
    std::string_view name;
    if (SectionName(line, name)) {
      inSection = EqualNoCase(name, section);
      continue;
    }
    std::string_view k, v;
    if (inSection && KeyValue(line, k, v) && EqualNoCase(k, key)) {
      scratch_.assign(v);
      return &scratch_;
    }
  }
  return nullptr;
}

int ProfileFile::GetInt(std::string_view section, std::string_view key, int fallback) const {
  const std::string* v = Find(section, key);
  if (v == nullptr) return fallback;
  const char* s = v->c_str();
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(s, &end, 10);
  if (end == s || errno == ERANGE || value < INT_MIN || value > INT_MAX) return fallback;
  return static_cast<int>(value);
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key,
                                   std::string_view fallback) const {
  const std::string* v = Find(section, key);
  return CutUtf8(v == nullptr ? fallback : std::string_view(*v), kMaxStringBytes);
}

std::string ProfileFile::GetPath(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
  const std::string* v = Find(section, key);
  return CutUtf8(v == nullptr ? fallback : std::string_view(*v), kMaxPathBytes);
}

bool ProfileFile::WriteInt(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  std::string clean;
  for (char c : value) {
    if (c != '\n' && c != '\r') clean.push_back(c);  // one line per key
  }
  std::string entry = std::string(key) + "=" + clean;

  int sectionLine = -1;
  int lastLineOfSection = -1;
  bool inSection = false;
  for (int n = 0; n < static_cast<int>(lines_.size()); ++n) {
    std::string_view name;
    if (SectionName(lines_[n], name)) {
      inSection = EqualNoCase(name, section);
      if (inSection && sectionLine < 0) {
        sectionLine = n;
        lastLineOfSection = n;
      }
      continue;
    }
    if (!inSection) continue;
    if (!Trim(lines_[n]).empty()) lastLineOfSection = n;
    std::string_view k, v;
    if (KeyValue(lines_[n], k, v) && EqualNoCase(k, key)) {
      lines_[n] = entry;
      return Save();
    }
  }
  if (sectionLine < 0) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(entry);
  } else {
    lines_.insert(lines_.begin() + lastLineOfSection + 1, entry);
  }
  return Save();
}

bool ProfileFile::Save() const {
  if (path_.empty() || !MakeParentDirs(path_)) return false;
  std::string tmp = path_ + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const std::string& line : lines_) out << line << "\n";
    out.flush();
    if (!out) {
      std::remove(tmp.c_str());
      return false;
    }
  }
  if (std::rename(tmp.c_str(), path_.c_str()) != 0) {
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

std::string ProfileFile::DefaultPath() {
  if (const char* p = std::getenv("KAZAORI_INI"); p != nullptr && *p != '\0') return p;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x != nullptr && *x == '/') {
    return std::string(x) + "/kazaori/kazaori.ini";
  }
  if (const char* h = std::getenv("HOME"); h != nullptr && *h != '\0') {
    return std::string(h) + "/.config/kazaori/kazaori.ini";
  }
  return "kazaori.ini";
}

}  // namespace kz::platform
