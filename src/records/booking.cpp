#include "records/booking.h"

#include <limits>

void CBooking::Assign(const velk_data::IBooking* other) {
  if (!other) return;
  SetId(other->GetId());
  SetDate(other->GetDate());
  SetValue(other->GetValue());
  SetAccount(other->GetAccount());
  SetDescription(other->GetDescription());
}

std::pair<CBookings::Set::const_iterator, CBookings::Set::const_iterator> CBookings::Bounds(
    uint32_t start, uint32_t end, int32_t account) const {
  const Set& items = Items();
  auto lo = items.lower_bound(std::make_tuple(account, start));
  // The last day number has no day after it: like 0, it leaves the range open.
  if (end != 0 && end != std::numeric_limits<uint32_t>::max())
    return {lo, items.lower_bound(std::make_tuple(account, end + 1))};
  if (account == std::numeric_limits<int32_t>::max()) return {lo, items.end()};
  return {lo, items.lower_bound(std::make_tuple(account + 1, 0u))};
}

uint32_t CBookings::GetInRange(velk_data::IBooking** out, uint32_t start, uint32_t end,
                               int32_t account) const {
  auto [lo, hi] = Bounds(start, end, account);
  if (start > end && end != 0) return 0;
  return Copy(lo, hi, out);
}

double CBookings::SumValues(uint32_t start, uint32_t end, int32_t account) const {
  if (start > end && end != 0) return 0.0;
  double sum = 0.0;
  for (auto [it, hi] = Bounds(start, end, account); it != hi; ++it) sum += (*it)->GetValue();
  return sum;
}
