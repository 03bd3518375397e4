// JSON values: a document is a tree of individually allocated values. Containers own
// their children as follows:
//   - an array owns its elements;
//   - an object owns its member values only when m_ownsMembers is true (the parser sets it);
//     an object built in code leaves it false and owns just the values it was handed with
//     AddOwned (recorded in m_created), so an item writer can build one on the stack.
// Destroying a container destroys what it owns without recursion, so trees of any depth
// can be released. Member names are ordered by UTF-16 code unit, which is also the order
// in which an object is written.

#ifndef VELK_JSON_JSON_VALUE_H_
#define VELK_JSON_JSON_VALUE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velk_json {

enum class JSONType : uint32_t {
  Object = 2,
  Array = 3,
  Number = 4,
  String = 5,
  Boolean = 6,
  Null = 7,
};

class CJSONValue {
 public:
  CJSONValue(const CJSONValue&) = delete;
  CJSONValue& operator=(const CJSONValue&) = delete;
  virtual ~CJSONValue() = default;

  // Deletes this value (and what it owns). Values are always heap-allocated. Virtual and
  // second in the table, after the destructor: the order of the value's table is fixed.
  virtual void Destroy();

  // Values come from the value pool (node_pool.h).
  static void* operator new(size_t size);
  static void operator delete(void* value, size_t size);

  // The value as JSON text; pretty adds line breaks and indentation.
  virtual std::u16string ToString(bool pretty = false) const = 0;

  JSONType GetType() const { return m_type; }
  CJSONValue* GetParent() const { return m_parent; }
  bool IsContainer() const { return m_type == JSONType::Object || m_type == JSONType::Array; }

 protected:
  CJSONValue(JSONType type, CJSONValue* parent) : m_type(type), m_parent(parent) {}

 private:
  friend class CJSONObject;
  friend class CJSONArray;
  friend class CJSONParser;
  friend class CTreeDestroyer;

  JSONType m_type;
  // The container that holds this value; null for a root. Not owning.
  CJSONValue* m_parent;
};

class CJSONString final : public CJSONValue {
 public:
  explicit CJSONString(std::u16string value, CJSONValue* parent = nullptr)
      : CJSONValue(JSONType::String, parent), m_value(std::move(value)) {}
  explicit CJSONString(std::u16string_view value, CJSONValue* parent = nullptr)
      : CJSONValue(JSONType::String, parent), m_value(value) {}
  explicit CJSONString(const char16_t* value, CJSONValue* parent = nullptr)
      : CJSONValue(JSONType::String, parent), m_value(value ? value : u"") {}

  std::u16string ToString(bool pretty = false) const override;

  // The unescaped text.
  const std::u16string& GetValue() const { return m_value; }

 private:
  friend class CJSONParser;
  std::u16string m_value;
};

class CJSONNumber final : public CJSONValue {
 public:
  explicit CJSONNumber(double value, CJSONValue* parent = nullptr)
      : CJSONValue(JSONType::Number, parent), m_value(value) {}

  std::u16string ToString(bool pretty = false) const override;

  double GetValue() const { return m_value; }

 private:
  double m_value;
};

class CJSONBoolean final : public CJSONValue {
 public:
  explicit CJSONBoolean(bool value, CJSONValue* parent = nullptr)
      : CJSONValue(JSONType::Boolean, parent), m_value(value ? 1 : 0) {}

  std::u16string ToString(bool pretty = false) const override;

  bool GetValue() const { return m_value != 0; }

 private:
  int32_t m_value;
};

class CJSONNull final : public CJSONValue {
 public:
  explicit CJSONNull(CJSONValue* parent = nullptr) : CJSONValue(JSONType::Null, parent) {}

  std::u16string ToString(bool pretty = false) const override;
};

class CJSONArray final : public CJSONValue {
 public:
  explicit CJSONArray(CJSONValue* parent = nullptr) : CJSONValue(JSONType::Array, parent) {}
  ~CJSONArray() override;

  std::u16string ToString(bool pretty = false) const override;

  // Appends value and takes ownership; a value without parent gets this array as parent.
  // Returns the new element's index.
  int32_t Add(CJSONValue* value);

  size_t GetCount() const { return m_elements.size(); }
  CJSONValue* GetAt(size_t index) const { return m_elements[index]; }
  CJSONValue* operator[](size_t index) const { return m_elements[index]; }
  std::vector<CJSONValue*>::const_iterator begin() const { return m_elements.begin(); }
  std::vector<CJSONValue*>::const_iterator end() const { return m_elements.end(); }

  // Destroys every element; the array can then be filled again.
  void Clear();

 private:
  friend class CJSONParser;
  friend class CTreeDestroyer;
  std::vector<CJSONValue*> m_elements;
};

class CJSONObject final : public CJSONValue {
 public:
  // One member: its name (a view into the object's name storage) and its value.
  struct Member {
    std::u16string_view name;
    CJSONValue* value;
  };

  explicit CJSONObject(CJSONValue* parent = nullptr) : CJSONValue(JSONType::Object, parent) {}
  ~CJSONObject() override;

  std::u16string ToString(bool pretty = false) const override;

  // A value without parent gets this object as parent; then (name, value) is inserted
  // unless name is present, in which case the first value stays. Returns whether the
  // member was inserted. Add alone does not make the object own the value.
  bool Add(std::u16string_view name, CJSONValue* value);
  // Add, and the object destroys value in any case (inserted or not).
  bool AddOwned(std::u16string_view name, CJSONValue* value);

  // The member's value, or null. Logarithmic in the member count.
  CJSONValue* Find(std::u16string_view name) const;
  // The member's value when it is a String, else null.
  const CJSONString* FindString(std::u16string_view name) const;

  // Typed readers; an absent member, or one of a kind the reader does not convert,
  // yields def.
  // Number: truncated toward zero (outside int32 or NaN: INT32_MIN); Boolean: 1 or 0;
  // String: its leading decimal integer (blanks and sign allowed, 0 when none).
  int32_t GetInt(std::u16string_view name, int32_t def) const;
  // GetInt of a member already found (null: def).
  static int32_t IntOf(const CJSONValue* value, int32_t def);
  // Number: the value; String: converted like std::stod (throws std::invalid_argument
  // "invalid stod argument" or std::out_of_range "stod argument out of range").
  double GetDouble(std::u16string_view name, double def) const;
  // Boolean: its value; Number: != 0; String: its leading decimal integer != 0.
  bool GetBool(std::u16string_view name, bool def) const;
  // String: its text. Numbers and booleans are not converted.
  std::u16string GetString(std::u16string_view name, std::u16string_view def) const;

  // Members in name order; a member's name view is valid until the object changes.
  size_t GetCount() const { return m_members.size(); }
  Member GetAt(size_t index) const;

  bool OwnsMembers() const { return m_ownsMembers; }
  void SetOwnsMembers(bool owns) { m_ownsMembers = owns; }

  // Destroys what the object owns and removes every member; storage is kept for reuse.
  void Clear();

 private:
  friend class CJSONParser;
  friend class CTreeDestroyer;

  // Names live back to back in m_names; a slot refers to its name by offset so that the
  // storage can grow. Sorted by name, unique, except while the parser fills the object.
  // prefix packs the first four code units, most significant first, so that most
  // comparisons need not look at the names.
  struct Slot {
    uint64_t prefix;
    uint32_t offset;
    uint32_t length;
    CJSONValue* value;
  };

  static uint64_t PrefixOf(std::u16string_view name) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < 4; ++i) prefix = prefix << 16 | (i < name.size() ? name[i] : 0);
    return prefix;
  }
  static Slot MakeSlot(size_t offset, std::u16string_view name, CJSONValue* value) {
    return Slot{PrefixOf(name), static_cast<uint32_t>(offset), static_cast<uint32_t>(name.size()),
                value};
  }
  std::u16string_view NameOf(const Slot& slot) const {
    return std::u16string_view(m_names.data() + slot.offset, slot.length);
  }
  bool Less(const Slot& a, const Slot& b) const {
    return a.prefix != b.prefix ? a.prefix < b.prefix : NameOf(a) < NameOf(b);
  }
  bool Same(const Slot& a, const Slot& b) const {
    return a.prefix == b.prefix && NameOf(a) == NameOf(b);
  }
  // The first slot whose name is not less than name.
  std::vector<Slot>::const_iterator LowerBound(std::u16string_view name) const;
  // The member called name, or null; through m_table when the object is large.
  const Slot* FindSlot(std::u16string_view name) const;
  static uint64_t HashOf(uint64_t prefix, std::u16string_view name);
  void BuildTable() const;
  void Changed() { m_tableValid = false; }

  // Parser path: appends without ordering; Seal restores order and uniqueness, keeping the
  // first of equal names and destroying the later ones.
  // The name is at nameOffset in m_names already, or is appended when nameOffset is npos.
  void Append(std::u16string_view name, CJSONValue* value, size_t nameOffset = npos);
  static constexpr size_t npos = static_cast<size_t>(-1);
  void Seal();

  std::vector<Slot> m_members;
  std::u16string m_names;
  // Open-addressing table over m_members (slot index + 1, 0 for free), built on the first lookup
  // of an object with many members and dropped on every change: items read each of their
  // dozens of keys once, and hashing beats comparing names that share long beginnings
  // ("custom_field_name_0" ... "custom_field_value_7").
  mutable std::vector<uint16_t> m_table;
  mutable bool m_tableValid = false;
  bool m_ownsMembers = false;
  bool m_sorted = true;
  std::vector<CJSONValue*> m_created;
};

// Appends the JSON text of value to out (what ToString returns), so that a caller can
// reuse one buffer.
void AppendText(const CJSONValue& value, bool pretty, std::u16string& out);

}  // namespace velk_json

#endif  // VELK_JSON_JSON_VALUE_H_
