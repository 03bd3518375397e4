// Bookings by account and date, overtimes and notes by date: orders, ranges, sums, lookups.
#include <gtest/gtest.h>

#include <vector>

#include "datetime/date.h"
#include "items/item_test_util.h"
#include "model_fixture.h"

namespace {

uint32_t Day(int32_t month, int32_t day) {
  return velk_date_time::TDate::FromYMD(month, day, 2026).m_day;
}

class BookingTest : public ModelTest {
 protected:
  void SetUp() override {
    Load(
        uR"({"employee": {"cu": [{"id": 1}]},
      "booking": {"cu": [
        {"id": 1, "employee_id": 1, "date": "2026-03-02", "value": 8, "account": 2},
        {"id": 2, "employee_id": 1, "date": "2026-03-02", "value": 7.5, "account": 1},
        {"id": 3, "employee_id": 1, "date": "2026-03-01", "value": 1, "account": 2},
        {"id": 4, "employee_id": 1, "date": "2026-12-31", "value": 2, "account": 1},
        {"id": 5, "employee_id": 1, "date": "2020-01-01", "value": 4, "account": 1}]},
      "overtime": {"cu": [
        {"id": 1, "employee_id": 1, "date": "2026-03-05", "value": 2},
        {"id": 2, "employee_id": 1, "date": "2026-03-01", "value": 1}]},
      "note": {"cu": [
        {"id": 7, "employee_id": 1, "date": "2026-03-05", "text": "first"},
        {"id": 3, "employee_id": 1, "date": "2026-03-05", "text": "second"},
        {"id": 9, "employee_id": 1, "date": "2026-03-06", "text": "later"}]}})");
    employee = data.GetEmployees()->FindById(1);
  }
  velk_data::IEmployee* employee = nullptr;
};

TEST_F(BookingTest, AccountsOrderBookingsAndSelectRanges) {
  velk_data::IBookings* bookings = employee->GetBookings();
  EXPECT_EQ(IdsOf(bookings), (std::vector<int32_t>{5, 2, 4, 3, 1}));
  EXPECT_EQ(bookings->CountInRange(Day(3, 1), Day(3, 31), 1), 1u);
  EXPECT_EQ(bookings->CountForAccount(1), 3u);
  EXPECT_EQ(bookings->CountInRange(Day(3, 2), 0, 1), 2u);
  EXPECT_EQ(bookings->CountInRange(Day(3, 3), Day(3, 1), 2), 0u);
  EXPECT_DOUBLE_EQ(bookings->SumValues(Day(3, 1), Day(3, 2), 2), 9.0);
  EXPECT_DOUBLE_EQ(bookings->SumValues(Day(4, 1), Day(4, 30), 2), 0.0);
  EXPECT_DOUBLE_EQ(bookings->SumValues(0, 0, 1), 13.5);
  EXPECT_EQ(bookings->CountInRange(Day(6, 1), UINT32_MAX, 1), 1u);  // the last day: open

  // A booking read again with another account moves to that account's place.
  ASSERT_TRUE(Update(uR"({"booking": {"cu": [{"id": 1, "employee_id": 1, "account": 0}]}})"));
  EXPECT_EQ(IdsOf(bookings), (std::vector<int32_t>{1, 5, 2, 4, 3}));
  EXPECT_EQ(
      std::u16string(bookings->GetAt(0)->ToJSON()),
      uR"({"account": 0,"date": "2026-03-02","description": "","employee_id": 1,"id": 1,"value": 8})");
}

TEST_F(BookingTest, OvertimesAndNotesByDate) {
  velk_data::IOvertimes* overtimes = employee->GetOvertimes();
  velk_data::INotes* notes = employee->GetNotes();
  EXPECT_EQ(IdsOf(overtimes), (std::vector<int32_t>{2, 1}));
  EXPECT_EQ(overtimes->CountInRange(0, 0), 2u);
  EXPECT_EQ(overtimes->CountInRange(Day(3, 2), 0), 1u);
  EXPECT_EQ(overtimes->CountInRange(Day(3, 2), UINT32_MAX), 1u);  // the last day: open
  EXPECT_EQ(overtimes->FindOnDate(Day(3, 2)), nullptr);

  EXPECT_EQ(notes->FindOnDate(Day(3, 5))->GetId(), 7);
  velk_data::INote* sameDay[2];
  ASSERT_EQ(notes->GetInRange(sameDay, Day(3, 5), Day(3, 5)), 2u);
  EXPECT_EQ(std::u16string(sameDay[1]->GetText()), u"second");
  EXPECT_EQ(notes->GetAt(2)->GetEmployee(), employee);

  // Without employment periods nothing lies in employment.
  EXPECT_EQ(overtimes->CountInEmployment(0, 0), 0u);
  EXPECT_EQ(notes->CountInEmployment(Day(1, 1), Day(12, 31)), 0u);
}

}  // namespace
