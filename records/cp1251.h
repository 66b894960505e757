// Text in the files the program shares with older copies is 8-bit, code
// page 1251. Conversion to and from UTF-8 goes through the C library's
// iconv; characters the code page lacks become '?'.
#pragma once

#include <string>
#include <string_view>

namespace zembra {

std::string Utf8ToCp1251(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view bytes);

}  // namespace zembra
