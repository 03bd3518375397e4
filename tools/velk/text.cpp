#include "tools/velk/text.h"

#include <cstdint>

namespace velk_cli {

std::string Utf8(const char16_t* text) {
  std::string out;
  for (; text && *text; ++text) {
    uint32_t c = *text;
    if (c >= 0xD800 && c <= 0xDBFF && text[1] >= 0xDC00 && text[1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (*++text - 0xDC00);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

bool AppendUtf8(std::string_view bytes, std::u16string& out, size_t* bad) {
  out.reserve(out.size() + bytes.size());
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  for (size_t i = 0; i < bytes.size();) {
    const uint32_t lead = byte(i);
    if (lead < 0x80) {  // most of a JSON message: copy without decoding
      out += static_cast<char16_t>(lead);
      ++i;
      continue;
    }
    // Sequence length and the smallest code point it may carry (shorter forms are overlong).
    const int more = lead >= 0xC2 && lead <= 0xDF   ? 1
                     : lead >= 0xE0 && lead <= 0xEF ? 2
                     : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                    : 0;
    const uint32_t least = more == 1 ? 0x80 : more == 2 ? 0x800 : 0x10000;
    uint32_t c = lead & (0x3F >> more);
    size_t j = i + 1;
    for (; more > 0 && j < bytes.size() && j <= i + more && (byte(j) & 0xC0) == 0x80; ++j)
      c = c << 6 | (byte(j) & 0x3F);
    if (more == 0 || j != i + more + 1 || c < least || c > 0x10FFFF ||
        (c >= 0xD800 && c <= 0xDFFF)) {
      *bad = i;
      return false;
    }
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
    i = j;
  }
  return true;
}

namespace {

int CodePointWidth(uint32_t c) {
  if ((c >= 0x0300 && c <= 0x036F) || (c >= 0x200B && c <= 0x200F) || c == 0xFE0F) return 0;
  const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
                    (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                    (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                    (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1FAFF) ||
                    (c >= 0x20000 && c <= 0x3FFFD);
  return wide ? 2 : 1;
}

}  // namespace

size_t DisplayWidth(std::string_view utf8) {
  size_t width = 0;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    uint32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t j = 1; j < length && i + j < utf8.size(); ++j)
      c = c << 6 | (static_cast<unsigned char>(utf8[i + j]) & 0x3F);
    width += CodePointWidth(c);
    i += length;
  }
  return width;
}

std::string Pad(const std::string& utf8, size_t width, bool right) {
  const size_t used = DisplayWidth(utf8);
  const std::string fill(used < width ? width - used : 0, ' ');
  return right ? fill + utf8 : utf8 + fill;
}

std::string HtmlEscape(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace velk_cli
