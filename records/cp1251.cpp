#include "records/cp1251.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <unordered_map>

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

// The code page's 256 characters, asked of iconv once: opening a converter
// costs more than converting a whole line, and the club service converts
// every field of every request.
struct TTables {
  std::array<std::string, 256> Decode;
  std::unordered_map<char32_t, char> Encode;
};

char32_t CodePoint(std::string_view utf8) {
  const unsigned char lead = static_cast<unsigned char>(utf8[0]);
  char32_t cp = utf8.size() == 1 ? lead : utf8.size() == 2 ? lead & 0x1F : utf8.size() == 3 ? lead & 0x0F : lead & 0x07;
  for (size_t k = 1; k < utf8.size(); ++k) cp = cp << 6 | (static_cast<unsigned char>(utf8[k]) & 0x3F);
  return cp;
}

const TTables& Tables() {
  static const TTables tables = [] {
    TTables t;
    for (int b = 0; b < 256; ++b) {
      const std::string one(1, static_cast<char>(b));
      t.Decode[b] = Convert(one, "UTF-8", "CP1251");
      if (t.Decode[b] != "?" || b == '?') t.Encode[CodePoint(t.Decode[b])] = static_cast<char>(b);
    }
    return t;
  }();
  return tables;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
  const TTables& t = Tables();
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    bool valid = len > 1 && i + len <= utf8.size();
    for (size_t k = 1; valid && k < len; ++k) valid = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
    if (i + len > utf8.size()) len = utf8.size() - i;
    const auto it = valid ? t.Encode.find(CodePoint(utf8.substr(i, len))) : t.Encode.end();
    out += it != t.Encode.end() ? it->second : '?';
    i += len;
  }
  return out;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  const TTables& t = Tables();
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x80) out += c;
    else out += t.Decode[b];
  }
  return out;
}

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
