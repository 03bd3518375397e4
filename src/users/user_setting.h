// User settings: free key-value pairs the host keeps per collaborator. They are ordered by
// collaborator, then by key in upper case, so that a key and every key it starts are neighbours
// and both the lookup by key and the prefix query are a lower bound and a short walk.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "items/item.h"
#include "items/ordered_items.h"
#include "velk_data/user_settings.h"

class CUserSettings;

class CUserSetting : public CItem<CUserSetting, velk_data::IUserSetting, velk_data::IUserSettings> {
 public:
  static constexpr const char16_t* kTypeName = u"user_setting";
  using Collection = CUserSettings;

  using CItem::CItem;

  int32_t GetCollaboratorId() const override { return m_collaboratorId; }
  void SetCollaboratorId(int32_t collaboratorId) override { m_collaboratorId = collaboratorId; }
  const char* GetKey() const override { return m_key.c_str(); }
  void SetKey(const char* key) override { m_key = key ? key : ""; }
  const char16_t* GetValue() const override { return m_value.c_str(); }
  void SetValue(const char16_t* value) override { m_value = value ? value : u""; }
  void Assign(const velk_data::IUserSetting* other) override;

  // Owns its key text: a read compares the key before it with the key after it.
  std::tuple<int32_t, std::string> SortKey() const { return {m_collaboratorId, m_key}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Int(u"collaborator_id", s.m_collaboratorId);
    KeyField(ar, s);
    ar.Text(u"value", s.m_value);
  }

 private:
  // The key is narrow US-ASCII text: what US-ASCII cannot hold reads as '?'. A "key" of another
  // JSON kind reads as the empty key; an absent one keeps the key.
  template <class A, class S>
  static void KeyField(A& ar, S& s) {
    if constexpr (A::kReads) {
      if (ar.Json().Find(u"key")) s.m_key = ReadKey(ar.Json());
    } else {
      ar.Text(u"key", WideKey(s.m_key));
    }
  }
  static std::string ReadKey(const velk_json::CJSONObject& json);
  static std::u16string WideKey(const std::string& key);

  int32_t m_collaboratorId = -1;
  std::string m_key;
  std::u16string m_value;
};

// Letter case is ignored in US-ASCII only, whatever locale the host process has set: keys are
// US-ASCII text, and the order must not change under a running model.
char UpperAscii(char c);
// <0, 0 or >0 as a orders before, with or after b, in upper case byte by byte; a key that starts
// the other orders first.
int CompareKeys(std::string_view a, std::string_view b);
// Whether key starts with prefix, in upper case.
bool KeyStartsWith(std::string_view key, std::string_view prefix);

// Settings compare in place: (collaborator, key) with the key in upper case. Lookups pass a
// bare (collaborator, key) that borrows its text, so no key is copied to search.
template <>
struct SortKeyLess<CUserSetting> {
  using is_transparent = void;
  using Key = std::tuple<int32_t, std::string_view>;
  static bool Less(int32_t ca, std::string_view ka, int32_t cb, std::string_view kb) {
    return ca != cb ? ca < cb : CompareKeys(ka, kb) < 0;
  }
  bool operator()(const CUserSetting* a, const CUserSetting* b) const {
    return Less(a->GetCollaboratorId(), a->GetKey(), b->GetCollaboratorId(), b->GetKey());
  }
  bool operator()(const CUserSetting* a, const Key& b) const {
    return Less(a->GetCollaboratorId(), a->GetKey(), std::get<0>(b), std::get<1>(b));
  }
  bool operator()(const Key& a, const CUserSetting* b) const {
    return Less(std::get<0>(a), std::get<1>(a), b->GetCollaboratorId(), b->GetKey());
  }
};

class CUserSettings : public COrderedItems<CUserSettings, velk_data::IUserSettings, CUserSetting> {
 public:
  using COrderedItems::COrderedItems;

  uint32_t CountByKey(const char* key, int32_t collaboratorId) const override {
    return GetByKey(nullptr, key, collaboratorId);
  }
  uint32_t CountByCollaborator(int32_t collaboratorId) const override {
    return GetByCollaborator(nullptr, collaboratorId);
  }
  uint32_t GetByKey(velk_data::IUserSetting** out, const char* key,
                    int32_t collaboratorId) const override;
  uint32_t GetByCollaborator(velk_data::IUserSetting** out, int32_t collaboratorId) const override {
    return CopyRun(out, collaboratorId, "");
  }
  velk_data::IUserSetting* Find(const char* key, int32_t collaboratorId) const override;
  velk_data::IUserSetting* GetAtOfCollaborator(uint32_t index,
                                               int32_t collaboratorId) const override;
  const char16_t* GetValue(const char* key, int32_t collaboratorId) const override;

 private:
  // The collaborator's settings whose key starts with prefix (every one of them for an empty
  // prefix), in order: they follow each other from the lower bound of (collaborator, prefix).
  uint32_t CopyRun(velk_data::IUserSetting** out, int32_t collaboratorId,
                   std::string_view prefix) const;
};
