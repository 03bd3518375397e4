#include "platform/code_page.h"

namespace velk_platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Reads one code point at text[i] and advances i; an unpaired surrogate reads
// as U+FFFD.
char32_t NextCodePoint(std::u16string_view text, size_t& i) {
  char16_t c = text[i++];
  if (IsHighSurrogate(c)) {
    if (i < text.size() && IsLowSurrogate(text[i])) {
      char16_t low = text[i++];
      return 0x10000 + ((char32_t(c) - 0xD800) << 10) + (low - 0xDC00);
    }
    return kReplacement;
  }
  if (IsLowSurrogate(c)) return kReplacement;
  return c;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += char16_t(cp);
  } else {
    cp -= 0x10000;
    out += char16_t(0xD800 + (cp >> 10));
    out += char16_t(0xDC00 + (cp & 0x3FF));
  }
}

// Decodes one UTF-8 sequence at text[i] and advances i. An ill-formed
// sequence consumes its maximal subpart (the longest prefix that could still
// have become well-formed, at least one byte) and reads as U+FFFD, the way
// the Unicode standard recommends; overlong forms, encoded surrogates and
// values above U+10FFFF are ill-formed.
char32_t NextUtf8(std::string_view text, size_t& i) {
  unsigned char lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int more;
  char32_t cp;
  unsigned char lo = 0x80, hi = 0xBF;  // range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    more = 1;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    more = 2;
    cp = lead & 0x0F;
    if (lead == 0xE0) lo = 0xA0;
    if (lead == 0xED) hi = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    more = 3;
    cp = lead & 0x07;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;
  } else {
    return kReplacement;
  }
  for (int k = 0; k < more; ++k) {
    if (i >= text.size()) return kReplacement;
    unsigned char b = static_cast<unsigned char>(text[i]);
    if (b < lo || b > hi) return kReplacement;
    cp = (cp << 6) | (b & 0x3F);
    ++i;
    lo = 0x80;
    hi = 0xBF;
  }
  return cp;
}

}  // namespace

std::string ToMultiByte(std::u16string_view text, uint32_t codePage) {
  std::string out;
  out.reserve(text.size());
  if (codePage == kAsciiCodePage) {
    // Unit by unit, as a single-byte code page converts: a surrogate pair gives two '?'.
    for (char16_t c : text) out += c < 0x80 ? char(c) : '?';
    return out;
  }
  for (size_t i = 0; i < text.size();) AppendUtf8(out, NextCodePoint(text, i));
  return out;
}

std::u16string FromMultiByte(std::string_view text, uint32_t codePage) {
  std::u16string out;
  out.reserve(text.size());
  if (codePage == kAsciiCodePage) {
    for (char c : text) out += static_cast<unsigned char>(c) < 0x80 ? char16_t(c) : u'?';
    return out;
  }
  for (size_t i = 0; i < text.size();) AppendUtf16(out, NextUtf8(text, i));
  return out;
}

}  // namespace velk_platform
