// Text in the files the program shares with older copies is 8-bit, code
// page 1251. Conversion to and from UTF-8 goes through the C library's
// iconv; characters the code page lacks become '?'.
#pragma once

#include <string>
#include <string_view>

namespace zembra {

std::string Utf8ToCp1251(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view bytes);

// The characters of a UTF-8 text that the code page lacks, each once, in
// the order they first appear (UTF-8); empty when the whole text can be
// stored unchanged. Malformed UTF-8 counts as one U+FFFD.
std::string Cp1251Misfits(std::string_view utf8);

}  // namespace zembra
