// CTransactionLog: what one update changed at the user's request, for the host to read back:
// created ids (and which of them merely belong to another item created in the same message),
// the text of updated items before the change, and deleted ids, each per data-type key.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "velk_data.h"

class CTransactionLog final : public velk_data::ITransactionLog {
 public:
  uint32_t GetCreatedTypeCount(bool excludeDependent) const override;
  uint32_t GetUpdatedTypeCount() const override { return static_cast<uint32_t>(m_updated.size()); }
  uint32_t GetDeletedTypeCount() const override { return static_cast<uint32_t>(m_deleted.size()); }
  int32_t GetCreatedTypeName(int32_t index, char16_t* buffer, int32_t bufferSize,
                             bool excludeDependent) const override;
  int32_t GetUpdatedTypeName(int32_t index, char16_t* buffer, int32_t bufferSize) const override;
  int32_t GetDeletedTypeName(int32_t index, char16_t* buffer, int32_t bufferSize) const override;
  uint32_t GetCreatedCount(const char16_t* key, bool excludeDependent) const override {
    return GetCreatedIds(key, nullptr, excludeDependent);
  }
  uint32_t GetUpdatedCount(const char16_t* key) const override;
  uint32_t GetDeletedCount(const char16_t* key) const override {
    return GetDeletedIds(key, nullptr);
  }
  uint32_t GetCreatedIds(const char16_t* key, int32_t* out, bool excludeDependent) const override;
  int32_t GetPreviousText(const char16_t* key, int32_t index, char16_t* buffer,
                          int32_t bufferSize) const override;
  uint32_t GetDeletedIds(const char16_t* key, int32_t* out) const override;
  int32_t GetFirstCreatedId(const char16_t* key) const override;
  void Release() override { delete this; }

  // Recording, by the intake.
  void RecordCreated(const std::u16string& key, const velk_data::IItem* item);
  void RecordUpdated(const std::u16string& key, std::u16string previousText);
  void RecordDeleted(const std::u16string& key, int32_t id);

 private:
  std::map<std::u16string, std::vector<int32_t>> m_created;
  std::map<std::u16string, std::vector<std::u16string>> m_updated;
  std::map<std::u16string, std::vector<int32_t>> m_deleted;
  // Created items of the types other items refer to; used only while the message is read.
  std::vector<const velk_data::IItem*> m_referableCreated;
  // Created items that refer to one of m_referableCreated.
  std::set<std::pair<std::u16string, int32_t>> m_dependent;
};
