// The list of pictures the program loads, with their exact sizes. The tool
// refuses to write a picture that is not here and fails when one is missing.
#include "art.h"

namespace art {

namespace {

void put(std::vector<PictureSpec>& list, const QString& name, int w, int h) {
  list.push_back({name, QSize(w, h)});
}

}  // namespace

std::vector<PictureSpec> catalogue() {
  std::vector<PictureSpec> list;

  // Card faces: suit prefix + rank code; "B" is the large size class.
  const char* suits[] = {"Ch", "Bu", "Kr", "Pi"};
  const char* ranks[] = {"09", "10", "2J", "3Q", "4K", "5A"};
  for (const char* s : suits) {
    for (const char* r : ranks) {
      const QString name = QString::fromLatin1(s) + QString::fromLatin1(r);
      put(list, name, 69, 94);
      put(list, name + "B", 146, 198);
    }
  }

  // Suit symbols.
  for (const char* s : {"Cher", "Bubi", "Kres", "Piki"}) {
    put(list, QString::fromLatin1(s), 20, 20);
    put(list, QString::fromLatin1(s) + "B", 64, 64);
  }

  // Card backs, one per weekday, upright and crosswise ("R").
  for (const char* d : {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"}) {
    const QString name = QString::fromLatin1(d);
    put(list, name, 69, 94);
    put(list, name + "R", 94, 69);
    put(list, name + "B", 146, 198);
    put(list, name + "RB", 198, 146);
  }

  put(list, "ZembraIcon", 256, 256);

  put(list, "FonG", 760, 500);
  put(list, "FonGB", 1520, 1000);

  put(list, "TabloSm", 155, 95);
  put(list, "TabloBg", 310, 190);

  for (const char* c : {"SPBlue", "SPGreen", "SPRed", "SPYellow", "SPFiolet"}) {
    put(list, QString::fromLatin1(c), 160, 20);
    put(list, QString::fromLatin1(c) + "B", 320, 40);
  }

  put(list, "RamkaFBSm", 155, 60);
  put(list, "RamkaFBBg", 310, 120);

  put(list, "GKolodaSmall", 100, 170);
  put(list, "GKolodaSmallB", 200, 340);
  put(list, "GKolodaLarge", 100, 170);
  put(list, "GKolodaLargeB", 200, 340);

  put(list, "Hand_Up", 20, 30);
  put(list, "Hand_Down", 20, 30);
  put(list, "Hand_UpB", 40, 60);
  put(list, "Hand_DownB", 40, 60);

  for (const char* c : {"CURARROW", "CURHAND", "CURWAIT", "CUREDIT"})
    put(list, QString::fromLatin1(c), 32, 32);

  put(list, "PngMenu1", 300, 120);
  put(list, "PngMenu2", 300, 120);

  put(list, "AdvBar3", 350, 80);

  for (const char* l : {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"})
    put(list, "Cap" + QString::fromLatin1(l), 480, 110);

  put(list, "GClockBG", 120, 50);
  for (int d = 0; d <= 9; ++d) put(list, "GBClock" + QString::number(d), 22, 36);
  put(list, "GBClockP", 10, 36);

  // Pieces of the program's own button: ends as wide as the family's end
  // width, a narrow middle, all one pixel less than the button's height.
  for (const auto& [rows, end] : {std::pair{29, 8}, std::pair{44, 13}, std::pair{59, 17}}) {
    for (const char* style : {"R", "Q"}) {
      const QString family = QString::fromLatin1(style) + QString::number(rows);
      put(list, family + "_L", end, rows);
      put(list, family + "_R", end, rows);
      put(list, family + "_2", 16, rows);
    }
  }

  // The general-score window: heading ribbons, the scroll, the emblem strip
  // (24 frames of 100 x 90), the account picture and its lamps.
  put(list, "GCap300", 300, 64);
  put(list, "GLenta200x100", 200, 100);
  put(list, "GSvitok", 315, 400);
  put(list, "GGenCount", 24 * 100, 90);
  put(list, "Account48", 48, 48);
  for (const char* c : {"R", "Y", "G"}) put(list, "Lamp" + QString::fromLatin1(c) + "24", 24, 24);
  // Kinds of game in that window: strips of 12 frames of 60 x 75.
  for (const char* k : {"A", "B", "C", "E", "F", "G"}) put(list, "GClub" + QString::fromLatin1(k), 12 * 60, 75);

  // The end-of-cycle window: the medal, the place numerals drawn on its
  // disc, and the three result strips of 30 frames of 100 x 90.
  put(list, "GMedal", 120, 120);
  for (int place = 1; place <= 10; ++place) put(list, QString("GPlace%1").arg(place, 2, 10, QChar('0')), 56, 56);
  for (const char* r : {"Best", "Good", "Bads"}) put(list, "GEnd" + QString::fromLatin1(r), 30 * 100, 90);

  return list;
}

}  // namespace art
