// kazaori-cli convert RECORD OUT: a kifu or SGF record written as a kifu
// file, or as SGF when OUT's extension is "sgf" (any case).
#include <ostream>

#include "cli/cli_command.h"
#include "game/kazaori_doc.h"

namespace kz::cli {
namespace {

bool EndsWithSgf(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ext = path.substr(path.size() - 4);
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return ext == ".sgf";
}

}  // namespace

int RunConvert(const Args& args, std::ostream&, std::ostream& err) {
  if (args.size() != 2) return UsageError("convert", err);
  CKazaoriDoc doc;
  if (!LoadRecord(args[0], doc, err)) return kExitNoRecord;
  const bool written = EndsWithSgf(args[1]) ? doc.WriteSgf(args[1]) : doc.WriteRecord(args[1], false);
  if (!written) {
    err << kWriteFailedMessage << '\n';
    return kExitWriteFailed;
  }
  return kExitOk;
}

}  // namespace kz::cli
