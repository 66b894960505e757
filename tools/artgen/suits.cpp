// Suit shapes drawn as paths in a 100 x 100 design box, and the suit symbol
// pictures "Cher", "Bubi", "Kres", "Piki" (20 x 20) and their "B" (64 x 64).
#include "suits.h"

#include "art.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QTransform>

#include <algorithm>

namespace art {

namespace {

// The stem shared by spades and clubs: a narrow neck flaring to a base.
void addStem(QPainterPath& path) {
  QPainterPath stem;
  stem.moveTo(46.5, 64);
  stem.cubicTo(46.5, 82, 40, 93, 31, 98);
  stem.lineTo(69, 98);
  stem.cubicTo(60, 93, 53.5, 82, 53.5, 64);
  stem.closeSubpath();
  path = path.united(stem);
}

QPainterPath designPathOf(Suit s) {
  QPainterPath p;
  switch (s) {
    case Suit::Hearts:
      p.moveTo(50, 27);
      p.cubicTo(45, 11, 33, 5, 22, 6);
      p.cubicTo(9, 7, 2, 18, 2, 31);
      p.cubicTo(2, 54, 30, 70, 50, 96);
      p.cubicTo(70, 70, 98, 54, 98, 31);
      p.cubicTo(98, 18, 91, 7, 78, 6);
      p.cubicTo(67, 5, 55, 11, 50, 27);
      p.closeSubpath();
      break;
    case Suit::Diamonds:
      p.moveTo(50, 1);
      p.quadTo(63, 30, 89, 50);
      p.quadTo(63, 70, 50, 99);
      p.quadTo(37, 70, 11, 50);
      p.quadTo(37, 30, 50, 1);
      p.closeSubpath();
      break;
    case Suit::Spades:
      p.moveTo(50, 2);
      p.cubicTo(40, 22, 4, 36, 4, 59);
      p.cubicTo(4, 73, 15, 80, 26, 80);
      p.cubicTo(36, 80, 44, 75, 48, 68);
      p.lineTo(52, 68);
      p.cubicTo(56, 75, 64, 80, 74, 80);
      p.cubicTo(85, 80, 96, 73, 96, 59);
      p.cubicTo(96, 36, 60, 22, 50, 2);
      p.closeSubpath();
      addStem(p);
      break;
    case Suit::Clubs: {
      QPainterPath lobes;
      lobes.addEllipse(QPointF(50, 26), 22, 22);
      lobes.addEllipse(QPointF(26, 58), 22, 22);
      lobes.addEllipse(QPointF(74, 58), 22, 22);
      QPainterPath heart;
      heart.moveTo(50, 30);
      heart.lineTo(36, 58);
      heart.lineTo(50, 70);
      heart.lineTo(64, 58);
      heart.closeSubpath();
      p = lobes.united(heart);
      // Close the small notches between the lobes and the stem.
      QPainterPath waist;
      waist.addEllipse(QPointF(50, 56), 12, 12);
      p = p.united(waist);
      addStem(p);
      break;
    }
  }
  return p;
}

}  // namespace

QPainterPath suitDesign(Suit s) { return designPathOf(s); }

bool isRed(Suit s) { return s == Suit::Hearts || s == Suit::Diamonds; }

QPainterPath suitPath(Suit s, const QRectF& box) {
  const QPainterPath design = designPathOf(s);
  const QRectF b = design.boundingRect();
  const double scale = std::min(box.width() / b.width(), box.height() / b.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-b.center().x(), -b.center().y());
  return t.map(design);
}

void paintSuit(QPainter& p, Suit s, const QRectF& box, bool glossy, double haloWidth) {
  const QPainterPath path = suitPath(s, box);
  const QRectF b = path.boundingRect();
  p.save();
  if (haloWidth > 0) {
    QPen halo(QColor(255, 255, 255, 210), 2 * haloWidth);
    halo.setJoinStyle(Qt::RoundJoin);
    p.strokePath(path, halo);
  }
  QLinearGradient fill(b.topLeft(), b.bottomLeft());
  if (isRed(s)) {
    fill.setColorAt(0, QColor(236, 40, 44));
    fill.setColorAt(1, QColor(178, 8, 20));
  } else {
    fill.setColorAt(0, QColor(64, 66, 72));
    fill.setColorAt(1, QColor(8, 8, 10));
  }
  p.fillPath(path, fill);
  if (glossy) {
    // A soft light on the upper left, clipped to the shape.
    p.setClipPath(path, Qt::IntersectClip);
    QRadialGradient light(QPointF(b.left() + b.width() * 0.32, b.top() + b.height() * 0.22), b.width() * 0.55);
    light.setColorAt(0, QColor(255, 255, 255, isRed(s) ? 110 : 90));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(b, light);
    p.setClipping(false);
    QPen edge(isRed(s) ? QColor(120, 0, 10) : QColor(0, 0, 0), b.width() / 64.0);
    edge.setJoinStyle(Qt::RoundJoin);
    p.strokePath(path, edge);
  }
  p.restore();
}

void addSuitSymbols(ArtBook& book) {
  struct Symbol {
    const char* name;
    Suit suit;
  };
  const Symbol symbols[] = {
      {"Cher", Suit::Hearts}, {"Bubi", Suit::Diamonds}, {"Kres", Suit::Clubs}, {"Piki", Suit::Spades}};
  for (const Symbol& sym : symbols) {
    QImage small = canvas(20, 20);
    {
      QPainter p(&small);
      smooth(p);
      paintSuit(p, sym.suit, QRectF(1.5, 1.5, 17, 17), false, 1.0);
    }
    book.add(sym.name, small);

    QImage large = canvas(64, 64);
    {
      QPainter p(&large);
      smooth(p);
      softShadow(p, suitPath(sym.suit, QRectF(5, 4, 54, 54)), QPointF(1.5, 2.5), 3, QColor(0, 0, 0, 110));
      paintSuit(p, sym.suit, QRectF(5, 4, 54, 54), true, 2.0);
    }
    book.add(QString::fromLatin1(sym.name) + "B", large);
  }
}

}  // namespace art
