// The game's view in the window: CKazaoriView with its document on the Qt
// host. Painting goes through the view's paint, clicks and commands to the
// view, timer 1 to its tick.
#pragma once

#include <QString>
#include <memory>

#include "app/qt_host.h"
#include "app/view_port.h"
#include "control/kazaori_view.h"
#include "game/kazaori_doc.h"

namespace kz::app {

class GameViewPort final : public ViewPort {
 public:
  // Creates the document and the view (settings read, opening sound), then
  // the view's window: timer 1 and an empty record. `commandLine` may name a
  // record to open at the first tick.
  GameViewPort(QtHost& host, const std::string& commandLine);
  ~GameViewPort() override;
  // False when the view's window could not be made (its timer failed).
  bool Created() const { return created_; }

  void Paint(platform::Canvas& canvas) override;
  void LeftClick(int x, int y) override;
  void RightClick(int x, int y) override;
  void OnTimer(int id) override;
  void OnCommand(int id) override;
  control::CommandUi QueryCommand(int id) const override;
  display::ViewExtent Extent() const override;
  int BoardLines() const override;
  bool TakeSizeChanged() override;
  std::array<std::string, 4> RecentFiles() const override;
  std::string DocumentName() const override;
  bool Paused() const override;
  bool CanClose() const override;
  void OpenPath(const std::string& path) override;
  void Shutdown() override;

  control::CKazaoriView* View() { return view_.get(); }
  void RequestFullRedraw() override { fullRedraw_ = true; }

 private:
  QtHost& host_;
  std::unique_ptr<CKazaoriDoc> doc_;
  std::unique_ptr<control::CKazaoriView> view_;
  bool created_ = false;
  bool fullRedraw_ = true;
};

class CMainFrame;

// Once the start-up record is on the board (or 15 s have passed), saves the
// board's picture as the PNG file `path` and ends the program: exit status
// 0, 2 when the file could not be written, 3 when the record was not shown
// in time. For screenshots and for checking an installed program.
void SnapshotWhenShown(CMainFrame& frame, GameViewPort& view, const QString& path);

}  // namespace kz::app
