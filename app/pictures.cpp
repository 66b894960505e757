#include "app/pictures.h"

#include "app/card_look.h"
#include "resources/strip_animation.h"

#include <QDate>
#include <QHash>

namespace zembra {

QPixmap Picture(const QString& name) { return ArtPicture(name); }

QPixmap CardFace(TCardCode card, int sizeClass) {
  const TCardLook& look = CurrentCardLook();
  if (const int i = FaceIndex(card); i >= 0 && look.SizeClass == sizeClass && !look.Faces[i].isNull())
    return look.Faces[i];
  const QString name = QString::fromStdString(ImageName(card));
  return Picture(sizeClass == 1 ? name : name + QLatin1Char('B'));
}

QPixmap CardBack(int backIndex, int sizeClass, bool crosswise) {
  const TCardLook& look = CurrentCardLook();
  const auto& backs = crosswise ? look.BacksCrosswise : look.Backs;
  if (look.SizeClass == sizeClass && backIndex >= 1 && backIndex <= static_cast<int>(backs.size()) &&
      !backs[backIndex - 1].isNull())
    return backs[backIndex - 1];
  static const char* const kBacks[] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th",
                                       "Ob05Fr", "Ob06Su", "Ob07Su"};
  const int i = backIndex >= 1 && backIndex <= 7 ? backIndex - 1 : 6;
  QString name = QString::fromLatin1(kBacks[i]);
  if (crosswise) name += QLatin1Char('R');
  if (sizeClass != 1) name += QLatin1Char('B');
  return Picture(name);
}

QPixmap SuitSymbol(unsigned char suit, bool large) {
  if (const auto s = SuitOfChar(suit)) {
    const QPixmap& loaded = (large ? CurrentCardLook().LargeSymbols : CurrentCardLook().Symbols)[static_cast<int>(*s)];
    if (!loaded.isNull()) return loaded;
  }
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
