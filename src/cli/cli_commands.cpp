#include <ostream>

#include "cli/cli_command.h"

namespace kz::cli {
namespace {

constexpr Command kCommands[] = {
    {"show", "RECORD.IG1|RECORD.SGF",
     "print the record's conditions, clocks, result, comment and final position",
     RunShow},
    {"sgf", "RECORD.IG1 [OUT]",
     "write the SGF export (without OUT: the record's path with the extension SGF)",
     RunSgf},
    {"convert", "RECORD OUT.IG1|OUT.SGF",
     "read a kifu or SGF record and write it as a kifu file, or as SGF when OUT ends in .sgf",
     RunConvert},
    {"jis", "RECORD.IG1 OUT.TXT [--move N]",
     "write the JIS text board of the position after N moves (default: all)",
     RunJis},
    {"gtp",
     "[--style solid|bold] [--fast] [--rule japanese|keima] [--resign]"
     " [--player engine|random] [--seed N]",
     "serve the engine over GTP on standard input and output",
     RunGtp},
    {"match",
     "ENGINE_A ENGINE_B [--games N] [--size 9|13|19] [--komi K] [--handicap H]"
     " [--scorer ENGINE] [--sgf PREFIX] [--max-moves N] [--timeout SECONDS]",
     "play games between two GTP engine command lines, colours alternating;"
     " exit 3 when a game was cut short by an engine failure",
     RunMatch},
#ifdef KAZAORI_CLI_PLAY
    {"play",
     "--black computer|remote|gtp --white computer|remote|gtp --out RECORD.IG1"
     " [--size 19|13|9] [--handicap 0..9] [--rule japanese|keima] [--style solid|bold]"
     " [--time MINUTES] [--games N] [--port 1|2] [--device PATH] [--gtp \"COMMAND\"]"
     " [--gtp-seconds S] [--fast] [--tick-ms MS] [--no-resign]",
     "play games without a human through the game controller, one line per move;"
     " reads and writes the window program's settings file ($KAZAORI_INI, else"
     " $XDG_CONFIG_HOME/kazaori/kazaori.ini, else ~/.config/kazaori/kazaori.ini), so its"
     " options apply (an SGF copy beside each record, sounds); --device names the"
     " serial device for both ports; exit 3 when a game could not start or the link failed",
     RunPlay},
#endif
};

void PrintHelp(std::ostream& out) {
  out << "usage: kazaori-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
  for (const Command& c : kCommands)
    out << "  " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
  out << "\nexit status: 0 success, " << kExitNoRecord
      << " record not found, " << kExitWriteFailed << " output not written, "
      << kExitUsage << " bad command line\n";
}

}  // namespace

std::span<const Command> Commands() { return kCommands; }

int UsageError(std::string_view name, std::ostream& err) {
  for (const Command& c : kCommands)
    if (c.name == name) err << "usage: kazaori-cli " << c.name << ' ' << c.usage << '\n';
  return kExitUsage;
}

int RunCli(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    PrintHelp(err);
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(out);
    return kExitOk;
  }
  for (const Command& c : kCommands)
    if (c.name == args[0]) return c.run(Args(args.begin() + 1, args.end()), out, err);
  err << "kazaori-cli: unknown command '" << args[0] << "'\n";
  PrintHelp(err);
  return kExitUsage;
}

}  // namespace kz::cli

#include "game/kazaori_doc.h"

namespace kz::cli {

bool LoadRecord(const std::string& path, CKazaoriDoc& doc, std::ostream& err) {
  const bool read = doc.ReadRecord(path);
  // A refused SGF file says why; one read in part says where it stops.
  if (!doc.ReadNote().empty()) err << doc.ReadNote() << '\n';
  else if (!read) err << kNoRecordMessage << '\n';
  return read;
}

}  // namespace kz::cli
