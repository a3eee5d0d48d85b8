#include "platform/shift_jis.h"

#include <iconv.h>

#include <cerrno>

namespace kz::platform {
namespace {

constexpr std::string_view kCp932Replacement = "\x81\x48";  // ？
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";  // U+FFFD

// One conversion direction, opened once for the run.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; at each unconvertible sequence appends `replacement` and
  // skips skipLength(rest) bytes.
  template <typename Skip>
  std::string Run(std::string_view in, std::string_view replacement,
                  Skip skipLength) {
    std::string out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      // No converter on this system: keep ASCII, replace the rest.
      for (unsigned char c : in) {
        if (c < 0x80) out += static_cast<char>(c);
        else out += replacement;
      }
      return out;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, dst - buffer);
      if (r != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: an invalid or unconvertible sequence at src.
      std::size_t skip = skipLength(std::string_view(src, srcLeft));
      if (skip == 0 || skip > srcLeft) skip = 1;
      out += replacement;
      src += skip;
      srcLeft -= skip;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

// Length of the UTF-8 sequence starting `rest` (1 for a stray byte).
std::size_t Utf8SequenceLength(std::string_view rest) {
  const auto b = static_cast<unsigned char>(rest[0]);
  std::size_t n = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 1;
  if (n > rest.size()) return 1;
  for (std::size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(rest[k]) & 0xC0) != 0x80) return 1;
  return n;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
  static Converter converter("CP932", "UTF-8");
  return converter.Run(utf8, kCp932Replacement, Utf8SequenceLength);
}

std::string Cp932ToUtf8(std::string_view cp932) {
  static Converter converter("UTF-8", "CP932");
  return converter.Run(cp932, kUtf8Replacement,
                       [](std::string_view) -> std::size_t { return 1; });
}

std::string Latin1ToUtf8(std::string_view latin1) {
  static Converter converter("UTF-8", "ISO-8859-1");
  return converter.Run(latin1, kUtf8Replacement,
                       [](std::string_view) -> std::size_t { return 1; });
}

std::string_view Cp932Prefix(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t width =
        IsCp932LeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + width > limit || end + width > text.size()) break;
    end += width;
  }
  return text.substr(0, end);
}

}  // namespace kz::platform
