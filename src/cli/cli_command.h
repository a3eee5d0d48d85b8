// kazaori-cli: the headless front end. Each command lives in its own file
// and is listed once in the command table (cli_commands.cpp); the dispatcher
// finds it by its first argument.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kz::cli {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitNoRecord = 1;     // the record cannot be opened
constexpr int kExitWriteFailed = 2;  // the output cannot be written
constexpr int kExitUsage = 64;       // unknown command or bad arguments

inline constexpr std::string_view kNoRecordMessage = "指定された棋譜ファイルが見つかりません";
inline constexpr std::string_view kWriteFailedMessage = "指定されたファイルヘの出力に失敗しました";

using Args = std::vector<std::string>;

struct Command {
  std::string_view name;
  std::string_view usage;    // the arguments after the name
  std::string_view summary;  // one line for --help
  int (*run)(const Args& args, std::ostream& out, std::ostream& err);
};

// Every command, in the order --help lists them.
std::span<const Command> Commands();

// Runs the command line (without the program name).
int RunCli(const Args& args, std::ostream& out, std::ostream& err);

// The commands.
int RunShow(const Args& args, std::ostream& out, std::ostream& err);
int RunSgf(const Args& args, std::ostream& out, std::ostream& err);
int RunConvert(const Args& args, std::ostream& out, std::ostream& err);
int RunJis(const Args& args, std::ostream& out, std::ostream& err);
int RunPlay(const Args& args, std::ostream& out, std::ostream& err);
int RunGtp(const Args& args, std::ostream& out, std::ostream& err);
int RunMatch(const Args& args, std::ostream& out, std::ostream& err);

// Prints the usage line of `name` to err; returns kExitUsage.
int UsageError(std::string_view name, std::ostream& err);

}  // namespace kz::cli

namespace kz {
class CKazaoriDoc;
}

namespace kz::cli {

// Reads the record at `path` into `doc`; on failure prints the message to
// err and returns false.
bool LoadRecord(const std::string& path, CKazaoriDoc& doc, std::ostream& err);

}  // namespace kz::cli
