// The main window's two calendar pictures: the date tile on the left, and
// on the right the year tile followed by the day's holidays, one every ten
// seconds, each with its tile's text as hint. Nothing is shown while the
// calendar pack is missing.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <optional>

#include "calendar/calendar_tiles.h"

class QTimer;
class QWidget;

namespace zembra {

class TTilePicture;

class TCalendarPictures : public QObject {
  Q_OBJECT

 public:
  // The two pictures become children of host, hidden until built.
  explicit TCalendarPictures(QWidget* host);

  // Builds the tiles for today (or the day set) in a language from the pack
  // beside folder and starts the rotation at the year tile; without the
  // pack both pictures hide and the rotation stops, silently.
  void Rebuild(const QString& folder, int language);
  void Place(const QRect& left, const QRect& right);
  // Shown on the menu only (and only when built).
  void SetShown(bool shown);
  // A fixed day instead of the system clock's (tests, screenshots).
  void SetDay(std::optional<TDate> day) { FixedDay = day; }
  TDate Today() const;

  // The rotation's step: the next tile on the right (after the last the
  // year tile again); a new day rebuilds the tiles first.
  void NextTile();

  bool Built() const { return IsBuilt; }
  const TCalendarTiles& Tiles() const { return Built_; }
  int RightTile() const { return Right_; }  // 2 .. Count(), 1-based like the tiles
  QWidget* LeftPicture() const;
  QWidget* RightPicture() const;
  QTimer* Timer() const { return Rotation; }

  static constexpr int kRotationMs = 10000;

 private:
  void ShowRight(int tile);

  TTilePicture* Left = nullptr;
  TTilePicture* Right = nullptr;
  QTimer* Rotation = nullptr;
  TCalendarTiles Built_;
  bool IsBuilt = false;
  bool Shown = false;
  int Right_ = 2;
  std::optional<TDate> FixedDay;
  TDate BuiltFor;
  QString Folder;
  int Language = 0;
};

}  // namespace zembra
