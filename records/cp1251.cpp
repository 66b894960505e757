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

}  // namespace zembra
