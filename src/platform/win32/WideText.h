#pragma once
#include <string>
#include <string_view>

// The wide (UTF-16) functions of Windows take every text; the core keeps Shift-JIS bytes. Both ways
// go through the project's own CP932 table, so a text reads the same as on Linux whatever code page
// the system runs under.

std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);

// Bytes that do not decode become U+FFFD.
std::wstring wideText(std::string_view sjis);
// Characters that CP932 lacks become "?".
std::string sjisText(std::wstring_view wide);
