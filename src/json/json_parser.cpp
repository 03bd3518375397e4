#include "json/json_parser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

// Eight code units at a time where SSE2 is there. The length of a zero-terminated text reads
// whole aligned blocks, which may reach past the terminator (never past its page); sanitizers
// would object, so their builds take the plain loop.
#if defined(__SSE2__)
#include <emmintrin.h>
#define VELK_SSE2 1
#if defined(__SANITIZE_ADDRESS__)
#define VELK_SSE2_LENGTH 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define VELK_SSE2_LENGTH 0
#endif
#endif
#ifndef VELK_SSE2_LENGTH
#define VELK_SSE2_LENGTH 1
#endif
#endif

namespace velk_json {
namespace {

size_t LengthOf(const char16_t* text) {
  if (!text) return 0;
#if VELK_SSE2_LENGTH
  const char16_t* p = text;
  for (; reinterpret_cast<uintptr_t>(p) % 16 != 0; ++p)
    if (!*p) return static_cast<size_t>(p - text);
  const __m128i zero = _mm_setzero_si128();
  for (;; p += 8) {
    __m128i units = _mm_load_si128(reinterpret_cast<const __m128i*>(p));
    if (int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(units, zero)))
      return static_cast<size_t>(p - text) + __builtin_ctz(mask) / 2;
  }
#else
  return std::char_traits<char16_t>::length(text);
#endif
}

// The first quotation mark or backslash in [p, end), or end.
const char16_t* FindQuoteOrBackslash(const char16_t* p, const char16_t* end) {
#if VELK_SSE2
  const __m128i quote = _mm_set1_epi16(u'"');
  const __m128i backslash = _mm_set1_epi16(u'\\');
  for (; end - p >= 8; p += 8) {
    __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i hits = _mm_or_si128(_mm_cmpeq_epi16(units, quote), _mm_cmpeq_epi16(units, backslash));
    if (int mask = _mm_movemask_epi8(hits)) return p + __builtin_ctz(mask) / 2;
  }
#endif
  while (p != end && *p != u'"' && *p != u'\\') ++p;
  return p;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// A string's code units when only its end matters.
struct Discard {
  void append(const char16_t*, const char16_t*) {}
  void push_back(char16_t) {}
};

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

}  // namespace

CJSONParser::CJSONParser(const char16_t* text) : m_text(text), m_length(LengthOf(text)) {}

CJSONParser::CJSONParser(const char16_t* text, size_t length)
    : m_text(text), m_length(text ? length : 0) {}

void CJSONParser::Fail(uint32_t code) const { throw CJSONException(code, m_line, m_column); }

bool CJSONParser::SkipWhitespace() {
  while (m_pos < m_length) {
    char16_t c = m_text[m_pos];
    if (c == u' ' || c == u'\t' || c == u'\r') {
      ++m_column;
    } else if (c == u'\n') {
      ++m_line;
      m_column = 1;
    } else {
      return true;
    }
    ++m_pos;
  }
  return false;
}

void CJSONParser::SkipToNext() {
  if (!SkipWhitespace()) Fail(UnexpectedEnd);
}

CJSONValue* CJSONParser::ParseValue(CJSONValue* parent) {
  SkipToNext();
  char16_t c = Current();
  if (c < u'"' || c > u'{') Fail(UnexpectedCharacter);
  switch (c) {
    case u'"': {
      auto* value = new CJSONString(std::u16string(), parent);
      try {
        ParseString(value->m_value);
      } catch (...) {
        value->Destroy();
        throw;
      }
      return value;
    }
    case u'[':
      return new CJSONArray(parent);
    case u'{': {
      auto* object = new CJSONObject(parent);
      object->m_ownsMembers = true;
      return object;
    }
    case u't':
      ReadLiteral(u"true");
      return new CJSONBoolean(true, parent);
    case u'f':
      ReadLiteral(u"false");
      return new CJSONBoolean(false, parent);
    case u'n':
      ReadLiteral(u"null");
      return new CJSONNull(parent);
    default:
      if (c == u'-' || IsDigit(c)) return new CJSONNumber(ParseNumber(), parent);
      Fail(UnexpectedCharacter);
  }
}

void CJSONParser::ReadLiteral(const char16_t* literal) {
  for (; *literal; ++literal) {
    if (AtEnd()) Fail(UnexpectedEnd);
    if (Current() != *literal) Fail(UnexpectedCharacter);
    Advance();
  }
}

void CJSONParser::ReadOpening(char16_t bracket) {
  if (AtEnd()) Fail(UnexpectedEnd);
  if (Current() != bracket) Fail(UnexpectedCharacter);
  Advance();
}

void CJSONParser::ReadObjectStart() { ReadOpening(u'{'); }
void CJSONParser::ReadArrayStart() { ReadOpening(u'['); }

void CJSONParser::ParseObject(CJSONObject& object) {
  ReadObjectStart();
  FillContainer(&object);
}

void CJSONParser::ParseArray(CJSONArray& array) {
  ReadArrayStart();
  FillContainer(&array);
}

void CJSONParser::ParseContainer(CJSONValue& value) {
  if (value.GetType() == JSONType::Object) ParseObject(static_cast<CJSONObject&>(value));
  if (value.GetType() == JSONType::Array) ParseArray(static_cast<CJSONArray&>(value));
}

CJSONValue* CJSONParser::Parse() {
  CJSONValue* root = ParseValue(nullptr);
  try {
    ParseContainer(*root);
  } catch (...) {
    root->Destroy();
    throw;
  }
  return root;
}

// Fills root, whose opening bracket is consumed, and every container inside it with an
// explicit stack of open containers. A new container joins its parent before it is
// filled, so that after an error everything read so far belongs to root.
void CJSONParser::FillContainer(CJSONValue* root) {
  m_open.clear();
  m_slots.clear();
  m_names.clear();
  m_open.push_back(Open{root, 0, 0});
  try {
    while (!m_open.empty()) {
      CJSONValue* top = m_open.back().container;
      CJSONValue* value;
      if (top->m_type == JSONType::Object) {
        SkipToNext();
        if (Current() == u'}') {
          Advance();
          CloseObject();
          continue;
        }
        if (Current() == u',') {
          Advance();
          SkipToNext();
        }
        // ReadMemberName, reading the name straight into the shared name storage.
        size_t nameAt = m_names.size();
        AppendString(m_names);
        SkipToNext();
        if (Current() != u':') Fail(UnexpectedCharacter);
        Advance();
        value = ParseValue(top);
        try {
          m_slots.push_back(CJSONObject::MakeSlot(
              nameAt - m_open.back().nameBase, std::u16string_view(m_names).substr(nameAt), value));
        } catch (...) {
          value->Destroy();
          throw;
        }
      } else {
        auto* array = static_cast<CJSONArray*>(top);
        value = NextElement(*array);
        if (!value) {
          m_open.pop_back();
          continue;
        }
        try {
          array->m_elements.push_back(value);
        } catch (...) {
          value->Destroy();
          throw;
        }
      }
      if (value->IsContainer()) {
        Advance();  // its opening bracket, where ParseValue left us
        m_open.push_back(Open{value, m_slots.size(), m_names.size()});
      }
    }
  } catch (...) {
    // Hand the members read so far to their objects, so that root owns everything.
    while (!m_open.empty()) {
      if (m_open.back().container->m_type == JSONType::Object) {
        CloseObject();
      } else {
        m_open.pop_back();
      }
    }
    throw;
  }
}

// Moves the innermost open object's members from the shared storage into the object.
void CJSONParser::CloseObject() {
  Open open = m_open.back();
  m_open.pop_back();
  auto* object = static_cast<CJSONObject*>(open.container);
  auto first = m_slots.begin() + open.slotBase;
  auto last = m_slots.end();
  size_t shift = object->m_names.size();
  // An object made elsewhere (one on the stack, say) still owns what the parser put in it.
  if (!object->m_ownsMembers) {
    for (auto slot = first; slot != last; ++slot) object->m_created.push_back(slot->value);
  }
  // Into an empty object, members already in name order go in as they are; otherwise Seal
  // orders them (and drops repeated names).
  bool ordered = object->m_members.empty() && SortMembers(open);
  object->m_names.append(m_names, open.nameBase, std::u16string::npos);
  object->m_members.reserve(object->m_members.size() + (last - first));
  for (auto slot = first; slot != last; ++slot) {
    size_t at = shift + slot->offset;
    if (ordered) {
      object->m_members.push_back(*slot);
      object->m_members.back().offset = static_cast<uint32_t>(at);
    } else {
      object->Append(std::u16string_view(object->m_names.data() + at, slot->length), slot->value,
                     at);
    }
  }
  m_slots.erase(first, last);
  m_names.resize(open.nameBase);
  object->Seal();
}

// Puts the open object's slots in name order when no name repeats, else leaves them in text
// order and answers false. Objects of one kind (the items of a section) mostly come with the
// same names in the same order: then the order found for the last object applies again, and
// comparing the names back to back replaces the sort.
bool CJSONParser::SortMembers(const Open& open) {
  CJSONObject::Slot* slots = m_slots.data() + open.slotBase;
  const size_t count = m_slots.size() - open.slotBase;
  if (count < 2) return true;
  const std::u16string_view names = std::u16string_view(m_names).substr(open.nameBase);
  // Equality alone: bytes will do, and memcmp is much quicker than a unit-wise compare.
  bool same = count == m_order.size() && names.size() == m_orderNames.size() &&
              std::memcmp(names.data(), m_orderNames.data(), names.size() * sizeof(char16_t)) == 0;
  for (size_t i = 0; same && i < count; ++i) same = slots[i].length == m_orderLengths[i];
  if (!same) {
    auto less = [slots, names](uint32_t a, uint32_t b) {
      const CJSONObject::Slot& x = slots[a];
      const CJSONObject::Slot& y = slots[b];
      if (x.prefix != y.prefix) return x.prefix < y.prefix;
      return names.substr(x.offset, x.length) < names.substr(y.offset, y.length);
    };
    m_order.resize(count);
    for (uint32_t i = 0; i < count; ++i) m_order[i] = i;
    std::sort(m_order.begin(), m_order.end(), less);
    for (size_t i = 1; i < count; ++i) {
      if (!less(m_order[i - 1], m_order[i])) {
        m_order.clear();  // a repeated name
        return false;
      }
    }
    m_orderNames.assign(names);
    m_orderLengths.resize(count);
    for (size_t i = 0; i < count; ++i) m_orderLengths[i] = slots[i].length;
  }
  m_sorting.assign(slots, slots + count);
  for (size_t i = 0; i < count; ++i) slots[i] = m_sorting[m_order[i]];
  return true;
}

void CJSONParser::ReadMemberName(std::u16string& name, bool& end) {
  end = false;
  SkipToNext();
  if (Current() == u'}') {
    Advance();
    end = true;
    name.clear();
    return;
  }
  if (Current() == u',') {
    Advance();
    SkipToNext();
  }
  ParseString(name);
  SkipToNext();
  if (Current() != u':') Fail(UnexpectedCharacter);
  Advance();
}

bool CJSONParser::ReadElementStart() {
  SkipToNext();
  if (Current() == u']') {
    Advance();
    return false;
  }
  if (Current() == u',') {
    Advance();
    SkipToNext();
  }
  return true;
}

CJSONValue* CJSONParser::NextElement(CJSONArray& array) {
  return ReadElementStart() ? ParseValue(&array) : nullptr;
}

CJSONValue* CJSONParser::NextElement(CJSONArray& array, CJSONObject& reuse) {
  if (!ReadElementStart()) return nullptr;
  if (Current() != u'{') return ParseValue(&array);
  reuse.Clear();
  reuse.m_ownsMembers = true;
  reuse.m_parent = &array;
  return &reuse;
}

// Follows ParseValue and FillContainer step by step, so that every error comes from the
// same check at the same position.
void CJSONParser::SkipValue() {
  m_skipping.clear();
  do {
    SkipToNext();
    char16_t c = Current();
    switch (c) {
      case u'{':
      case u'[':
        Advance();
        m_skipping.push_back(c);
        break;
      case u'"': {
        Discard text;
        ScanString(text);
        break;
      }
      case u't':
        ReadLiteral(u"true");
        break;
      case u'f':
        ReadLiteral(u"false");
        break;
      case u'n':
        ReadLiteral(u"null");
        break;
      default:
        if (c != u'-' && !IsDigit(c)) Fail(UnexpectedCharacter);
        ParseNumber();
    }
    while (!m_skipping.empty() && !SkipToNextValue(m_skipping.back())) m_skipping.pop_back();
  } while (!m_skipping.empty());
}

bool CJSONParser::SkipToNextValue(char16_t open) {
  if (open == u'[') return ReadElementStart();
  SkipToNext();
  if (Current() == u'}') {
    Advance();
    return false;
  }
  if (Current() == u',') {
    Advance();
    SkipToNext();
  }
  Discard name;
  ScanString(name);
  SkipToNext();
  if (Current() != u':') Fail(UnexpectedCharacter);
  Advance();
  return true;
}

void CJSONParser::ParseString(std::u16string& text) {
  text.clear();
  AppendString(text);
}

void CJSONParser::AppendString(std::u16string& text) { ScanString(text); }

template <class Out>
void CJSONParser::ScanString(Out& text) {
  if (AtEnd()) Fail(UnexpectedEnd);
  if (Current() != u'"') Fail(UnexpectedCharacter);
  Advance();
  for (;;) {
    // Copy the run up to the next quotation mark or backslash in one go.
    const char16_t* run = m_text + m_pos;
    const char16_t* end = m_text + m_length;
    const char16_t* p = FindQuoteOrBackslash(run, end);
    text.append(run, p);
    m_pos += p - run;
    m_column += static_cast<uint32_t>(p - run);
    if (p == end) Fail(UnexpectedEnd);
    Advance();
    if (*p == u'"') return;
    if (AtEnd()) Fail(UnexpectedEnd);
    char16_t escape = Current();
    Advance();
    switch (escape) {
      case u'"':
      case u'/':
      case u'\\':
        text.push_back(escape);
        break;
      case u'b':
        text.push_back(u'\b');
        break;
      case u'f':
        text.push_back(u'\f');
        break;
      case u'n':
        text.push_back(u'\n');
        break;
      case u'r':
        text.push_back(u'\r');
        break;
      case u't':
        text.push_back(u'\t');
        break;
      case u'u': {
        uint32_t unit = ReadHex4();
        if (unit >= 0xD800 && unit <= 0xDBFF) {
          if (AtEnd()) Fail(UnexpectedEnd);
          if (Current() != u'\\') Fail(NoTrailSurrogate);
          Advance();
          if (AtEnd()) Fail(UnexpectedEnd);
          if (Current() != u'u') Fail(NoTrailSurrogate);
          Advance();
          uint32_t trail = ReadHex4();
          if (trail < 0xDC00 || trail > 0xDFFF) Fail(InvalidCodepoint);
          text.push_back(static_cast<char16_t>(unit));
          text.push_back(static_cast<char16_t>(trail));
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
          Fail(InvalidCodepoint);
        } else {
          text.push_back(static_cast<char16_t>(unit));
        }
        break;
      }
      default:
        Fail(InvalidEscape);
    }
  }
}

uint32_t CJSONParser::ReadHex4() {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    if (AtEnd()) Fail(UnexpectedEnd);
    int digit = HexValue(Current());
    Advance();
    if (digit < 0) Fail(InvalidEscape);
    value = value << 4 | static_cast<uint32_t>(digit);
  }
  return value;
}

double CJSONParser::ParseNumber() {
  if (AtEnd()) Fail(UnexpectedEnd);
  bool negative = Current() == u'-';
  if (negative) {
    Advance();
    if (AtEnd()) Fail(UnexpectedEnd);
  }
  double value = 0;
  if (Current() == u'0') {
    Advance();  // a leading zero is the whole integer part
  } else if (IsDigit(Current())) {
    // Integer parts wider than 32 bits are kept, not wrapped: exact up to 19 digits, then
    // carried on in double.
    uint64_t whole = 0;
    int digits = 0;
    while (!AtEnd() && IsDigit(Current()) && digits < 19) {
      whole = whole * 10 + (Current() - u'0');
      ++digits;
      Advance();
    }
    value = static_cast<double>(whole);
    while (!AtEnd() && IsDigit(Current())) {
      value = value * 10 + (Current() - u'0');
      Advance();
    }
  } else {
    Fail(UnexpectedCharacter);
  }
  if (!AtEnd() && Current() == u'.') {
    Advance();
    double scale = 0.1;
    while (!AtEnd() && IsDigit(Current())) {
      value += (Current() - u'0') * scale;
      scale /= 10;
      Advance();
    }
  }
  if (!AtEnd() && (Current() == u'e' || Current() == u'E')) {
    Advance();
    if (AtEnd()) Fail(UnexpectedEnd);
    bool down = false;
    if (Current() == u'+' || Current() == u'-') {
      down = Current() == u'-';
      Advance();
      if (AtEnd()) Fail(UnexpectedEnd);
    }
    if (!IsDigit(Current())) Fail(UnexpectedCharacter);
    // Past a few hundred the result is infinite or zero anyway; saturate.
    int32_t exponent = 0;
    while (!AtEnd() && IsDigit(Current())) {
      if (exponent < 100000) exponent = exponent * 10 + (Current() - u'0');
      Advance();
    }
    double power = std::pow(10.0, exponent);
    value = down ? value / power : value * power;
  }
  return negative ? -value : value;
}

}  // namespace velk_json
