#include "tools/velk/report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/velk/args.h"
#include "tools/velk/command.h"
#include "tools/velk/input.h"
#include "tools/velk/text.h"

namespace velk_cli {

using namespace velk_data;

int LoadReport(const ReportOptions& options, LoadedData* data, IGroup** group) {
  if (int status = data->Load(options.path)) return status;
  *group = nullptr;
  if (options.group == 0) return kExitOk;
  *group = (*data)->GetGroups()->FindById(options.group);
  if (*group) return kExitOk;
  std::fprintf(stderr, "velk: there is no group with id %d\n", options.group);
  return kExitData;
}

std::vector<IEmployee*> EmployeesOf(IData* data, IGroup* group, uint32_t from, uint32_t to) {
  std::vector<IEmployee*> employees;
  if (group) {
    employees.resize(group->CountEmployees(from, to, true));
    employees.resize(group->GetEmployees(employees.data(), from, to, true));
  } else {
    const IEmployees* all = data->GetEmployees();
    for (uint32_t i = 0; i < all->GetCount(); ++i)
      if (all->GetAt(i)->IsEmployedIn(from, to, false)) employees.push_back(all->GetAt(i));
  }
  std::stable_sort(employees.begin(), employees.end(), [](IEmployee* a, IEmployee* b) {
    return std::make_pair(a->GetPosition(), a->GetId()) <
           std::make_pair(b->GetPosition(), b->GetId());
  });
  return employees;
}

std::string FullName(const IEmployee* employee) {
  return Utf8(employee->GetFirstname()) + " " + Utf8(employee->GetLastname());
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", std::fabs(value) < 0.005 ? 0.0 : value);
  return text;
}

DaySchedule::DaySchedule(const IEmployee* employee, const IGroup* group, uint32_t from, uint32_t to,
                         int32_t planType)
    : m_from(from), m_days(to - from + 1), m_inGroup(to - from + 1, group == nullptr) {
  constexpr uint32_t kShifts = 1 | 2 | 4 | 8, kAbsences = 16;
  for (uint32_t kinds : {kShifts, kAbsences}) {
    const size_t had = m_items.size();
    m_items.resize(had + employee->CountScheduleItems(from, to, planType, kinds));
    employee->GetScheduleItems(m_items.data() + had, from, to, planType, kinds);
  }
  for (IScheduleItem* item : m_items) m_days[item->GetDate() - from].push_back(item);
  if (!group) return;
  IMemberships* memberships = employee->GetMemberships();
  IGroup* member = const_cast<IGroup*>(group);
  std::vector<uint32_t> starts(memberships->CountMembershipIntervals(member, from, to, true));
  std::vector<uint32_t> ends(starts.size());
  memberships->GetMembershipIntervals(starts.data(), ends.data(), member, from, to, true);
  for (size_t i = 0; i < starts.size(); ++i)
    for (uint32_t day = std::max(starts[i], from); day <= (ends[i] ? std::min(ends[i], to) : to);
         ++day)
      m_inGroup[day - from] = true;
}

DaySchedule::~DaySchedule() {
  for (IScheduleItem* item : m_items) item->Release();
}

std::string Mark(const IScheduleItem* item) {
  std::string mark = Utf8(item->GetShortName());
  if (item->IsAbsence() && item->GetAbsence()->GetTimeOfDay() != 0) mark += "\u00BD";
  return mark;
}

namespace {

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

void Table::Print(bool csv) const {
  std::vector<std::vector<std::string>> lines;
  lines.emplace_back();
  for (const Column& column : m_columns) lines.back().push_back(column.name);
  lines.insert(lines.end(), m_rows.begin(), m_rows.end());
  std::vector<size_t> widths(m_columns.size(), 0);
  for (const auto& line : lines)
    for (size_t i = 0; i < line.size() && i < widths.size(); ++i)
      widths[i] = std::max(widths[i], DisplayWidth(line[i]));
  for (const auto& line : lines) {
    std::string text;
    for (size_t i = 0; i < line.size() && i < widths.size(); ++i) {
      if (csv) {
        text += (i ? "," : "") + CsvField(line[i]);
      } else {
        const bool last = i + 1 == line.size();
        text +=
            (i ? "  " : "") +
            (last && !m_columns[i].right ? line[i] : Pad(line[i], widths[i], m_columns[i].right));
      }
    }
    if (!csv) text.erase(text.find_last_not_of(' ') + 1);
    std::printf("%s\n", text.c_str());
  }
}

}  // namespace velk_cli
