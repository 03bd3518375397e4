#include "records/date_period.h"

#include <algorithm>

DatePeriods& DatePeriods::operator=(const DatePeriods& other) {
  if (this != &other) Assign(other.begin(), other.size());
  return *this;
}

void DatePeriods::Reserve(size_t capacity) {
  if (capacity <= m_capacity) return;
  capacity = std::max(capacity, m_capacity * 2);
  std::unique_ptr<DatePeriod[]> grown(new DatePeriod[capacity]);
  std::copy(m_data, m_data + m_size, grown.get());
  m_heap = std::move(grown);
  m_data = m_heap.get();
  m_capacity = capacity;
}

void DatePeriods::Add(const DatePeriod& period) {
  Reserve(m_size + 1);
  // Sets are mostly built in order, so the place is found from the back.
  const auto key = Key(period);
  size_t at = m_size;
  while (at > 0 && key < Key(m_data[at - 1])) --at;
  std::copy_backward(m_data + at, m_data + m_size, m_data + m_size + 1);
  m_data[at] = period;
  ++m_size;
}

void DatePeriods::Assign(const DatePeriod* first, size_t count) {
  Reserve(count);
  std::copy(first, first + count, m_data);
  m_size = count;
}

uint32_t DatePeriods::CopyTo(uint32_t* starts, uint32_t* ends) const {
  for (size_t i = 0; i < m_size; ++i) {
    if (starts) starts[i] = m_data[i].start;
    if (ends) ends[i] = m_data[i].end;
  }
  return static_cast<uint32_t>(m_size);
}

void MergePeriods(DatePeriods& periods) {
  if (periods.size() < 2) return;
  // In place: the final intervals are never more than those walked, so each one is written
  // over an interval already read.
  DatePeriod* data = periods.m_data;
  DatePeriod current = data[0];
  size_t count = 0;
  for (size_t i = 1; i < periods.size() && current.end != 0; ++i) {
    const DatePeriod& next = data[i];
    if (next.start == 0 || uint64_t{next.start} <= uint64_t{current.end} + 1) {
      if (next.end == 0 || next.end > current.end) current.end = next.end;
    } else {
      data[count++] = {0, current.start, current.end, current.value};
      current = next;
    }
  }
  data[count++] = {0, current.start, current.end, current.value};
  periods.m_size = count;
}

bool Clip(const DatePeriod& period, uint32_t start, uint32_t end, DatePeriod* piece) {
  if (period.end != 0 && start > period.end) return false;
  if (end != 0 && end < period.start) return false;
  piece->kind = 0;
  piece->start = std::max(period.start, start);
  piece->end = end == 0 ? period.end : period.end == 0 ? end : std::min(period.end, end);
  piece->value = period.value;
  return true;
}
