// The calendar's tiles drawn from the calendar pack: the date tile (day,
// month, sign of the zodiac), the year tile (the animal of the year) and a
// tile per holiday of the day, each 60 x 100 with its hint text. Without
// the pack there are no tiles.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

#include "calendar/calendar_date.h"

namespace zembra {

inline constexpr int kTileWidth = 60;
inline constexpr int kTileHeight = 100;

struct TCalendarTiles {
  // Tile 1 the date, tile 2 the year, then the holidays; each picture is
  // kTileWidth x kTileHeight in device-independent pixels (its device pixel
  // ratio is the pack's: the pack draws at twice that size).
  std::vector<QImage> Pictures;
  QStringList Texts;
  int Count() const { return static_cast<int>(Pictures.size()); }
};

struct TCalendarRequest {
  QString Folder;           // the program's folder; the pack is looked for there, then in its parent
  TDate Today;
  QString FontName = QStringLiteral("Comic Sans MS");
  int DaySize = 0;          // points; 0: 12
  int MonthSize = 0;        // points; 0: 8
  int Language = 0;
};

// False when the calendar pack cannot be loaded (tiles left empty).
bool BuildCalendar(const TCalendarRequest& request, TCalendarTiles* tiles);

}  // namespace zembra
