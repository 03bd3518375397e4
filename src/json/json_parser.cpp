#include "json/json_parser.h"

#include <cmath>

namespace velk_json {
namespace {

size_t LengthOf(const char16_t* text) {
  return text ? std::char_traits<char16_t>::length(text) : 0;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

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
  object->m_names.append(m_names, open.nameBase, std::u16string::npos);
  object->m_members.reserve(object->m_members.size() + (last - first));
  // An object made elsewhere (one on the stack, say) still owns what the parser put in it.
  if (!object->m_ownsMembers) {
    for (auto slot = first; slot != last; ++slot) object->m_created.push_back(slot->value);
  }
  for (auto slot = first; slot != last; ++slot) {
    size_t at = shift + slot->offset;
    object->Append(std::u16string_view(object->m_names.data() + at, slot->length), slot->value, at);
  }
  m_slots.erase(first, last);
  m_names.resize(open.nameBase);
  object->Seal();
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

CJSONValue* CJSONParser::NextElement(CJSONArray& array) {
  SkipToNext();
  if (Current() == u']') {
    Advance();
    return nullptr;
  }
  if (Current() == u',') {
    Advance();
    SkipToNext();
  }
  return ParseValue(&array);
}

void CJSONParser::ParseString(std::u16string& text) {
  text.clear();
  AppendString(text);
}

void CJSONParser::AppendString(std::u16string& text) {
  if (AtEnd()) Fail(UnexpectedEnd);
  if (Current() != u'"') Fail(UnexpectedCharacter);
  Advance();
  for (;;) {
    // Copy the run up to the next quotation mark or backslash in one go.
    const char16_t* run = m_text + m_pos;
    const char16_t* end = m_text + m_length;
    const char16_t* p = run;
    while (p != end && *p != u'"' && *p != u'\\') ++p;
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
