#include "pack_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>

namespace packgen {

void TPackWriter::AddPng(const QString& name, const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.save(&buffer, "PNG")) throw PackError("cannot encode " + name.toStdString());
  AddRaw(name, "RCDATA", bytes);
}

void TPackWriter::AddJpeg(const QString& name, const QImage& image, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", quality))
    throw PackError("cannot encode " + name.toStdString());
  AddRaw(name, "JPEG", bytes);
}

void TPackWriter::AddRaw(const QString& name, const QString& kind, const QByteArray& bytes) {
  const QString key = kind + "/" + name;
  if (!Items_.emplace(key, bytes).second) throw PackError("item twice in " + FileName_.toStdString() + ": " + key.toStdString());
}

void TPackWriter::Write(const QString& rcc, const QString& workDir, const QString& outDir) const {
  const QString stem = QFileInfo(FileName_).completeBaseName();
  const QString dir = workDir + "/" + stem;
  QDir(dir).removeRecursively();
  QDir().mkpath(dir);
  QString qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
  for (const auto& [key, bytes] : Items_) {
    const QString path = dir + "/" + key;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
      throw PackError("cannot write " + path.toStdString());
    qrc += "  <file alias=\"" + key + "\">" + stem + "/" + key + "</file>\n";
  }
  qrc += "</qresource>\n</RCC>\n";
  const QString qrcPath = workDir + "/" + stem + ".qrc";
  QFile q(qrcPath);
  if (!q.open(QIODevice::WriteOnly) || q.write(qrc.toUtf8()) < 0) throw PackError("cannot write " + qrcPath.toStdString());
  q.close();
  QDir().mkpath(outDir);
  const QString target = outDir + "/" + FileName_;
  const QString partial = target + ".part";
  QProcess p;
  // Pictures are compressed already; rcc's own compression would only cost time.
  p.start(rcc, {"--binary", "--no-compress", "-o", partial, qrcPath});
  if (!p.waitForFinished(120000) || p.exitCode() != 0)
    throw PackError("rcc failed for " + FileName_.toStdString() + ": " + p.readAllStandardError().toStdString());
  QFile::remove(target);
  if (!QFile::rename(partial, target)) throw PackError("cannot replace " + target.toStdString());
}

}  // namespace packgen
