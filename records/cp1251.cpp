#include "records/cp1251.h"

#include <iconv.h>

#include <cerrno>

namespace zembra {
namespace {

std::string Convert(std::string_view in, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out;
  out.resize(in.size() * 4 + 4);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0) {
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) break;  // cannot happen with 4 bytes a character
    // An invalid or unrepresentable character: write '?' and skip one
    // input character (one byte, or one UTF-8 sequence).
    if (dstLeft == 0) break;
    *dst++ = '?';
    --dstLeft;
    size_t skip = 1;
    const unsigned char lead = static_cast<unsigned char>(*src);
    if (std::string_view(from) == "UTF-8") {
      if (lead >= 0xF0) skip = 4;
      else if (lead >= 0xE0) skip = 3;
      else if (lead >= 0xC0) skip = 2;
    }
    if (skip > srcLeft) skip = srcLeft;
    src += skip;
    srcLeft -= skip;
  }
  out.resize(out.size() - dstLeft);
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) { return Convert(utf8, "CP1251", "UTF-8"); }
std::string Cp1251ToUtf8(std::string_view bytes) { return Convert(bytes, "UTF-8", "CP1251"); }

std::string Cp1251Misfits(std::string_view utf8) {
  std::string misfits;
  size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    bool valid = len > 0 && i + len <= utf8.size();
    for (size_t k = 1; valid && k < len; ++k)
      valid = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
    std::string ch = valid ? std::string(utf8.substr(i, len)) : std::string("\xEF\xBF\xBD");
    i += valid ? len : 1;
    if (len == 1) continue;  // ASCII: all of it is in the code page
    if (valid && Utf8ToCp1251(ch) != "?") continue;
    if (misfits.find(ch) == std::string::npos) misfits += ch;
  }
  return misfits;
}

}  // namespace zembra
