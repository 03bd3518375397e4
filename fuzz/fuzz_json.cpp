// Parses arbitrary bytes as UTF-16 text, both as a whole document and step by step, writes back
// whatever parsed, and checks that stepping over the text fails exactly where parsing fails. Every
// input must end in a tree or a CJSONException: no crash, no leak, no sanitizer report.

#include <cstddef>
#include <cstdint>
#include <string>

#include "json/json_parser.h"
#include "json/text_convert.h"

namespace {

using velk_json::CJSONArray;
using velk_json::CJSONException;
using velk_json::CJSONObject;
using velk_json::CJSONParser;
using velk_json::CJSONValue;
using velk_json::JSONType;

// The intake's way: member names of the top-level object, then each value, with arrays
// walked one element at a time.
void WalkStepWise(const std::u16string& text) {
  CJSONParser parser(text.data(), text.size());
  std::u16string name;
  bool end;
  parser.ReadObjectStart();
  for (parser.ReadMemberName(name, end); !end; parser.ReadMemberName(name, end)) {
    CJSONValue* value = parser.ParseValue(nullptr);
    if (value->GetType() == JSONType::Array) {
      try {
        parser.ReadArrayStart();
        auto& array = static_cast<CJSONArray&>(*value);
        while (CJSONValue* element = parser.NextElement(array)) {
          try {
            parser.ParseContainer(*element);
          } catch (...) {
            element->Destroy();
            throw;
          }
          array.Add(element);
        }
      } catch (...) {
        value->Destroy();
        throw;
      }
    } else {
      try {
        parser.ParseContainer(*value);
      } catch (...) {
        value->Destroy();
        throw;
      }
    }
    value->ToString(false);
    value->Destroy();
  }
}

// Stepping over a value must end exactly where reading it ends: same success, same error code,
// line and column, same position. The intake's sorted pass relies on it.
void CompareSkipWithParse(const std::u16string& text) {
  struct Outcome {
    bool ok = true;
    uint32_t code = 0, line = 0, column = 0;
    size_t pos = 0;
  };
  const auto run = [&](bool skip) {
    CJSONParser parser(text.data(), text.size());
    Outcome outcome;
    try {
      if (skip)
        parser.SkipValue();
      else
        parser.Parse()->Destroy();
    } catch (const CJSONException& e) {
      outcome.ok = false;
      outcome.code = e.GetCode();
      outcome.line = e.GetLine();
      outcome.column = e.GetColumn();
    }
    outcome.pos = parser.m_pos;
    return outcome;
  };
  const Outcome skipped = run(true), parsed = run(false);
  if (skipped.ok != parsed.ok || skipped.code != parsed.code || skipped.line != parsed.line ||
      skipped.column != parsed.column || skipped.pos != parsed.pos)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);

  try {
    CJSONValue* root = CJSONParser(text.data(), text.size()).Parse();
    std::u16string written = root->ToString(false);
    root->ToString(true);
    if (root->GetType() == JSONType::Object) {
      auto* object = static_cast<CJSONObject*>(root);
      for (size_t i = 0; i < object->GetCount(); ++i) {
        std::u16string_view name = object->GetAt(i).name;
        object->GetInt(name, 0);
        object->GetBool(name, false);
        object->GetString(name, u"");
        try {
          object->GetDouble(name, 0);
        } catch (const std::exception&) {
          // invalid_argument or out_of_range: the texts are checked by the unit tests
        }
      }
    }
    root->Destroy();
    velk_json::ToNarrow(written, 0);
  } catch (const CJSONException& e) {
    e.what();
  }
  CompareSkipWithParse(text);
  try {
    WalkStepWise(text);
  } catch (const CJSONException& e) {
    e.what();
  }
  return 0;
}
