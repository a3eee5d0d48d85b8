// kazaori-cli gtp: the engine over GTP on standard input and output.
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>

#include "cli/cli_command.h"
#include "gtp/engine_player.h"
#include "gtp/gtp_session.h"

namespace kz::cli {

int RunGtp(const Args& args, std::ostream& out, std::ostream& err) {
  gtp::SessionOptions options;
  std::string player = "engine";
  int style = 0;
  bool faster = false;
  unsigned seed = static_cast<unsigned>(std::time(nullptr));
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    auto value = [&]() -> const std::string* {
      return k + 1 < args.size() ? &args[++k] : nullptr;
    };
    if (a == "--rule") {
      const std::string* v = value();
      if (!v || (*v != "japanese" && *v != "keima")) return UsageError("gtp", err);
      options.rule = *v == "keima" ? kKeimaRule : kJapaneseRule;
    } else if (a == "--resign") {
      options.resign = true;
    } else if (a == "--style") {
      const std::string* v = value();
      if (!v || (*v != "solid" && *v != "bold")) return UsageError("gtp", err);
      style = *v == "bold" ? 1 : 0;
    } else if (a == "--fast") {
      faster = true;
    } else if (a == "--player") {
      const std::string* v = value();
      if (!v || (*v != "random" && *v != "engine")) return UsageError("gtp", err);
      player = *v;
    } else if (a == "--seed") {
      const std::string* v = value();
      if (!v) return UsageError("gtp", err);
      seed = static_cast<unsigned>(std::strtoul(v->c_str(), nullptr, 10));
    } else {
      return UsageError("gtp", err);
    }
  }
  gtp::RandomPlayer random(seed);
  gtp::EnginePlayer engine(style, faster);
  gtp::GtpPlayer& chosen = player == "random" ? static_cast<gtp::GtpPlayer&>(random)
                                              : static_cast<gtp::GtpPlayer&>(engine);
  gtp::GtpSession session(chosen, options);
  gtp::RunGtp(session, std::cin, out);
  return kExitOk;
}

}  // namespace kz::cli
