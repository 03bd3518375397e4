// velk html FILE --group ID --month YYYY-MM -o roster.html: the month's roster of a group as one
// self-contained page in the data's own colours, holidays and special periods shaded, and the
// staffing per shift type at its foot with the days under the minimum highlighted.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "tools/velk/args.h"
#include "tools/velk/command.h"
#include "tools/velk/dates.h"
#include "tools/velk/input.h"
#include "tools/velk/report.h"
#include "tools/velk/staffing.h"
#include "tools/velk/text.h"

namespace velk_cli {

namespace {

using namespace velk_data;

struct Options : ReportOptions {
  std::string output = "-";
};

const char* const kWeekdays[7] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};

const char kStyle[] = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; margin: 16px; color: #222; background: #fff; }
h1 { font-size: 20px; margin: 0 0 4px; } p.period { margin: 0 0 12px; color: #555; }
table { border-collapse: collapse; font-size: 12px; }
th, td { border: 1px solid #b8b8b8; padding: 2px 3px; text-align: center; min-width: 22px; }
th.name { text-align: left; white-space: nowrap; font-weight: normal; padding-right: 8px; }
thead th { background: #f2f2f2; font-weight: normal; }
thead th.weekend { background: #e4e4e4; }
th.holiday, td.holiday { background: #c9c9c9; }
td.out { background: #8c8c8c; }
tfoot th, tfoot td { background: #f7f7f7; }
tfoot td.short { background: #e02020; color: #fff; font-weight: bold; }
tfoot td.over { background: #ffb000; font-weight: bold; }
ul.legend { list-style: none; padding: 0; margin: 12px 0 0; font-size: 12px; }
ul.legend li { display: inline-block; margin: 0 12px 4px 0; }
ul.legend span.holiday { background: #c9c9c9; }
ul.legend span { display: inline-block; min-width: 22px; text-align: center; border: 1px solid #b8b8b8; }
)";

// #RRGGBB of a colour stored as 0xBBGGRR.
std::string Css(uint32_t color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                (color >> 16) & 0xFF);
  return text;
}

std::string Style(uint32_t text, uint32_t back, bool bold) {
  return " style=\"color:" + Css(text) + ";background:" + Css(back) +
         (bold ? ";font-weight:bold" : "") + "\"";
}

// The colours of a day's cell are those of its last entry: absences come after shifts.
std::string ItemStyle(const IScheduleItem* item) {
  if (item->IsAbsence() && item->GetAbsence()->GetLeaveType()) {
    const ILeaveType* type = item->GetAbsence()->GetLeaveType();
    return Style(type->GetTextColor(), type->GetBackgroundColor(), type->IsBoldText());
  }
  if (item->IsCustomShift()) {
    const ICustomShift* shift = item->GetCustomShift();
    return Style(shift->GetTextColor(), shift->GetBackgroundColor(), shift->IsBoldText());
  }
  const IShiftType* type = item->GetShiftType();
  return type ? Style(type->GetTextColor(), type->GetBackgroundColor(), type->IsBoldText()) : "";
}

struct DayColumn {
  uint32_t day = 0;
  std::string date, title, shade;  // shade: a special period's colour
  bool holiday = false, weekend = false;
};

std::vector<DayColumn> Columns(IData* data, const IGroup* group, uint32_t first, uint32_t last) {
  std::vector<DayColumn> columns(last - first + 1);
  std::vector<ISpecialPeriod*> periods(group->CountSpecialPeriodsUp(first, last));
  group->GetSpecialPeriodsUp(periods.data(), first, last);
  for (uint32_t day = first; day <= last; ++day) {
    DayColumn& column = columns[day - first];
    column.day = day;
    column.date = FormatDate(day);
    column.title = column.date;
    column.weekend = Weekday(day) >= 5;
    for (auto it = periods.rbegin(); it != periods.rend(); ++it)  // the group's own wins
      if ((*it)->GetStart() <= day && ((*it)->GetEnd() == 0 || day <= (*it)->GetEnd())) {
        column.shade = Css((*it)->GetColor());
        column.title += " " + Utf8((*it)->GetName());
      }
    if (const IHoliday* holiday = data->GetHolidays()->FindByDate(day)) {
      column.holiday = true;
      column.title +=
          " " + Utf8(holiday->GetName()) + (holiday->GetTimeOfDay() == 0 ? "" : " (half day)");
    }
  }
  return columns;
}

std::string DayClass(const DayColumn& column) {
  return column.holiday ? " class=\"day holiday\"" : " class=\"day\"";
}

std::string ShadeStyle(const DayColumn& column) {
  return column.shade.empty() || column.holiday ? "" : " style=\"background:" + column.shade + "\"";
}

void WriteHead(std::ostream& out, const std::vector<DayColumn>& columns) {
  out << "<thead><tr><th class=\"name\">Employee</th>";
  for (const DayColumn& column : columns)
    out << "<th class=\"day" << (column.holiday ? " holiday" : "")
        << (column.weekend ? " weekend" : "") << "\" data-date=\"" << column.date << "\" title=\""
        << HtmlEscape(column.title) << "\"" << ShadeStyle(column) << ">"
        << kWeekdays[Weekday(column.day)] << "<br>" << std::stoi(column.date.substr(8)) << "</th>";
  out << "</tr></thead>\n";
}

void WriteEmployee(std::ostream& out, const IEmployee* employee, const IGroup* group,
                   const Options& o, const std::vector<DayColumn>& columns) {
  const DaySchedule schedule(employee, group, o.from, o.to, o.planType);
  out << "<tr class=\"employee\" data-id=\"" << employee->GetId() << "\"><th class=\"name\""
      << Style(employee->GetNameTextColor(), employee->GetNameBackColor(), employee->IsBoldText())
      << ">" << HtmlEscape(FullName(employee)) << "</th>";
  for (uint32_t day = o.from; day <= o.to; ++day) {
    const DayColumn& column = columns[day - o.from];
    const std::vector<IScheduleItem*>& items = schedule.On(day);
    out << "<td data-date=\"" << column.date << "\"";
    if (!schedule.InGroup(day)) {
      out << " class=\"day out\"></td>";
      continue;
    }
    if (items.empty()) {
      const bool shaded = column.holiday || !column.shade.empty();
      out << DayClass(column)
          << (shaded ? ShadeStyle(column)
                     : Style(employee->GetScheduleTextColor(), employee->GetScheduleBackColor(),
                             false))
          << "></td>";
      continue;
    }
    std::string text, title;
    for (const IScheduleItem* item : items) {
      text += (text.empty() ? "" : "/") + Mark(item);
      title += (title.empty() ? "" : ", ") + Utf8(item->GetName());
    }
    out << DayClass(column) << ItemStyle(items.back()) << " title=\"" << HtmlEscape(title) << "\">"
        << HtmlEscape(text) << "</td>";
  }
  out << "</tr>\n";
}

void WriteStaffing(std::ostream& out, const Staffing& staffing) {
  out << "<tfoot>\n";
  for (const ShiftStaffing& shift : staffing.shifts) {
    const std::string name = HtmlEscape(Utf8(shift.type->GetShortName()));
    out << "<tr class=\"staffing\" data-shift=\"" << name << "\"><th class=\"name\">" << name
        << " planned / minimum</th>";
    for (size_t i = 0; i < shift.planned.size(); ++i) {
      out << "<td"
          << (shift.Under(i)  ? " class=\"short\""
              : shift.Over(i) ? " class=\"over\""
                              : "")
          << " title=\"planned " << shift.planned[i] << ", minimum " << shift.minimum[i];
      if (shift.maximum[i] >= 0) out << ", maximum " << shift.maximum[i];
      out << "\">" << shift.planned[i] << "/" << shift.minimum[i] << "</td>";
    }
    out << "</tr>\n";
  }
  out << "<tr class=\"available\"><th class=\"name\">Available</th>";
  for (int32_t count : staffing.available) out << "<td>" << count << "</td>";
  out << "</tr>\n</tfoot>\n";
}

// Each visible shift or leave type once with its colours, so that a printed page explains
// itself.
template <class Types>
void WriteLegendItems(std::ostream& out, const Types* types) {
  for (uint32_t i = 0; i < types->GetCount(); ++i) {
    const auto* type = types->GetAt(i);
    if (type->IsHidden()) continue;
    out << "<li><span"
        << Style(type->GetTextColor(), type->GetBackgroundColor(), type->IsBoldText()) << ">"
        << HtmlEscape(Utf8(type->GetShortName())) << "</span> " << HtmlEscape(Utf8(type->GetName()))
        << "</li>\n";
  }
}

void WriteLegend(std::ostream& out, IData* data) {
  out << "<ul class=\"legend\">\n";
  WriteLegendItems(out, data->GetShiftTypes());
  WriteLegendItems(out, data->GetLeaveTypes());
  out << "<li><span class=\"holiday\">&nbsp;</span> public holiday</li>\n"
      << "<li><span class=\"out\" style=\"background:#8c8c8c\">&nbsp;</span> not in the "
         "group</li>\n"
      << "<li><span style=\"background:#e02020\">&nbsp;</span> fewer planned than the "
         "minimum</li>\n"
      << "</ul>\n";
}

int Run(const Options& o) {
  LoadedData data;
  IGroup* group;
  if (int status = LoadReport(o, &data, &group)) return status;
  const std::vector<DayColumn> columns = Columns(data.get(), group, o.from, o.to);
  const std::string name = HtmlEscape(Utf8(group->GetName()));
  const std::string month = FormatDate(o.from).substr(0, 7);
  std::ostringstream page;
  page << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" << name
       << " " << month << "</title>\n<style>" << kStyle << "</style>\n</head>\n<body>\n<h1>" << name
       << "</h1>\n<p class=\"period\">Duty roster " << month << ", plan " << o.planType
       << "</p>\n<table id=\"roster\">\n";
  WriteHead(page, columns);
  page << "<tbody>\n";
  for (const IEmployee* employee : EmployeesOf(data.get(), group, o.from, o.to))
    WriteEmployee(page, employee, group, o, columns);
  page << "</tbody>\n";
  WriteStaffing(page, ComputeStaffing(data.get(), group, o.from, o.to, o.planType));
  page << "</table>\n";
  WriteLegend(page, data.get());
  page << "</body>\n</html>\n";
  if (o.output == "-") {
    std::cout << page.str();
    return kExitOk;
  }
  std::ofstream file(o.output, std::ios::binary);
  file << page.str();
  file.close();
  if (!file) {
    std::fprintf(stderr, "velk: %s: cannot be written\n", o.output.c_str());
    return kExitData;
  }
  return kExitOk;
}

}  // namespace

Command AddHtml(CLI::App& velk) {
  CLI::App* app =
      velk.add_subcommand("html", "The month's roster of a group as one self-contained HTML page");
  app->footer(
      "The page needs no other file: cells take the colours of their shift type, leave type or "
      "the employee's schedule colours; holidays and special periods are shaded; the foot "
      "holds planned/minimum per shift type (shortfalls in red) and the available staff.");
  auto o = std::make_shared<Options>();
  AddReportOptions(app, o.get(), true, false);
  AddMonthOption(app, "--month", &o->from, &o->to, "month, YYYY-MM")->required();
  app->add_option("-o,--output", o->output, "page to write; - for standard output")
      ->capture_default_str();
  return {app, [o] { return Run(*o); }};
}

}  // namespace velk_cli
