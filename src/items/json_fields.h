// The two archives that an item's Fields(archive, item) description drives: CJsonReader reads
// each key from a JSON object into the field (an absent key keeps the field), CJsonWriter adds
// each field to a JSON object. Each operation names the rule of its kind once, so the item files
// only list their keys. kReads lets a description add what only one direction does.
#pragma once

#include <cstdint>
#include <string>

#include "json/json_value.h"

namespace velk_data {
class IData;
class IItem;
}  // namespace velk_data
class CData;

// The colour of key packed as red | green << 8 | blue << 16, read from six hexadecimal digits;
// def when the member is missing, not a string or empty.
int32_t ReadColor(const velk_json::CJSONObject& json, const char16_t* key, int32_t def);
// "RRGGBB" of a packed colour.
std::u16string ColorText(uint32_t color);

// When a reference key is looked up, and what a writer does without a reference.
enum class RefRead {
  kPositive,     // default 0; ids of 0 and below leave the reference unchanged
  kNonNegative,  // default -1; ids below 0 leave the reference unchanged
  kPresent,      // looked up whenever the member is present
  kNullable,     // present: null clears the reference, any other value is looked up
};
enum class RefWrite { kZeroWhenNone, kOmitWhenNone, kNullWhenNone };

class CJsonReader {
 public:
  static constexpr bool kReads = true;

  CJsonReader(const velk_json::CJSONObject& json, velk_data::IData* data)
      : m_json(json), m_data(data) {}

  const velk_json::CJSONObject& Json() const { return m_json; }

  void Int(const char16_t* key, int32_t& field) { field = m_json.GetInt(key, field); }
  void UInt(const char16_t* key, uint32_t& field) {
    field = static_cast<uint32_t>(m_json.GetInt(key, static_cast<int32_t>(field)));
  }
  void Bool(const char16_t* key, bool& field) { field = m_json.GetBool(key, field); }
  void Double(const char16_t* key, double& field) { field = m_json.GetDouble(key, field); }
  void Text(const char16_t* key, std::u16string& field);
  void Date(const char16_t* key, uint32_t& field);
  // null (or an empty text) means "no date" (1); written as null.
  void NullableDate(const char16_t* key, uint32_t& field);
  // A day where 0 is an open side (no start, no end): null reads as 0, 0 writes as null.
  void OpenDate(const char16_t* key, uint32_t& field);
  void Time(const char16_t* key, uint32_t& field);
  void Color(const char16_t* key, uint32_t& field) {
    field = static_cast<uint32_t>(ReadColor(m_json, key, static_cast<int32_t>(field)));
  }

  // Looks the id up in the root's collection of the referenced type; an id that names nothing
  // fails with the message (code 3002).
  template <class T, class Collection>
  void Ref(const char16_t* key, T*& field, Collection* (CData::*collection)() const, RefRead rule,
           RefWrite /*write*/, const char16_t* unknown) {
    int32_t id = 0;
    switch (RefId(key, rule, id)) {
      case RefAction::kKeep:
        return;
      case RefAction::kClear:
        field = nullptr;
        return;
      case RefAction::kLookUp:
        break;
    }
    auto* item = (Root()->*collection)()->FindItem(id);
    if (!item) Unknown(unknown);
    field = static_cast<T*>(item);
  }

 private:
  enum class RefAction { kKeep, kClear, kLookUp };
  // What the member of a reference asks for, by the rule; the id to look up.
  RefAction RefId(const char16_t* key, RefRead rule, int32_t& id) const;
  [[noreturn]] static void Unknown(const char16_t* message);
  CData* Root() const;

  const velk_json::CJSONObject& m_json;
  velk_data::IData* m_data;
};

class CJsonWriter {
 public:
  static constexpr bool kReads = false;

  explicit CJsonWriter(velk_json::CJSONObject& json) : m_json(json) {}

  void Int(const char16_t* key, int32_t value);
  void UInt(const char16_t* key, uint32_t value) { Double(key, value); }
  void Bool(const char16_t* key, bool value);
  void Double(const char16_t* key, double value);
  void Text(const char16_t* key, const std::u16string& value);
  void Date(const char16_t* key, uint32_t value);
  void NullableDate(const char16_t* key, uint32_t value);
  void OpenDate(const char16_t* key, uint32_t value);
  void Time(const char16_t* key, uint32_t value);
  void Color(const char16_t* key, uint32_t value) { Text(key, ColorText(value)); }
  void Null(const char16_t* key);

  template <class T, class Collection>
  void Ref(const char16_t* key, const T* ref, Collection* (CData::*)() const, RefRead,
           RefWrite write, const char16_t*) {
    if (ref)
      Int(key, ref->GetId());
    else if (write == RefWrite::kZeroWhenNone)
      Int(key, 0);
    else if (write == RefWrite::kNullWhenNone)
      Null(key);
  }

 private:
  velk_json::CJSONObject& m_json;
};

// Walks an item's field description to learn whether one of its references names target: the
// References test of the records, which reference their owner and the items their ids name.
class CReferenceFinder {
 public:
  static constexpr bool kReads = false;

  explicit CReferenceFinder(const velk_data::IItem* target) : m_target(target) {}
  bool Found() const { return m_found; }

  template <class... Args>
  void Int(Args&&...) {}
  template <class... Args>
  void UInt(Args&&...) {}
  template <class... Args>
  void Bool(Args&&...) {}
  template <class... Args>
  void Double(Args&&...) {}
  template <class... Args>
  void Text(Args&&...) {}
  template <class... Args>
  void Date(Args&&...) {}
  template <class... Args>
  void NullableDate(Args&&...) {}
  template <class... Args>
  void OpenDate(Args&&...) {}
  template <class... Args>
  void Time(Args&&...) {}
  template <class... Args>
  void Color(Args&&...) {}
  template <class... Args>
  void Null(Args&&...) {}
  template <class T, class... Args>
  void Ref(const char16_t*, const T* ref, Args&&...) {
    if (ref && static_cast<const velk_data::IItem*>(ref) == m_target) m_found = true;
  }

 private:
  const velk_data::IItem* m_target;
  bool m_found = false;
};
