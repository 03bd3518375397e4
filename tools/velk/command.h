// The subcommands of velk. Each lives in its own cmd_*.cpp: it adds itself to the
// application with its options and hands back the action main runs when it was chosen.
#ifndef TOOLS_VELK_COMMAND_H_
#define TOOLS_VELK_COMMAND_H_

#include <functional>

namespace CLI {
class App;
}

namespace velk_cli {

// Exit status: 1 for data that does not load or answer, 2 for a command line that does not read.
enum ExitCode : int { kExitOk = 0, kExitData = 1, kExitUsage = 2 };

struct Command {
  CLI::App* app;             // the subcommand, to tell whether it was chosen
  std::function<int()> run;  // returns the exit status
};

Command AddValidate(CLI::App& velk);
Command AddSummary(CLI::App& velk);
Command AddRoster(CLI::App& velk);
Command AddHours(CLI::App& velk);
Command AddLeave(CLI::App& velk);
Command AddStaffing(CLI::App& velk);
Command AddHtml(CLI::App& velk);

}  // namespace velk_cli

#endif  // TOOLS_VELK_COMMAND_H_
