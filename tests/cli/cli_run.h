// Runs kazaori-cli's command line in-process and keeps what it printed.
#pragma once

#include <sstream>
#include <string>

#include "cli/cli_command.h"

namespace kz::cli {

struct CliRun {
  int status;
  std::string out, err;
};

inline CliRun Cli(const Args& args) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace kz::cli
