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

}  // namespace velk_cli
