// The message-box texts of the game, exactly as the user sees them.
#pragma once

#include <string_view>

namespace kz::control::msg {

constexpr std::string_view kTimerError = "タイマー作成エラー";
constexpr std::string_view kBeyondRecord = "まだそこまで手は進んでません(^_^;)最終手順まで進めますね";
constexpr std::string_view kReplayAtEnd = "もう最後まで進んでます(^_^;)手を戻してね";
constexpr std::string_view kGameOver = "終局で～す！手入れしてから終局処理をして下さいね(^_^)";
constexpr std::string_view kThanks = "お疲れさまでした(^_^)これに懲りずにまたお願いしますね";
constexpr std::string_view kBlackPassed = "黒、パスしま～す(^_^;)";
constexpr std::string_view kWhitePassed = "白、パスしま～す(^_^;)";
constexpr std::string_view kBlackTimeUp = "黒番、時間切れで～す(^_^;)";
constexpr std::string_view kWhiteTimeUp = "白番、時間切れで～す(^_^;)";
constexpr std::string_view kSeriesDone = "連続対局、お疲れさまでした(~_^)";
constexpr std::string_view kSaveFailed = "指定された棋譜ファイルヘの保存に失敗しました";
constexpr std::string_view kSaveCheckFailed = "棋譜の保存に失敗しました";
constexpr std::string_view kFileNotFound = "指定された棋譜ファイルが見つかりません";
constexpr std::string_view kBothRemote = "両者とも「通信」の指定はできません";
constexpr std::string_view kModemCloseFailed = "モデムのクローズに失敗しました(+_+;)";
constexpr std::string_view kModemOpenError = "モデム・オープン・エラー";
constexpr std::string_view kModemDcbError = "モデムＤＣＢ設定エラー";
constexpr std::string_view kModemSetupError = "モデム設定エラー";
constexpr std::string_view kNoAnswer = "相手からの応答がありません";
// A remote move the board cannot take (occupied, off the board, suicide, ko).
constexpr std::string_view kRemoteMoveRefused = "通信相手の着手が反則です(+_+;) 対局を止めますね";
// The user stopped waiting for the GTP program's move.
constexpr std::string_view kRemoteWaitStopped = "通信相手の着手を待たずに対局を止めました";
constexpr std::string_view kJisBoardFailed = "指定されたファイルヘの出力に失敗しました";
// The record holds 570 moves; a game that reaches them stops here.
constexpr std::string_view kRecordFull = "棋譜がいっぱいです(^_^;)５７０手で対局を止めますね";
// A command that would change the game while the computer is thinking.
constexpr std::string_view kBusy = "風織が考え中です(^_^;)少し待ってね";

}  // namespace kz::control::msg
