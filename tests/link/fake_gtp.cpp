// fake_gtp: a scripted GTP program for the tests of the GTP link.
//
//   --log FILE          appends every command line it reads
//   --name NAME         its answer to "name" (version "1.0")
//   --moves A1,pass,..  its genmove answers in turn; then the first free
//                       point from the top left, or pass on a full board
//   --exit-at-start     ends before reading anything
//   --exit-on WORD[:N]  ends (closing its output) at the N-th WORD command
//   --reject WORD       answers "? refused" to WORD
//   --garbage-on WORD   answers WORD with a line that is no GTP answer
//   --slow-ms MS        waits that long before each genmove answer
//   --echo              answers genmove with the point last played to it
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kLetters = "ABCDEFGHJKLMNOPQRST";

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> out;
  std::stringstream in(s);
  for (std::string part; std::getline(in, part, sep);) out.push_back(part);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::string log, name = "Fake", exitWord, rejectWord, garbageWord;
  int exitCount = 1, slowMs = 0;
  bool echo = false;
  std::string lastPlayed = "pass";
  std::vector<std::string> moves;
  for (int k = 1; k < argc; ++k) {
    const std::string a = argv[k];
    const std::string v = k + 1 < argc ? argv[k + 1] : "";
    if (a == "--exit-at-start") return 3;
    if (a == "--echo") echo = true;
    else if (a == "--log") log = v, ++k;
    else if (a == "--name") name = v, ++k;
    else if (a == "--moves") moves = Split(v, ','), ++k;
    else if (a == "--reject") rejectWord = v, ++k;
    else if (a == "--garbage-on") garbageWord = v, ++k;
    else if (a == "--slow-ms") slowMs = std::atoi(v.c_str()), ++k;
    else if (a == "--exit-on") {
      const auto parts = Split(v, ':');
      exitWord = parts[0];
      if (parts.size() > 1) exitCount = std::atoi(parts[1].c_str());
      ++k;
    }
  }
  int size = 19;
  std::size_t nextMove = 0;
  std::set<std::string> taken;
  int seen = 0;
  for (std::string line; std::getline(std::cin, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!log.empty()) std::ofstream(log, std::ios::app) << line << '\n';
    const std::vector<std::string> words = Split(line, ' ');
    if (words.empty() || words[0].empty()) continue;
    const std::string& cmd = words[0];
    if (cmd == exitWord && ++seen >= exitCount) return 4;
    if (cmd == rejectWord) {
      std::cout << "? refused\n\n" << std::flush;
      continue;
    }
    if (cmd == garbageWord) {
      std::cout << "thinking very hard about " << cmd << "\n\n" << std::flush;
      continue;
    }
    std::string answer;
    if (cmd == "name") answer = name;
    else if (cmd == "version") answer = "1.0";
    else if (cmd == "protocol_version") answer = "2";
    else if (cmd == "boardsize" && words.size() > 1) size = std::atoi(words[1].c_str());
    else if (cmd == "clear_board") taken.clear();
    else if (cmd == "play" && words.size() > 2) taken.insert(lastPlayed = words[2]);
    else if (cmd == "set_free_handicap") {
      for (std::size_t k = 1; k < words.size(); ++k) taken.insert(words[k]);
    } else if (cmd == "genmove") {
      if (slowMs > 0) usleep(static_cast<useconds_t>(slowMs) * 1000);
      if (echo) {
        answer = lastPlayed;
      } else if (nextMove < moves.size()) {
        answer = moves[nextMove++];
      } else {
        answer = "pass";
        for (int row = size; row >= 1 && answer == "pass"; --row) {
          for (int col = 0; col < size; ++col) {
            const std::string v = kLetters[col] + std::to_string(row);
            if (!taken.count(v)) {
              answer = v;
              break;
            }
          }
        }
      }
      taken.insert(answer);
    } else if (cmd == "quit") {
      std::cout << "=\n\n" << std::flush;
      return 0;
    }
    std::cout << "= " << answer << "\n\n" << std::flush;
  }
  return 0;
}
