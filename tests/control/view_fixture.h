// A view on a FakeHost with a scripted computer player, in a temporary
// directory of its own (the autosave and series files go there).
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "control/dialogs.h"
#include "control/kazaori_view.h"
#include "engine/think_engine.h"
#include "game/kazaori_doc.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace kz::test {

// The real engine with its move choice replaced by a script: each request
// takes the next MoveCode (-1 a pass), plays it on the game board as the
// engine does, and first lets the host's pump run `pumps` times.
class ScriptedEngine : public ThinkEngine {
 public:
  MoveResult ChooseMove(PlaneBoard& board, int colour, int moveNumber, int lastMove) override;
  int CountArea(int colour) const override { return colour == 1 ? blackArea : whiteArea; }

  std::deque<int> moves;
  bool real = false;  // use the real move choice instead of the script
  int pumps = 0;
  int requests = 0;
  std::vector<int> requestMoveNumbers;
  int blackArea = 0, whiteArea = 0;
  // Called when the move is chosen and on the board, before the view has
  // recorded it.
  std::function<void()> afterChoice;

 private:
  MoveResult Choose(PlaneBoard& board, int colour, int moveNumber, int lastMove);
};

class ViewTest : public ::testing::Test {
 public:
  void SetUp() override;
  void TearDown() override;

  // Builds the view (and the document), as the program starts.
  void Start(const std::string& commandLine = "");
  // Destroys the view as the program ends (save offer, then destructor).
  void Finish();
  // n ticks, one second apart.
  void Tick(int n = 1);
  // A left click at the middle of point (i, j) of the grid (Black nearest,
  // the small grid).
  void Click(int i, int j);
  // 対局開始 with the dialog's fields set by `edit`; `greeting` answers the
  // greeting when one comes.
  void NewGame(std::function<void(control::NewGameDialog&)> edit, bool greeting = true);
  const control::GameState& S() const { return view->State(); }
  std::string Path(const std::string& name) const { return dir / name; }

  TempDir dir{true};  // also the current directory
  FakeHost host;
  std::unique_ptr<CKazaoriDoc> doc;
  std::unique_ptr<control::CKazaoriView> view;
  ScriptedEngine* engine = nullptr;
  std::unique_ptr<ScriptedEngine> nextEngine;
  std::unique_ptr<link::GameLink> nextLink;  // null: no port at all
};

}  // namespace kz::test
