#include "display/status_panel.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "display/board_geometry.h"
#include "display/board_painter.h"

namespace kz::display {

namespace {

// Offsets of the parts within a line, from the column's x, in the 12-dot
// arrangement; the 16-dot arrangement scales them by 4/3 (each part then
// follows the same characters before it).
struct Offsets {
  int timeHeader = 36;
  int name = 49;
  int clock = 89;
  int handicap = 37;
  int rule = 79;
  int nextNumber = 64;
  int lastMove = 126;
  int resigned = 102;
  int blackPrisoners = 53;
  int whitePrisonerText = 96;
  int whitePrisoners = 113;
  int territory = 64;
  int total = 124;
  int resultNumber = 66;
};

constexpr int Scaled(int offset, int layout) {
  return layout == 16 ? (offset * 4 + 1) / 3 : offset;
}

Offsets OffsetsFor(int layout) {
  Offsets o;
  for (int* v : {&o.timeHeader, &o.name, &o.clock, &o.handicap, &o.rule, &o.nextNumber,
                 &o.lastMove, &o.resigned, &o.blackPrisoners, &o.whitePrisonerText,
                 &o.whitePrisoners, &o.territory, &o.total, &o.resultNumber}) {
    *v = Scaled(*v, layout);
  }
  return o;
}

constexpr std::array<const char*, 10> kHandicapTexts = {
    "互先　", "先　　", "二子局", "三子局", "四子局",
    "五子局", "六子局", "七子局", "八子局", "九子局"};
constexpr std::array<const char*, 3> kKindNames = {"貴方", "風織", "通信"};
constexpr const char* kBlankResult = "　　　　　　　　　　　　　　";

bool IsBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\0'; });
}

const char* KindName(int kind) {
  return kKindNames[(kind >= 0 && kind < 3) ? kind : 0];
}

class PanelWriter {
 public:
  PanelWriter(platform::Canvas& canvas, int layout) : canvas_(canvas), unit_(layout / 2) {}

  int Unit() const { return unit_; }

  void Text(int x, int y, const std::string& text) { canvas_.TextOut(x, y, text); }

  void Ink(platform::Rgb colour) {
    canvas_.SetTextColour(colour);
    ink_ = colour;
  }
  platform::Rgb CurrentInk() const { return ink_; }

  // "(hh:mm:ss)" pattern and its three numbers, starting at x.
  void Clock(int x, int y, int seconds) {
    Text(x, y, "(  :  :  )");
    HoursMinutesSeconds(x + unit_, y, seconds);
  }

  void HoursMinutesSeconds(int x, int y, int seconds) {
    seconds = std::max(seconds, 0);
    Text(x, y, TwoDigits(std::min(seconds / 3600, 99)));
    Text(x + 3 * unit_, y, TwoDigits(seconds / 60 % 60));
    Text(x + 6 * unit_, y, TwoDigits(seconds % 60));
  }

 private:
  platform::Canvas& canvas_;
  int unit_;
  platform::Rgb ink_ = kPanelInk;
};

void PaintLabels(PanelWriter& out, int size, int style, int layout, int orientation) {
  const int pitch = Pitch(style);
  const int unit = out.Unit();
  const int top = layout == 16 ? 2 : 7;
  for (int x = 0; x < size; ++x) {
    const int column = orientation == -1 ? size - 1 - x : x;
    out.Text(kBoardOrigin + x * pitch + (pitch - unit) / 2, top,
             std::string(1, ColumnLetter(column)));
  }
  for (int y = 0; y < size; ++y) {
    const int row = (orientation == -1 ? size - 1 - y : y) + 1;
    char text[12];
    std::snprintf(text, sizeof text, "%2d", row);
    out.Text(2, kBoardOrigin + y * pitch + (pitch - layout) / 2, text);
  }
}

}  // namespace

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", std::clamp(value, 0, 99));
  return text;
}

std::string ThreeDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%3d", std::clamp(value, -99, 999));
  return text;
}

PanelColumns ColumnsFor(int size, int style, int layout) {
  const bool dots16 = layout == 16;
  const int step = dots16 ? 17 : 15;
  const bool large = style == 2;
  if (size == 9 && !large) {
    return dots16 ? PanelColumns{245, 271, 25, 220, step, 5}
                  : PanelColumns{221, 270, 31, 225, step, 9};
  }
  int x;
  if (size == 9) {
    x = dots16 ? 343 : 349;
  } else if (size == 13) {
    x = large ? (dots16 ? 483 : 489) : (dots16 ? 299 : 305);
  } else {
    x = large ? (dots16 ? 695 : 701) : (dots16 ? 425 : 431);
  }
  const int y = dots16 ? 259 : 270;
  const int trailing = size == 19 ? (dots16 ? 7 : 11) : 9;
  return {x, y, x, y + 3 * step, step, trailing};
}

std::string PaintStatusPanel(platform::Canvas& canvas, const PlaneBoard& board,
                             const PanelState& s) {
  const int size = board.GetSize();
  const int layout = s.layout == 16 ? 16 : 12;
  PanelWriter out(canvas, layout);
  canvas.SetBackgroundColour(kPanelGround);
  out.Ink(kPanelInk);
  PaintLabels(out, size, s.style, layout, s.orientation);

  const PanelColumns c = ColumnsFor(size, s.style, layout);
  const Offsets o = OffsetsFor(layout);
  const int unit = out.Unit();
  auto upperY = [&](int line) { return c.upperY + line * c.lineStep; };
  auto lowerY = [&](int line) { return c.lowerY + (line - 3) * c.lineStep; };

  // 0: players' header and the time header.
  int x = c.upperX;
  int y = upperY(0);
  out.Text(x, y, "対局者");
  const int header = x + o.timeHeader;
  out.Text(header, y, "(各  :  )(計  :  :  )");
  if (s.timeLimit > 0) {
    out.Text(header + 3 * unit, y, TwoDigits(s.timeLimit / 60));
    out.Text(header + 6 * unit, y, TwoDigits(s.timeLimit % 60));
  }
  out.HoursMinutesSeconds(header + 12 * unit, y, s.blackSeconds + s.whiteSeconds);

  // 1 and 2: the players, their names and clocks.
  auto player = [&](int line, const char* label, const std::string& name, int kind,
                    int seconds) {
    const int ly = upperY(line);
    out.Text(x, ly, label);
    out.Text(x + o.name, ly, IsBlank(name) ? std::string(KindName(kind)) : name);
    const bool over = s.timeLimit > 0 && seconds > s.timeLimit * 60;
    const platform::Rgb previous = out.CurrentInk();
    if (over) out.Ink(kOverTimeInk);
    out.Clock(x + o.clock, ly, seconds);
    if (over) out.Ink(previous);
  };
  player(1, "　黒番 :", s.blackName, s.blackKind, s.blackSeconds);
  player(2, "　白番 :", s.whiteName, s.whiteKind, s.whiteSeconds);

  // 3: handicap and rule.
  x = c.lowerX;
  y = lowerY(3);
  out.Text(x, y, "手合：    ");
  out.Text(x + o.handicap, y, kHandicapTexts[std::clamp(s.handicap, 0, 9)]);
  out.Text(x + o.rule, y, s.rule == 1 ? "(ケイマ碁)" : "(普通の碁)");

  // 4: the next move and the other side's last move.
  y = lowerY(4);
  const bool blackNext = s.sideToMove >= 0;
  out.Text(x, y, std::string(blackNext ? "次は黒番第　　手(白番" : "次は白番第　　手(黒番") +
                     std::string(c.trailingSpaces, ' '));
  out.Text(x + o.nextNumber, y, ThreeDigits(s.movesPlayed + 1));
  if (s.resultDisplay == 1 || s.resultDisplay == 2) {
    out.Text(x + o.resigned, y, s.resultDisplay == 1 ? "黒番投了) " : "白番投了) ");
  } else if (s.movesPlayed > 0) {
    const int code = MoveCodeAt(s.moves, s.movesPlayed);
    if (code >= 0 && kz::OnBoard(size, code / 100, code % 100)) {
      char text[16];
      std::snprintf(text, sizeof text, "%c-%-2d)", ColumnLetter(code / 100), code % 100 + 1);
      out.Text(x + o.lastMove, y, text);
    } else if (code < -1) {  // a recorded pass (entry −100)
      out.Text(x + o.lastMove, y, "パス)    ");
    }
  }

  // 5: prisoners.
  y = lowerY(5);
  out.Text(x, y, "ハマ：黒　　目　");
  out.Text(x + o.whitePrisonerText, y, "白　　目");
  out.Text(x + o.blackPrisoners, y, ThreeDigits(s.blackPrisoners));
  out.Text(x + o.whitePrisoners, y, ThreeDigits(s.whitePrisoners));

  // 6 and 7: the end-of-game counts.
  const int blackTerritory = board.GetTerritoryCount(1, 0);
  const int whiteTerritory = board.GetTerritoryCount(-1, 0);
  const int blackTotal =
      s.endOfGame ? blackTerritory + board.CountDeadStones(-1, 0) + s.blackPrisoners : 0;
  const int whiteTotal =
      s.endOfGame ? whiteTerritory + board.CountDeadStones(1, 0) + s.whitePrisoners : 0;
  auto counts = [&](int line, const char* pattern, int territory, int total) {
    const int ly = lowerY(line);
    out.Text(x, ly, pattern);
    out.Text(x + o.territory, ly, ThreeDigits(territory));
    out.Text(x + o.total, ly, ThreeDigits(total));
  };
  counts(6, "終局：黒地　　目：計　　目", blackTerritory, blackTotal);
  counts(7, "　　　白地　　目：計　　目", whiteTerritory, whiteTotal);

  // 8: the result.
  y = lowerY(8);
  std::string result;
  auto withNumber = [&](const char* pattern, int number, const char* colour,
                        const char* suffix) {
    out.Text(x, y, pattern);
    out.Text(x + o.resultNumber, y, ThreeDigits(number));
    result = std::string(colour) + ThreeDigits(number) + suffix;
  };
  if (s.resultDisplay == 1) {
    out.Text(x, y, "　　　○ 白中押し勝ち　　　");
    result = "白中押し勝ち";
  } else if (s.resultDisplay == 2) {
    out.Text(x, y, "　　　● 黒中押し勝ち　　　");
    result = "黒中押し勝ち";
  } else if (s.endOfGame && s.handicap == 0) {
    if (whiteTotal > blackTotal - 6) {
      withNumber("　　　○ 白　　目半勝ち　　", whiteTotal - blackTotal + 5, "白", "目半勝ち");
    } else {
      withNumber("　　　● 黒　　目半勝ち　　", blackTotal - whiteTotal - 6, "黒", "目半勝ち");
    }
  } else if (s.endOfGame) {
    if (blackTotal > whiteTotal) {
      withNumber("　　　● 黒　　目勝ち　　　", blackTotal - whiteTotal, "黒", "目勝ち");
    } else if (whiteTotal > blackTotal) {
      withNumber("　　　○ 白　　目勝ち　　　", whiteTotal - blackTotal, "白", "目勝ち");
    } else {
      out.Text(x, y, "　　　◎ 持碁でーす(^_^) 　");
      result = "持碁";
    }
  } else {
    out.Text(x, y, kBlankResult);
  }
  return result;
}

}  // namespace kz::display

namespace kz::display {

ViewExtent RequiredViewExtent(int size, int style, int layout) {
  layout = layout == 16 ? 16 : 12;
  const int unit = layout / 2;
  const PanelColumns c = ColumnsFor(size, style, layout);
  auto scaled = [&](int offset) { return layout == 16 ? (offset * 4 + 1) / 3 : offset; };
  // Widest parts, in half-width characters: the time header (21), a clock
  // (10), the next-move line (21 + trailing blanks), a pass after the last
  // move's place (9), the count lines (26) and the cleared result line (28).
  const int upperRight =
      c.upperX + std::max(scaled(36) + 21 * unit, scaled(89) + 10 * unit);
  const int lowerRight =
      c.lowerX + std::max({(21 + c.trailingSpaces) * unit, scaled(126) + 9 * unit, 28 * unit});
  const int boardRight = kBoardOrigin + BoardImageSide(style, size);
  const int titleRight = TitlePlateX(size, style, layout) + 144;
  const int panelBottom = std::max(c.upperY + 2 * c.lineStep, c.lowerY + 5 * c.lineStep) + layout + 2;
  const int boardBottom = kBoardOrigin + BoardImageSide(style, size);
  const int titleBottom = kTitlePlateY + 233;
  return {std::max({upperRight, lowerRight, boardRight, titleRight}) + kViewMargin,
          std::max({panelBottom, boardBottom, titleBottom}) + kViewMargin};
}

}  // namespace kz::display
