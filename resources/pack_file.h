// Reading a resource pack: a Qt binary resource file found under its bare
// name beside the program and then in the parent folder, mapped while one
// operation reads its items and released afterwards. Items are addressed by
// kind ("RCDATA" for PNG pictures and sounds, "JPEG", "GIF") and name.
#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QString>

namespace zembra {

class TPackReader {
 public:
  // An empty fileName reads the program's own pictures.
  TPackReader(const QString& folder, const QString& fileName);
  ~TPackReader();
  TPackReader(const TPackReader&) = delete;
  TPackReader& operator=(const TPackReader&) = delete;

  bool IsOpen() const { return Open_; }
  bool IsBuiltIn() const { return Root_.isEmpty() && Open_; }
  // The item's bytes; empty when the pack lacks it.
  QByteArray Item(const QString& kind, const QString& name) const;
  // The item's resource path while the pack is open (":/pack-3/RCDATA/X"),
  // for readers that take a path; empty when the pack lacks it.
  QString ItemPath(const QString& kind, const QString& name) const;
  // A picture item (PNG for "RCDATA", else of its kind); null when missing.
  QPixmap Picture(const QString& kind, const QString& name) const;

 private:
  QString Path_, Root_;
  bool Open_ = false;
};

// The three loaders: false when the pack cannot be loaded (the picture is
// left as it was), true otherwise. An empty pack reads the program itself.
bool LoadPackPng(const QString& folder, const QString& name, const QString& pack, QPixmap* picture);
bool LoadPackJpeg(const QString& folder, const QString& name, const QString& pack, QPixmap* picture);
bool LoadPackGif(const QString& folder, const QString& name, const QString& pack, QByteArray* animation);

}  // namespace zembra
