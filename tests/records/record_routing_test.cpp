// Records reach their owner's collection by the owner key of their type; deletions find them
// under any owner.
#include <gtest/gtest.h>

#include <string>

#include "data/type_codes.h"
#include "datetime/date.h"
#include "model_fixture.h"
#include "records/record_types.h"

namespace {

class RecordRoutingTest : public ModelTest {};

const char16_t* OwnerKey(int32_t code) {
  return IsGroupRecordCode(code)      ? u"group_id"
         : IsEmployeeRecordCode(code) ? u"employee_id"
         : code == kShiftCycleElement ? u"shift_cycle_id"
                                      : u"shift_cycle_assignment_id";
}

TEST_F(RecordRoutingTest, OwnerKeyMissingNegativeOrUnknown) {
  int held = 0;
  for (int32_t code = kSpecialPeriod; code <= kShiftCycleException; ++code) {
    if (!RecordTypeOf(code)) continue;
    ++held;
    const std::u16string key(TypeKey(code));
    const std::u16string owner = OwnerKey(code);
    SCOPED_TRACE(Narrow(key.c_str()));
    for (const std::u16string& element :
         {std::u16string(u"{\"id\": 1}"), u"{\"id\": 1, \"" + owner + u"\": -4}"}) {
      const std::u16string message = u"{\"" + key + u"\": {\"cu\": [" + element + u"]}}";
      EXPECT_FALSE(data.Load(message.c_str(), true, nullptr, nullptr));
      EXPECT_EQ(data.GetErrorCode(), 3002);
      EXPECT_EQ(Narrow(data.GetErrorText()), "Foreign key ID missing or invalid in JSON string.");
    }
    const std::u16string message =
        u"{\"" + key + u"\": {\"cu\": [{\"id\": 1, \"" + owner + u"\": 99}]}}";
    EXPECT_FALSE(data.Load(message.c_str(), true, nullptr, nullptr));
    EXPECT_EQ(data.GetErrorCode(), 3002);
    EXPECT_EQ(Narrow(data.GetErrorText()),
              code == kShiftCycleException
                  ? std::string("No shift cycle assignment item for foreign key ID 99")
                  : "No item for foreign key ID. - DataType: " + std::to_string(code) +
                        " - Foreign Key ID: 99");
  }
  EXPECT_GT(held, 0);
}

TEST_F(RecordRoutingTest, DeletionFindsTheRecordUnderAnyOwnerAndAnUpdateFollowsTheOwnerKey) {
  Load(
      uR"({"employee": {"cu": [{"id": 1}, {"id": 2}]},
            "employment_period": {"cu": [
              {"id": 5, "employee_id": 2, "start": "2026-01-01", "end": null},
              {"id": 6, "employee_id": 1, "start": "2026-02-01", "end": "2026-03-31"}]}})");
  velk_data::IEmployee* first = data.GetEmployees()->FindById(1);
  velk_data::IEmployee* second = data.GetEmployees()->FindById(2);
  ASSERT_EQ(second->GetEmploymentPeriods()->GetCount(), 1u);
  EXPECT_EQ(second->GetEmploymentPeriods()->GetEmployee(), second);
  EXPECT_EQ(second->GetEmploymentPeriods()->GetAt(0)->GetEmployee(), second);
  EXPECT_EQ(std::u16string(second->GetEmploymentPeriods()->GetAt(0)->ToJSON()),
            uR"({"description": "","employee_id": 2,"end": null,"id": 5,"start": "2026-01-01"})");

  // The same id under another owner is another record: the held one stays as it was.
  ASSERT_TRUE(
      Update(uR"({"employment_period": {"cu": [
      {"id": 5, "employee_id": 1, "start": "2026-05-01"}]}})"));
  EXPECT_EQ(first->GetEmploymentPeriods()->GetCount(), 2u);
  EXPECT_EQ(second->GetEmploymentPeriods()->FindById(5)->GetStart(),
            velk_date_time::TDate::FromYMD(1, 1, 2026).m_day);

  // A deletion takes the first match in employee order, then the next one.
  ASSERT_TRUE(Update(uR"({"employment_period": {"d": [{"id": 5}]}})"));
  EXPECT_EQ(first->GetEmploymentPeriods()->GetCount(), 1u);
  EXPECT_EQ(second->GetEmploymentPeriods()->GetCount(), 1u);
  ASSERT_TRUE(Update(uR"({"employment_period": {"d": [{"id": 5}, {"id": 77}]}})"));
  EXPECT_EQ(second->GetEmploymentPeriods()->GetCount(), 0u);
  // Removing the employee takes his records with him.
  ASSERT_TRUE(Update(uR"({"employee": {"d": [{"id": 1}]}})"));
  EXPECT_EQ(data.GetEmployees()->GetCount(), 1u);
}

}  // namespace
