// velk: the command-line host. It drives the library through the public header alone, as a
// host application would, to inspect, check and demonstrate a planning data set:
//
//   velk validate FILE [--sorted]   does it load; items per type and the load time
//   velk summary FILE               counts, the group tree and the employees
//   velk roster FILE --group ID --from D --to D      the group's employees by day
//   velk hours FILE --from D --to D [--group ID]     target, actual, difference, overtime
//   velk leave FILE --year Y [--group ID]            entitled, carried, taken, remaining
//   velk staffing FILE --group ID --from D --to D    required, planned and available
//   velk html FILE --group ID --month YYYY-MM        the month's roster as an HTML page
//
// FILE is UTF-8, or UTF-16 with or without a byte order mark. Dates are YYYY-MM-DD. A new
// subcommand is a cmd_*.cpp with its Add function declared in command.h and listed below.
// Exit status: 0 done, 1 the data did not load or answer, 2 the command line did not read.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <vector>

#include "tools/velk/command.h"

int main(int argc, char** argv) {
  using namespace velk_cli;
  CLI::App velk("velk: inspect, check and demonstrate a planning data set", "velk");
  velk.require_subcommand(1);
  velk.set_version_flag("--version", VELK_VERSION);
  velk.footer(
      "FILE is UTF-8, or UTF-16 with or without a byte order mark; dates are YYYY-MM-DD.\n"
      "Exit status: 0 done, 1 the data did not load or answer, 2 a usage error.");
  const std::vector<Command> commands = {AddValidate(velk), AddSummary(velk), AddRoster(velk),
                                         AddHours(velk),    AddLeave(velk),   AddStaffing(velk),
                                         AddHtml(velk)};
  try {
    velk.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) return velk.exit(e);
    // One line, naming the subcommand whose --help tells more.
    std::string help = "velk";
    for (const CLI::App* chosen : velk.get_subcommands()) help += " " + chosen->get_name();
    if (help == "velk" && argc > 1 && argv[1][0] != '-')
      std::fprintf(stderr, "velk: '%s' is not a subcommand (see velk --help)\n", argv[1]);
    else
      std::fprintf(stderr, "velk: %s (see %s --help)\n", e.what(), help.c_str());
    return kExitUsage;
  }
  for (const Command& command : commands)
    if (command.app->parsed()) return command.run();
  return kExitUsage;
}
