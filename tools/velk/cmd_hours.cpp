// velk hours FILE --from D --to D [--group ID] [--csv]: per employee the hours to work, the
// hours worked and absent, their difference and the overtime balance of a range.
#include <CLI/CLI.hpp>
#include <memory>

#include "tools/velk/args.h"
#include "tools/velk/command.h"
#include "tools/velk/input.h"
#include "tools/velk/report.h"

namespace velk_cli {

namespace {

int Run(const ReportOptions& o) {
  LoadedData data;
  velk_data::IGroup* group;
  if (int status = LoadReport(o, &data, &group)) return status;
  Table table({{"Id", true},
               {"Employee", false},
               {"Target", true},
               {"Worked", true},
               {"Absent", true},
               {"Actual", true},
               {"Difference", true},
               {"Overtime", true}});
  double sums[6] = {};
  for (const velk_data::IEmployee* employee : EmployeesOf(data.get(), group, o.from, o.to)) {
    double worked = 0, absent = 0;
    const double actual = employee->GetActualHours(o.from, o.to, o.planType, &worked, &absent);
    const double target = employee->GetTargetHours(o.from, o.to);
    const double values[6] = {
        target, worked,          absent,
        actual, actual - target, employee->GetOvertimeBalance(o.from, o.to, o.planType)};
    std::vector<std::string> row = {std::to_string(employee->GetId()), FullName(employee)};
    for (int i = 0; i < 6; ++i) {
      row.push_back(Number(values[i]));
      sums[i] += values[i];
    }
    table.Add(std::move(row));
  }
  if (!o.csv) {
    std::vector<std::string> total = {"", "Total"};
    for (double sum : sums) total.push_back(Number(sum));
    table.Add(std::move(total));
  }
  table.Print(o.csv);
  return kExitOk;
}

}  // namespace

Command AddHours(CLI::App& velk) {
  CLI::App* app = velk.add_subcommand(
      "hours", "Per employee: target, worked, absent and actual hours, difference, overtime");
  app->footer(
      "Actual hours are the hours worked plus the hours of absences plus bookings to the "
      "actual-hours account; the difference is actual minus target.");
  auto o = std::make_shared<ReportOptions>();
  AddReportOptions(app, o.get(), false, true);
  AddRangeOptions(app, o.get());
  return {app, [o] { return Run(*o); }};
}

}  // namespace velk_cli
