#include "app/card_look.h"

#include <QPainter>

#include "resources/pack_file.h"
#include "resources/pack_names.h"
#include "resources/packs.h"

namespace zembra {
namespace {

const TRank kRanks[6] = {TRank::Nine, TRank::Ten, TRank::Jack, TRank::Queen, TRank::King, TRank::Ace};
const TSuit kSuits[4] = {TSuit::Hearts, TSuit::Diamonds, TSuit::Clubs, TSuit::Spades};

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Small pictures go into bitmaps of a fixed size, as the table expects.
QPixmap Fixed(const QPixmap& p, int w, int h) {
  if (p.isNull() || (p.width() == w && p.height() == h)) return p;
  return p.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Narrow cards at the larger sizes keep their proportions on the table:
// their pictures go centred into a transparent picture of the wide card's
// size, so every card place stays where the layout has it.
QPixmap PadTo(const QPixmap& p, int w, int h) {
  if (p.isNull() || (p.width() >= w && p.height() >= h)) return p;
  QPixmap out(std::max(w, p.width()), std::max(h, p.height()));
  out.fill(Qt::transparent);
  QPainter painter(&out);
  painter.drawPixmap((out.width() - p.width()) / 2, (out.height() - p.height()) / 2, p);
  return out;
}

}  // namespace

QString FacesKey(int cardSet, int sizeClass) { return QStringLiteral("%1/%2").arg(cardSet).arg(sizeClass); }
QString BacksKey(int backSet, int sizeClass, bool wideFaces) {
  return QStringLiteral("%1/%2/%3").arg(backSet).arg(sizeClass).arg(wideFaces);
}
QString BackgroundKey(int pattern, int colour, int windowSize) {
  return QStringLiteral("%1/%2/%3").arg(pattern).arg(colour).arg(windowSize == 1);
}

int FaceIndex(TCardCode card) {
  const auto r = RankOf(card);
  const auto s = SuitOfChar(card.Suit);
  if (!r || !s) return -1;
  int rank = 0;
  for (int i = 0; i < 6; ++i)
    if (kRanks[i] == *r) rank = i;
  return rank * 4 + static_cast<int>(*s);
}

void InvertEllipse(QImage* image, const QRect& box) {
  if (image->format() != QImage::Format_ARGB32) *image = image->convertToFormat(QImage::Format_ARGB32);
  const QRect area = box.intersected(image->rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image->scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      if (!InsideFaceEllipse(box.left(), box.top(), box.right(), box.bottom(), x, y)) continue;
      const QRgb c = line[x];
      line[x] = qRgba(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c), qAlpha(c));
    }
  }
}

bool LoadCardFaces(const QString& folder, int cardSet, int sizeClass, TCardLook* look) {
  const TPackReader pack(folder, Q(PackOfCardSet(cardSet)));
  if (!pack.IsOpen()) return false;
  TCardLook next = *look;
  next.CardSet = cardSet;
  next.SizeClass = sizeClass;
  next.WideCards = WideCardSet(cardSet);
  const QString kind = QStringLiteral("RCDATA");
  for (TRank r : kRanks)
    for (TSuit s : kSuits) {
      const TCardCode card = MakeCard(r, s);
      const QString name = Q(FaceItemName(cardSet, card, sizeClass));
      QPixmap face = pack.Picture(kind, name);
      if (cardSet != 0 && !face.isNull()) {
        QImage image = face.toImage();
        const QRect box = sizeClass == 1 ? QRect(QPoint(10, 10), QPoint(84, 59))
                          : next.WideCards ? QRect(QPoint(10, 10), QPoint(188, 136))
                                           : QRect(QPoint(10, 10), QPoint(188, 116));
        InvertEllipse(&image, box);
        face = QPixmap::fromImage(image);
      }
      if (sizeClass == 1) face = Fixed(face, 69, 94);
      else if (!next.WideCards && !face.isNull()) face = PadTo(face, face.height() * 146 / 198, face.height());
      next.Faces[FaceIndex(card)] = face;
    }
  for (TSuit s : kSuits) {
    const int i = static_cast<int>(s);
    next.Symbols[i] = Fixed(pack.Picture(kind, Q(SuitSymbolName(cardSet, s, false))), 20, 20);
    next.LargeSymbols[i] = pack.Picture(kind, Q(SuitSymbolName(cardSet, s, true)));
  }
  next.FacesFor = FacesKey(cardSet, sizeClass);
  *look = std::move(next);
  return true;
}

bool LoadCardBacks(const QString& folder, int backSet, int sizeClass, TCardLook* look) {
  const bool narrowLarge = !look->WideCards && sizeClass != 1;
  const bool builtIn = backSet == 0 && !narrowLarge;
  const TPackReader pack(folder, builtIn ? QString() : QString::fromLatin1(kPackCardsB));
  if (!pack.IsOpen()) return false;
  TCardLook next = *look;
  next.BackSet = backSet;
  next.Backs.clear();
  next.BacksCrosswise.clear();
  const QString kind = QStringLiteral("RCDATA");
  for (int i = 1; i <= BackCount(backSet); ++i) {
    QPixmap back = pack.Picture(kind, Q(BackItemName(backSet, i, false, sizeClass, narrowLarge)));
    QPixmap cross = pack.Picture(kind, Q(BackItemName(backSet, i, true, sizeClass, narrowLarge)));
    if (sizeClass == 1) {
      back = Fixed(back, 69, 94);
      cross = Fixed(cross, 94, 69);
    } else if (narrowLarge) {
      back = PadTo(back, back.height() * 146 / 198, back.height());
      cross = PadTo(cross, cross.width(), cross.width() * 146 / 198);
    }
    next.Backs.push_back(back);
    next.BacksCrosswise.push_back(cross);
  }
  next.BacksFor = BacksKey(backSet, sizeClass, next.WideCards);
  *look = std::move(next);
  return true;
}

bool LoadTableBackground(const QString& folder, int pattern, int colour, int windowSize, TCardLook* look) {
  if (pattern == 0) {
    look->Background = QPixmap();
    look->BackgroundFor = BackgroundKey(pattern, colour, windowSize);
    return true;
  }
  const TPackReader pack(folder, Q(PackOfBackground(pattern, colour)));
  if (!pack.IsOpen()) return false;
  const QString name = Q(BackgroundItemName(pattern, colour, windowSize));
  const QPixmap p = pack.Picture(pack.IsBuiltIn() ? QStringLiteral("RCDATA") : QStringLiteral("JPEG"), name);
  if (!p.isNull()) look->Background = p;
  look->BackgroundFor = BackgroundKey(pattern, colour, windowSize);
  return true;
}

bool LoadMenuPicture(const QString& folder, TCardLook* look) {
  const TPackReader pack(folder, QString::fromLatin1(kPackGraphics));
  if (!pack.IsOpen()) return false;
  look->MenuPicture = pack.Picture(QStringLiteral("JPEG"), QStringLiteral("BGLilu"));
  return true;
}

namespace {
TCardLook& Current() {
  static TCardLook look;
  return look;
}
}  // namespace

const TCardLook& CurrentCardLook() { return Current(); }
void SetCurrentCardLook(TCardLook look) { Current() = std::move(look); }

}  // namespace zembra
