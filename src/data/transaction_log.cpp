#include "data/transaction_log.h"

#include <algorithm>
#include <iterator>

namespace {

bool IsReferable(const std::u16string& key) {
  static const std::set<std::u16string> kReferable = {u"workplace",
                                                      u"leave_type",
                                                      u"shift_type",
                                                      u"shift_cycle",
                                                      u"group",
                                                      u"employee",
                                                      u"shift_cycle_assignment",
                                                      u"working_time_model"};
  return kReferable.count(key) != 0;
}

// The host asks with a null buffer for the length, then with room for the text and its zero.
int32_t CopyText(const std::u16string& text, char16_t* buffer, int32_t bufferSize) {
  const int32_t length = static_cast<int32_t>(text.size());
  if (!buffer) return length;
  if (bufferSize <= length) return -1;
  std::copy(text.begin(), text.end(), buffer);
  buffer[length] = u'\0';
  return length;
}

template <class Map>
int32_t KeyAt(const Map& map, int32_t index, char16_t* buffer, int32_t bufferSize) {
  if (index < 0 || static_cast<size_t>(index) >= map.size()) return 0;
  return CopyText(std::next(map.begin(), index)->first, buffer, bufferSize);
}

template <class Map>
const typename Map::mapped_type* Entries(const Map& map, const char16_t* key) {
  if (!key) return nullptr;
  auto it = map.find(key);
  return it == map.end() ? nullptr : &it->second;
}

}  // namespace

uint32_t CTransactionLog::GetCreatedTypeCount(bool excludeDependent) const {
  uint32_t count = 0;
  for (const auto& entry : m_created)
    if (GetCreatedIds(entry.first.c_str(), nullptr, excludeDependent) != 0) ++count;
  return count;
}

int32_t CTransactionLog::GetCreatedTypeName(int32_t index, char16_t* buffer, int32_t bufferSize,
                                            bool excludeDependent) const {
  if (index < 0) return 0;
  for (const auto& entry : m_created) {
    if (GetCreatedIds(entry.first.c_str(), nullptr, excludeDependent) == 0) continue;
    if (index-- == 0) return CopyText(entry.first, buffer, bufferSize);
  }
  return 0;
}

int32_t CTransactionLog::GetUpdatedTypeName(int32_t index, char16_t* buffer,
                                            int32_t bufferSize) const {
  return KeyAt(m_updated, index, buffer, bufferSize);
}

int32_t CTransactionLog::GetDeletedTypeName(int32_t index, char16_t* buffer,
                                            int32_t bufferSize) const {
  return KeyAt(m_deleted, index, buffer, bufferSize);
}

uint32_t CTransactionLog::GetUpdatedCount(const char16_t* key) const {
  const auto* texts = Entries(m_updated, key);
  return texts ? static_cast<uint32_t>(texts->size()) : 0;
}

uint32_t CTransactionLog::GetCreatedIds(const char16_t* key, int32_t* out,
                                        bool excludeDependent) const {
  const auto* ids = Entries(m_created, key);
  if (!ids) return 0;
  uint32_t count = 0;
  for (int32_t id : *ids) {
    if (excludeDependent && m_dependent.count({key, id})) continue;
    if (out) out[count] = id;
    ++count;
  }
  return count;
}

int32_t CTransactionLog::GetPreviousText(const char16_t* key, int32_t index, char16_t* buffer,
                                         int32_t bufferSize) const {
  const auto* texts = Entries(m_updated, key);
  if (!texts || index < 0 || static_cast<size_t>(index) >= texts->size()) return 0;
  return CopyText((*texts)[index], buffer, bufferSize);
}

uint32_t CTransactionLog::GetDeletedIds(const char16_t* key, int32_t* out) const {
  const auto* ids = Entries(m_deleted, key);
  if (!ids) return 0;
  if (out) std::copy(ids->begin(), ids->end(), out);
  return static_cast<uint32_t>(ids->size());
}

int32_t CTransactionLog::GetFirstCreatedId(const char16_t* key) const {
  if (key) {
    const auto* ids = Entries(m_created, key);
    return ids && !ids->empty() ? ids->front() : -1;
  }
  for (const auto& entry : m_created)
    if (!entry.second.empty()) return entry.second.front();
  return -1;
}

void CTransactionLog::RecordCreated(const std::u16string& key, const velk_data::IItem* item) {
  const int32_t id = item->GetId();
  m_created[key].push_back(id);
  if (IsReferable(key)) m_referableCreated.push_back(item);
  for (const velk_data::IItem* referable : m_referableCreated)
    if (item->References(referable)) m_dependent.emplace(key, id);
}

void CTransactionLog::RecordUpdated(const std::u16string& key, std::u16string previousText) {
  m_updated[key].push_back(std::move(previousText));
}

void CTransactionLog::RecordDeleted(const std::u16string& key, int32_t id) {
  m_deleted[key].push_back(id);
}
