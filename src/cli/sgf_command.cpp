// kazaori-cli sgf RECORD.IG1 [OUT]: the SGF export of a record.
#include <ostream>

#include "cli/cli_command.h"
#include "game/kazaori_doc.h"
#include "records/sgf_export.h"

namespace kz::cli {

int RunSgf(const Args& args, std::ostream&, std::ostream& err) {
  if (args.empty() || args.size() > 2) return UsageError("sgf", err);
  CKazaoriDoc doc;
  if (!LoadRecord(args[0], doc, err)) return kExitNoRecord;
  const auto target = args.size() == 2 ? std::optional(args[1]) : SgfPathFor(args[0]);
  if (!target || !doc.WriteSgf(*target)) {
    err << kWriteFailedMessage << '\n';
    return kExitWriteFailed;
  }
  return kExitOk;
}

}  // namespace kz::cli
