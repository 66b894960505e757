// One resource pack as the pack builder fills it: named items of a kind
// (raw PNG data and sounds "RCDATA", "JPEG", "GIF"), written as a Qt binary
// resource file under the pack's file name. Inside the file an item lives at
// "<kind>/<name>"; the program maps the file under a root of its own.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <map>
#include <stdexcept>

namespace packgen {

struct PackError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class TPackWriter {
 public:
  explicit TPackWriter(QString fileName) : FileName_(std::move(fileName)) {}

  const QString& FileName() const { return FileName_; }
  void AddPng(const QString& name, const QImage& image);
  void AddJpeg(const QString& name, const QImage& image, int quality = 90);
  void AddRaw(const QString& name, const QString& kind, const QByteArray& bytes);
  size_t Count() const { return Items_.size(); }
  bool Has(const QString& kind, const QString& name) const { return Items_.count(kind + "/" + name) != 0; }

  // Writes the items into workDir and compiles them with rcc into
  // outDir/FileName (replaced atomically); throws PackError.
  void Write(const QString& rcc, const QString& workDir, const QString& outDir) const;

 private:
  QString FileName_;
  std::map<QString, QByteArray> Items_;  // "<kind>/<name>" -> bytes
};

}  // namespace packgen
