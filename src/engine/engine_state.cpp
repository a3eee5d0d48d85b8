#include "engine/engine_state.h"

#include "engine/opening_book.h"
#include "engine/patterns/pattern_library.h"

namespace kz {

EngineState::EngineState() {
  // Owned objects first: the book, the two pattern libraries, then the
  // work boards.
  book_ = std::make_unique<OpeningBook>();
  patternsA_ = std::make_unique<PatternLibraryA>();
  patternsB_ = std::make_unique<PatternLibraryB>();
  for (auto& w : work_) w = std::make_unique<PlaneBoard>();
  blackPlayer_ = whitePlayer_ = 0;
  moveNumber_ = 0;
  cornerMoves_.fill(0);
  gamePhase_ = 0;
  lastMove_ = -1;
  stageFlags_.fill(0);
  area_.fill(0);
  deadSnapshot_.fill(0);
  reserved_.fill(-1);
}

EngineState::~EngineState() {
  // Deleted in the order they were built.
  book_.reset();
  patternsA_.reset();
  patternsB_.reset();
  for (auto& w : work_) w.reset();
}

}  // namespace kz
