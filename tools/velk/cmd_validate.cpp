// velk validate FILE [--sorted]: does the message load, what does it hold, how long did it take.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "tools/velk/args.h"
#include "tools/velk/command.h"
#include "tools/velk/input.h"

namespace velk_cli {

namespace {

using namespace velk_data;

uint32_t Count(uint32_t count) { return count; }
template <class Collection>
uint32_t Count(const Collection* collection) {
  return collection ? collection->GetCount() : 0;
}

// The items of every owner's record collection, summed; get is a getter of the owner or a
// function of it giving a collection or a count.
template <class Owners, class Get>
uint32_t SumOver(const Owners* owners, Get get) {
  uint32_t sum = 0;
  for (uint32_t i = 0; owners && i < owners->GetCount(); ++i)
    sum += Count(std::invoke(get, owners->GetAt(i)));
  return sum;
}

struct TypeCount {
  const char* key;
  uint32_t count;
};

// Items per data-type key, in the order of the message's type codes, as a host sees them
// through the collections (records through their employee, group, cycle or assignment).
std::vector<TypeCount> CountItems(IData* data) {
  const IEmployees* employees = data->GetEmployees();
  const IGroups* groups = data->GetGroups();
  return {
      {"user_specification", Count(data->GetUserSpecifications())},
      {"user_setting", Count(data->GetUserSettings())},
      {"leave_type", Count(data->GetLeaveTypes())},
      {"shift_type", Count(data->GetShiftTypes())},
      {"shift_cycle", Count(data->GetShiftCycles())},
      {"workplace", Count(data->GetWorkplaces())},
      {"surcharge_type", Count(data->GetSurchargeTypes())},
      {"holiday", Count(data->GetHolidays())},
      {"group", Count(groups)},
      {"employee", Count(employees)},
      {"working_time_model", Count(data->GetWorkingTimeModels())},
      {"group_access", Count(data->GetGroupAccesses())},
      {"employee_access", Count(data->GetEmployeeAccesses())},
      {"special_period", SumOver(groups, &IGroup::GetSpecialPeriods)},
      {"shift_requirement", SumOver(groups, &IGroup::GetShiftRequirements)},
      {"special_shift_requirement", SumOver(groups, &IGroup::GetSpecialShiftRequirements)},
      {"special_weekday_requirement", SumOver(groups, &IGroup::GetSpecialWeekdayRequirements)},
      {"leave_ban", SumOver(groups, &IGroup::GetLeaveBans)},
      {"membership", SumOver(employees, &IEmployee::GetMemberships)},
      {"absence", SumOver(employees, &IEmployee::GetAbsences)},
      {"fixed_shift", SumOver(employees, &IEmployee::GetFixedShifts)},
      {"modified_shift", SumOver(employees, &IEmployee::GetModifiedShifts)},
      {"custom_shift", SumOver(employees, &IEmployee::GetCustomShifts)},
      {"note", SumOver(employees, &IEmployee::GetNotes)},
      {"booking", SumOver(employees, &IEmployee::GetBookings)},
      {"overtime", SumOver(employees, &IEmployee::GetOvertimes)},
      {"shift_cycle_assignment", SumOver(employees, &IEmployee::GetShiftCycleAssignments)},
      {"leave_entitlement", SumOver(employees, &IEmployee::GetLeaveEntitlements)},
      {"shift_type_restriction", SumOver(employees, &IEmployee::GetShiftTypeRestrictions)},
      {"employment_period", SumOver(employees, &IEmployee::GetEmploymentPeriods)},
      {"individual_working_time", SumOver(employees, &IEmployee::GetIndividualWorkingTimes)},
      {"shift_cycle_element", SumOver(data->GetShiftCycles(), &IShiftCycle::GetElements)},
      {"shift_cycle_exception", SumOver(employees,
                                        [](const IEmployee* employee) {
                                          return SumOver(employee->GetShiftCycleAssignments(),
                                                         &IShiftCycleAssignment::GetExceptions);
                                        })},
  };
}

struct Options {
  std::string path;
  bool sorted = false;
};

int Run(const Options& options) {
  LoadedData data;
  LoadOptions load;
  load.inOrder = !options.sorted;
  load.progress = true;
  if (int status = data.Load(options.path, load)) return status;
  const std::vector<TypeCount> counts = CountItems(data.get());
  uint32_t total = 0;
  for (const TypeCount& type : counts) total += type.count;
  std::printf("%s: %u items loaded in %.1f ms (%s)\n", options.path.c_str(), total,
              data.LoadMilliseconds(), options.sorted ? "sorted by type" : "in text order");
  for (const TypeCount& type : counts)
    if (type.count) std::printf("  %-28s %9u\n", type.key, type.count);
  return kExitOk;
}

}  // namespace

Command AddValidate(CLI::App& velk) {
  CLI::App* app = velk.add_subcommand(
      "validate", "Check that a planning message loads: items per type and the load time");
  app->footer(
      "A message that does not load gives the library's error code and text (a parser error "
      "with its line and column) on stderr, and exit status 1.");
  auto options = std::make_shared<Options>();
  AddFileArgument(app, &options->path);
  app->add_flag("--sorted", options->sorted,
                "load the items sorted by type rather than in the order of the text");
  return {app, [options] { return Run(*options); }};
}

}  // namespace velk_cli
