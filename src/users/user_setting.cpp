#include "users/user_setting.h"

#include <algorithm>

#include "json/text_convert.h"
#include "platform/code_page.h"

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

int CompareKeys(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const auto ua = static_cast<unsigned char>(UpperAscii(a[i]));
    const auto ub = static_cast<unsigned char>(UpperAscii(b[i]));
    if (ua != ub) return ua < ub ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool KeyStartsWith(std::string_view key, std::string_view prefix) {
  return key.size() >= prefix.size() && CompareKeys(key.substr(0, prefix.size()), prefix) == 0;
}

void CUserSetting::Assign(const velk_data::IUserSetting* other) {
  if (!other) return;
  SetId(other->GetId());
  SetCollaboratorId(other->GetCollaboratorId());
  SetKey(other->GetKey());
  SetValue(other->GetValue());
}

std::string CUserSetting::ReadKey(const velk_json::CJSONObject& json) {
  const velk_json::CJSONString* key = json.FindString(u"key");
  // Up to the first zero code unit, as the host's zero-terminated keys are.
  return key ? velk_json::ToNarrow(key->GetValue().c_str(), velk_platform::kAsciiCodePage) : "";
}

std::u16string CUserSetting::WideKey(const std::string& key) {
  return velk_json::ToWide(key.c_str(), velk_platform::kAsciiCodePage);
}

uint32_t CUserSettings::GetByKey(velk_data::IUserSetting** out, const char* key,
                                 int32_t collaboratorId) const {
  if (!key || !*key) return GetAll(out);  // every collaborator's settings
  return CopyRun(out, collaboratorId, key);
}

velk_data::IUserSetting* CUserSettings::Find(const char* key, int32_t collaboratorId) const {
  const std::string_view wanted = key ? key : "";
  // The first of equal keys is the first inserted.
  auto it = Items().lower_bound(Key{collaboratorId, wanted});
  if (it == Items().end() || (*it)->GetCollaboratorId() != collaboratorId ||
      CompareKeys((*it)->GetKey(), wanted) != 0)
    return nullptr;
  return *it;
}

velk_data::IUserSetting* CUserSettings::GetAtOfCollaborator(uint32_t index,
                                                            int32_t collaboratorId) const {
  auto it = Items().lower_bound(Key{collaboratorId, ""});
  for (; it != Items().end() && (*it)->GetCollaboratorId() == collaboratorId; ++it, --index)
    if (index == 0) return *it;
  return nullptr;
}

const char16_t* CUserSettings::GetValue(const char* key, int32_t collaboratorId) const {
  velk_data::IUserSetting* setting = Find(key, collaboratorId);
  return setting ? setting->GetValue() : nullptr;
}

uint32_t CUserSettings::CopyRun(velk_data::IUserSetting** out, int32_t collaboratorId,
                                std::string_view prefix) const {
  auto first = Items().lower_bound(Key{collaboratorId, prefix});
  auto last = first;
  while (last != Items().end() && (*last)->GetCollaboratorId() == collaboratorId &&
         KeyStartsWith((*last)->GetKey(), prefix))
    ++last;
  return Copy(first, last, out);
}
