// Main menu ornaments "PngMenu1" and "PngMenu2" (300 x 120, transparent): a
// fan of four aces of our own drawing with a red ribbon, and a fan of our
// card backs with a blue ribbon.
#include "art.h"
#include "card_backs.h"
#include "paint_kit.h"
#include "suits.h"

#include <QFont>
#include <QLinearGradient>

#include <vector>

namespace art {

namespace {

// A face-up ace of our own: one big suit in the middle, "A" and a small suit
// in two corners, drawn at w x h pixels.
QImage ace(int w, int h, Suit suit, const QString& fontFamily) {
  QImage img = canvas(w, h);
  QPainter p(&img);
  smooth(p);
  const QRectF card(0.5, 0.5, w - 1.0, h - 1.0);
  const double radius = 0.117 * w;
  QLinearGradient paper(card.topLeft(), card.bottomRight());
  paper.setColorAt(0, QColor(255, 255, 253));
  paper.setColorAt(1, QColor(236, 234, 226));
  p.fillPath(roundedRect(card, radius), paper);
  p.strokePath(roundedRect(card, radius), QPen(QColor(130, 130, 124), 1.0));
  const double big = w * 0.5;
  paintSuit(p, suit, QRectF((w - big) / 2, (h - big) / 2 + h * 0.03, big, big), true, 0);
  QFont font(fontFamily);
  font.setPixelSize(static_cast<int>(h * 0.2));
  const QColor ink = isRed(suit) ? QColor(196, 16, 28) : QColor(20, 20, 24);
  for (int corner = 0; corner < 2; ++corner) {
    p.save();
    if (corner == 1) {
      p.translate(w, h);
      p.rotate(180);
    }
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(w * 0.04, h * 0.02, w * 0.26, h * 0.2), Qt::AlignCenter, QStringLiteral("A"));
    const double pip = w * 0.16;
    paintSuit(p, suit, QRectF(w * 0.17 - pip / 2, h * 0.23, pip, pip), false, 0);
    p.restore();
  }
  return img;
}

// Lays the cards out as a fan turning about a point below them, each card
// with its own soft shadow on those beneath.
void fan(QPainter& p, const std::vector<QImage>& cards, QPointF pivot, double spread, double lift) {
  const int n = static_cast<int>(cards.size());
  for (int i = 0; i < n; ++i) {
    const double angle = (i - (n - 1) / 2.0) * spread;
    const QImage& card = cards[i];
    QImage placed = canvas(p.device()->width(), p.device()->height());
    {
      QPainter cp(&placed);
      smooth(cp);
      cp.translate(pivot);
      cp.rotate(angle);
      cp.drawImage(QPointF(-card.width() / 2.0, -lift - card.height()), card);
    }
    softShadowOf(p, placed, QPointF(2, 3), 3, QColor(0, 0, 0, 110));
    p.drawImage(0, 0, placed);
  }
}

// A ribbon banner across the fan, gently arched, with forked tails tucked
// behind both ends.
void ribbon(QPainter& p, const QRectF& band, const QColor& colour) {
  const double arch = band.height() * 0.45;
  const double drop = band.height() * 0.38;  // tails sit this much lower
  const double tail = band.height() * 1.5;
  const double tuck = band.height() * 0.6;   // tails reach this far behind the band
  const QColor edge = colour.darker(260);

  for (int side : {-1, 1}) {
    const double x = side < 0 ? band.left() : band.right();
    const double y0 = band.top() + drop, y1 = band.bottom() + drop;
    QPainterPath t;
    t.moveTo(x - side * tuck, y0);
    t.lineTo(x + side * tail, y0);
    t.lineTo(x + side * (tail - band.height() * 0.55), (y0 + y1) / 2);
    t.lineTo(x + side * tail, y1);
    t.lineTo(x - side * tuck, y1);
    t.closeSubpath();
    softShadow(p, t, QPointF(1, 2), 2, QColor(0, 0, 0, 100));
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, colour.darker(125));
    g.setColorAt(1, colour.darker(175));
    p.fillPath(t, g);
    p.strokePath(t, QPen(edge, 0.8));
    // The fold where the band turns under into the tail.
    QPainterPath fold;
    fold.moveTo(x, band.bottom());
    fold.lineTo(x, y1);
    fold.lineTo(x - side * tuck * 0.9, y1);
    fold.closeSubpath();
    p.fillPath(fold, colour.darker(260));
  }

  QPainterPath body;
  body.moveTo(band.topLeft());
  body.quadTo(QPointF(band.center().x(), band.top() - arch), band.topRight());
  body.lineTo(band.bottomRight());
  body.quadTo(QPointF(band.center().x(), band.bottom() - arch), band.bottomLeft());
  body.closeSubpath();
  softShadow(p, body, QPointF(1.5, 2.5), 3, QColor(0, 0, 0, 120));
  QLinearGradient g(0, band.top() - arch / 2, 0, band.bottom() - arch / 2);
  g.setColorAt(0, colour.lighter(145));
  g.setColorAt(0.4, colour);
  g.setColorAt(1, colour.darker(150));
  p.fillPath(body, g);
  // Gold edging along both long sides.
  QPainterPath edges;
  const double in = 2.3;
  edges.moveTo(band.left() + 1, band.top() + in);
  edges.quadTo(QPointF(band.center().x(), band.top() - arch + in), QPointF(band.right() - 1, band.top() + in));
  edges.moveTo(band.left() + 1, band.bottom() - in);
  edges.quadTo(QPointF(band.center().x(), band.bottom() - arch - in), QPointF(band.right() - 1, band.bottom() - in));
  p.strokePath(edges, QPen(QColor(248, 210, 116), 1.1));
  p.strokePath(body, QPen(edge, 0.9));
}

// Height of the ribbon's arch at x, for placing things on it.
double archAt(const QRectF& band, double x) {
  const double t = (x - band.left()) / band.width();
  return band.height() * 0.45 * 2 * t * (1 - t);
}

const QRectF kBand(52, 82, 196, 21);

QImage menuAces(const QString& fontFamily) {
  QImage img = canvas(300, 120);
  QPainter p(&img);
  smooth(p);
  std::vector<QImage> cards;
  for (Suit s : {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds}) cards.push_back(ace(58, 82, s, fontFamily));
  fan(p, cards, QPointF(150, 204), 12.5, 112);
  ribbon(p, kBand, QColor(190, 22, 34));
  return img;
}

QImage menuBacks() {
  QImage img = canvas(300, 120);
  QPainter p(&img);
  smooth(p);
  std::vector<QImage> cards;
  for (int day : {0, 1, 2, 3, 6}) cards.push_back(cardBack(56, 78, day));
  fan(p, cards, QPointF(150, 204), 10.5, 114);
  ribbon(p, kBand, QColor(28, 78, 176));
  // Four small suits along the ribbon.
  const Suit suits[] = {Suit::Hearts, Suit::Spades, Suit::Diamonds, Suit::Clubs};
  for (int i = 0; i < 4; ++i) {
    const double x = 150 + (i - 1.5) * 26;
    const double y = kBand.center().y() - archAt(kBand, x);
    paintSuit(p, suits[i], QRectF(x - 6, y - 6, 12, 12), false, 1.0);
  }
  return img;
}

}  // namespace

void addMenuPictures(ArtBook& book, const QString& fontFamily) {
  book.add("PngMenu1", menuAces(fontFamily));
  book.add("PngMenu2", menuBacks());
}

}  // namespace art
