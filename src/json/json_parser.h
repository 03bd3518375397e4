// The JSON parser reads UTF-16 text in place (the caller keeps the text alive) and builds
// value trees, or lets the caller walk the text step by step:
//
//   CJSONParser parser(text);
//   CJSONValue* root = parser.ParseValue(nullptr);   // containers come back empty,
//   parser.ParseContainer(*root);                    // their bracket not yet consumed
//
// Step-wise walk of an object (the intake's way through a large message):
//   parser.ReadObjectStart();                        // consumes '{'
//   for (bool end;;) {
//     parser.ReadMemberName(name, end);              // name and ':' or the closing '}'
//     if (end) break;
//     CJSONValue* value = parser.ParseValue(parent); // then ParseContainer, or walk it
//   }
// and of an array: ReadArrayStart(), then NextElement() until it returns null.
// SkipValue() steps over a value without building it, and raises exactly the error that
// reading it (ParseValue, then ParseContainer) would raise, at the same line and column.
//
// m_pos, m_line and m_column are open: a caller may remember m_pos and set it back later
// (with the counters) to read a value again. Separators are tolerant: a comma between
// members or elements may be left out, and one comma right after the opening bracket is
// accepted. Nesting depth costs no call stack.

#ifndef VELK_JSON_JSON_PARSER_H_
#define VELK_JSON_JSON_PARSER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "json/json_exception.h"
#include "json/json_value.h"

namespace velk_json {

class CJSONParser {
 public:
  // A zero-terminated text, or null (which parses as an empty text).
  explicit CJSONParser(const char16_t* text);
  // A text of length code units; zeros in it are ordinary code units.
  CJSONParser(const char16_t* text, size_t length);

  // The next value, owned by the caller, with the given parent (not added to it). Strings,
  // numbers and literals are read whole; an object or array comes back empty, standing on
  // its opening bracket, for ParseObject/ParseArray or a step-wise walk. Objects made by
  // the parser own their members.
  CJSONValue* ParseValue(CJSONValue* parent);
  // Consumes the opening bracket and every member or element up to the closing one.
  void ParseObject(CJSONObject& object);
  void ParseArray(CJSONArray& array);
  // ParseObject or ParseArray as value's type asks; nothing for other values.
  void ParseContainer(CJSONValue& value);
  // A whole document: the root value, filled. Nothing after it is examined.
  CJSONValue* Parse();

  // Consumes the opening '{' or '[' at m_pos (no blanks skipped: ParseValue leaves the
  // position on it).
  void ReadObjectStart();
  void ReadArrayStart();
  // Inside an object: reads the next member name and its colon, or consumes the closing
  // brace and sets end (name then empty).
  void ReadMemberName(std::u16string& name, bool& end);
  // Inside an array: the next element as ParseValue(&array) gives it (not added to the
  // array), or null after consuming the closing bracket.
  CJSONValue* NextElement(CJSONArray& array);
  // NextElement, except that an object element comes back as reuse, cleared and owning its
  // members, with the array as parent, standing on its brace: a walk over an array of objects
  // then allocates no object per element. Any other element is a new value, as above.
  CJSONValue* NextElement(CJSONArray& array, CJSONObject& reuse);
  // Steps over the next value, nested ones included, allocating nothing per value.
  void SkipValue();

  void ParseString(std::u16string& text);
  double ParseNumber();
  uint32_t ReadHex4();
  // Skips blanks; false when the text has ended.
  bool SkipWhitespace();
  [[noreturn]] void Fail(uint32_t code) const;

  const char16_t* m_text;
  size_t m_length;
  size_t m_pos = 0;
  uint32_t m_line = 0;
  uint32_t m_column = 0;

 private:
  bool AtEnd() const { return m_pos >= m_length; }
  char16_t Current() const { return m_text[m_pos]; }
  void Advance() {
    ++m_pos;
    ++m_column;
  }
  // SkipWhitespace where something must follow.
  void SkipToNext();
  // Inside an array: the separator before the next element, or the closing bracket (false).
  bool ReadElementStart();
  void ReadLiteral(const char16_t* literal);
  void ReadOpening(char16_t bracket);
  void AppendString(std::u16string& text);
  // The string at m_pos: its unescaped code units go to out (a std::u16string, or a sink
  // that drops them).
  template <class Out>
  void ScanString(Out& out);
  // The separator before the next member or element of the innermost open container, and
  // for an object the member name and its colon; false when the container closed instead.
  bool SkipToNextValue(char16_t open);
  void FillContainer(CJSONValue* root);
  void CloseObject();

  // A container being filled; the members of an open object gather in m_slots and
  // m_names from its bases on, and move into the object, sized exactly, when it closes.
  struct Open {
    CJSONValue* container;
    size_t slotBase;
    size_t nameBase;
  };
  bool SortMembers(const Open& open);

  // Reused between calls so that a step-wise walk allocates nothing here.
  std::vector<Open> m_open;
  std::vector<CJSONObject::Slot> m_slots;
  std::u16string m_names;
  // The names of the last object put in order (back to back, and their lengths), that order,
  // and room to apply it.
  std::u16string m_orderNames;
  std::vector<uint32_t> m_orderLengths;
  std::vector<uint32_t> m_order;
  std::vector<CJSONObject::Slot> m_sorting;
  // The open brackets of the value being skipped.
  std::vector<char16_t> m_skipping;
};

}  // namespace velk_json

#endif  // VELK_JSON_JSON_PARSER_H_
