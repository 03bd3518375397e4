// Feeds arbitrary text to Load and to Update over a small loaded model, in both orders. Every
// run must end with Load/Update returning: no crash, no leak, no sanitizer report.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/data.h"

namespace {

constexpr const char16_t* kModel =
    uR"({
  "holiday": {"cu": [{"id": 1, "date": "2026-12-25", "time_of_day": 0},
                     {"id": 2, "date": "2026-12-24", "time_of_day": 2}]},
  "workplace": {"cu": [{"id": 1, "name": "Ward A", "position": 1}]},
  "surcharge_type": {"cu": [{"id": 1, "start_at": "22:00", "end_at": "06:00", "holiday_rule": 2}]},
  "shift_type": {"cu": [{"id": 1, "name": "Early", "monday_part_count": 1}]},
  "leave_type": {"cu": [{"id": 1, "name": "Annual leave", "valid_days": "11111000"}]},
  "group": {"cu": [{"id": 1, "name": "Clinic"}, {"id": 2, "parent_group_id": 1, "name": "Ward"}]},
  "employee": {"cu": [{"id": 7, "firstname": "Anna"}, {"id": 8, "firstname": "Ben"}]}
})";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size < 1) return 0;
  // The first byte picks the call; the rest is UTF-16 text.
  const uint8_t mode = bytes[0];
  std::u16string text((size - 1) / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(bytes[1 + 2 * i] | bytes[2 + 2 * i] << 8);

  CData data;
  data.SetMetaDataCallback([](void*, const char16_t*, const char16_t*) { return true; }, nullptr);
  data.SetLoadedCallback([](void*) {}, nullptr);
  const bool inOrder = mode & 1;
  if (mode & 2) {
    data.Load(text.c_str(), inOrder, nullptr, nullptr);
  } else {
    data.Load(kModel, true, nullptr, nullptr);
    if (velk_data::ITransactionLog* log = data.Update(text.c_str(), inOrder, nullptr, nullptr))
      log->Release();
  }
  // A query over whatever the model holds now must not crash either.
  data.GetHolidays()->GetCount();
  data.SetCurrentUser(7, false, 2);  // a restricted user: the access entries answer
  for (uint32_t i = 0; i < data.GetGroups()->GetCount(); ++i)
    data.GetGroupPermission(data.GetGroups()->GetAt(i));
  data.IsReadOnlyUser();
  data.GetUserSettings()->CountByKey("grid.", 7);
  // Nor may expanding any cycle, whatever its length and unit, over the year 2026.
  for (uint32_t i = 0; i < data.GetEmployees()->GetCount(); ++i)
    if (velk_data::IShiftCycleAssignments* cycles =
            data.GetEmployees()->GetAt(i)->GetShiftCycleAssignments())
      cycles->CountShifts(2461042, 2461406, 0);
  velk_data::IGroup* root = data.GetGroups()->GetRootGroup();
  for (uint32_t i = 0; i < data.GetEmployees()->GetCount(); ++i) {
    velk_data::IEmployee* employee = data.GetEmployees()->GetAt(i);
    employee->GetTargetHours(2461000, 2461400);
    employee->GetMemberships()->CountMembershipIntervals(root, 2461000, 0, true);
    employee->IsOutsideEmployment(2461000);
  }
  return 0;
}
