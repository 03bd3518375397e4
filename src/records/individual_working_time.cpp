#include "records/individual_working_time.h"

void CIndividualWorkingTime::Assign(const velk_data::IIndividualWorkingTime* other) {
  if (!other) return;
  SetId(other->GetId());
  SetWorkingTimeModel(other->GetWorkingTimeModel());
  SetDate(other->GetDate());
  SetDescription(other->GetDescription());
}

uint32_t CIndividualWorkingTime::GetEnd() const { return m_owned ? Owner()->EndOf(this) : 1; }

uint32_t CIndividualWorkingTimes::EndAt(Set::const_iterator it) const {
  const uint32_t date = (*it)->GetDate();
  if (++it == Items().end()) return 0;
  return (*it)->GetDate() == date ? 1 : (*it)->GetDate() - 1;
}

uint32_t CIndividualWorkingTimes::EndOf(const CIndividualWorkingTime* item) const {
  auto range = Items().equal_range(item->SortKey());
  for (auto it = range.first; it != range.second; ++it)
    if (*it == item) return EndAt(it);
  // A setter may have changed the key without moving the item.
  for (auto it = Items().begin(); it != Items().end(); ++it)
    if (*it == item) return EndAt(it);
  return 1;
}

size_t CIndividualWorkingTimes::CollectInRange(std::vector<CIndividualWorkingTime*>& out,
                                               uint32_t start, uint32_t end) const {
  for (auto it = Items().begin(); it != Items().end(); ++it) {
    const uint32_t itemEnd = EndAt(it);
    if (itemEnd == 1) continue;  // overtaken by a record of the same date
    if ((*it)->GetDate() > end) break;
    if (itemEnd == 0 || start <= itemEnd) out.push_back(*it);
  }
  return out.size();
}

uint32_t CIndividualWorkingTimes::GetInRange(velk_data::IIndividualWorkingTime** out,
                                             uint32_t start, uint32_t end) const {
  std::vector<CIndividualWorkingTime*> found;
  CollectInRange(found, start, end);
  if (out) std::copy(found.begin(), found.end(), out);
  return static_cast<uint32_t>(found.size());
}

velk_data::IWorkingTimeModel* CIndividualWorkingTimes::GetModelOn(uint32_t day) const {
  auto it = Items().upper_bound(std::make_tuple(day, INT32_MAX));
  return it == Items().begin() ? nullptr : (*std::prev(it))->GetWorkingTimeModel();
}

velk_data::IWorkingTimeModel* CIndividualWorkingTimes::GetModelForPeriod(uint32_t start,
                                                                         uint32_t end) const {
  if (velk_data::IWorkingTimeModel* model = GetModelOn(start)) return model;
  std::vector<CIndividualWorkingTime*> found;
  if (CollectInRange(found, start, end) == 0) return nullptr;
  return found.front()->GetWorkingTimeModel();
}

size_t CIndividualWorkingTimes::CollectModelPeriods(DatePeriods& set) const {
  for (auto it = Items().begin(); it != Items().end(); ++it) {
    auto next = std::next(it);
    const bool last = next == Items().end();
    if ((*it)->GetDate() == 0 && !last && (*next)->GetDate() == 0) continue;
    const uint32_t end = last ? 0 : (*next)->GetDate() - 1;
    set.Add({0, (*it)->GetDate(), end, PeriodValue((*it)->GetWorkingTimeModel())});
  }
  return set.size();
}
