// Text encodings at the edge of the tool: the library speaks UTF-16, files and terminals UTF-8.
#ifndef TOOLS_VELK_TEXT_H_
#define TOOLS_VELK_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace velk_cli {

// UTF-8 of UTF-16 text (null gives ""); an unpaired surrogate is written as it stands.
std::string Utf8(const char16_t* text);

// Appends the UTF-16 of UTF-8 bytes to out. On a malformed sequence (truncated, overlong, a
// surrogate or beyond U+10FFFF) returns false and its byte offset in *bad.
bool AppendUtf8(std::string_view bytes, std::u16string& out, size_t* bad);

// Columns a UTF-8 text takes on a terminal: East Asian wide characters take two, combining
// marks none, everything else one.
size_t DisplayWidth(std::string_view utf8);

// The text followed by spaces up to width columns (or preceded, with right).
std::string Pad(const std::string& utf8, size_t width, bool right = false);

// Text safe inside HTML elements and quoted attributes.
std::string HtmlEscape(std::string_view utf8);

}  // namespace velk_cli

#endif  // TOOLS_VELK_TEXT_H_
