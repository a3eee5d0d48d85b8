#include "view_fixture.h"

#include "engine/engine_types.h"

namespace kz::test {

MoveResult ScriptedEngine::ChooseMove(PlaneBoard& board, int colour, int moveNumber,
                                       int lastMove) {
  const MoveResult result = Choose(board, colour, moveNumber, lastMove);
  if (afterChoice) afterChoice();
  return result;
}

MoveResult ScriptedEngine::Choose(PlaneBoard& board, int colour, int moveNumber,
                                  int lastMove) {
  ++requests;
  requestMoveNumbers.push_back(moveNumber);
  for (int k = 0; k < pumps; ++k) Pump();
  if (real) return ThinkEngine::ChooseMove(board, colour, moveNumber, lastMove);
  if (moves.empty()) return {PackedPass(), 0};
  const int move = moves.front();
  moves.pop_front();
  if (move < 0) return {PackedPass(), 0};
  const int r = board.PlayStone(move / 100, move % 100, colour, 0);
  if (r == kOccupied || r == kSuicide || r == kKo) return {PackedPass(), 0};
  return {PackMove(move / 100, move % 100, 30), r > 0 ? r : 0};
}

void ViewTest::SetUp() { ASSERT_FALSE(dir.path().empty()); }

void ViewTest::TearDown() {
  view.reset();
  doc.reset();
}

void ViewTest::Start(const std::string& commandLine) {
  doc = std::make_unique<CKazaoriDoc>();
  control::ViewParts parts;
  parts.commandLine = commandLine;
  parts.iniPath = Path("kazaori.ini");
  auto scripted = nextEngine ? std::move(nextEngine) : std::make_unique<ScriptedEngine>();
  engine = scripted.get();
  parts.engine = std::move(scripted);
  parts.link = nextLink ? std::move(nextLink) : std::make_unique<link::NullLink>();
  view = std::make_unique<control::CKazaoriView>(host, *doc, std::move(parts));
  ASSERT_TRUE(view->OnCreate());
}

void ViewTest::Finish() {
  view->OnDestroy();
  view.reset();
  engine = nullptr;
}

void ViewTest::Tick(int n) {
  for (int k = 0; k < n; ++k) {
    host.clock.Advance(1);
    view->OnTick();
  }
}

void ViewTest::Click(int i, int j) { view->OnLeftButton(20 + i * 21 + 10, 20 + j * 21 + 10); }

void ViewTest::NewGame(std::function<void(control::NewGameDialog&)> edit, bool greeting) {
  host.Answer(control::kNewGameDialog, 0, [edit](platform::DialogModel& m) {
    if (edit) edit(static_cast<control::NewGameDialog&>(m));
  });
  if (greeting) host.Answer(control::kGreetingDialog, 0);
  ASSERT_TRUE(view->OnCommand(control::kCmdNewGame));
}

}  // namespace kz::test
