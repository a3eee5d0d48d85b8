// Drawing surface of the view: bitmaps by resource id, text in the chosen
// font and colours. The Qt window paints with QPainter behind it; tests
// record the calls.
#pragma once

#include <cstdint>
#include <string_view>

namespace kz::platform {

// 0x00RRGGBB
using Rgb = std::uint32_t;
constexpr Rgb MakeRgb(int r, int g, int b) {
  return (static_cast<Rgb>(r & 0xFF) << 16) | (static_cast<Rgb>(g & 0xFF) << 8) |
         static_cast<Rgb>(b & 0xFF);
}

enum class FontKind { kSystem, kDots12, kDots16 };

class Canvas {
 public:
  virtual ~Canvas() = default;
  // The whole bitmap `resourceId` with its top-left corner at (x, y).
  virtual void DrawBitmap(int resourceId, int x, int y) = 0;
  // The part (srcX, srcY, width, height) of the bitmap at (x, y).
  virtual void DrawBitmapPart(int resourceId, int x, int y, int srcX, int srcY,
                              int width, int height) = 0;
  virtual void TextOut(int x, int y, std::string_view utf8) = 0;
  virtual void SetTextColour(Rgb colour) = 0;
  virtual void SetBackgroundColour(Rgb colour) = 0;
  virtual void SelectFont(FontKind font) = 0;
};

}  // namespace kz::platform
