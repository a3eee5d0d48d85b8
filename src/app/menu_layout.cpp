#include "app/menu_layout.h"

#include "control/commands.h"

namespace kz::app {

namespace {

using namespace control;

MenuNode Cmd(int id) { return {MenuNode::kCommand, id, {}, {}}; }
MenuNode Sep() { return {MenuNode::kSeparator, 0, {}, {}}; }
MenuNode Sub(std::string_view title, std::vector<MenuNode> children) {
  return {MenuNode::kSubmenu, 0, title, std::move(children)};
}
MenuNode Recent() { return {MenuNode::kRecentFiles, 0, {}, {}}; }

constexpr int kToolBar[] = {
    kCmdNewGame, 0,
    kCmdOpen, kCmdSave, 0,
    kCmdFirst, kCmdBack10, kCmdBack1, kCmdForward1, kCmdForward10, kCmdLast, 0,
    kCmdPass, kCmdPause, kCmdAutoReplay, kCmdEndOfGame, 0,
    kCmdAbout,
};

}  // namespace

const std::vector<MenuNode>& MenuBarLayout() {
  static const std::vector<MenuNode> layout = {
      Sub("ﾌｧｲﾙ(&F)", {Cmd(kCmdOpen), Cmd(kCmdSave), Sep(), Cmd(kCmdJisBoard), Sep(), Recent(),
                        Sep(), Cmd(kCmdExit)}),
      Cmd(kCmdNewGame),
      Cmd(kCmdPass),
      Sub("投了", {Cmd(kCmdResign), Cmd(kCmdRecommendResign)}),
      Cmd(kCmdPause),
      Cmd(kCmdEndOfGame),
      Sub("補助操作", {Cmd(kCmdGoToMove), Cmd(kCmdAutoReplay), Cmd(kCmdComment)}),
      Sub("表示",
          {Cmd(kCmdToolBar), Cmd(kCmdStatusBar), Sep(),
           Sub("碁盤の種類", {Cmd(kCmdStyleYellow), Cmd(kCmdStyleBrown), Cmd(kCmdStyleBrownLarge)}),
           Sub("碁盤の向き", {Cmd(kCmdBlackNear), Cmd(kCmdWhiteNear)}),
           Sub("表示文字サイズ", {Cmd(kCmdSystemFont), Cmd(kCmdFont12), Cmd(kCmdFont16)}), Sep(),
           Cmd(kCmdMoveNumbers), Cmd(kCmdDeadStones), Sep(),
           Sub("DEBUG", {Cmd(kCmdDebugStoneValues), Cmd(kCmdDebugEmptyValues),
                         Cmd(kCmdDebugLinkValues), Cmd(kCmdDebugTemperature),
                         Cmd(kCmdDebugBlackTemperature), Cmd(kCmdDebugWhiteTemperature)})}),
      Sub("ｵﾌﾟｼｮﾝ", {Sub("効果音", {Cmd(kCmdSoundOpening), Cmd(kCmdSoundMove),
                                    Cmd(kCmdSoundEnding), Cmd(kCmdSoundWarning)}),
                      Sep(), Cmd(kCmdMoveErrors), Cmd(kCmdSaveCheck), Cmd(kCmdStandardComment),
                      Cmd(kCmdCommentOnRead), Cmd(kCmdOutSgf), Sep(), Cmd(kCmdGtpProgram)}),
      Sub("ﾍﾙﾌﾟ", {Cmd(kCmdHelp), Cmd(kCmdAbout)}),
  };
  return layout;
}

std::span<const int> ToolBarLayout() { return kToolBar; }

}  // namespace kz::app
