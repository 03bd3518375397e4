// velk summary FILE: counts per master type, the group tree with its employee counts, and the
// employees: a first look at a data set (what make demo prints).
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "tools/velk/args.h"
#include "tools/velk/command.h"
#include "tools/velk/input.h"
#include "tools/velk/text.h"

namespace velk_cli {

namespace {

template <class Collection>
void PrintCount(const char* name, const Collection* collection) {
  if (collection) std::printf("  %-20s %u\n", name, collection->GetCount());
}

void PrintGroups(velk_data::IData* data) {
  velk_data::IGroups* groups = data->GetGroups();
  if (!groups || !groups->GetRootGroup()) return;
  std::printf("\nGroup tree:\n");
  velk_data::IGroupIterator* it = groups->GetRootGroup()->CreateIterator(nullptr);
  for (velk_data::IGroup* group = it->GetCurrent(); group; group = it->Next()) {
    std::printf("  %*s%s", static_cast<int>(2 * it->GetDepth()), "",
                Utf8(group->GetName()).c_str());
    const uint32_t members = group->CountAllEmployees();
    if (members) std::printf(" (%u employees)", members);
    std::printf("\n");
  }
  it->Release();
}

void PrintEmployees(velk_data::IData* data) {
  velk_data::IEmployees* employees = data->GetEmployees();
  if (!employees || employees->GetCount() == 0) return;
  std::printf("\nEmployees:\n");
  for (uint32_t i = 0; i < employees->GetCount(); ++i) {
    velk_data::IEmployee* employee = employees->GetAt(i);
    std::printf("  %4d  %s %s\n", employee->GetId(), Utf8(employee->GetFirstname()).c_str(),
                Utf8(employee->GetLastname()).c_str());
  }
}

int Run(const std::string& path) {
  LoadedData data;
  if (int status = data.Load(path)) return status;
  std::printf("Loaded %s\n", path.c_str());
  PrintCount("holidays", data->GetHolidays());
  PrintCount("workplaces", data->GetWorkplaces());
  PrintCount("surcharge types", data->GetSurchargeTypes());
  PrintCount("shift types", data->GetShiftTypes());
  PrintCount("leave types", data->GetLeaveTypes());
  PrintCount("working time models", data->GetWorkingTimeModels());
  PrintCount("shift cycles", data->GetShiftCycles());
  PrintCount("groups", data->GetGroups());
  PrintCount("employees", data->GetEmployees());
  PrintGroups(data.get());
  PrintEmployees(data.get());
  return kExitOk;
}

}  // namespace

Command AddSummary(CLI::App& velk) {
  CLI::App* app = velk.add_subcommand(
      "summary", "Print the counts per master type, the group tree and the employees");
  auto path = std::make_shared<std::string>();
  AddFileArgument(app, path.get());
  return {app, [path] { return Run(*path); }};
}

}  // namespace velk_cli
