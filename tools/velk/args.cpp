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

}  // namespace velk_cli
