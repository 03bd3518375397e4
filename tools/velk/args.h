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

}  // namespace velk_cli

#endif  // TOOLS_VELK_ARGS_H_
