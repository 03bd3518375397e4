// The text writer. Containers are written with an explicit stack so that the depth of a
// tree costs heap, not call stack.

#include <vector>

#include "json/json_value.h"
#include "json/text_number.h"

namespace velk_json {
namespace {

void AppendEscaped(const std::u16string& text, std::u16string& out) {
  out.push_back(u'"');
  const char16_t* run = text.data();
  const char16_t* end = run + text.size();
  for (const char16_t* p = run; p != end; ++p) {
    char16_t escape;
    switch (*p) {
      case u'\\':
        escape = u'\\';
        break;
      case u'\r':
        escape = u'r';
        break;
      case u'\n':
        escape = u'n';
        break;
      case u'\t':
        escape = u't';
        break;
      case u'\b':
        escape = u'b';
        break;
      case u'\f':
        escape = u'f';
        break;
      case u'"':
        escape = u'"';
        break;
      default:
        continue;
    }
    out.append(run, p);
    out.push_back(u'\\');
    out.push_back(escape);
    run = p + 1;
  }
  out.append(run, end);
  out.push_back(u'"');
}

void AppendScalar(const CJSONValue& value, std::u16string& out) {
  switch (value.GetType()) {
    case JSONType::String:
      AppendEscaped(static_cast<const CJSONString&>(value).GetValue(), out);
      break;
    case JSONType::Number:
      AppendNumber(static_cast<const CJSONNumber&>(value).GetValue(), out);
      break;
    case JSONType::Boolean:
      out.append(static_cast<const CJSONBoolean&>(value).GetValue() ? u"true" : u"false");
      break;
    default:
      out.append(u"null");
      break;
  }
}

size_t ChildCount(const CJSONValue& container) {
  if (container.GetType() == JSONType::Array)
    return static_cast<const CJSONArray&>(container).GetCount();
  return static_cast<const CJSONObject&>(container).GetCount();
}

void NewLine(size_t depth, std::u16string& out) {
  out.push_back(u'\n');
  out.append(depth * 2, u' ');
}

void Write(const CJSONValue& root, bool pretty, std::u16string& out) {
  if (!root.IsContainer()) return AppendScalar(root, out);
  size_t base = 0;
  if (pretty) {
    for (const CJSONValue* p = root.GetParent(); p; p = p->GetParent()) ++base;
  }
  struct Frame {
    const CJSONValue* container;
    size_t next;
  };
  std::vector<Frame> stack;
  const CJSONValue* value = &root;
  for (;;) {
    // Open `value` when it is a container, else write it whole.
    if (value->IsContainer()) {
      bool isArray = value->GetType() == JSONType::Array;
      out.push_back(isArray ? u'[' : u'{');
      if (ChildCount(*value) == 0) {
        out.push_back(isArray ? u']' : u'}');
      } else {
        stack.push_back(Frame{value, 0});
      }
    } else {
      AppendScalar(*value, out);
    }
    // Find the next child to write, closing finished containers on the way.
    value = nullptr;
    while (!stack.empty()) {
      Frame& top = stack.back();
      bool isArray = top.container->GetType() == JSONType::Array;
      size_t depth = base + stack.size();
      if (top.next == ChildCount(*top.container)) {
        if (pretty) NewLine(depth - 1, out);
        out.push_back(isArray ? u']' : u'}');
        stack.pop_back();
        continue;
      }
      if (top.next > 0) out.append(isArray ? u", " : u",");
      if (pretty) NewLine(depth, out);
      if (isArray) {
        value = static_cast<const CJSONArray*>(top.container)->GetAt(top.next);
      } else {
        CJSONObject::Member member =
            static_cast<const CJSONObject*>(top.container)->GetAt(top.next);
        // Names are written as stored, without escaping.
        out.push_back(u'"');
        out.append(member.name);
        out.append(u"\": ");
        value = member.value;
      }
      ++top.next;
      break;
    }
    if (!value) return;
  }
}

std::u16string ToText(const CJSONValue& value, bool pretty) {
  std::u16string out;
  Write(value, pretty, out);
  return out;
}

}  // namespace

void AppendText(const CJSONValue& value, bool pretty, std::u16string& out) {
  Write(value, pretty, out);
}

std::u16string CJSONString::ToString(bool pretty) const { return ToText(*this, pretty); }
std::u16string CJSONNumber::ToString(bool pretty) const { return ToText(*this, pretty); }
std::u16string CJSONBoolean::ToString(bool pretty) const { return ToText(*this, pretty); }
std::u16string CJSONNull::ToString(bool pretty) const { return ToText(*this, pretty); }
std::u16string CJSONArray::ToString(bool pretty) const { return ToText(*this, pretty); }
std::u16string CJSONObject::ToString(bool pretty) const { return ToText(*this, pretty); }

}  // namespace velk_json
