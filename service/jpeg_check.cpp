#include "service/jpeg_check.h"

namespace zembra::service {

TJpegSize JpegSize(std::string_view b) {
  auto at = [&](size_t i) { return static_cast<unsigned char>(b[i]); };
  if (b.size() < 4 || at(0) != 0xFF || at(1) != 0xD8) return {};
  size_t i = 2;
  while (i + 4 <= b.size()) {
    if (at(i) != 0xFF) return {};
    const unsigned char marker = at(i + 1);
    if (marker == 0xFF) {  // fill byte
      ++i;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return {};  // end or scan before any frame header
    const size_t length = at(i + 2) << 8 | at(i + 3);
    if (length < 2) return {};
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (i + 9 > b.size() || length < 7) return {};
      return {at(i + 7) << 8 | at(i + 8), at(i + 5) << 8 | at(i + 6)};
    }
    i += 2 + length;
  }
  return {};
}

bool IsClubPhoto(std::string_view bytes) {
  const TJpegSize s = JpegSize(bytes);
  return s.Width == 200 && s.Height == 250;
}

}  // namespace zembra::service
