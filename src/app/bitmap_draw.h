// The drawing of the generated bitmaps, shared by the files that make them.
#pragma once

#include <QColor>
#include <QImage>

namespace kz::app::draw {

// Wood of a board style: 0 yellow, 1 and 2 light brown.
QColor WoodBase(int style);
QColor LineColour();

// The grid line stubs of one cell of `pitch` pixels at (ox, oy) in the image,
// for the cell's position (x, y) on a board of `size` lines. The board image
// and the territory cells draw with the same function, so the stubs of a cell
// join the grid exactly.
void PaintGridCell(QImage& image, int ox, int oy, int pitch, int x, int y, int size);

// The wood of a style at the size of its 19-line board; the boards of every
// size are cut from it.
QImage Wood(int style);
QImage Board(int style, int size, const QImage& wood);
QImage Background(int width, int height);
QImage TitlePlate(int style);

// A stone of `pitch` pixels, colour +1 black or −1 white, on a transparent ground.
QImage Stone(int pitch, int colour);
QImage StoneWithDot(int pitch, int colour);
QImage StoneWithCross(int pitch, int colour);
// A territory cell: the half-toned stone over the line stubs of `place`.
QImage TerritoryCell(int pitch, int colour, int place);
// A move-number digit, 6 × 10: dark ink (for white stones) or light ink.
QImage Digit(int digit, bool darkInk);

}  // namespace kz::app::draw
