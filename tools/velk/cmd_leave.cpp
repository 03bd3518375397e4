// velk leave FILE --year Y [--group ID] [--csv]: per employee and leave type with an
// entitlement, what the year grants, what was carried over, taken and what remains.
#include <CLI/CLI.hpp>
#include <memory>

#include "tools/velk/args.h"
#include "tools/velk/command.h"
#include "tools/velk/dates.h"
#include "tools/velk/input.h"
#include "tools/velk/report.h"
#include "tools/velk/text.h"

namespace velk_cli {

namespace {

int Run(const ReportOptions& o) {
  LoadedData data;
  velk_data::IGroup* group;
  if (int status = LoadReport(o, &data, &group)) return status;
  const uint32_t first = o.from, last = o.to;
  const int32_t year = YearOf(first);
  std::vector<velk_data::ILeaveType*> types;
  const velk_data::ILeaveTypes* leaveTypes = data->GetLeaveTypes();
  for (uint32_t i = 0; i < leaveTypes->GetCount(); ++i)
    if (leaveTypes->GetAt(i)->IsEntitled()) types.push_back(leaveTypes->GetAt(i));
  Table table({{"Id", true},
               {"Employee", false},
               {"Leave type", false},
               {"Entitled", true},
               {"Carried", true},
               {"Taken", true},
               {"Remaining", true},
               {"Unit", false}});
  for (const velk_data::IEmployee* employee : EmployeesOf(data.get(), group, first, last)) {
    for (velk_data::ILeaveType* type : types) {
      double entitled = 0, carried = 0;
      bool inDays = true;
      const double total = employee->GetLeaveEntitlement(type, year, &entitled, &carried, &inDays);
      const double taken = inDays ? employee->GetAbsenceDays(type, first, last, o.planType)
                                  : employee->GetAbsenceHours(type, first, last, o.planType);
      table.Add({std::to_string(employee->GetId()), FullName(employee), Utf8(type->GetName()),
                 Number(entitled), Number(carried), Number(taken), Number(total - taken),
                 inDays ? "days" : "hours"});
    }
  }
  table.Print(o.csv);
  return kExitOk;
}

}  // namespace

Command AddLeave(CLI::App& velk) {
  CLI::App* app = velk.add_subcommand(
      "leave", "Per employee and entitled leave type: entitlement, carried over, taken, left");
  app->footer("Amounts are in days or hours, as each employee's entitlement record says.");
  auto o = std::make_shared<ReportOptions>();
  AddReportOptions(app, o.get(), false, true);
  app->add_option_function<int>(
         "--year",
         [o](int year) {
           o->from = DayNumber(year, 1, 1);
           o->to = DayNumber(year, 12, 31);
         },
         "calendar year")
      ->required()
      ->check(CLI::Range(1, 9999));
  return {app, [o] { return Run(*o); }};
}

}  // namespace velk_cli
