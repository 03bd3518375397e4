#include "json/json_value.h"

#include <algorithm>

#include "json/node_pool.h"
#include "json/text_number.h"

namespace velk_json {

// Releases whatever a container owns without recursion: containers that still own
// children are chained through their m_parent field (no longer needed once they are
// condemned) and emptied one after the other, so depth costs no stack and no memory.
class CTreeDestroyer {
 public:
  static void ReleaseOwned(CJSONValue* root) {
    CJSONValue* pending = nullptr;
    TakeChildren(root, &pending);
    while (pending) {
      CJSONValue* next = pending;
      pending = next->m_parent;
      TakeChildren(next, &pending);
      delete next;  // now empty: its destructor has nothing left to release
    }
  }

 private:
  static void Condemn(CJSONValue* value, CJSONValue** pending) {
    if (HasChildren(value)) {
      value->m_parent = *pending;
      *pending = value;
    } else {
      delete value;
    }
  }

  static bool HasChildren(const CJSONValue* value) {
    if (value->m_type == JSONType::Array)
      return !static_cast<const CJSONArray*>(value)->m_elements.empty();
    if (value->m_type == JSONType::Object) {
      auto* object = static_cast<const CJSONObject*>(value);
      return !object->m_members.empty() || !object->m_created.empty();
    }
    return false;
  }

  static void TakeChildren(CJSONValue* container, CJSONValue** pending) {
    if (container->m_type == JSONType::Array) {
      auto* array = static_cast<CJSONArray*>(container);
      for (CJSONValue* element : array->m_elements) Condemn(element, pending);
      array->m_elements.clear();
    } else if (container->m_type == JSONType::Object) {
      auto* object = static_cast<CJSONObject*>(container);
      if (object->m_ownsMembers) {
        for (const CJSONObject::Slot& slot : object->m_members) Condemn(slot.value, pending);
      }
      object->m_members.clear();
      object->Changed();
      for (CJSONValue* value : object->m_created) Condemn(value, pending);
      object->m_created.clear();
    }
  }
};

void CJSONValue::Destroy() { delete this; }

void* CJSONValue::operator new(size_t size) { return AllocateNode(size); }

void CJSONValue::operator delete(void* value, size_t size) { FreeNode(value, size); }

CJSONArray::~CJSONArray() { CTreeDestroyer::ReleaseOwned(this); }

int32_t CJSONArray::Add(CJSONValue* value) {
  if (!value->m_parent) value->m_parent = this;
  m_elements.push_back(value);
  return static_cast<int32_t>(m_elements.size() - 1);
}

void CJSONArray::Clear() { CTreeDestroyer::ReleaseOwned(this); }

CJSONObject::~CJSONObject() { CTreeDestroyer::ReleaseOwned(this); }

void CJSONObject::Clear() {
  CTreeDestroyer::ReleaseOwned(this);
  m_names.clear();
  m_sorted = true;
}

std::vector<CJSONObject::Slot>::const_iterator CJSONObject::LowerBound(
    std::u16string_view name) const {
  const uint64_t prefix = PrefixOf(name);
  return std::lower_bound(m_members.begin(), m_members.end(), name,
                          [this, prefix](const Slot& slot, std::u16string_view key) {
                            if (slot.prefix != prefix) return slot.prefix < prefix;
                            // Equal prefixes: the first four units (or all of a shorter
                            // name) are equal, so the comparison starts after them.
                            const std::u16string_view own = NameOf(slot);
                            const size_t skip = std::min({own.size(), key.size(), size_t{4}});
                            return own.substr(skip) < key.substr(skip);
                          });
}

bool CJSONObject::Add(std::u16string_view name, CJSONValue* value) {
  // The value takes this object as parent even when its name is already taken.
  if (!value->m_parent) value->m_parent = this;
  if (!m_sorted) Seal();
  auto at = LowerBound(name);
  if (at != m_members.end() && NameOf(*at) == name) return false;
  Slot slot = MakeSlot(m_names.size(), name, value);
  m_names.append(name);
  m_members.insert(at, slot);
  Changed();
  return true;
}

bool CJSONObject::AddOwned(std::u16string_view name, CJSONValue* value) {
  bool inserted = Add(name, value);
  // An object that owns its members already destroys an inserted value.
  if (!inserted || !m_ownsMembers) m_created.push_back(value);
  return inserted;
}

void CJSONObject::Append(std::u16string_view name, CJSONValue* value, size_t nameOffset) {
  // Compared before the new name joins m_names, which the view may not point into.
  Slot slot = MakeSlot(nameOffset, name, value);
  if (m_sorted && !m_members.empty() &&
      !(m_members.back().prefix < slot.prefix ||
        (m_members.back().prefix == slot.prefix && NameOf(m_members.back()) < name))) {
    m_sorted = false;
  }
  if (nameOffset == npos) {
    slot.offset = static_cast<uint32_t>(m_names.size());
    m_names.append(name);
  }
  m_members.push_back(slot);
  Changed();
}

void CJSONObject::Seal() {
  Changed();  // the parser fills m_members directly and seals after
  if (m_sorted) return;
  m_sorted = true;
  auto less = [this](const Slot& a, const Slot& b) { return Less(a, b); };
  if (m_members.size() <= 16) {
    // Insertion sort: stable, and quickest for the small objects that items are.
    for (size_t i = 1; i < m_members.size(); ++i) {
      Slot slot = m_members[i];
      size_t j = i;
      for (; j > 0 && less(slot, m_members[j - 1]); --j) m_members[j] = m_members[j - 1];
      m_members[j] = slot;
    }
  } else {
    std::stable_sort(m_members.begin(), m_members.end(), less);
  }
  // Keep the first of equal names; the others were never members.
  size_t kept = 0;
  for (size_t i = 0; i < m_members.size(); ++i) {
    if (kept > 0 && Same(m_members[kept - 1], m_members[i])) {
      if (m_ownsMembers) m_created.push_back(m_members[i].value);
      continue;
    }
    m_members[kept++] = m_members[i];
  }
  m_members.resize(kept);
}

namespace {
// Objects with fewer members are searched by halving; the table pays off from here on.
constexpr size_t kTableFrom = 12;
}  // namespace

uint64_t CJSONObject::HashOf(uint64_t prefix, std::u16string_view name) {
  // The first four units (the prefix), the last four and the length tell most names apart.
  uint64_t tail = 0;
  for (size_t i = name.size() > 4 ? name.size() - 4 : 0; i < name.size(); ++i)
    tail = tail << 16 | name[i];
  uint64_t h = prefix ^ (tail * 0xC2B2AE3D27D4EB4Full) ^ (name.size() * 0x9E3779B97F4A7C15ull);
  h ^= h >> 31;
  h *= 0xBF58476D1CE4E5B9ull;
  return h ^ (h >> 29);
}

void CJSONObject::BuildTable() const {
  size_t capacity = 32;
  while (capacity < 2 * m_members.size()) capacity *= 2;
  m_table.assign(capacity, 0);
  for (size_t i = 0; i < m_members.size(); ++i) {
    size_t at = HashOf(m_members[i].prefix, NameOf(m_members[i])) & (capacity - 1);
    while (m_table[at]) at = (at + 1) & (capacity - 1);
    m_table[at] = static_cast<uint16_t>(i + 1);
  }
  m_tableValid = true;
}

const CJSONObject::Slot* CJSONObject::FindSlot(std::u16string_view name) const {
  if (m_members.size() < kTableFrom || m_members.size() >= 0x8000 || !m_sorted) {
    auto at = LowerBound(name);
    return at != m_members.end() && NameOf(*at) == name ? &*at : nullptr;
  }
  if (!m_tableValid) BuildTable();
  const uint64_t prefix = PrefixOf(name);
  const size_t mask = m_table.size() - 1;
  for (size_t at = HashOf(prefix, name) & mask; m_table[at]; at = (at + 1) & mask) {
    const Slot& slot = m_members[m_table[at] - 1];
    if (slot.prefix == prefix && NameOf(slot) == name) return &slot;
  }
  return nullptr;
}

CJSONValue* CJSONObject::Find(std::u16string_view name) const {
  const Slot* slot = FindSlot(name);
  return slot ? slot->value : nullptr;
}

const CJSONString* CJSONObject::FindString(std::u16string_view name) const {
  CJSONValue* value = Find(name);
  if (value && value->GetType() == JSONType::String) return static_cast<CJSONString*>(value);
  return nullptr;
}

CJSONObject::Member CJSONObject::GetAt(size_t index) const {
  const Slot& slot = m_members[index];
  return Member{NameOf(slot), slot.value};
}

int32_t CJSONObject::GetInt(std::u16string_view name, int32_t def) const {
  return IntOf(Find(name), def);
}

int32_t CJSONObject::IntOf(const CJSONValue* value, int32_t def) {
  if (!value) return def;
  switch (value->GetType()) {
    case JSONType::Number:
      return TruncateToInt32(static_cast<const CJSONNumber*>(value)->GetValue());
    case JSONType::Boolean:
      return static_cast<const CJSONBoolean*>(value)->GetValue() ? 1 : 0;
    case JSONType::String:
      return LeadingInt32(static_cast<const CJSONString*>(value)->GetValue());
    default:
      return def;
  }
}

double CJSONObject::GetDouble(std::u16string_view name, double def) const {
  const CJSONValue* value = Find(name);
  if (!value) return def;
  switch (value->GetType()) {
    case JSONType::Number:
      return static_cast<const CJSONNumber*>(value)->GetValue();
    case JSONType::String:
      return TextToDouble(static_cast<const CJSONString*>(value)->GetValue());
    default:
      return def;
  }
}

bool CJSONObject::GetBool(std::u16string_view name, bool def) const {
  const CJSONValue* value = Find(name);
  if (!value) return def;
  switch (value->GetType()) {
    case JSONType::Boolean:
      return static_cast<const CJSONBoolean*>(value)->GetValue();
    case JSONType::Number:
      return static_cast<const CJSONNumber*>(value)->GetValue() != 0.0;
    case JSONType::String:
      return LeadingInt32(static_cast<const CJSONString*>(value)->GetValue()) != 0;
    default:
      return def;
  }
}

std::u16string CJSONObject::GetString(std::u16string_view name, std::u16string_view def) const {
  const CJSONString* value = FindString(name);
  return value ? value->GetValue() : std::u16string(def);
}

}  // namespace velk_json
