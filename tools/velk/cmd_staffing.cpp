// velk staffing FILE --group ID --from D --to D: per day and shift type with a requirement, the
// required minimum and maximum, the members planned and the members available; days under the
// minimum or over the maximum flagged.
#include <CLI/CLI.hpp>
#include <memory>

#include "tools/velk/args.h"
#include "tools/velk/command.h"
#include "tools/velk/dates.h"
#include "tools/velk/input.h"
#include "tools/velk/report.h"
#include "tools/velk/staffing.h"
#include "tools/velk/text.h"

namespace velk_cli {

namespace {

const char* const kWeekdays[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

int Run(const ReportOptions& o) {
  LoadedData data;
  velk_data::IGroup* group;
  if (int status = LoadReport(o, &data, &group)) return status;
  const Staffing staffing = ComputeStaffing(data.get(), group, o.from, o.to, o.planType);
  if (!o.csv)
    std::printf("%s: staffing %s to %s\n", Utf8(group->GetName()).c_str(),
                FormatDate(o.from).c_str(), FormatDate(o.to).c_str());
  Table table({{"Date", false},
               {"Day", false},
               {"Shift", false},
               {"Min", true},
               {"Max", true},
               {"Planned", true},
               {"Available", true},
               {"Flag", false}});
  for (uint32_t day = o.from; day <= o.to; ++day) {
    const size_t i = day - o.from;
    const bool holiday = data->IsHoliday(day);
    for (const ShiftStaffing& shift : staffing.shifts) {
      table.Add({FormatDate(day), std::string(kWeekdays[Weekday(day)]) + (holiday ? " hol" : ""),
                 Utf8(shift.type->GetShortName()), std::to_string(shift.minimum[i]),
                 shift.maximum[i] < 0 ? "-" : std::to_string(shift.maximum[i]),
                 std::to_string(shift.planned[i]), std::to_string(staffing.available[i]),
                 shift.Under(i)  ? "UNDER"
                 : shift.Over(i) ? "OVER"
                                 : ""});
    }
  }
  table.Print(o.csv);
  return kExitOk;
}

}  // namespace

Command AddStaffing(CLI::App& velk) {
  CLI::App* app = velk.add_subcommand(
      "staffing", "Per day and shift type: required, planned and available staff of a group");
  app->footer(
      "Shift types without a requirement in the range are left out. Available counts the "
      "members who work by their model that day and are not absent. UNDER: fewer planned than "
      "the minimum; OVER: more than the maximum.");
  auto o = std::make_shared<ReportOptions>();
  AddReportOptions(app, o.get(), true, true);
  AddRangeOptions(app, o.get());
  return {app, [o] { return Run(*o); }};
}

}  // namespace velk_cli
