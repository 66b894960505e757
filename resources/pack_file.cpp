#include "resources/pack_file.h"

#include <QResource>

#include <atomic>

#include "resources/packs.h"
#include "resources/strip_animation.h"

namespace zembra {

TPackReader::TPackReader(const QString& folder, const QString& fileName) {
  if (fileName.isEmpty()) {
    Open_ = true;
    return;
  }
  const auto path = FindPack(folder.toStdString(), fileName.toStdString());
  if (!path) return;
  static std::atomic<int> serial{0};
  Path_ = QString::fromStdString(*path);
  Root_ = QStringLiteral("/pack-%1").arg(++serial);
  Open_ = QResource::registerResource(Path_, Root_);
  if (!Open_) Root_.clear();
}

TPackReader::~TPackReader() {
  if (!Root_.isEmpty()) QResource::unregisterResource(Path_, Root_);
}

QString TPackReader::ItemPath(const QString& kind, const QString& name) const {
  if (!Open_ || Root_.isEmpty()) return {};
  const QString path = QLatin1Char(':') + Root_ + QLatin1Char('/') + kind + QLatin1Char('/') + name;
  return QResource(path).isValid() ? path : QString();
}

QByteArray TPackReader::Item(const QString& kind, const QString& name) const {
  const QString path = ItemPath(kind, name);
  if (path.isEmpty()) return {};
  return QResource(path).uncompressedData();
}

QPixmap TPackReader::Picture(const QString& kind, const QString& name) const {
  if (IsBuiltIn()) return ArtPicture(name);
  QPixmap p;
  const QByteArray bytes = Item(kind, name);
  if (!bytes.isEmpty()) p.loadFromData(bytes, kind == QLatin1String("JPEG") ? "JPEG" : kind == QLatin1String("GIF") ? "GIF" : "PNG");
  return p;
}

bool LoadPackPng(const QString& folder, const QString& name, const QString& pack, QPixmap* picture) {
  const TPackReader reader(folder, pack);
  if (!reader.IsOpen()) return false;
  const QPixmap p = reader.Picture(QStringLiteral("RCDATA"), name);
  if (!p.isNull()) *picture = p;
  return true;
}

bool LoadPackJpeg(const QString& folder, const QString& name, const QString& pack, QPixmap* picture) {
  const TPackReader reader(folder, pack);
  if (!reader.IsOpen()) return false;
  const QPixmap p = reader.Picture(QStringLiteral("JPEG"), name);
  if (!p.isNull()) *picture = p;
  return true;
}

bool LoadPackGif(const QString& folder, const QString& name, const QString& pack, QByteArray* animation) {
  const TPackReader reader(folder, pack);
  if (!reader.IsOpen()) return false;
  const QByteArray bytes = reader.Item(QStringLiteral("GIF"), name);
  if (!bytes.isEmpty()) *animation = bytes;
  return true;
}

bool PackLoadable(const std::string& folder, const std::string& name) {
  return TPackReader(QString::fromStdString(folder), QString::fromStdString(name)).IsOpen();
}

}  // namespace zembra
