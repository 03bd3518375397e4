// Date intervals and the ordered sets of them that the employment, membership and working time
// queries build and hand to one another (absences, shifts and statistics read them too).
//
// A DatePeriod runs from start to end, both inclusive; start 0 means from the beginning of
// time and end 0 an open end. value travels with the interval (0, or an item pointer such as
// the working time model of a validity period: PeriodValue and PeriodItem convert).
//
// DatePeriods keeps its intervals in this order: kind 0 by start, then end with the open end
// after every other end; every other kind after all of kind 0, in insertion order; equal
// intervals in insertion order. The queries run per employee and per request, thousands of
// times for one view, so the first eight intervals live inside the set and only a longer
// history costs a heap allocation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <tuple>

struct DatePeriod {
  uint8_t kind = 0;
  uint32_t start = 0;
  uint32_t end = 0;  // inclusive; 0 = open
  uint64_t value = 0;

  // Whether day lies in the interval.
  bool Contains(uint32_t day) const {
    return (start == 0 || day >= start) && (end == 0 || day <= end);
  }
};

// An item pointer as the value of an interval, and back.
template <class T>
uint64_t PeriodValue(T* item) {
  return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(item));
}
template <class T>
T* PeriodItem(const DatePeriod& period) {
  return reinterpret_cast<T*>(static_cast<uintptr_t>(period.value));
}

// The end as a sort key: an open end (0) after every other end.
inline uint64_t EndKey(uint32_t end) { return end == 0 ? uint64_t{1} << 32 : end; }

class DatePeriods {
 public:
  static constexpr size_t kInline = 8;

  DatePeriods() {}  // the inline buffer is left uninitialised: only m_size entries are read
  DatePeriods(const DatePeriods& other) { *this = other; }
  DatePeriods& operator=(const DatePeriods& other);

  size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  const DatePeriod* begin() const { return m_data; }
  const DatePeriod* end() const { return m_data + m_size; }
  const DatePeriod& operator[](size_t i) const { return m_data[i]; }
  const DatePeriod& back() const { return m_data[m_size - 1]; }
  void clear() { m_size = 0; }

  // Inserts the interval at its place: after every interval that does not go after it.
  void Add(const DatePeriod& period);
  void Add(uint32_t start, uint32_t end, uint64_t value = 0) { Add({0, start, end, value}); }

  // Writes the starts and the ends, in order, into the arrays that are not null; returns the
  // number of intervals.
  uint32_t CopyTo(uint32_t* starts, uint32_t* ends) const;

 private:
  void Assign(const DatePeriod* first, size_t count);
  static std::tuple<uint8_t, uint32_t, uint64_t> Key(const DatePeriod& p) {
    return p.kind == 0 ? std::make_tuple(uint8_t{0}, p.start, EndKey(p.end))
                       : std::make_tuple(uint8_t{1}, uint32_t{0}, uint64_t{0});
  }
  void Reserve(size_t capacity);
  friend void MergePeriods(DatePeriods& periods);

  union {
    DatePeriod m_inline[kInline];
  };
  std::unique_ptr<DatePeriod[]> m_heap;
  DatePeriod* m_data = m_inline;
  size_t m_size = 0;
  size_t m_capacity = kInline;
};

// The merge rule: intervals that overlap or touch (the next one starts at most a day after
// the current one ends) become one, from the first one's start and with its value; an open
// end swallows every later interval. A set of fewer than two intervals is left alone.
void MergePeriods(DatePeriods& periods);

// The part of [start, end] that lies in period, or false when they do not meet (0 open on
// either side): from the later start to the earlier end, open only when both ends are.
bool Clip(const DatePeriod& period, uint32_t start, uint32_t end, DatePeriod* piece);
