// The pieces the reports share: which group and employees a report covers, one employee's
// schedule laid out by day, numbers as the reports print them, and aligned or CSV tables.
#ifndef TOOLS_VELK_REPORT_H_
#define TOOLS_VELK_REPORT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "velk_data.h"

namespace velk_cli {

struct ReportOptions;
class LoadedData;

// Loads the report's file and finds its group (null when options.group is 0). On failure
// prints one line on stderr and returns the exit status, else kExitOk.
int LoadReport(const ReportOptions& options, LoadedData* data, velk_data::IGroup** group);

// The employees employed in [from, to]: of the group's subtree when group is not null, else
// all; ordered by position, then id, as the planner lists them.
std::vector<velk_data::IEmployee*> EmployeesOf(velk_data::IData* data, velk_data::IGroup* group,
                                               uint32_t from, uint32_t to);

// "Firstname Lastname", UTF-8.
std::string FullName(const velk_data::IEmployee* employee);

// Hours and days with two decimals, never "-0.00".
std::string Number(double value);

// One employee's schedule items of [from, to] day by day (shifts before absences), and the
// days on which the employee belongs to the group.
class DaySchedule {
 public:
  DaySchedule(const velk_data::IEmployee* employee, const velk_data::IGroup* group, uint32_t from,
              uint32_t to, int32_t planType);
  DaySchedule(const DaySchedule&) = delete;
  DaySchedule& operator=(const DaySchedule&) = delete;
  ~DaySchedule();

  const std::vector<velk_data::IScheduleItem*>& On(uint32_t day) const {
    return m_days[day - m_from];
  }
  bool InGroup(uint32_t day) const { return m_inGroup[day - m_from]; }

 private:
  uint32_t m_from;
  std::vector<velk_data::IScheduleItem*> m_items;
  std::vector<std::vector<velk_data::IScheduleItem*>> m_days;
  std::vector<bool> m_inGroup;
};

// The short mark of a schedule item: the short name, and for an absence of part of the day
// a "½" after it.
std::string Mark(const velk_data::IScheduleItem* item);

// A table printed with aligned columns for a terminal, or as CSV (RFC 4180).
class Table {
 public:
  struct Column {
    std::string name;
    bool right;  // numbers align right
  };
  explicit Table(std::vector<Column> columns) : m_columns(std::move(columns)) {}
  void Add(std::vector<std::string> row) { m_rows.push_back(std::move(row)); }
  void Print(bool csv) const;

 private:
  std::vector<Column> m_columns;
  std::vector<std::vector<std::string>> m_rows;
};

}  // namespace velk_cli

#endif  // TOOLS_VELK_REPORT_H_
