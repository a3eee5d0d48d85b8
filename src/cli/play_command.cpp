// kazaori-cli play: games without a human, run by the same view code as the
// window, on the command line's host. One line per move, the record saved
// at the end.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <thread>

#include "cli/cli_command.h"
#include "cli/cli_host.h"
#include "control/kazaori_view.h"
#include "control/messages.h"
#include "game/kazaori_doc.h"
#include "link/link_devices.h"
#include "link/modem_link.h"
#include "records/kifu_record.h"

namespace kz::cli {
namespace {

constexpr int kExitGameFailed = 3;

struct PlayOptions {
  GameConditions conditions;
  std::string out;
  std::string device;
  std::string gtp;      // the GTP program's command line
  int gtpSeconds = 0;   // its move limit; 0: the settings'
  int tickMs = -1;  // -1: the view's timer period
  bool noResign = false;
};

bool ParseInt(const std::string& text, int min, int max, int& value) {
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < min || v > max) return false;
  value = static_cast<int>(v);
  return true;
}

// "gtp" is the remote player on the GTP program's port.
bool ParsePlayer(const std::string& text, int& kind, int& port) {
  if (text == "computer") kind = control::kComputer;
  else if (text == "remote") kind = control::kRemote;
  else if (text == "gtp") kind = control::kRemote, port = link::kGtpPort;
  else return false;
  return true;
}

// False with a message on err for a bad command line.
bool ParseOptions(const Args& args, PlayOptions& o, std::ostream& err) {
  GameConditions& c = o.conditions;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    auto value = [&](std::string& v) {
      if (k + 1 >= args.size()) return false;
      v = args[++k];
      return true;
    };
    std::string v;
    bool ok = true;
    if (a == "--fast") c.fast = true;
    else if (a == "--no-resign") o.noResign = true;
    else if (a == "--black") ok = value(v) && ParsePlayer(v, c.black, c.port);
    else if (a == "--white") ok = value(v) && ParsePlayer(v, c.white, c.port);
    else if (a == "--gtp") ok = value(o.gtp) && !o.gtp.empty();
    else if (a == "--gtp-seconds") ok = value(v) && ParseInt(v, 1, 3600, o.gtpSeconds);
    else if (a == "--size") ok = value(v) && ParseInt(v, 9, 19, c.size) && (c.size == 9 || c.size == 13 || c.size == 19);
    else if (a == "--handicap") ok = value(v) && ParseInt(v, 0, 9, c.handicap);
    else if (a == "--rule") {
      ok = value(v) && (v == "japanese" || v == "keima");
      c.rule = v == "keima" ? 1 : 0;
    } else if (a == "--style") {
      ok = value(v) && (v == "solid" || v == "bold");
      c.style = v == "bold" ? 1 : 0;
    } else if (a == "--time") ok = value(v) && ParseInt(v, 0, 1440, c.timeLimit);
    else if (a == "--games") ok = value(v) && ParseInt(v, 1, 10000, c.games);
    else if (a == "--port") ok = value(v) && ParseInt(v, 1, 2, c.port);
    else if (a == "--tick-ms") ok = value(v) && ParseInt(v, 0, 60000, o.tickMs);
    else if (a == "--out") ok = value(o.out) && !o.out.empty();
    else if (a == "--device") ok = value(o.device) && !o.device.empty();
    else {
      err << "kazaori-cli play: unknown option '" << a << "'\n";
      return false;
    }
    if (!ok) {
      err << "kazaori-cli play: bad value for " << a << '\n';
      return false;
    }
  }
  if (o.out.empty()) {
    err << "kazaori-cli play: --out RECORD.IG1 is needed\n";
    return false;
  }
  if (c.black == control::kRemote && c.white == control::kRemote) {
    err << "kazaori-cli play: " << control::msg::kBothRemote << '\n';
    return false;
  }
  return true;
}

// "12 B D04", "13 W pass": the mover, then the record's column letter and
// the row counted from the top.
std::string MoveText(int k, int move, int handicap) {
  const int first = FirstMover(handicap);
  const int colour = k % 2 == 1 ? first : -first;
  std::string text = std::to_string(k) + (colour == 1 ? " B " : " W ");
  if (move < 0) return text + "pass";
  char buf[8];
  std::snprintf(buf, sizeof buf, "%c%02d", kColumnLetters[move / 100 % 19], move % 100 + 1);
  return text + buf;
}

// The path of game g of n: the --out path itself for a single game, else
// with "-g" before its extension.
std::string GamePath(const std::string& out, int g, int n) {
  if (n == 1) return out;
  const std::size_t dot = out.find_last_of('.');
  const std::size_t slash = out.find_last_of('/');
  const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  const std::string stem = hasExt ? out.substr(0, dot) : out;
  return stem + "-" + std::to_string(g) + (hasExt ? out.substr(dot) : "");
}

}  // namespace

int RunPlay(const Args& args, std::ostream& out, std::ostream& err) {
  PlayOptions o;
  if (!ParseOptions(args, o, err)) return UsageError("play", err);
  const GameConditions& c = o.conditions;
  const bool remote = c.black == control::kRemote || c.white == control::kRemote;
  // A series against the remote program is the view's own (colours change
  // hands, each game is saved as KAZmmddhhmm.IG1); between two computers the
  // games are started here one after another.
  const int rounds = remote ? 1 : c.games;

  CKazaoriDoc doc;
  CliHost host(out, c, !o.noResign);
  // The settings file is the window program's (KAZAORI_INI, else the XDG
  // path), so the user's options apply here too; --device stands in for
  // both ports without touching it.
  control::ViewParts parts;
  if (!o.device.empty())
    parts.link = std::make_unique<link::CModemLink>(link::LinkDevices{o.device, o.device});
  parts.gtpProgram = o.gtp;
  parts.gtpMoveSeconds = o.gtpSeconds;
  auto view = std::make_unique<control::CKazaoriView>(host, doc, std::move(parts));
  if (!view->OnCreate()) return kExitGameFailed;

  int status = kExitOk;
  for (int round = 1; round <= rounds && status == kExitOk; ++round) {
    // A port that cannot be opened leaves two users at the board: nobody
    // here to play them.
    if (!view->OnCommand(control::kCmdNewGame) || !view->State().running ||
        view->State().blackPlayer == control::kUser || view->State().whitePlayer == control::kUser) {
      host.PrintPendingMessages();
      err << "kazaori-cli play: the game did not start\n";
      status = kExitGameFailed;
      break;
    }
    out << "game " << round << ": " << c.size << " lines, black "
        << (view->State().blackPlayer == control::kRemote ? "remote" : "computer") << ", white "
        << (view->State().whitePlayer == control::kRemote ? "remote" : "computer") << '\n';
    int printed = 0;
    auto printMoves = [&] {
      for (; printed < view->State().play.movesPlayed; ++printed) {
        const int k = printed + 1;
        out << MoveText(k, doc.GetMove(k), view->State().play.handicap) << '\n';
      }
      host.PrintPendingMessages();
      out.flush();
    };
    while (view->State().running) {
      const int ms = o.tickMs >= 0 ? o.tickMs : host.TimerPeriodMs();
      if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
      view->OnTick();
      if (view->State().play.movesPlayed < printed) printed = view->State().play.movesPlayed;
      printMoves();
    }
    printMoves();

    std::string result = view->Score().resultText;
    if (result.empty() && view->State().play.consecutivePasses >= 2) {
      // Two passes: the computer marks the dead stones and the board counts.
      view->OnCommand(control::kCmdEndOfGame);
      result = view->Score().resultText;
      view->OnCommand(control::kCmdEndOfGame);
    }
    host.PrintPendingMessages();
    out << "result: " << (result.empty() ? "none" : result) << '\n';
    const std::string path = GamePath(o.out, round, rounds);
    if (!doc.WriteRecord(path, view->Options().alsoWriteSgf != 0)) {
      err << "kazaori-cli play: " << control::msg::kSaveFailed << ": " << path << '\n';
      status = kExitWriteFailed;
    } else {
      out << "saved: " << path << '\n';
    }
  }
  for (const std::string& m : host.Messages()) {
    if (m == control::msg::kNoAnswer || m == control::msg::kModemOpenError ||
        m == control::msg::kModemDcbError || m == control::msg::kModemSetupError ||
        m == control::msg::kTimerError || m == control::msg::kRemoteWaitStopped ||
        m.rfind("GTPプログラム", 0) == 0) {
      if (status == kExitOk) status = kExitGameFailed;
    }
  }
  view->OnDestroy();
  view.reset();
  return status;
}

}  // namespace kz::cli
