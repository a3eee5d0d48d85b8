#include "control/commands.h"

namespace kz::control {
namespace {

constexpr CommandInfo kCommands[] = {
    {kCmdOpen, "棋譜の読み込み", "棋譜ファイルを読み込む"},
    {kCmdSave, "棋譜の保存", "棋譜を保存する"},
    {kCmdJisBoard, "ＪＩＳ碁盤を出力", "ＪＩＳ定義文字での碁盤テキストファイルを出力する"},
    {kCmdRecent1, "最新のファイル 1", "この文書を開く"},
    {kCmdRecent2, "最新のファイル 2", "この文書を開く"},
    {kCmdRecent3, "最新のファイル 3", "この文書を開く"},
    {kCmdRecent4, "最新のファイル 4", "この文書を開く"},
    {kCmdExit, "終了", "「対局囲碁 風織」を終了する"},
    {kCmdNewGame, "対局開始", "新規の対局を開始する"},
    {kCmdPass, "パス", "一手パスする"},
    {kCmdResign, "投了", "投了する"},
    {kCmdRecommendResign, "投了勧告", "「風織」に投了を勧める"},
    {kCmdPause, "対局中断", "対局を停止／再開する"},
    {kCmdEndOfGame, "終局処理", "終局処理を開始／終了する"},
    {kCmdGoToMove, "N手目に移る", "Ｎ手目まで手順が進んだ盤面に移す"},
    {kCmdAutoReplay, "自動鑑賞", "自動的に棋譜を鑑賞する"},
    {kCmdComment, "コメント表示", "コメントを表示する"},
    {kCmdFirst, "第１手に戻す", "第１手に戻す"},
    {kCmdBack10, "着手を１０手前に戻す", "着手を１０手前に戻す"},
    {kCmdBack1, "着手を１手前に戻す", "着手を１手前に戻す"},
    {kCmdForward1, "着手を１手進める", "着手を１手進める"},
    {kCmdForward10, "着手を１０手進める", "着手を１０手進める"},
    {kCmdLast, "最終手に進める", "最終手に進める"},
    {kCmdToolBar, "ﾂｰﾙ ﾊﾞｰ表示", "ﾂｰﾙ ﾊﾞｰの表示/非表示を切り替える"},
    {kCmdStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ表示", "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示を切り替える"},
    {kCmdStyleYellow, "黄色", "碁盤・黄色（小）を表示する"},
    {kCmdStyleBrown, "薄茶", "碁盤・薄茶色（小）を表示する"},
    {kCmdStyleBrownLarge, "薄茶（大）", "碁盤・薄茶色（大）を表示する"},
    {kCmdBlackNear, "黒番手前", "黒番側から見た碁盤を表示する"},
    {kCmdWhiteNear, "白番手前", "白番側から見た碁盤を表示する"},
    {kCmdSystemFont, "ｼｽﾃﾑ･ﾌｫﾝﾄ", "表示文字をシステム・フォントとする"},
    {kCmdFont12, "任意(12ﾄﾞｯﾄ)", "表示文字を任意の１２ドット文字とする"},
    {kCmdFont16, "任意(16ﾄﾞｯﾄ)", "表示文字を任意の１６ドット文字とする"},
    {kCmdMoveNumbers, "手順番号表示", "手順番号を表示する"},
    {kCmdDeadStones, "死に石の表示", "死に石を表示する"},
    {kCmdDebugStoneValues, "石の値", ""},
    {kCmdDebugEmptyValues, "空点の値", ""},
    {kCmdDebugLinkValues, "連続点の値", ""},
    {kCmdDebugTemperature, "盤面の温度", ""},
    {kCmdDebugBlackTemperature, "黒からの温度", ""},
    {kCmdDebugWhiteTemperature, "白からの温度", ""},
    {kCmdSoundOpening, "ｵｰﾌﾟﾆﾝｸﾞ", "起動時の効果音を指定する"},
    {kCmdSoundMove, "着手音", "着手時の効果音を指定する"},
    {kCmdSoundEnding, "ｴﾝﾃﾞｨﾝｸﾞ", "終了時の効果音を指定する"},
    {kCmdSoundWarning, "警告音", "エラー時の効果音を指定する"},
    {kCmdMoveErrors, "着手エラー表示", "着手エラー持にメッセージを表示する"},
    {kCmdSaveCheck, "棋譜の保存確認", "終局時に棋譜の保存確認をする"},
    {kCmdStandardComment, "標準コメント", "標準型のコメント・ダイアログを使用する"},
    {kCmdCommentOnRead, "棋譜コメント表示", "棋譜の読み込み時にコメントを表示する"},
    {kCmdOutSgf, "SGF棋譜出力", "ＳＧＦ形式の棋譜を出力する"},
    {kCmdGtpProgram, "GTPプログラム...", "通信相手とするGTPプログラムを指定する"},
    {kCmdHelp, "遊び方（目次）", "使用方法の説明をする"},
    {kCmdAbout, "バージョン情報", "ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝ､版権の表示をする"},
};

CommandUi Enabled(bool on) { return {on, false}; }
CommandUi Ticked(bool on) { return {true, on}; }

// 棋譜の読み込み, 棋譜の保存 and the JIS board.
bool FileCommandEnabled(const CommandContext& c) {
  return !c.endOfGame && c.busy == 0 && !(c.autoReplay != 0 && !c.paused) &&
         !(c.running && !c.paused);
}

// 投了: also refused while the computer thinks, so that no resignation is
// recorded under the engine's feet.
bool ResignEnabled(const CommandContext& c) {
  return !c.endOfGame && c.autoReplay == 0 && !c.remotePlayer && !(c.running && c.paused) &&
         c.busy == 0;
}

// N手目に移る, 自動鑑賞, コメント表示.
bool RecordToolEnabled(const CommandContext& c) {
  return c.busy == 0 && c.autoReplay == 0 && !c.remotePlayer && !c.endOfGame && !c.running;
}

// Navigation buttons other than back 1.
bool NavigationEnabled(const CommandContext& c) {
  return !c.running && !c.paused && c.autoReplay == 0 && c.sideToMovePlayer == 0 &&
         c.movesPlayed > 0 && !c.endOfGame && c.busy == 0;
}

}  // namespace

std::span<const CommandInfo> AllCommands() { return kCommands; }

const CommandInfo* FindCommand(int id) {
  for (const CommandInfo& info : kCommands) {
    if (info.id == id) return &info;
  }
  return nullptr;
}

CommandUi QueryCommand(int id, const CommandContext& c) {
  switch (id) {
    case kCmdOpen:
    case kCmdSave:
    case kCmdJisBoard:
      return Enabled(FileCommandEnabled(c));
    case kCmdRecent1:
    case kCmdRecent2:
    case kCmdRecent3:
    case kCmdRecent4:
    case kCmdHelp:
    case kCmdAbout:
    case kCmdExit:
      return Enabled(true);
    case kCmdNewGame:
      return Enabled(!c.endOfGame && c.busy == 0 && !(c.autoReplay != 0 && !c.paused) &&
                     !(c.remotePlayer && !c.paused) &&
                     (!c.running || c.paused || c.sideToMovePlayer != 1));
    case kCmdPass:
      return Enabled(!c.endOfGame && c.busy == 0 && c.autoReplay == 0 && !c.remotePlayer &&
                     c.sideToMovePlayer == 0 && !(c.running && c.paused));
    case kCmdResign:
      return Enabled(ResignEnabled(c));
    case kCmdRecommendResign:
      return Enabled(ResignEnabled(c) && !c.linkInUse);
    case kCmdGtpProgram:
      return Enabled(!c.linkInUse && c.busy == 0);
    case kCmdPause:
      return Enabled(c.autoReplay != 0 || c.remotePlayer || c.running);
    case kCmdEndOfGame:
      return {c.busy == 0 && !c.remotePlayer && c.autoReplay == 0 && !c.running, c.endOfGame};
    case kCmdGoToMove:
    case kCmdAutoReplay:
    case kCmdComment:
      return Enabled(RecordToolEnabled(c));
    case kCmdFirst:
    case kCmdBack10:
    case kCmdForward1:
    case kCmdForward10:
    case kCmdLast:
      return Enabled(NavigationEnabled(c));
    case kCmdBack1:
      // Not with a remote player either: the peer would not take the move back.
      return Enabled(c.busy == 0 && !c.paused && c.autoReplay == 0 && c.sideToMovePlayer == 0 &&
                     c.movesPlayed > 0 && !c.endOfGame && !c.remotePlayer);
    case kCmdStyleYellow: return Ticked(c.boardStyle == 0);
    case kCmdStyleBrown: return Ticked(c.boardStyle == 1);
    case kCmdStyleBrownLarge: return Ticked(c.boardStyle == 2);
    case kCmdBlackNear: return Ticked(c.orientation == 1);
    case kCmdWhiteNear: return Ticked(c.orientation == -1);
    case kCmdSystemFont: return Ticked(!c.customFont);
    case kCmdFont12: return Ticked(c.customFont && c.fontSize == 12);
    case kCmdFont16: return Ticked(c.customFont && c.fontSize == 16);
    case kCmdMoveNumbers: return Ticked(c.showMoveNumbers);
    case kCmdDeadStones: return Ticked(c.showDeadStones);
    case kCmdMoveErrors: return Ticked(c.showMoveErrors);
    case kCmdSaveCheck: return Ticked(c.confirmSaving);
    case kCmdStandardComment: return Ticked(c.standardComment);
    case kCmdCommentOnRead: return Ticked(c.showCommentOnRead);
    case kCmdOutSgf: return Ticked(c.alsoWriteSgf);
    case kCmdSoundOpening:
    case kCmdSoundMove:
    case kCmdSoundEnding:
    case kCmdSoundWarning:
      return Ticked(c.soundSet[id - kCmdSoundOpening]);
    case kCmdDebugStoneValues:
    case kCmdDebugEmptyValues:
    case kCmdDebugLinkValues:
    case kCmdDebugTemperature:
    case kCmdDebugBlackTemperature:
    case kCmdDebugWhiteTemperature:
      return {c.debugMode, c.debugDisplays[id - kCmdDebugStoneValues]};
    case kCmdToolBar: return Ticked(c.toolBarShown);
    case kCmdStatusBar: return Ticked(c.statusBarShown);
    default:
      return {};
  }
}

}  // namespace kz::control
