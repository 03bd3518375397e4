// velk roster FILE --group ID --from D --to D: the group's employees by day, as a planner reads
// a duty roster on a terminal: shift short names (cycle shifts included), leave type short
// names for absences, holidays marked under the day.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>

#include "tools/velk/args.h"
#include "tools/velk/command.h"
#include "tools/velk/dates.h"
#include "tools/velk/input.h"
#include "tools/velk/report.h"
#include "tools/velk/text.h"

namespace velk_cli {

namespace {

const char* const kWeekdays[7] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};

// The cell of one day: its marks joined by "/", "-" outside the group.
std::string Cell(const DaySchedule& schedule, uint32_t day) {
  if (!schedule.InGroup(day)) return "-";
  std::string cell;
  for (const velk_data::IScheduleItem* item : schedule.On(day))
    cell += (cell.empty() ? "" : "/") + Mark(item);
  return cell;
}

void PrintLine(const std::string& first, size_t firstWidth, const std::vector<std::string>& cells,
               const std::vector<size_t>& widths) {
  std::string line = Pad(first, firstWidth);
  for (size_t i = 0; i < cells.size(); ++i) line += " " + Pad(cells[i], widths[i]);
  line.erase(line.find_last_not_of(' ') + 1);
  std::printf("%s\n", line.c_str());
}

int Run(const ReportOptions& o) {
  LoadedData data;
  velk_data::IGroup* group;
  if (int status = LoadReport(o, &data, &group)) return status;
  const size_t days = o.to - o.from + 1;
  const std::vector<velk_data::IEmployee*> employees = EmployeesOf(data.get(), group, o.from, o.to);

  std::vector<std::string> names;
  std::vector<std::vector<std::string>> rows;
  std::vector<size_t> widths(days, 2);
  size_t nameWidth = 0;
  for (const velk_data::IEmployee* employee : employees) {
    const DaySchedule schedule(employee, group, o.from, o.to, o.planType);
    names.push_back(FullName(employee));
    nameWidth = std::max(nameWidth, DisplayWidth(names.back()));
    rows.emplace_back();
    for (uint32_t day = o.from; day <= o.to; ++day) {
      rows.back().push_back(Cell(schedule, day));
      widths[day - o.from] = std::max(widths[day - o.from], DisplayWidth(rows.back().back()));
    }
  }

  std::vector<std::string> weekdays, dates, marks;
  std::vector<velk_data::IHoliday*> holidays(data->GetHolidays()->CountInPeriod(o.from, o.to));
  data->GetHolidays()->GetInPeriod(holidays.data(), o.from, o.to);
  for (uint32_t day = o.from; day <= o.to; ++day) {
    weekdays.push_back(kWeekdays[Weekday(day)]);
    dates.push_back(FormatDate(day).substr(8));
    const velk_data::IHoliday* holiday = data->GetHolidays()->FindByDate(day);
    marks.push_back(!holiday ? "" : holiday->GetTimeOfDay() == 0 ? "H" : "h");
  }
  std::printf("%s, %s to %s\n\n", Utf8(group->GetName()).c_str(), FormatDate(o.from).c_str(),
              FormatDate(o.to).c_str());
  PrintLine("", nameWidth, weekdays, widths);
  PrintLine("", nameWidth, dates, widths);
  if (!holidays.empty()) PrintLine("", nameWidth, marks, widths);
  for (size_t i = 0; i < rows.size(); ++i) PrintLine(names[i], nameWidth, rows[i], widths);

  std::printf("\n");
  for (const velk_data::IHoliday* holiday : holidays)
    std::printf("%s  %s%s\n", FormatDate(holiday->GetDate()).c_str(),
                Utf8(holiday->GetName()).c_str(),
                holiday->GetTimeOfDay() == 0 ? "" : " (half day)");
  std::vector<velk_data::ISpecialPeriod*> periods(group->CountSpecialPeriodsUp(o.from, o.to));
  group->GetSpecialPeriodsUp(periods.data(), o.from, o.to);
  for (const velk_data::ISpecialPeriod* period : periods)
    std::printf("%s to %s  %s\n", FormatDate(period->GetStart()).c_str(),
                FormatDate(period->GetEnd()).c_str(), Utf8(period->GetName()).c_str());
  std::printf("H holiday, h half holiday, \u00BD absent part of the day, - not in the group\n");
  return kExitOk;
}

}  // namespace

Command AddRoster(CLI::App& velk) {
  CLI::App* app = velk.add_subcommand(
      "roster", "The duty roster of a group: its employees by day, shifts and absences");
  app->footer(
      "A cell shows the short names of the day's shifts (fixed, modified, custom and shift "
      "cycle shifts) and absences (leave types), joined by '/'.");
  auto o = std::make_shared<ReportOptions>();
  AddReportOptions(app, o.get(), true, false);
  AddRangeOptions(app, o.get());
  return {app, [o] { return Run(*o); }};
}

}  // namespace velk_cli
