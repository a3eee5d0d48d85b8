// Conversion between the program's UTF-8 texts and the CP932 (Shift-JIS)
// bytes of its files. Used only where bytes meet a file: the kifu comment
// block and names, the JIS text board.
//
// A character that CP932 cannot hold (or a byte that is not valid UTF-8)
// becomes the full-width question mark "？" (0x81 0x48): most such characters
// are wide (rare kanji, emoji), so the byte columns of a fixed layout stay
// aligned the way the user sees them. Bytes that are not valid CP932 become
// U+FFFD on the way back to UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kz::platform {

// UTF-8 text -> CP932 bytes. Never fails; see the replacement rule above.
std::string Utf8ToCp932(std::string_view utf8);

// ISO-8859-1 bytes -> UTF-8 text (every byte is a character).
std::string Latin1ToUtf8(std::string_view latin1);

// CP932 bytes -> UTF-8 text. Never fails; invalid bytes become U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

// The longest prefix of the CP932 bytes `text` that fits in `limit` bytes
// without cutting a double-byte character in half.
std::string_view Cp932Prefix(std::string_view text, std::size_t limit);

// Whether the byte starts a CP932 double-byte character.
constexpr bool IsCp932LeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace kz::platform
