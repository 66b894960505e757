// Photos are JPEG pictures of exactly 200 × 250 pixels. The check reads the
// markers up to the frame header; the photo FTP server decodes uploads in
// full before they reach the store, this is the second look before serving.
#pragma once

#include <string_view>

namespace zembra::service {

struct TJpegSize {
  int Width = 0, Height = 0;
};

// The picture's size, or 0 × 0 when the bytes are not a baseline or
// progressive JPEG with a frame header.
TJpegSize JpegSize(std::string_view bytes);
bool IsClubPhoto(std::string_view bytes);

}  // namespace zembra::service
