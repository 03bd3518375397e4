#include "datetime/json_readers.h"

#include <string_view>

#include "datetime/text_readers.h"

namespace velk_date_time {

namespace {

// The member's text, read in place; empty when there is no String member.
std::u16string_view MemberText(const velk_json::CJSONObject& json, const char16_t* name) {
  if (name == nullptr) return std::u16string_view();
  const velk_json::CJSONString* member = json.FindString(name);
  return member ? std::u16string_view(member->GetValue()) : std::u16string_view();
}

}  // namespace

uint32_t ReadDate(const velk_json::CJSONObject& json, const char16_t* name, uint32_t def) {
  return ReadDateText(MemberText(json, name), def);
}

int32_t ReadTime(const velk_json::CJSONObject& json, const char16_t* name, int32_t def) {
  return ReadTimeText(MemberText(json, name), def);
}

}  // namespace velk_date_time
