#include "online/photo_picture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

namespace zembra {

std::optional<QByteArray> PhotoForUpload(const QByteArray& bytes) {
  QBuffer in;
  in.setData(bytes);
  in.open(QIODevice::ReadOnly);
  QImageReader reader(&in);
  const QByteArray format = reader.format();
  const QSize size = reader.size();
  // A huge picture is not decoded whole.
  if (!size.isValid() || size.width() > 12000 || size.height() > 12000) return std::nullopt;
  if (format == "jpeg" && size == QSize(kPhotoWidth, kPhotoHeight)) return bytes;
  const QImage image = reader.read();
  if (image.isNull()) return std::nullopt;
  const QImage covered =
      image.scaled(kPhotoWidth, kPhotoHeight, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
  const QImage cut = covered.copy((covered.width() - kPhotoWidth) / 2, (covered.height() - kPhotoHeight) / 2,
                                  kPhotoWidth, kPhotoHeight)
                         .convertToFormat(QImage::Format_RGB32);
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  if (!cut.save(&buffer, "JPEG", 90)) return std::nullopt;
  return out;
}

std::optional<QByteArray> PhotoForUpload(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly) || f.size() > (32 << 20)) return std::nullopt;
  return PhotoForUpload(f.readAll());
}

}  // namespace zembra
