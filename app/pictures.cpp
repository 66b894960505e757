#include "app/pictures.h"

#include "resources/strip_animation.h"

#include <QDate>
#include <QHash>

namespace zembra {

QPixmap Picture(const QString& name) { return ArtPicture(name); }

QPixmap CardFace(TCardCode card, int sizeClass) {
  const QString name = QString::fromStdString(ImageName(card));
  return Picture(sizeClass == 1 ? name : name + QLatin1Char('B'));
}

QPixmap CardBack(int backIndex, int sizeClass, bool crosswise) {
  static const char* const kBacks[] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th",
                                       "Ob05Fr", "Ob06Su", "Ob07Su"};
  const int i = backIndex >= 1 && backIndex <= 7 ? backIndex - 1 : 6;
  QString name = QString::fromLatin1(kBacks[i]);
  if (crosswise) name += QLatin1Char('R');
  if (sizeClass != 1) name += QLatin1Char('B');
  return Picture(name);
}

QPixmap SuitSymbol(unsigned char suit, bool large) {
  QString name;
  switch (suit) {
    case cp1251::kHearts: name = QStringLiteral("Cher"); break;
    case cp1251::kDiamonds: name = QStringLiteral("Bubi"); break;
    case cp1251::kClubs: name = QStringLiteral("Kres"); break;
    default: name = QStringLiteral("Piki"); break;
  }
  return Picture(large ? name + QLatin1Char('B') : name);
}

int BackOfTheDay() { return QDate::currentDate().dayOfWeek(); }

}  // namespace zembra
