// Options that several subcommands share, so that each reads and reports them the same way.
#ifndef TOOLS_VELK_ARGS_H_
#define TOOLS_VELK_ARGS_H_

#include <cstdint>
#include <string>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace velk_cli {

// The planning message to read: a required positional FILE that must exist.
CLI::Option* AddFileArgument(CLI::App* app, std::string* path);

// A date option written YYYY-MM-DD, stored as a day number; anything else is a usage error.
CLI::Option* AddDateOption(CLI::App* app, const std::string& name, uint32_t* day,
                           const std::string& description);

// A month option written YYYY-MM: its first and last day numbers.
CLI::Option* AddMonthOption(CLI::App* app, const std::string& name, uint32_t* first, uint32_t* last,
                            const std::string& description);

// What the reports read from their command lines.
struct ReportOptions {
  std::string path;
  uint32_t from = 0, to = 0;  // the days reported
  int32_t group = 0;          // 0: every employee
  int32_t planType = 0;
  bool csv = false;
};

// FILE, --group (required, or else a filter), --plan-type, and --csv for a table.
void AddReportOptions(CLI::App* app, ReportOptions* options, bool groupRequired, bool csv);

// The days reported as --from D --to D, both required; a range that runs backwards is a usage
// error.
void AddRangeOptions(CLI::App* app, ReportOptions* options);

}  // namespace velk_cli

#endif  // TOOLS_VELK_ARGS_H_
