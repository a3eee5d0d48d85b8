#include "app/bitmaps.h"

#include "app/bitmap_draw.h"
#include "display/bitmap_ids.h"
#include "display/board_geometry.h"

namespace kz::app {

BitmapStore::BitmapStore() {
  using namespace display;
  const int sizes[3] = {19, 13, 9};
  for (int style = 0; style < kStyleCount; ++style) {
    const StyleBitmaps& ids = BitmapsOf(style);
    const int pitch = Pitch(style);
    const QImage wood = draw::Wood(style);
    for (int k = 0; k < 3; ++k) images_.insert(ids.board[k], draw::Board(style, sizes[k], wood));
    if (!images_.contains(ids.title)) images_.insert(ids.title, draw::TitlePlate(style));
    images_.insert(ids.black, draw::Stone(pitch, 1));
    images_.insert(ids.white, draw::Stone(pitch, -1));
    images_.insert(ids.blackLast, draw::StoneWithDot(pitch, 1));
    images_.insert(ids.whiteLast, draw::StoneWithDot(pitch, -1));
    images_.insert(ids.blackDead, draw::StoneWithCross(pitch, 1));
    images_.insert(ids.whiteDead, draw::StoneWithCross(pitch, -1));
    for (int place = 0; place < kPlaceCount; ++place) {
      images_.insert(ids.blackTerritory[place], draw::TerritoryCell(pitch, 1, place));
      images_.insert(ids.whiteTerritory[place], draw::TerritoryCell(pitch, -1, place));
    }
  }
  images_.insert(kSmallBackground, draw::Background(640, 480));
  images_.insert(kLargeBackground, draw::Background(1024, 768));
  for (int d = 0; d < 10; ++d) {
    images_.insert(DigitBitmap(kDarkDigitsFirst, d), draw::Digit(d, true));
    images_.insert(DigitBitmap(kLightDigitsFirst, d), draw::Digit(d, false));
  }
}

const QImage& BitmapStore::Get(int id) const {
  auto it = images_.constFind(id);
  return it == images_.constEnd() ? none_ : *it;
}

}  // namespace kz::app
