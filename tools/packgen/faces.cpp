// Card faces of sets 1..47 for "OrvCards06A/B/C.dll".
//
// Every set starts from one of the freely licensed SVG decks of Debian's
// card-data package (see assets/CREDITS.md), rendered once per card at the
// large size, and then gets its own look: the colour of its paper, a frame,
// four-colour suits, shifted colours of the court pictures, large corner
// indices for the large-print sets. Narrow sets are laid out narrow (the
// card's sides trimmed, its outline drawn anew), never squeezed. The
// program inverts the colours of an ellipse on each face when it loads it,
// so the faces are stored with that ellipse inverted.
#include "packgen.h"

#include <QColor>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <cmath>
#include <memory>

#include "engine/cards.h"
#include "resources/pack_names.h"

namespace packgen {
namespace {

using zembra::TRank;
using zembra::TSuit;

const TRank kRanks[6] = {TRank::Nine, TRank::Ten, TRank::Jack, TRank::Queen, TRank::King, TRank::Ace};
const TSuit kSuits[4] = {TSuit::Hearts, TSuit::Diamonds, TSuit::Clubs, TSuit::Spades};
const char* const kDeckRanks[6] = {"9", "10", "jack", "queen", "king", "1"};
const char* const kDeckSuits[4] = {"heart", "diamond", "club", "spade"};
const char* const kRankLetters[6] = {"9", "10", "J", "Q", "K", "A"};

constexpr int kLargeW = 146, kNarrowW = 126, kLargeH = 198, kSmallW = 69, kSmallH = 94;

// How a set looks: its deck and what is done to it.
struct TStyle {
  const char* Deck;        // folder under the card decks
  QRgb Paper = 0;          // tint of the white paper (0: as the deck has it)
  QRgb Frame = 0;          // a coloured frame inside the outline (0: none)
  bool FourColours = false;  // diamonds blue, clubs green
  int HueShift = 0;        // turns the colours of the pictures (degrees)
  bool BigIndex = false;   // large rank and suit in two corners
};

// Sets 1..47 (the options list names them: Medieval-1, Modern, Ancient
// Egypt, Baronesse, ...).
const TStyle kStyles[48] = {
    {},
    {"dondorf", 0xFFF1DEB4, 0xFF7A1E1E},                 // 1 Medieval-1
    {"konqi-modern"},                                    // 2 Modern
    {"ancient-egyptians"},                               // 3 Ancient Egypt
    {"nicu-ornamental"},                                 // 4 Baronesse
    {"oxygen", 0xFFE6F2E2, 0xFF1F6B3A},                  // 5 Celtic
    {"oxygen-white", 0, 0xFFC9A227},                     // 6 Corona
    {"jolly-royal", 0, 0xFF1E3F8A},                      // 7 Crown
    {"standard"},                                        // 8 English Pattern
    {"xskat-french", 0xFFFBF3E0},                        // 9 Frankfurt
    {"gm-paris", 0xFFEFE3C8, 0xFF5A3A1A},                // 10 Historical costumes
    {"ancient-egyptians", 0xFFF3DCC4, 0xFF9A4A22, false, 25},  // 11 Native Americans
    {"nicu-ornamental", 0xFFFBE6EA, 0xFFB0406A},         // 12 Old Garden Roses
    {"oxygen-air", 0, 0xFF138A5A, false, 110},           // 13 Parrots
    {"jolly-royal"},                                     // 14 Royal
    {"gm-paris"},                                        // 15 Shakespeare
    {"tigullio-international", 0, 0, false, 0, true},    // 16 Big Ben
    {"dondorf", 0xFFE4EAF0, 0xFF34495E},                 // 17 Four Reigns of English History
    {"standard", 0xFFFFFBEA, 0xFF222222, false, 0, true},  // 18 Large Print London
    {"oxygen"},                                          // 19 Classical-2
    {"konqi-modern", 0xFFFCE8EC, 0xFFC0182E},            // 20 Hearts
    {"oxygen-air", 0xFFE8F1FA, 0xFF2A8C8C, false, 160},  // 21 Seasons
    {"gm-paris", 0xFFF6EED8, 0xFF2B2B2B},                // 22 Rhine Style
    {"dondorf"},                                         // 23 Medieval-2
    {"nicu-white", 0xFFFFF6D8, 0xFFE07B00, false, 200},  // 24 Doods
    {"oxygen-air"},                                      // 25 Playboy
    {"jolly-royal", 0xFFEEE0C2, 0xFF3A2A14},             // 26 Epic
    {"konqi-modern", 0xFFF6EFE6, 0xFFB01010, false, 0, true},  // 27 USSR
    {"oxygen-air", 0xFFEFF5FB},                          // 28 Plastic (narrow)
    {"xskat-german"},                                    // 29 Skat, German suits
    {"xskat-french", 0, 0, true},                        // 30 Skat, tournament suits
    {"xskat-french"},                                    // 31 Skat, French suits
    {"nicu-ornamental", 0xFFFFF8EC, 0xFF8A1F1F},         // 32 White palekh
    {"gm-paris", 0, 0xFF5E7FA8},                         // 33 Diana
    {"dondorf", 0xFFF8F0DC},                             // 34 Princely
    {"standard", 0, 0, false, 0, true},                  // 35 For solitaires
    {"oxygen-white", 0xFFE9EEF8, 0xFF4A5FA0},            // 36 Satin
    {"jolly-royal", 0xFFFFF6E6, 0xFFB22222},             // 37 Slavic
    {"ancient-egyptians", 0xFFF1D9B8, 0xFF2F6B4F, false, -30},  // 38 Maya
    {"tigullio-international", 0xFFF2E6C4, 0xFF8A6A2A},  // 39 Bast
    {"xskat-french", 0xFFF3F6FB, 0xFF1D4E9A, true},      // 40 French
    {"konqi-modern", 0xFFFFF4E0, 0xFFB8860B},            // 41 Spanish 1
    {"oxygen", 0, 0xFFD4A017, false, 40},                // 42 Spanish 2
    {"nicu-white", 0xFFFFF1DC, 0xFFA0522D, false, 30},   // 43 Spanish 3
    {"oxygen-air", 0, 0xFF8B0000, true},                 // 44 Spanish 4
    {"tigullio-international", 0xFFFFEDE6, 0xFFC8102E, false, 0, false},  // 45 Chinese
    {"tigullio-international", 0xFFF7F3E8},              // 46 Italian
    {"xskat-german", 0xFFFAF4E4, 0xFF3B5323},            // 47 Czech
};

QString DeckFile(const QString& deck) {
  static const QHash<QString, QString> kFiles = {
      {"ancient-egyptians", "Ancient_Egyptians.svgz"}, {"dondorf", "dondorf.svgz"}, {"nicu-white", "white.svgz"},
      {"gm-paris", "paris.svgz"}, {"jolly-royal", "jolly-royal.svgz"}, {"konqi-modern", "konqi.svgz"},
      {"nicu-ornamental", "ornamental.svgz"}, {"oxygen", "oxygen.svgz"}, {"oxygen-air", "oxygen-air.svgz"},
      {"oxygen-white", "oxygen-white.svgz"}, {"standard", "standard.svgz"},
      {"tigullio-international", "tigullio-international.svgz"}, {"xskat-french", "french.svgz"},
      {"xskat-german", "german.svgz"}};
  return QStringLiteral(ZEMBRA_CARD_DECKS) + "/svg-" + deck + "/" + kFiles.value(deck);
}

// The rendered cards of the decks in use, each rendered once.
class TDeckCache {
 public:
  // The card at the large size, on a transparent canvas of 146 × 198.
  const QImage& Card(const QString& deck, int rank, int suit) {
    const QString key = deck + "/" + QString::number(rank * 4 + suit);
    auto it = Cards_.find(key);
    if (it != Cards_.end()) return *it;
    QSvgRenderer& r = Renderer(deck);
    const QString id = QString::fromLatin1(kDeckRanks[rank]) + "_" + QString::fromLatin1(kDeckSuits[suit]);
    if (!r.elementExists(id)) throw PackError("deck " + deck.toStdString() + " has no " + id.toStdString());
    QImage img(kLargeW, kLargeH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // The whole element scaled into the card, its proportions kept.
    const QRectF b = r.boundsOnElement(id);
    const double s = std::min(kLargeW / b.width(), kLargeH / b.height());
    const QSizeF size(b.width() * s, b.height() * s);
    r.render(&p, id, QRectF(QPointF((kLargeW - size.width()) / 2, (kLargeH - size.height()) / 2), size));
    p.end();
    return *Cards_.insert(key, img.convertToFormat(QImage::Format_ARGB32));
  }

 private:
  QSvgRenderer& Renderer(const QString& deck) {
    auto& r = Renderers_[deck];
    if (!r) {
      r = std::make_unique<QSvgRenderer>(DeckFile(deck));
      if (!r->isValid()) throw PackError("cannot read the deck " + DeckFile(deck).toStdString());
    }
    return *r;
  }
  std::map<QString, std::unique_ptr<QSvgRenderer>> Renderers_;
  QHash<QString, QImage> Cards_;
};

QPainterPath SuitPath(int suit, double s) {
  QPainterPath p;
  switch (suit) {
    case 0:
      p.moveTo(0, s * 0.45);
      p.cubicTo(-s * 0.9, -s * 0.15, -s * 0.45, -s * 0.75, 0, -s * 0.3);
      p.cubicTo(s * 0.45, -s * 0.75, s * 0.9, -s * 0.15, 0, s * 0.45);
      break;
    case 1:
      p.moveTo(0, -s * 0.55);
      p.quadTo(s * 0.2, -s * 0.2, s * 0.42, 0);
      p.quadTo(s * 0.2, s * 0.2, 0, s * 0.55);
      p.quadTo(-s * 0.2, s * 0.2, -s * 0.42, 0);
      p.quadTo(-s * 0.2, -s * 0.2, 0, -s * 0.55);
      break;
    case 2:
      p.addEllipse(QPointF(0, -s * 0.24), s * 0.21, s * 0.21);
      p.addEllipse(QPointF(-s * 0.23, s * 0.07), s * 0.21, s * 0.21);
      p.addEllipse(QPointF(s * 0.23, s * 0.07), s * 0.21, s * 0.21);
      p.addRect(QRectF(-s * 0.06, -s * 0.05, s * 0.12, s * 0.3));
      p.moveTo(-s * 0.06, s * 0.2);
      p.lineTo(-s * 0.2, s * 0.5);
      p.lineTo(s * 0.2, s * 0.5);
      p.lineTo(s * 0.06, s * 0.2);
      break;
    default:
      p.moveTo(0, -s * 0.5);
      p.cubicTo(s * 0.95, s * 0.1, s * 0.45, s * 0.55, 0, s * 0.2);
      p.cubicTo(-s * 0.45, s * 0.55, -s * 0.95, s * 0.1, 0, -s * 0.5);
      p.moveTo(-s * 0.06, s * 0.15);
      p.lineTo(-s * 0.2, s * 0.5);
      p.lineTo(s * 0.2, s * 0.5);
      p.lineTo(s * 0.06, s * 0.15);
      break;
  }
  p.setFillRule(Qt::WindingFill);
  return p.simplified();
}

QColor SuitColour(int suit, bool fourColours) {
  if (fourColours && suit == 1) return QColor(20, 70, 190);
  if (fourColours && suit == 2) return QColor(20, 120, 50);
  return suit < 2 ? QColor(200, 20, 30) : QColor(20, 20, 20);
}

// The Konqi deck paints each suit in a colour of its own (hearts green,
// spades red); on our table hearts are red and spades black, diamonds blue
// and clubs green, as four-colour decks have them.
void KonqiColours(QColor& col, int suit) {
  int h, s, v, a;
  col.getHsv(&h, &s, &v, &a);
  if (s < 70 || h < 0) return;
  const int from[4] = {125, 185, 225, 0}, to[4] = {355, 222, 135, -1};
  const int d = std::abs(((h - from[suit]) % 360 + 540) % 360 - 180);
  if (d > 40) return;
  if (to[suit] < 0) col.setHsv(h, 0, v * 3 / 10, a);
  else col.setHsv((to[suit] + (h - from[suit]) + 360) % 360, s, v, a);
}

// The paper tinted, colours turned, suits recoloured: pixel by pixel.
void Recolour(QImage& img, const TStyle& style, int suit) {
  const QColor paper = style.Paper ? QColor::fromRgba(style.Paper) : QColor();
  const bool konqi = QLatin1String(style.Deck) == QLatin1String("konqi-modern");
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      const QRgb c = line[x];
      if (qAlpha(c) == 0) continue;
      QColor col = QColor::fromRgba(c);
      if (konqi) KonqiColours(col, suit);
      int h, s, v, a;
      col.getHsv(&h, &s, &v, &a);
      if (paper.isValid() && s < 18 && v > 235) {
        // Near-white paper takes the tint, in proportion to its whiteness.
        const double k = (v - 235) / 20.0;
        col = QColor(static_cast<int>(col.red() + (paper.red() - col.red()) * k),
                     static_cast<int>(col.green() + (paper.green() - col.green()) * k),
                     static_cast<int>(col.blue() + (paper.blue() - col.blue()) * k), a);
      } else if (style.FourColours && (suit == 1 || suit == 2)) {
        const bool red = s > 120 && (h < 20 || h > 340);
        const bool dark = v < 90;
        if (suit == 1 && red) col.setHsv(222, s, v, a);
        if (suit == 2 && dark) col = QColor(std::min(255, col.red() / 3 + 10), std::min(255, col.green() / 2 + 70),
                                            std::min(255, col.blue() / 3 + 25), a);
      } else if (style.HueShift && s > 60 && h >= 0) {
        col.setHsv((h + style.HueShift + 360) % 360, s, v, a);
      }
      line[x] = col.rgba();
    }
  }
}

QPainterPath Outline(double w, double h) {
  QPainterPath p;
  p.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), w * 0.075, w * 0.075);
  return p;
}

void DrawFrame(QImage& img, const TStyle& style) {
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = img.width(), h = img.height(), k = w / kLargeW;
  if (style.Frame) {
    p.setPen(QPen(QColor::fromRgba(style.Frame), 2.2 * k));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4.5 * k, 4.5 * k, w - 9 * k, h - 9 * k), 7 * k, 7 * k);
  }
  p.setPen(QPen(QColor(70, 70, 70), 1.0));
  p.drawPath(Outline(w, h));
}

void DrawBigIndex(QImage& img, int rank, int suit, const TStyle& style) {
  QPainter p(&img);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  const double k = img.width() / double(kLargeW);
  const QColor colour = SuitColour(suit, style.FourColours);
  QFont f(QStringLiteral("Liberation Sans"));
  f.setBold(true);
  f.setPixelSize(static_cast<int>(38 * k));
  p.setFont(f);
  const QRectF box(3 * k, 3 * k, 42 * k, 40 * k);
  for (int corner = 0; corner < 2; ++corner) {
    p.save();
    if (corner == 1) {
      p.translate(img.width(), img.height());
      p.rotate(180);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(QRectF(box.x(), box.y(), box.width(), 66 * k), 5 * k, 5 * k);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, QString::fromLatin1(kRankLetters[rank]));
    p.translate(box.center().x(), box.bottom() + 12 * k);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(SuitPath(suit, 24 * k));
    p.restore();
  }
}

// The finished card, wide or narrow, at the large size.
QImage LargeFace(TDeckCache& decks, const TStyle& style, bool wide, int rank, int suit) {
  QImage card = decks.Card(QString::fromLatin1(style.Deck), rank, suit).copy();
  Recolour(card, style, suit);
  if (!wide) card = card.copy((kLargeW - kNarrowW) / 2, 0, kNarrowW, kLargeH);
  // Only what lies inside the outline; the deck's own edge gives way to ours.
  QImage out(card.size(), QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  {
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(Outline(card.width(), card.height()));
    p.fillRect(out.rect(), style.Paper ? QColor::fromRgba(style.Paper) : QColor(Qt::white));
    p.drawImage(0, 0, card);
  }
  if (style.BigIndex) DrawBigIndex(out, rank, suit, style);
  DrawFrame(out, style);
  return out;
}

QImage Small(const QImage& large) {
  // Narrow faces in the small size are the same 69 × 94 picture.
  return large.scaled(kSmallW, kSmallH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void StoreInverted(QImage image, const QRect& ellipse, TPackWriter& pack, const QString& name) {
  image = image.convertToFormat(QImage::Format_ARGB32);
  const QRect area = ellipse.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x)
      if (zembra::InsideFaceEllipse(ellipse.left(), ellipse.top(), ellipse.right(), ellipse.bottom(), x, y)) {
        const QRgb c = line[x];
        line[x] = qRgba(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c), qAlpha(c));
      }
  }
  pack.AddPng(name, image);
}

QImage Symbol(int suit, int size, const TStyle& style) {
  QImage img(size, size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(size / 2.0, size / 2.0);
  p.setPen(QPen(QColor(255, 255, 255, 200), size / 20.0));
  p.setBrush(SuitColour(suit, style.FourColours));
  p.drawPath(SuitPath(suit, size * 0.92));
  return img;
}

void AddSet(int set, TDeckCache& decks, TPackWriter& pack) {
  const TStyle& style = kStyles[set];
  const bool wide = zembra::WideCardSet(set);
  const QRect smallEllipse(QPoint(10, 10), QPoint(84, 59));
  const QRect largeEllipse = wide ? QRect(QPoint(10, 10), QPoint(188, 136)) : QRect(QPoint(10, 10), QPoint(188, 116));
  for (int r = 0; r < 6; ++r)
    for (int s = 0; s < 4; ++s) {
      const zembra::TCardCode card = zembra::MakeCard(kRanks[r], kSuits[s]);
      const QString large = QString::fromStdString(zembra::FaceItemName(set, card, 0));
      const QString small = QString::fromStdString(zembra::FaceItemName(set, card, 1));
      if (pack.Has("RCDATA", large)) continue;  // drawn by the set that owns the code
      const QImage face = LargeFace(decks, style, wide, r, s);
      StoreInverted(face, largeEllipse, pack, large);
      // The small picture from the wide card, so a narrow set stays whole.
      StoreInverted(Small(wide ? face : LargeFace(decks, style, true, r, s)), smallEllipse, pack, small);
    }
  for (int s = 0; s < 4; ++s) {
    const QString small = QString::fromStdString(zembra::SuitSymbolName(set, kSuits[s], false));
    if (pack.Has("RCDATA", small)) continue;
    pack.AddPng(small, Symbol(s, 20, style));
    pack.AddPng(QString::fromStdString(zembra::SuitSymbolName(set, kSuits[s], true)), Symbol(s, 40, style));
  }
}

}  // namespace

void AddCardFaces(TPackWriter& a, TPackWriter& b, TPackWriter& c) {
  TDeckCache decks;
  for (int set = 1; set <= zembra::kCardSetCount; ++set) AddSet(set, decks, set <= 31 ? a : set <= 39 ? b : c);
}

}  // namespace packgen
