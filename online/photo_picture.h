// A picture the player chose for the photo, made ready for the club: a
// JPEG of exactly 200 x 250 as it is, any other picture scaled to cover
// 200 x 250, cut to it and saved as JPEG.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zembra {

inline constexpr int kPhotoWidth = 200;
inline constexpr int kPhotoHeight = 250;

// Nothing when the file is no picture at all.
std::optional<QByteArray> PhotoForUpload(const QString& file);
std::optional<QByteArray> PhotoForUpload(const QByteArray& bytes);

}  // namespace zembra
