// Collecting the pictures, writing them with their resource file, and reading
// the folder back to check that nothing is missing.
#include "art.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>

#include <set>

namespace art {

namespace {

const char* kQrcName = "zembra_art.qrc";

QSize expectedSize(const QString& name) {
  for (const PictureSpec& spec : catalogue())
    if (spec.name == name) return spec.size;
  return {};
}

}  // namespace

void ArtBook::add(const QString& name, const QImage& image) {
  const QSize want = expectedSize(name);
  if (!want.isValid())
    throw ArtError("picture '" + name.toStdString() + "' is not in the catalogue");
  if (image.size() != want)
    throw ArtError("picture '" + name.toStdString() + "' is " + std::to_string(image.width()) + "x" +
                   std::to_string(image.height()) + ", the catalogue says " + std::to_string(want.width()) +
                   "x" + std::to_string(want.height()));
  if (pictures_.count(name)) throw ArtError("picture '" + name.toStdString() + "' drawn twice");
  pictures_.emplace(name, image);
}

void ArtBook::writeTo(const QString& dir) const {
  if (!QDir().mkpath(dir)) throw ArtError("cannot create folder " + dir.toStdString());
  const QDir out(dir);

  for (const auto& [name, image] : pictures_) {
    // Pictures without any transparency are stored without an alpha channel.
    QImage stored = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                            : image.convertToFormat(QImage::Format_RGB32);
    QImageWriter writer(out.filePath(name + ".png"), "png");
    writer.setQuality(30);  // zlib effort: good size, still quick
    if (!writer.write(stored))
      throw ArtError("cannot write " + out.filePath(name + ".png").toStdString() + ": " +
                     writer.errorString().toStdString());
  }

  QString qrc;
  qrc += "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/art\">\n";
  for (const auto& entry : pictures_) {
    const QString file = entry.first + ".png";
    qrc += "  <file alias=\"" + file + "\">" + file + "</file>\n";
  }
  qrc += "</qresource>\n</RCC>\n";

  QSaveFile f(out.filePath(kQrcName));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Text) || f.write(qrc.toUtf8()) < 0 || !f.commit())
    throw ArtError("cannot write " + out.filePath(kQrcName).toStdString());
}

QStringList verifyFolder(const QString& dir) {
  QStringList problems;
  const QDir out(dir);

  std::set<QString> listed;
  QFile qrcFile(out.filePath(kQrcName));
  if (!qrcFile.open(QIODevice::ReadOnly | QIODevice::Text)) {
    problems << QString("%1 is missing").arg(qrcFile.fileName());
  } else {
    const QString text = QString::fromUtf8(qrcFile.readAll());
    static const QRegularExpression entry(R"re(<file alias="([^"]+)\.png">([^<]+)</file>)re");
    for (auto it = entry.globalMatch(text); it.hasNext();) {
      const auto m = it.next();
      if (m.captured(2) != m.captured(1) + ".png")
        problems << QString("%1: alias and file differ for %2").arg(kQrcName, m.captured(1));
      listed.insert(m.captured(1));
    }
  }

  for (const PictureSpec& spec : catalogue()) {
    const QString path = out.filePath(spec.name + ".png");
    QImageReader reader(path, "png");
    const QSize size = reader.size();
    if (!QFile::exists(path))
      problems << QString("%1.png is missing").arg(spec.name);
    else if (size != spec.size)
      problems << QString("%1.png is %2x%3, expected %4x%5")
                      .arg(spec.name)
                      .arg(size.width())
                      .arg(size.height())
                      .arg(spec.size.width())
                      .arg(spec.size.height());
    else if (reader.read().isNull())
      problems << QString("%1.png does not decode: %2").arg(spec.name, reader.errorString());
    if (!listed.count(spec.name)) problems << QString("%1.png is not listed in %2").arg(spec.name, kQrcName);
    listed.erase(spec.name);
  }
  for (const QString& extra : listed) problems << QString("%1 lists %2.png, which is not in the catalogue").arg(kQrcName, extra);
  return problems;
}

}  // namespace art
