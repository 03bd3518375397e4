// Individual working times: from a date on, the employee works by a working time model, until
// the day before the next record's date. Of several records of one date only the last (the
// highest id) is valid; the others are valid on no day. Nothing is stored about the end: it is
// read off the successor whenever asked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "data/data.h"
#include "master/employee.h"
#include "master/working_time_model.h"
#include "records/date_period.h"
#include "records/employee_record.h"
#include "velk_data/periods.h"

class CIndividualWorkingTimes;

class CIndividualWorkingTime
    : public CEmployeeRecord<CIndividualWorkingTime, velk_data::IIndividualWorkingTime,
                             velk_data::IIndividualWorkingTimes> {
 public:
  static constexpr const char16_t* kTypeName = u"individual_working_time";
  using Collection = CIndividualWorkingTimes;

  using CEmployeeRecord::CEmployeeRecord;

  velk_data::IWorkingTimeModel* GetWorkingTimeModel() const override { return m_model; }
  void SetWorkingTimeModel(velk_data::IWorkingTimeModel* model) override {
    m_model = static_cast<CWorkingTimeModel*>(model);
  }
  uint32_t GetDate() const override { return m_date; }
  void SetDate(uint32_t date) override { m_date = date; }
  const char16_t* GetDescription() const override { return m_description.c_str(); }
  void SetDescription(const char16_t* text) override { m_description = text ? text : u""; }
  void Assign(const velk_data::IIndividualWorkingTime* other) override;
  uint32_t GetEnd() const override;

  std::tuple<uint32_t, int32_t> SortKey() const { return {m_date, GetId()}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Ref(u"working_time_model_id", s.m_model, &CData::WorkingTimeModels, RefRead::kPositive,
           RefWrite::kOmitWhenNone,
           u"Unknown working time model id for individual working time.\t");
    ar.OpenDate(u"date", s.m_date);
    ar.Text(u"description", s.m_description);
  }

 private:
  CWorkingTimeModel* m_model = nullptr;
  uint32_t m_date = 0;
  std::u16string m_description;
};

class CIndividualWorkingTimes
    : public CEmployeeRecords<CIndividualWorkingTimes, velk_data::IIndividualWorkingTimes,
                              CIndividualWorkingTime> {
 public:
  using CEmployeeRecords::CEmployeeRecords;

  uint32_t CountInRange(uint32_t start, uint32_t end) const override {
    return GetInRange(nullptr, start, end);
  }
  uint32_t GetInRange(velk_data::IIndividualWorkingTime** out, uint32_t start,
                      uint32_t end) const override;
  velk_data::IWorkingTimeModel* GetModelOn(uint32_t day) const override;
  velk_data::IWorkingTimeModel* GetModelForPeriod(uint32_t start, uint32_t end) const override;

  // The end of item's validity (see IIndividualWorkingTime::GetEnd).
  uint32_t EndOf(const CIndividualWorkingTime* item) const;
  // Appends the records valid on some day of [start, end] in collection order (end must be a
  // real day); returns the vector's size.
  size_t CollectInRange(std::vector<CIndividualWorkingTime*>& out, uint32_t start,
                        uint32_t end) const;
  // Adds one validity period per record: from its date to the day before the next record's
  // date (open for the last), with the model as value (PeriodItem<IWorkingTimeModel> reads it).
  // A record overtaken by one of the same date gives a period that ends before it starts.
  // Returns the set's size.
  size_t CollectModelPeriods(DatePeriods& set) const;

 private:
  // The end of the record at it, read off its successor.
  uint32_t EndAt(Set::const_iterator it) const;
};
