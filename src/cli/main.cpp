// kazaori-cli: see cli_command.h.
#include <iostream>

#include "cli/cli_command.h"

int main(int argc, char** argv) {
  kz::cli::Args args(argv + 1, argv + argc);
  return kz::cli::RunCli(args, std::cout, std::cerr);
}
