// zembra-flag-sheet OUT.png [WIDTH HEIGHT [CONTINENT]]: every country's
// flag with its code and short name, continent by continent (or only the
// one continent 1..6), at the list size 14 x 12 and at WIDTH x HEIGHT
// (28 x 24 unless given), with the list-size flag also magnified three
// times pixel by pixel, for looking at the flags.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

#include "online/countries.h"
#include "resources/country_flags.h"

using namespace zembra;

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2 && argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: zembra-flag-sheet OUT.png [WIDTH HEIGHT [CONTINENT]]\n");
    return 2;
  }
  const int bigW = argc >= 4 ? std::atoi(argv[2]) : 28, bigH = argc >= 4 ? std::atoi(argv[3]) : 24;
  const int only = argc == 5 ? std::atoi(argv[4]) : 0;
  const int first = only ? only : 1, last = only ? only : kContinentCount;
  if (only < 0 || only > kContinentCount) {
    std::fprintf(stderr, "zembra-flag-sheet: a continent of 1 to 6, please\n");
    return 2;
  }
  if (bigW < 1 || bigH < 1 || bigW > 400 || bigH > 400) {
    std::fprintf(stderr, "zembra-flag-sheet: a flag size of 1 to 400 pixels, please\n");
    return 2;
  }
  constexpr int kColumns = 6, kNameWidth = 118, kHeading = 22, kMargin = 8;
  const int cellW = 14 + 4 + 42 + 4 + bigW + 6 + kNameWidth, cellH = std::max(bigH, 36) + 6;
  int rows = 0;
  for (int c = first; c <= last; ++c)
    rows += (static_cast<int>(ContinentCountries(c).size()) + kColumns - 1) / kColumns;
  QImage sheet(2 * kMargin + kColumns * cellW, 2 * kMargin + (last - first + 1) * kHeading + rows * cellH,
               QImage::Format_RGB32);
  sheet.fill(QColor(236, 233, 216));
  QPainter p(&sheet);
  QFont font = p.font();
  font.setPixelSize(11);
  p.setFont(font);
  const char* names[] = {"Europe", "Asia", "North America", "South America", "Oceania", "Africa"};
  int y = kMargin;
  for (int c = first; c <= last; ++c) {
    QFont bold = font;
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::black);
    p.drawText(QRect(kMargin, y, 400, kHeading), Qt::AlignVCenter, QString("%1  %2").arg(c).arg(names[c - 1]));
    p.setFont(font);
    y += kHeading;
    const auto list = ContinentCountries(c);
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
      const std::string code = *CountryCode(c, i);
      const int x = kMargin + (i % kColumns) * cellW, top = y + (i / kColumns) * cellH;
      const QPixmap small = CountryFlag(code);
      p.drawPixmap(x, top + (cellH - 12) / 2, small);
      p.drawPixmap(x + 18, top + (cellH - 36) / 2, small.scaled(42, 36, Qt::IgnoreAspectRatio, Qt::FastTransformation));
      p.drawPixmap(x + 64, top + (cellH - bigH) / 2, CountryFlag(code, bigW, bigH));
      p.drawText(QRect(x + 64 + bigW + 6, top, kNameWidth, cellH), Qt::AlignVCenter,
                 QString::fromStdString(code.substr(2) + " " + std::string(list[i].Short)));
    }
    y += (static_cast<int>(list.size()) + kColumns - 1) / kColumns * cellH;
  }
  p.end();
  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "zembra-flag-sheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
