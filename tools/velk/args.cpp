#include "tools/velk/args.h"

#include <CLI/CLI.hpp>

#include "tools/velk/dates.h"

namespace velk_cli {

CLI::Option* AddFileArgument(CLI::App* app, std::string* path) {
  return app->add_option("FILE", *path, "planning message, UTF-8 or UTF-16")
      ->required()
      ->check(CLI::ExistingFile);
}

CLI::Option* AddDateOption(CLI::App* app, const std::string& name, uint32_t* day,
                           const std::string& description) {
  const CLI::Validator isDate(
      [](std::string& text) {
        uint32_t ignored;
        return ParseDate(text, &ignored) ? std::string()
                                         : "'" + text + "' is not a date of the form YYYY-MM-DD";
      },
      "YYYY-MM-DD");
  return app
      ->add_option_function<std::string>(
          name, [day](const std::string& text) { ParseDate(text, day); }, description)
      ->check(isDate);
}

CLI::Option* AddMonthOption(CLI::App* app, const std::string& name, uint32_t* first, uint32_t* last,
                            const std::string& description) {
  const CLI::Validator isMonth(
      [](std::string& text) {
        uint32_t ignored;
        return ParseMonth(text, &ignored, &ignored)
                   ? std::string()
                   : "'" + text + "' is not a month of the form YYYY-MM";
      },
      "YYYY-MM");
  return app
      ->add_option_function<std::string>(
          name, [first, last](const std::string& text) { ParseMonth(text, first, last); },
          description)
      ->check(isMonth);
}

void AddReportOptions(CLI::App* app, ReportOptions* options, bool groupRequired, bool csv) {
  AddFileArgument(app, &options->path);
  if (groupRequired)
    app->add_option("--group", options->group, "group id")->required();
  else
    app->add_option("--group", options->group,
                    "only the employees of this group id and its subgroups");
  app->add_option("--plan-type", options->planType, "plan whose records count (default 0)");
  if (csv) app->add_flag("--csv", options->csv, "comma-separated values, not aligned columns");
}

void AddRangeOptions(CLI::App* app, ReportOptions* options) {
  AddDateOption(app, "--from", &options->from, "first day")->required();
  AddDateOption(app, "--to", &options->to, "last day")->required();
  app->callback([options] {
    if (options->from > options->to)
      throw CLI::ValidationError("--to", "the range ends before it starts");
  });
}

}  // namespace velk_cli
