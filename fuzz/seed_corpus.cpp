// Writes the seed corpora of the fuzz targets from what this program itself
// writes: kifu files of random legal games, kazaori.ini as the view saves
// it, and the line bytes one link receives while it starts a game and plays
// against another. Run from the source tree after changing a format:
//   build-fuzz/fuzz/kz_seed_corpus fuzz/corpus
// (the GTP seeds are command scripts, kept by hand).
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "display/settings.h"
#include "link/modem_link.h"
#include "memory_port.h"
#include "platform/shift_jis.h"
#include "records/kifu_format.h"
#include "support/random_game.h"

namespace kz {
namespace {

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

bool KifuSeeds(const std::string& dir) {
  bool ok = true;
  int n = 0;
  for (const test::RandomGameOptions& o :
       {test::RandomGameOptions{.size = 9, .moves = 60, .passPercent = 5, .seed = 9},
        test::RandomGameOptions{.size = 13, .handicap = 4, .moves = 90, .seed = 13},
        test::RandomGameOptions{.size = 19, .moves = 200, .seed = 19}}) {
    KifuRecord game = test::RandomGameRecord(o);
    game.blackPlayer = kComputerPlayer;
    game.rule = o.size == 9 ? 1 : 0;
    game.timeLimit = o.size == 19 ? 30 : 0;
    game.blackTime = 1234;
    game.whiteTime = 987;
    game.result = o.size == 13 ? kWhiteResigned : kNoResult;
    if (o.size != 9) {
      const std::string lines[] = {"STDCOM", platform::Utf8ToCp932("黒：風織　白：貴方"), "x"};
      const std::string_view views[] = {lines[0], lines[1], lines[2]};
      SetCommentLines(game, views, 3);
    }
    ok &= WriteFile(dir + "/game" + std::to_string(++n) + ".IG1", FormatKifu(game));
  }
  return ok;
}

bool IniSeeds(const std::string& dir) {
  bool ok = true;
  for (int variant = 0; variant < 2; ++variant) {
    const std::string path = dir + "/kazaori" + std::to_string(variant + 1) + ".ini";
    std::remove(path.c_str());
    platform::ProfileFile file(path);
    display::Settings s;
    if (variant == 1) {
      s.boardSize = 9;
      s.handicap = 3;
      s.rule = 1;
      s.boardStyle = 2;
      s.orientation = -1;
      s.fontSize = 16;
      s.showMoveNumbers = s.showDeadStones = s.confirmSaving = s.alsoWriteSgf = 1;
      s.showMoveErrors = 0;
      s.wav = {"/usr/share/kazaori/open.wav", "", "end.wav", platform::Utf8ToCp932("警告.wav")};
    }
    ok &= display::WriteSettings(file, s);
    if (variant == 1) {
      ok &= display::WriteRecentFiles(file, {"/home/a/game1.IG1", "b.IG1", "", ""});
    }
  }
  return ok;
}

// Two links joined by a line in memory; the bytes the second one receives,
// cut into the pieces of the link target's input.
using fuzz::MemoryPort;

std::string LinkGame(int size, int targetColour, int moves) {
  std::int64_t now = 1'000'000;
  auto clock = [&now] { return now; };
  auto peerPort = std::make_unique<MemoryPort>();
  auto targetPort = std::make_unique<MemoryPort>();
  MemoryPort& p = *peerPort;
  MemoryPort& t = *targetPort;
  link::CModemLink peer({}, std::move(peerPort), clock);
  link::CModemLink target({}, std::move(targetPort), clock);
  peer.OpenDevice("a");
  target.OpenDevice("b");
  const int peerColour = targetColour == link::kLinkBlack ? link::kLinkWhite : link::kLinkBlack;
  target.StartGame(size, 1, targetColour, 1);
  peer.StartGame(size, 1, peerColour, 1);

  const int sizeCode = size == 9 ? 0 : size == 13 ? 1 : 2;
  std::string input(1, static_cast<char>((targetColour == link::kLinkWhite ? 1 : 0) | sizeCode << 1));
  int played = 0;
  bool targetTurn = targetColour == link::kLinkBlack;
  for (int step = 0; step < 400 && played < moves; ++step) {
    now += 1'001;
    peer.Poll();
    t.incoming.insert(t.incoming.end(), p.sent.begin(), p.sent.end());
    std::vector<std::uint8_t> piece(p.sent.begin(), p.sent.end());
    p.sent.clear();
    // The target's input: the piece after a second of quiet (index 4).
    bool ownMove = targetTurn && target.State() == link::LinkState::kPlaying && target.Idle();
    std::size_t at = 0;
    do {
      const std::size_t n = std::min<std::size_t>(15, piece.size() - at);
      const bool last = at + n >= piece.size();
      input += static_cast<char>(n | (at == 0 ? 4 << 4 : 0) | (last && ownMove ? 0x80 : 0));
      input.append(piece.begin() + at, piece.begin() + at + n);
      at += n;
    } while (at < piece.size());
    target.Poll();
    if (ownMove) {
      const int x = 1 + (played * 7) % size, y = 1 + (played * 3) % size;
      input += static_cast<char>(x + y * (size + 1));
      target.Send(x, y);
      ++played;
      targetTurn = false;
    }
    if (target.PollRemoteMove() != link::kRemoteNone) targetTurn = true;
    p.incoming.insert(p.incoming.end(), t.sent.begin(), t.sent.end());
    t.sent.clear();
    if (!targetTurn && peer.State() == link::LinkState::kPlaying && peer.Idle() &&
        peer.PollRemoteMove() != link::kRemoteNone) {
      peer.Send(1 + (played * 5) % size, 1 + (played * 11) % size);
      ++played;
    }
  }
  return input;
}

bool LinkSeeds(const std::string& dir) {
  bool ok = WriteFile(dir + "/black9.bin", LinkGame(9, link::kLinkBlack, 6));
  ok &= WriteFile(dir + "/white19.bin", LinkGame(19, link::kLinkWhite, 6));
  return ok;
}

}  // namespace
}  // namespace kz

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kz_seed_corpus CORPUS-DIR\n");
    return 2;
  }
  const std::string root = argv[1];
  bool ok = kz::KifuSeeds(root + "/kifu_reader");
  ok &= kz::IniSeeds(root + "/ini_settings");
  ok &= kz::LinkSeeds(root + "/gmp_link");
  if (!ok) std::fprintf(stderr, "kz_seed_corpus: could not write every seed under %s\n", argv[1]);
  return ok ? 0 : 1;
}
