#include "items/json_fields.h"

#include <cstdio>

#include "datetime/date.h"
#include "datetime/json_readers.h"
#include "datetime/time_of_day.h"
#include "items/model_error.h"
#include "items/root.h"

using velk_json::CJSONBoolean;
using velk_json::CJSONNull;
using velk_json::CJSONNumber;
using velk_json::CJSONObject;
using velk_json::CJSONString;
using velk_json::JSONType;

namespace {
int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}
}  // namespace

int32_t ReadColor(const CJSONObject& json, const char16_t* key, int32_t def) {
  const velk_json::CJSONString* member = json.FindString(key);
  if (!member || member->GetValue().empty()) return def;
  // Each pair reads up to two hexadecimal digits; the scan stops at the first pair without one,
  // and the pairs it did not reach keep 0.
  const std::u16string& text = member->GetValue();
  int32_t color = 0;
  size_t pos = 0;
  for (int pair = 0; pair < 3; ++pair) {
    int value = 0, digits = 0;
    for (; digits < 2 && pos < text.size() && HexDigit(text[pos]) >= 0; ++digits, ++pos)
      value = value * 16 + HexDigit(text[pos]);
    if (digits == 0) break;
    color |= value << (8 * pair);
  }
  return color;
}

std::u16string ColorText(uint32_t color) {
  static const char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string text(6, u'0');
  for (int pair = 0; pair < 3; ++pair) {
    const int byte = (color >> (8 * pair)) & 0xFF;
    text[2 * pair] = kDigits[byte >> 4];
    text[2 * pair + 1] = kDigits[byte & 0xF];
  }
  return text;
}

void CJsonReader::Text(const char16_t* key, std::u16string& field) {
  if (const velk_json::CJSONString* member = m_json.FindString(key)) field = member->GetValue();
}

void CJsonReader::Date(const char16_t* key, uint32_t& field) {
  field = velk_date_time::ReadDate(m_json, key, field);
}

void CJsonReader::NullableDate(const char16_t* key, uint32_t& field) {
  const velk_json::CJSONValue* member = m_json.Find(key);
  if (!member) return;
  field = member->GetType() == JSONType::Null ? 1 : velk_date_time::ReadDate(m_json, key, 1);
}

void CJsonReader::OpenDate(const char16_t* key, uint32_t& field) {
  const velk_json::CJSONValue* member = m_json.Find(key);
  if (!member) return;
  field = member->GetType() == JSONType::Null ? 0 : velk_date_time::ReadDate(m_json, key, field);
}

void CJsonReader::Time(const char16_t* key, uint32_t& field) {
  field = static_cast<uint32_t>(velk_date_time::ReadTime(m_json, key, static_cast<int32_t>(field)));
}

CJsonReader::RefAction CJsonReader::RefId(const char16_t* key, RefRead rule, int32_t& id) const {
  // One search of the object: records read references by the million.
  const velk_json::CJSONValue* member = m_json.Find(key);
  switch (rule) {
    case RefRead::kPositive:
      id = CJSONObject::IntOf(member, 0);
      return id > 0 ? RefAction::kLookUp : RefAction::kKeep;
    case RefRead::kNonNegative:
      id = CJSONObject::IntOf(member, -1);
      return id >= 0 ? RefAction::kLookUp : RefAction::kKeep;
    case RefRead::kPresent:
    case RefRead::kNullable:
      if (!member) return RefAction::kKeep;
      if (rule == RefRead::kNullable && member->GetType() == JSONType::Null)
        return RefAction::kClear;
      id = CJSONObject::IntOf(member, 0);
      return RefAction::kLookUp;
  }
  return RefAction::kKeep;
}

void CJsonReader::Unknown(const char16_t* message) { ThrowModelError(message, kErrorInvalidId); }

CData* CJsonReader::Root() const { return RootOf(m_data); }

void CJsonWriter::Int(const char16_t* key, int32_t value) {
  m_json.AddOwned(key, new CJSONNumber(value));
}
void CJsonWriter::Bool(const char16_t* key, bool value) {
  m_json.AddOwned(key, new CJSONBoolean(value));
}
void CJsonWriter::Double(const char16_t* key, double value) {
  m_json.AddOwned(key, new CJSONNumber(value));
}
void CJsonWriter::Text(const char16_t* key, const std::u16string& value) {
  m_json.AddOwned(key, new CJSONString(value));
}
void CJsonWriter::Date(const char16_t* key, uint32_t value) {
  Text(key, velk_date_time::TDate(value).ToString());
}
void CJsonWriter::NullableDate(const char16_t* key, uint32_t value) {
  if (value < 2)
    Null(key);
  else
    Date(key, value);
}
void CJsonWriter::OpenDate(const char16_t* key, uint32_t value) {
  if (value == 0)
    Null(key);
  else
    Date(key, value);
}
void CJsonWriter::Time(const char16_t* key, uint32_t value) {
  Text(key, velk_date_time::TTime(static_cast<int32_t>(value)).ToString());
}
void CJsonWriter::Null(const char16_t* key) { m_json.AddOwned(key, new CJSONNull()); }
