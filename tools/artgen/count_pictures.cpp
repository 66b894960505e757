// Pictures of the general-score window, the small dialog that shows the
// numbers of a finished match:
//
//   "GCap300"        300 x 64   red ribbon banner; the window writes its
//                                heading in yellow across the plain middle
//   "GLenta200x100"  200 x 100  broad ribbon with a rosette, a heading
//                                without words
//   "GSvitok"        315 x 400  old paper scroll behind the seven rows
//   "GGenCount"      24 frames of 100 x 90 (strip 2400 x 90): a fanned hand
//                                of cards swaying with twinkles; frame 14
//                                is the still picture
//   "Account48"      48 x 48    player in a gold round frame; the window puts
//                                a lamp over its upper right quarter
//   "LampR24", "LampY24", "LampG24"  24 x 24  glossy indicator lamps
//
// and the kind-of-game pictures, each 12 frames of 60 x 75 (strip 720 x 75):
//
//   "GClubA"  rated game: a gold star floating over rising bars
//   "GClubB"  rated game: a laurel wreath round a spade, a travelling twinkle
//   "GClubC"  game against the computer: a monitor with cards and a glint
//   "GClubF"  game against the computer: two cards turning over in turn
//   "GClubE"  tournament: a trophy with a sweeping shine
//   "GClubG"  net duel: two players with a crackling spark between them
//
// Every strip loops: the last frame leads smoothly into the first.
#include "anim_kit.h"
#include "art.h"
#include "card_backs.h"
#include "paint_kit.h"
#include "suits.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace art {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kCountFrames = 24;
constexpr int kKindFrames = 12;
const QSize kCountFrame(100, 90);
const QSize kKindFrame(60, 75);

const QColor kRibbonRed(184, 22, 32);
const QColor kBronze(92, 54, 8);


// A pulse that peaks at 1 when phase (in turns) is a whole number and is 0
// for most of the rest of the loop: the rhythm of a twinkle.

// Draws a strip of equal frames side by side; each frame is painted on its
// own canvas so shadows and glows never reach a neighbour.

QBrush goldBrush(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, QColor(255, 244, 186));
  g.setColorAt(0.3, QColor(240, 196, 84));
  g.setColorAt(0.6, QColor(184, 128, 30));
  g.setColorAt(0.85, QColor(226, 180, 80));
  g.setColorAt(1.0, QColor(150, 98, 20));
  return QBrush(g);
}

// Polished gold on a round body: dark at both sides, a bright band left of
// the middle and a reflected light near the right edge.


// A five-pointed star with a point straight up when turn is 0.

// A bevelled gold star: each point has a lit and a shaded half.
void goldStar(QPainter& p, QPointF c, double outer, double inner, double turn) {
  const QPainterPath star = starPath(c, outer, inner, turn);
  softShadow(p, star, QPointF(1, 1.6), 2, QColor(60, 30, 0, 130));
  p.fillPath(star, QColor(206, 150, 40));
  p.setPen(Qt::NoPen);
  for (int k = 0; k < 5; ++k) {
    const double a = -90 + turn + k * 72;
    const QPointF tip = polar(c, outer, a);
    const QPointF left = polar(c, inner, a - 36), right = polar(c, inner, a + 36);
    // Light from the upper left: halves facing it are pale.
    const double facing = std::cos((a - 36 + 135) * kPi / 180);
    const double facingR = std::cos((a + 36 + 135) * kPi / 180);
    p.setBrush(mix(QColor(255, 240, 170), QColor(176, 112, 18), 0.5 + 0.5 * facing));
    p.drawPolygon(QPolygonF({c, left, tip}));
    p.setBrush(mix(QColor(255, 240, 170), QColor(176, 112, 18), 0.5 + 0.5 * facingR));
    p.drawPolygon(QPolygonF({c, tip, right}));
  }
  QPen edge(kBronze, std::max(0.8, outer / 14));
  edge.setJoinStyle(Qt::RoundJoin);
  p.strokePath(star, edge);
}

// A four-pointed twinkle with a soft glow; nothing when strength is 0.
void twinkle(QPainter& p, QPointF c, double radius, double strength) {
  if (strength <= 0.01) return;
  p.save();
  // A warm glow that still shows on light paper.
  QRadialGradient glow(c, radius * 0.9);
  glow.setColorAt(0, QColor(255, 236, 150, toByte(230 * strength)));
  glow.setColorAt(0.45, QColor(250, 190, 50, toByte(110 * strength)));
  glow.setColorAt(1, QColor(240, 170, 30, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, radius * 0.9, radius * 0.9);
  const double r = radius * (0.55 + 0.45 * strength);
  auto ray = [&](double len, double angle) {
    QPainterPath s;
    const QPointF a = polar(c, len, angle), b = polar(c, len, angle + 90);
    const QPointF d = polar(c, len, angle + 180), e = polar(c, len, angle + 270);
    s.moveTo(a);
    s.quadTo(c, b);
    s.quadTo(c, d);
    s.quadTo(c, e);
    s.quadTo(c, a);
    s.closeSubpath();
    return s;
  };
  const QColor rim(176, 110, 6, toByte(220 * strength));
  p.fillPath(ray(r * 0.55, 45), QColor(255, 250, 220, toByte(200 * strength)));
  p.strokePath(ray(r * 0.55, 45), QPen(rim, 0.5));
  const QPainterPath main = ray(r, 0);
  p.strokePath(main, QPen(rim, 0.9));
  p.fillPath(main, QColor(255, 255, 250, toByte(255 * strength)));
  p.restore();
}

// A small playing card of our own: a big suit in the middle and, when there
// is room, the rank with a small suit in two corners.
QImage cardFace(int w, int h, Suit suit, const QString& rank, const QString& fontFamily) {
  QImage img = canvas(w, h);
  QPainter p(&img);
  smooth(p);
  const QRectF card(0.5, 0.5, w - 1.0, h - 1.0);
  const double radius = 0.12 * w;
  QLinearGradient paper(card.topLeft(), card.bottomRight());
  paper.setColorAt(0, QColor(255, 255, 252));
  paper.setColorAt(1, QColor(234, 230, 218));
  p.fillPath(roundedRect(card, radius), paper);
  p.strokePath(roundedRect(card, radius), QPen(QColor(120, 116, 106), 1.0));
  if (rank.isEmpty()) {
    const double big = w * 0.62;
    paintSuit(p, suit, QRectF((w - big) / 2, (h - big) / 2, big, big), true, 0);
    return img;
  }
  const double big = w * 0.5;
  paintSuit(p, suit, QRectF((w - big) / 2 + w * 0.06, (h - big) / 2 + h * 0.05, big, big), true, 0);
  QFont font(fontFamily);
  font.setPixelSize(std::max(6, static_cast<int>(h * 0.25)));
  font.setBold(true);
  const QColor ink = isRed(suit) ? QColor(190, 14, 26) : QColor(20, 20, 24);
  for (int corner = 0; corner < 2; ++corner) {
    p.save();
    if (corner == 1) {
      p.translate(w, h);
      p.rotate(180);
    }
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(w * 0.02, h * 0.0, w * 0.34, h * 0.26), Qt::AlignCenter, rank);
    const double pip = w * 0.2;
    paintSuit(p, suit, QRectF(w * 0.19 - pip / 2, h * 0.25, pip, pip), false, 0);
    p.restore();
  }
  return img;
}

// Draws image turned about a point below it: its bottom middle sits lift
// pixels above pivot; a soft shadow falls on what is already there.
void placeCard(QPainter& p, const QImage& card, QPointF pivot, double angle, double lift, double shadow = 1) {
  QImage placed = canvas(p.device()->width(), p.device()->height());
  {
    QPainter cp(&placed);
    smooth(cp);
    cp.translate(pivot);
    cp.rotate(angle);
    cp.drawImage(QPointF(-card.width() / 2.0, -lift - card.height()), card);
  }
  if (shadow > 0) softShadowOf(p, placed, QPointF(1.2, 2), 2, QColor(0, 0, 0, toByte(120 * shadow)));
  p.drawImage(0, 0, placed);
}

// --- Heading ribbons ----------------------------------------------------------

// Faint weave on red cloth, kept inside shape.
void clothTexture(QPainter& p, const QPainterPath& shape, std::uint32_t seed) {
  const int w = p.device()->width(), h = p.device()->height();
  QImage weave = canvas(w, h);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(weave.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double n = (valueNoise(x / 14.0, y / 1.4, seed) - 0.5) * 0.7 + (fbm(x / 40.0, y / 8.0, 2, seed + 3) - 0.5);
      const int a = toByte(std::abs(n) * 26);
      line[x] = n > 0 ? qRgba(a, a, a, a) : qRgba(0, 0, 0, a);
    }
  }
  keepInside(weave, shape, p.transform());
  p.save();
  p.resetTransform();
  p.drawImage(0, 0, weave);
  p.restore();
}

// One tail of a banner: a strip tucked behind the band's end with a V cut
// into its free end. side is -1 for the left tail, 1 for the right.
QPainterPath tailPath(double bandEnd, int side, double top, double bottom, double length, double tuck, double notch) {
  QPainterPath t;
  const double outer = bandEnd + side * length;
  t.moveTo(bandEnd - side * tuck, top);
  t.lineTo(outer, top);
  t.lineTo(outer - side * notch, (top + bottom) / 2);
  t.lineTo(outer, bottom);
  t.lineTo(bandEnd - side * tuck, bottom);
  t.closeSubpath();
  return t;
}

void paintTail(QPainter& p, const QPainterPath& tail, double top, double bottom, const QColor& colour) {
  softShadow(p, tail, QPointF(1, 2), 2, QColor(0, 0, 0, 110));
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, colour.darker(112));
  g.setColorAt(0.45, colour.darker(135));
  g.setColorAt(1, colour.darker(190));
  p.fillPath(tail, g);
  clothTexture(p, tail, 61);
  p.strokePath(tail, QPen(colour.darker(300), 1.0));
}

// The shaded fold where the band turns under into a tail.
void paintFold(QPainter& p, double bandEnd, int side, double bandBottom, double tailBottom, double width) {
  QPainterPath fold;
  fold.moveTo(bandEnd, bandBottom);
  fold.lineTo(bandEnd, tailBottom);
  fold.lineTo(bandEnd - side * width, bandBottom);
  fold.closeSubpath();
  QLinearGradient g(bandEnd, bandBottom, bandEnd - side * width, tailBottom);
  g.setColorAt(0, QColor(70, 4, 8));
  g.setColorAt(1, QColor(40, 0, 4));
  p.fillPath(fold, g);
  p.strokePath(fold, QPen(QColor(30, 0, 2), 0.8));
}

// The front band: red cloth lit from above, gold edging along both long
// sides, a soft gloss, the middle left plain.
void paintBand(QPainter& p, const QPainterPath& band, const QRectF& r, const QColor& colour, double edgeInset) {
  softShadow(p, band, QPointF(1.5, 2.5), 3, QColor(0, 0, 0, 130));
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, colour.lighter(150));
  g.setColorAt(0.18, colour.lighter(118));
  g.setColorAt(0.55, colour);
  g.setColorAt(0.9, colour.darker(145));
  g.setColorAt(1.0, colour.darker(170));
  p.fillPath(band, g);
  clothTexture(p, band, 53);
  // Gloss on the upper half.
  p.save();
  p.setClipPath(band);
  QLinearGradient gloss(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.5));
  gloss.setColorAt(0, QColor(255, 255, 255, 70));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(r, gloss);
  p.restore();
  // Gold edging: a bright line with a dark line outside it.
  for (double y : {r.top() + edgeInset, r.bottom() - edgeInset}) {
    p.setPen(QPen(QColor(90, 10, 8, 160), 2.4));
    p.drawLine(QPointF(r.left() + 1, y), QPointF(r.right() - 1, y));
    QLinearGradient line(0, y - 1, 0, y + 1);
    line.setColorAt(0, QColor(255, 236, 150));
    line.setColorAt(1, QColor(206, 150, 44));
    p.setPen(QPen(QBrush(line), 1.3));
    p.drawLine(QPointF(r.left() + 1, y), QPointF(r.right() - 1, y));
  }
  p.strokePath(band, QPen(colour.darker(300), 1.0));
}

// A small gold diamond stud.
void stud(QPainter& p, QPointF c, double rx, double ry) {
  QPolygonF d;
  d << c + QPointF(0, -ry) << c + QPointF(rx, 0) << c + QPointF(0, ry) << c + QPointF(-rx, 0);
  p.setPen(QPen(kBronze, 0.8));
  p.setBrush(goldBrush(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry)));
  p.drawPolygon(d);
}

QImage headingRibbon() {
  QImage img = canvas(300, 64);
  QPainter p(&img);
  smooth(p);
  const QRectF band(36.5, 6.5, 227, 44);
  const double tailTop = 18.5, tailBottom = 59.5;
  for (int side : {-1, 1}) {
    const double end = side < 0 ? band.left() : band.right();
    const QPainterPath tail = tailPath(end, side, tailTop, tailBottom, 35, 16, 12);
    paintTail(p, tail, tailTop, tailBottom, kRibbonRed);
    paintFold(p, end, side, band.bottom(), tailBottom, 14);
  }
  const QPainterPath bandPath = roundedRect(band, 1.5);
  paintBand(p, bandPath, band, kRibbonRed, 4.5);
  for (double x : {band.left() + 11, band.right() - 11}) stud(p, QPointF(x, band.center().y()), 4, 6);
  return img;
}

// A pleated ring: n pleats between radius inner and outer, each pleat lit
// on one side; the outer rim is scalloped.
void pleatedRing(QPainter& p, QPointF c, double inner, double outer, int n, const QColor& colour) {
  QPainterPath rim;
  for (int k = 0; k <= 2 * n; ++k) {
    const double a = k * 180.0 / n;
    const QPointF pt = polar(c, k % 2 ? outer - 2.2 : outer, a);
    if (k == 0)
      rim.moveTo(pt);
    else
      rim.lineTo(pt);
  }
  rim.closeSubpath();
  softShadow(p, rim, QPointF(1.5, 2.5), 3, QColor(0, 0, 0, 140));
  p.fillPath(rim, colour);
  p.setPen(Qt::NoPen);
  for (int k = 0; k < n; ++k) {
    const double a0 = k * 360.0 / n, a1 = a0 + 180.0 / n, a2 = a0 + 360.0 / n;
    // Light falls from the upper left: pleats facing it are brighter.
    const double light = 0.5 + 0.5 * std::cos((a1 + 135) * kPi / 180);
    p.setBrush(mix(colour.darker(150), colour.lighter(150), light));
    p.drawPolygon(QPolygonF({polar(c, inner, a0), polar(c, outer, a0), polar(c, outer - 2.2, a1), polar(c, inner, a1)}));
    p.setBrush(mix(colour.darker(190), colour.lighter(115), light));
    p.drawPolygon(QPolygonF({polar(c, inner, a1), polar(c, outer - 2.2, a1), polar(c, outer, a2), polar(c, inner, a2)}));
  }
  p.strokePath(rim, QPen(colour.darker(280), 0.9));
}

QImage headingRosette() {
  QImage img = canvas(200, 100);
  QPainter p(&img);
  smooth(p);
  const QRectF band(26.5, 36.5, 147, 30);
  const double tailTop = 46.5, tailBottom = 74.5;
  for (int side : {-1, 1}) {
    const double end = side < 0 ? band.left() : band.right();
    const QPainterPath tail = tailPath(end, side, tailTop, tailBottom, 26, 12, 9);
    paintTail(p, tail, tailTop, tailBottom, kRibbonRed);
    paintFold(p, end, side, band.bottom(), tailBottom, 10);
  }
  paintBand(p, roundedRect(band, 1.5), band, kRibbonRed, 3.5);
  for (double x : {band.left() + 9, band.right() - 9}) stud(p, QPointF(x, band.center().y()), 3.2, 5);

  // The rosette: two streamers hanging below it, a red pleated ring, a gold
  // pleated ring and a cream medallion with the four suits.
  const QPointF c(100, 46);
  for (int side : {-1, 1}) {
    QPainterPath s;
    const double x0 = c.x() + side * 6;
    s.moveTo(x0 - 6, 70);
    s.lineTo(x0 + 6, 70);
    s.lineTo(x0 + 6 + side * 7, 97);
    s.lineTo(x0 + side * 4, 91);
    s.lineTo(x0 - 6 + side * 7, 97);
    s.closeSubpath();
    softShadow(p, s, QPointF(1, 2), 2, QColor(0, 0, 0, 120));
    QLinearGradient g(x0 - 6, 0, x0 + 6, 0);
    g.setColorAt(0, kRibbonRed.lighter(side < 0 ? 125 : 100));
    g.setColorAt(1, kRibbonRed.darker(side < 0 ? 130 : 170));
    p.fillPath(s, g);
    p.strokePath(s, QPen(kRibbonRed.darker(300), 0.9));
    p.setPen(QPen(QColor(240, 196, 90), 1.0));
    p.drawLine(QPointF(x0 - 3.5, 72), QPointF(x0 - 3.5 + side * 6.5, 94));
  }
  pleatedRing(p, c, 20, 42, 30, kRibbonRed);
  pleatedRing(p, c, 18, 30, 24, QColor(222, 170, 58));
  const QRectF medal(c.x() - 21, c.y() - 21, 42, 42);
  p.setPen(QPen(kBronze, 1.0));
  p.setBrush(roundGold(medal.left(), medal.right()));
  p.drawEllipse(medal);
  const QRectF face = medal.adjusted(3.5, 3.5, -3.5, -3.5);
  QRadialGradient cream(face.center() - QPointF(5, 6), face.width() * 0.75);
  cream.setColorAt(0, QColor(255, 252, 236));
  cream.setColorAt(1, QColor(232, 214, 170));
  p.setBrush(cream);
  p.setPen(QPen(QColor(150, 100, 24), 0.9));
  p.drawEllipse(face);
  const double s = 12.5, d = 8.2;
  paintSuit(p, Suit::Spades, QRectF(c.x() - s / 2, c.y() - d - s / 2, s, s), true, 0);
  paintSuit(p, Suit::Hearts, QRectF(c.x() + d - s / 2, c.y() - s / 2, s, s), true, 0);
  paintSuit(p, Suit::Clubs, QRectF(c.x() - s / 2, c.y() + d - s / 2, s, s), true, 0);
  paintSuit(p, Suit::Diamonds, QRectF(c.x() - d - s / 2, c.y() - s / 2, s, s), true, 0);
  return img;
}

// --- The scroll ---------------------------------------------------------------

constexpr double kRollDiameter = 30;
constexpr double kTopRoll = 4;       // top of the upper roll
constexpr double kBottomRoll = 366;  // top of the lower roll
constexpr double kRollLeft = 9, kRollRight = 306;

// Old paper: light in the middle, browner towards the edges, with mottling,
// fibres, a few faint stains and darker ring stains near the rim.
QImage paperTexture(int w, int h, const QRectF& sheet) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  const QColor light(252, 242, 212), mid(238, 218, 172), dark(196, 154, 96);
  const QPointF cupStain(276, 70), cupStain2(36, 318);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      // 0 in the middle, 1 at the sheet's edge.
      const double ex = std::abs(x + 0.5 - sheet.center().x()) / (sheet.width() / 2);
      const double ey = std::abs(y + 0.5 - sheet.center().y()) / (sheet.height() / 2);
      const double edge = std::max(std::pow(ex, 4), std::pow(ey, 5));
      const double mottle = fbm(x / 55.0, y / 55.0, 4, 131);
      double t = 0.12 + 0.5 * (mottle - 0.5) + 0.75 * edge;
      // Large soft stains, only towards the rim.
      const double blot = fbm(x / 38.0 + 7, y / 38.0, 3, 139);
      const double rimOnly = smoothstep(0.45, 0.95, std::max(ex, ey));
      t += smoothstep(0.56, 0.7, blot) * 0.45 * rimOnly;
      // Ring stains left by a cup: a darker rim round a faint disc.
      for (const auto& [centre, radius] : {std::pair{cupStain, 17.0}, std::pair{cupStain2, 13.0}}) {
        const double d = std::hypot(x - centre.x(), y - centre.y());
        const double wobble = (valueNoise(std::atan2(y - centre.y(), x - centre.x()) * 3 + 10, 0.5, 151) - 0.5) * 3;
        t += 0.22 * std::exp(-std::pow((d - radius - wobble) / 1.3, 2)) + (d < radius ? 0.05 : 0.0);
      }
      t = std::clamp(t, 0.0, 1.0);
      const QColor c = t < 0.5 ? mix(light, mid, t / 0.5) : mix(mid, dark, (t - 0.5) / 0.5);
      const double fibre = (valueNoise(x / 1.3, y / 16.0, 157) - 0.5) * 10 + (hashNoise(x, y, 163) - 0.5) * 7;
      line[x] = qRgb(toByte(c.red() + fibre), toByte(c.green() + fibre * 0.9), toByte(c.blue() + fibre * 0.7));
    }
  }
  return img;
}

// A roll of the same paper: a cylinder lit from above with the spiral of the
// rolled paper showing at both ends.
void paperRoll(QPainter& p, double top, bool upper) {
  const double d = kRollDiameter, r = d / 2;
  const QRectF body(kRollLeft, top, kRollRight - kRollLeft, d);
  QPainterPath shape;
  shape.addRoundedRect(body, 4, r);
  softShadow(p, shape, QPointF(1, upper ? 3 : 2), 3, QColor(50, 30, 0, 120));
  QLinearGradient g(body.topLeft(), body.bottomLeft());
  g.setColorAt(0.0, QColor(186, 146, 88));
  g.setColorAt(0.12, QColor(236, 212, 160));
  g.setColorAt(0.3, QColor(254, 244, 216));
  g.setColorAt(0.55, QColor(228, 200, 146));
  g.setColorAt(0.85, QColor(170, 124, 66));
  g.setColorAt(1.0, QColor(120, 82, 36));
  p.fillPath(shape, g);
  // Faint texture along the roll.
  {
    QImage grain = canvas(p.device()->width(), p.device()->height());
    for (int y = static_cast<int>(top); y < static_cast<int>(top + d) + 1; ++y) {
      auto* line = reinterpret_cast<QRgb*>(grain.scanLine(y));
      for (int x = 0; x < grain.width(); ++x) {
        const double n = fbm(x / 24.0, y / 3.0, 3, 171) - 0.5;
        const int a = toByte(std::abs(n) * 60);
        line[x] = n > 0 ? qRgba(a, a, a * 9 / 10, a) : qRgba(toByte(a * 0.35), toByte(a * 0.2), 0, a);
      }
    }
    keepInside(grain, shape);
    p.drawImage(0, 0, grain);
  }
  // The edge of the outer turn where the sheet leaves the roll.
  p.setPen(QPen(QColor(120, 82, 36, 150), 0.9));
  const double lip = upper ? top + d - 5 : top + 5;
  p.drawLine(QPointF(kRollLeft + 8, lip), QPointF(kRollRight - 8, lip));
  // Both ends: an ellipse with the spiral of paper turns.
  for (double x : {kRollLeft + 3.5, kRollRight - 3.5}) {
    const QPointF c(x, top + r);
    const QRectF end(c.x() - 5.5, top + 0.5, 11, d - 1);
    QRadialGradient eg(c - QPointF(1.5, 3), r);
    eg.setColorAt(0, QColor(244, 226, 186));
    eg.setColorAt(1, QColor(186, 144, 84));
    p.setPen(QPen(QColor(110, 72, 28), 1.0));
    p.setBrush(eg);
    p.drawEllipse(end);
    p.setBrush(Qt::NoBrush);
    QPainterPath spiral;
    for (int i = 0; i <= 90; ++i) {
      const double a = i * 12.0 * kPi / 180;  // three turns
      const double k = 1.0 - i / 100.0;
      const QPointF pt(c.x() + std::cos(a) * 5.0 * k, c.y() + std::sin(a) * (r - 1.5) * k);
      if (i == 0)
        spiral.moveTo(pt);
      else
        spiral.lineTo(pt);
    }
    p.setPen(QPen(QColor(130, 88, 36, 200), 0.8));
    p.drawPath(spiral);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 56, 20));
    p.drawEllipse(c, 1.4, 3.2);
  }
}

QImage scroll() {
  const int w = 315, h = 400;
  QImage img = canvas(w, h);
  QPainter p(&img);
  smooth(p);

  // The sheet runs between the middles of the two rolls with slightly
  // uneven, worn side edges.
  const double top = kTopRoll + kRollDiameter / 2, bottom = kBottomRoll + kRollDiameter / 2;
  const double left = kRollLeft + 6, right = kRollRight - 6;
  QPainterPath sheet;
  sheet.moveTo(left, top);
  sheet.lineTo(right, top);
  for (double y = top; y <= bottom; y += 3) {
    const double dent = (fbm(y / 11.0, 3.5, 2, 181) - 0.5) * 3.2;
    sheet.lineTo(right + dent, y);
  }
  sheet.lineTo(right, bottom);
  sheet.lineTo(left, bottom);
  for (double y = bottom; y >= top; y -= 3) {
    const double dent = (fbm(y / 11.0, 9.5, 2, 191) - 0.5) * 3.2;
    sheet.lineTo(left + dent, y);
  }
  sheet.closeSubpath();
  softShadow(p, sheet, QPointF(2, 2.5), 4, QColor(40, 24, 0, 110));

  const QRectF sheetRect(left, top, right - left, bottom - top);
  QImage paper = paperTexture(w, h, sheetRect);
  keepInside(paper, sheet);
  p.drawImage(0, 0, paper);
  // The rolls shade the sheet next to them; the worn edges are darker.
  p.save();
  p.setClipPath(sheet);
  QLinearGradient shade(0, top, 0, bottom);
  const double span = bottom - top;
  shade.setColorAt(0, QColor(90, 56, 10, 120));
  shade.setColorAt(18 / span, QColor(90, 56, 10, 0));
  shade.setColorAt(1 - 18 / span, QColor(90, 56, 10, 0));
  shade.setColorAt(1, QColor(90, 56, 10, 120));
  p.fillRect(sheetRect, shade);
  p.restore();
  p.strokePath(sheet, QPen(QColor(150, 104, 50, 160), 1.0));

  paperRoll(p, kTopRoll, true);
  paperRoll(p, kBottomRoll, false);
  return img;
}

// --- The window's emblem: a hand of cards ---------------------------------------

QImage handOfCards(const QString& fontFamily) {
  struct Card {
    Suit suit;
    const char* rank;
  };
  const Card hand[] = {{Suit::Hearts, "10"}, {Suit::Clubs, "J"}, {Suit::Diamonds, "Q"}, {Suit::Spades, "K"},
                       {Suit::Hearts, "A"}};
  std::vector<QImage> faces;
  for (const Card& c : hand) faces.push_back(cardFace(28, 40, c.suit, QString::fromLatin1(c.rank), fontFamily));
  // Frame 14 (index 13) is the still picture: the twinkle on the ace peaks
  // there and the fan stands almost upright.
  constexpr double still = 13.0 / kCountFrames;
  return strip(kCountFrames, kCountFrame, [&](QPainter& p, int, double phase) {
    const double sway = 3.5 * std::sin(2 * kPi * (phase - still));
    const double spread = 11.0 + 1.0 * std::cos(2 * kPi * (phase - still));
    const QPointF pivot(50, 99);
    const int n = static_cast<int>(faces.size());
    for (int i = 0; i < n; ++i) {
      const double angle = sway + (i - (n - 1) / 2.0) * spread;
      // The ace rises a little out of the hand and settles again.
      const double lift = 32 + (i == n - 1 ? 2.5 * pulse(phase - still, 1.5) : 0.0);
      placeCard(p, faces[i], pivot, angle, lift);
    }
    // Twinkles: on the ace's top corner, on the left card and above the fan.
    QTransform onAce;
    onAce.translate(pivot.x(), pivot.y());
    onAce.rotate(sway + (n - 1) / 2.0 * spread);
    twinkle(p, onAce.map(QPointF(11, -32 - 2.5 - 39)), 9.5, pulse(phase - still));
    QTransform onLeft;
    onLeft.translate(pivot.x(), pivot.y());
    onLeft.rotate(sway - (n - 1) / 2.0 * spread);
    twinkle(p, onLeft.map(QPointF(-6, -32 - 38)), 8, pulse(phase - still - 0.36));
    twinkle(p, QPointF(50 + sway * 1.5, 21), 7, pulse(phase - still - 0.68));
  });
}

// --- Account and lamps --------------------------------------------------------

QImage account() {
  QImage img = canvas(48, 48);
  QPainter p(&img);
  smooth(p);
  const QPointF c(23.5, 24.5);
  const double outer = 22.5, inner = 18.5;
  QPainterPath ring;
  ring.addEllipse(c, outer, outer);
  softShadow(p, ring, QPointF(0.8, 1.3), 2, QColor(0, 0, 0, 130));
  // Gold ring lit from the upper left.
  QLinearGradient gold(c - QPointF(outer, outer), c + QPointF(outer, outer));
  gold.setColorAt(0.0, QColor(255, 240, 170));
  gold.setColorAt(0.4, QColor(226, 172, 58));
  gold.setColorAt(0.75, QColor(160, 106, 20));
  gold.setColorAt(1.0, QColor(214, 164, 66));
  p.fillPath(ring, gold);
  p.strokePath(ring, QPen(kBronze, 1.0));
  // Deep red glass inside.
  QPainterPath well;
  well.addEllipse(c, inner, inner);
  QRadialGradient red(c - QPointF(4, 6), inner * 1.3);
  red.setColorAt(0, QColor(214, 44, 50));
  red.setColorAt(0.6, QColor(150, 14, 24));
  red.setColorAt(1, QColor(84, 4, 10));
  p.fillPath(well, red);
  // Beading on the gold.
  p.setPen(Qt::NoPen);
  for (int k = 0; k < 24; ++k) {
    const QPointF b = polar(c, (outer + inner) / 2, k * 15);
    p.setBrush(QColor(255, 246, 200, 150));
    p.drawEllipse(b, 0.7, 0.7);
  }
  // The player: head and shoulders in cream, a little left of the middle so
  // the lamp over the upper right leaves the head whole.
  QPainterPath person;
  person.addEllipse(QPointF(c.x() - 1.5, c.y() - 5.5), 6.6, 7.2);
  QPainterPath body;
  const QPointF sb(c.x() - 1.5, c.y() + 4);
  body.moveTo(sb.x() - 13, c.y() + 20);
  body.cubicTo(sb.x() - 13, sb.y() + 4, sb.x() - 8, sb.y(), sb.x(), sb.y());
  body.cubicTo(sb.x() + 8, sb.y(), sb.x() + 13, sb.y() + 4, sb.x() + 13, c.y() + 20);
  body.closeSubpath();
  person = person.united(body);
  person = person.intersected(well);
  p.save();
  p.setClipPath(well);
  softShadow(p, person, QPointF(0.8, 1.2), 2, QColor(40, 0, 0, 170));
  QLinearGradient cream(0, c.y() - 13, 0, c.y() + 18);
  cream.setColorAt(0, QColor(255, 250, 228));
  cream.setColorAt(0.5, QColor(246, 226, 170));
  cream.setColorAt(1, QColor(214, 176, 104));
  p.fillPath(person, cream);
  p.restore();
  p.strokePath(person, QPen(QColor(110, 60, 20, 160), 0.7));
  insetShadow(p, well, QPointF(0.8, 1.5), 2, QColor(30, 0, 0, 180));
  // Gloss over the glass.
  QPainterPath gloss;
  gloss.addEllipse(QRectF(c.x() - 12, c.y() - 17, 20, 11));
  QLinearGradient gl(0, c.y() - 17, 0, c.y() - 6);
  gl.setColorAt(0, QColor(255, 255, 255, 110));
  gl.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillPath(gloss.intersected(well), gl);
  p.strokePath(well, QPen(QColor(120, 76, 12), 0.9));
  return img;
}

QImage lamp(const QColor& colour) {
  QImage img = canvas(24, 24);
  QPainter p(&img);
  smooth(p);
  const QPointF c(12, 11.8);
  QPainterPath bezel;
  bezel.addEllipse(c, 10.6, 10.6);
  softShadow(p, bezel, QPointF(0.6, 1.0), 1, QColor(0, 0, 0, 150));
  QLinearGradient metal(c - QPointF(10, 10), c + QPointF(10, 10));
  metal.setColorAt(0, QColor(255, 238, 170));
  metal.setColorAt(0.5, QColor(196, 142, 40));
  metal.setColorAt(1, QColor(120, 76, 12));
  p.fillPath(bezel, metal);
  p.strokePath(bezel, QPen(QColor(70, 40, 4), 0.9));
  // The glass: bright lit core low in the lamp, deep colour at the rim.
  QPainterPath glass;
  glass.addEllipse(c, 8.0, 8.0);
  QRadialGradient body(c + QPointF(0.5, 2.0), 9.5);
  body.setColorAt(0, colour.lighter(160));
  body.setColorAt(0.45, colour);
  body.setColorAt(1, colour.darker(240));
  p.fillPath(glass, body);
  p.strokePath(glass, QPen(colour.darker(330), 0.8));
  // A soft glow round the lit core.
  QRadialGradient core(c + QPointF(0.8, 2.6), 4.5);
  core.setColorAt(0, withAlpha(colour.lighter(185), 0.75));
  core.setColorAt(1, withAlpha(colour.lighter(140), 0.0));
  p.setPen(Qt::NoPen);
  p.setBrush(core);
  p.drawEllipse(c + QPointF(0.8, 2.6), 4.5, 4.5);
  // A bright reflection at the top left.
  QLinearGradient shine(0, c.y() - 7.2, 0, c.y() - 1);
  shine.setColorAt(0, QColor(255, 255, 255, 230));
  shine.setColorAt(1, QColor(255, 255, 255, 20));
  p.setBrush(shine);
  p.drawEllipse(QRectF(c.x() - 5.6, c.y() - 7.2, 9.5, 5.8));
  p.setBrush(QColor(255, 255, 255, 220));
  p.drawEllipse(QPointF(c.x() - 3.4, c.y() - 5.0), 1.1, 1.1);
  return img;
}

// --- Kinds of game --------------------------------------------------------------

// Rated game: a gold star floating above three rising bars.
QImage risingStar() {
  return strip(kKindFrames, kKindFrame, [](QPainter& p, int, double phase) {
    const double baseY = 71.5;
    const double heights[] = {12, 20, 29};
    const QColor colours[] = {QColor(176, 22, 32), QColor(214, 150, 28), QColor(28, 132, 52)};
    for (int i = 0; i < 3; ++i) {
      const double grow = 1.5 * std::sin(2 * kPi * (phase - i * 0.12));
      const QRectF bar(9.5 + i * 14, baseY - heights[i] - grow, 12, heights[i] + grow);
      const QPainterPath path = roundedRect(bar, 2);
      softShadow(p, path, QPointF(1, 1.5), 2, QColor(0, 0, 0, 120));
      QLinearGradient g(bar.topLeft(), bar.topRight());
      g.setColorAt(0, colours[i].lighter(115));
      g.setColorAt(0.35, colours[i].lighter(150));
      g.setColorAt(1, colours[i].darker(150));
      p.fillPath(path, g);
      p.strokePath(path, QPen(colours[i].darker(280), 1.0));
    }
    // The base line the bars stand on.
    p.setPen(QPen(kBronze, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, baseY + 0.8), QPointF(55, baseY + 0.8));

    const double bob = -3.0 * std::sin(2 * kPi * phase);
    const QPointF c(30, 21 + bob);
    const double glow = 0.6 + 0.4 * std::cos(2 * kPi * phase);
    QRadialGradient halo(c, 20);
    halo.setColorAt(0, QColor(255, 236, 140, toByte(150 * glow)));
    halo.setColorAt(1, QColor(255, 220, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, 20, 20);
    goldStar(p, c, 15, 6.6, 8 * std::sin(2 * kPi * phase));
    twinkle(p, c + QPointF(10, -10), 8, pulse(phase - 0.25));
    twinkle(p, c + QPointF(-13, 3), 6, pulse(phase - 0.7));
  });
}

// Rated game: a gold laurel round a glossy spade, a twinkle running along it.
QImage laurel() {
  const QPointF c(30, 37);
  const double radius = 22;
  // The leaves of one branch, from the bottom (angle 90) up the side.
  auto branch = [&](QPainter& p, int side) {
    QPainterPath stem;
    for (int i = 0; i <= 20; ++i) {
      const double a = 90 + side * (12 + i * 8.5);  // degrees, y down
      const QPointF pt = polar(c, radius, a);
      if (i == 0)
        stem.moveTo(pt);
      else
        stem.lineTo(pt);
    }
    p.strokePath(stem, QPen(kBronze, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
      const double a = 90 + side * (22 + i * 20);
      const double size = 1.0 - i * 0.045;
      for (int out : {-1, 1}) {
        const QPointF base = polar(c, radius + out * 1.0, a);
        p.save();
        p.translate(base);
        // Along the branch, tilted outwards or inwards.
        p.rotate(a + side * 90 + side * out * -38);
        QPainterPath leaf;
        const double L = 9.0 * size, W = 3.3 * size;
        leaf.moveTo(0, 0);
        leaf.quadTo(L * 0.5, -W, L, 0);
        leaf.quadTo(L * 0.5, W, 0, 0);
        leaf.closeSubpath();
        QLinearGradient g(0, -W, 0, W);
        g.setColorAt(0, QColor(255, 236, 150));
        g.setColorAt(0.5, QColor(220, 166, 50));
        g.setColorAt(1, QColor(150, 98, 18));
        p.fillPath(leaf, g);
        p.strokePath(leaf, QPen(kBronze, 0.7));
        p.setPen(QPen(QColor(140, 90, 16, 180), 0.5));
        p.drawLine(QPointF(1, 0), QPointF(L * 0.8, 0));
        p.restore();
      }
    }
  };
  return strip(kKindFrames, kKindFrame, [&](QPainter& p, int, double phase) {
    // Shadow of the whole wreath first, from a copy drawn on its own.
    QImage wreath = canvas(kKindFrame.width(), kKindFrame.height());
    {
      QPainter wp(&wreath);
      smooth(wp);
      branch(wp, -1);
      branch(wp, 1);
      // A red bow where the branches meet.
      const QPointF k = polar(c, radius, 90);
      QPainterPath bow;
      bow.moveTo(k);
      bow.cubicTo(k + QPointF(-9, -6), k + QPointF(-10, 5), k);
      bow.cubicTo(k + QPointF(10, 5), k + QPointF(9, -6), k);
      QPainterPath ends;
      ends.moveTo(k);
      ends.lineTo(k + QPointF(-6, 10));
      ends.lineTo(k + QPointF(-3, 9));
      ends.lineTo(k);
      ends.lineTo(k + QPointF(3, 9));
      ends.lineTo(k + QPointF(6, 10));
      ends.closeSubpath();
      wp.fillPath(ends, kRibbonRed.darker(125));
      wp.strokePath(ends, QPen(kRibbonRed.darker(300), 0.7));
      QLinearGradient g(0, k.y() - 5, 0, k.y() + 5);
      g.setColorAt(0, kRibbonRed.lighter(150));
      g.setColorAt(1, kRibbonRed.darker(140));
      wp.fillPath(bow, g);
      wp.strokePath(bow, QPen(kRibbonRed.darker(300), 0.8));
      wp.setPen(Qt::NoPen);
      wp.setBrush(kRibbonRed.darker(160));
      wp.drawEllipse(k, 2.2, 2.2);
    }
    softShadowOf(p, wreath, QPointF(1, 1.5), 2, QColor(0, 0, 0, 120));
    p.drawImage(0, 0, wreath);

    // The spade, breathing a little.
    const double s = 22 + 1.2 * std::sin(2 * kPi * phase);
    const QRectF box(c.x() - s / 2, c.y() - s / 2 - 1, s, s);
    softShadow(p, suitPath(Suit::Spades, box), QPointF(1, 1.5), 2, QColor(0, 0, 0, 110));
    paintSuit(p, Suit::Spades, box, true, 1.2);

    // A twinkle runs up the left branch and then the right one.
    const double t = phase * 2;
    const int side = t < 1 ? -1 : 1;
    const double u = t - std::floor(t);
    const double a = 90 + side * (20 + u * 150);
    twinkle(p, polar(c, radius + 1, a), 9, std::sin(kPi * u));
  });
}

// Against the computer: a small monitor showing a green table with cards.
QImage monitor(const QString& fontFamily) {
  const QImage cards[] = {cardFace(13, 18, Suit::Hearts, QString(), fontFamily),
                          cardFace(13, 18, Suit::Spades, QString(), fontFamily),
                          cardFace(13, 18, Suit::Diamonds, QString(), fontFamily)};
  const QImage back = cardBack(11, 15, 0);
  return strip(kKindFrames, kKindFrame, [&](QPainter& p, int index, double phase) {
    // Stand and foot.
    QPainterPath neck;
    neck.moveTo(25, 50);
    neck.lineTo(35, 50);
    neck.lineTo(37, 62);
    neck.lineTo(23, 62);
    neck.closeSubpath();
    const QRectF foot(12.5, 60.5, 35, 9);
    QPainterPath footPath;
    footPath.addRoundedRect(foot, 4.5, 4.5);
    softShadow(p, footPath, QPointF(1, 2), 2, QColor(0, 0, 0, 130));
    p.fillPath(neck, roundGold(23, 37));
    p.strokePath(neck, QPen(kBronze, 0.9));
    p.fillPath(footPath, goldBrush(foot));
    p.strokePath(footPath, QPen(kBronze, 0.9));

    // The case: dark walnut-brown with a gold edge.
    const QRectF body(2.5, 9.5, 55, 44);
    const QPainterPath bodyPath = roundedRect(body, 4);
    softShadow(p, bodyPath, QPointF(1, 2), 2, QColor(0, 0, 0, 140));
    QLinearGradient cg(body.topLeft(), body.bottomLeft());
    cg.setColorAt(0, QColor(112, 64, 30));
    cg.setColorAt(0.5, QColor(74, 38, 14));
    cg.setColorAt(1, QColor(46, 22, 6));
    p.fillPath(bodyPath, cg);
    p.strokePath(bodyPath, QPen(QColor(226, 178, 74), 1.2));
    p.strokePath(roundedRect(body.adjusted(-0.9, -0.9, 0.9, 0.9), 4.8), QPen(QColor(60, 30, 4), 0.8));

    // The screen: the green table, cards and a glint.
    const QRectF screen(7, 14, 46, 34);
    const QPainterPath screenPath = roundedRect(screen, 2);
    QImage glass = canvas(kKindFrame.width(), kKindFrame.height());
    {
      QPainter gp(&glass);
      smooth(gp);
      QRadialGradient felt(screen.center() - QPointF(0, 3), 30);
      felt.setColorAt(0, QColor(40, 160, 70));
      felt.setColorAt(1, QColor(8, 76, 30));
      gp.fillRect(screen, felt);
      // The computer's hidden card at the top, ours fanned below.
      placeCard(gp, back, QPointF(30, 32), 0, -3.5, 0.8);
      const double sway = 5 * std::sin(2 * kPi * phase);
      for (int i = 0; i < 3; ++i) {
        const double lift = (i == 1 ? 10 + 1.5 * std::max(0.0, std::sin(2 * kPi * phase)) : 10);
        placeCard(gp, cards[i], QPointF(30, 62), sway + (i - 1) * 17, lift, 0.8);
      }
      // A diagonal glint crossing the glass once a loop.
      const double x = -30 + 110 * smoothstep(0.0, 0.55, phase);
      if (phase < 0.6) {
        QLinearGradient glint(QPointF(x - 8, 0), QPointF(x + 8, 0));
        glint.setColorAt(0, QColor(255, 255, 255, 0));
        glint.setColorAt(0.5, QColor(255, 255, 255, 170));
        glint.setColorAt(1, QColor(255, 255, 255, 0));
        gp.save();
        gp.setTransform(QTransform().shear(-0.6, 0));
        gp.fillRect(QRectF(x - 8 + 20, screen.top(), 16, screen.height()), glint);
        gp.restore();
      }
      // The glass: a little light at the top.
      QLinearGradient sheen(screen.topLeft(), screen.bottomLeft());
      sheen.setColorAt(0, QColor(255, 255, 255, 60));
      sheen.setColorAt(0.4, QColor(255, 255, 255, 0));
      gp.fillRect(screen, sheen);
    }
    keepInside(glass, screenPath);
    p.drawImage(0, 0, glass);
    insetShadow(p, screenPath, QPointF(0.6, 1), 1, QColor(0, 0, 0, 190));
    p.strokePath(screenPath, QPen(QColor(20, 10, 2), 0.8));

    // The power lamp blinks slowly.
    const bool on = index % 6 < 4;
    p.setPen(QPen(QColor(30, 14, 2), 0.6));
    p.setBrush(on ? QColor(120, 255, 110) : QColor(30, 90, 30));
    p.drawEllipse(QPointF(51, 50.8), 1.3, 1.3);
  });
}

// Against the computer: two cards turning over in turn.
QImage turningCards(const QString& fontFamily) {
  const QImage faces[] = {cardFace(24, 34, Suit::Hearts, QStringLiteral("A"), fontFamily),
                          cardFace(24, 34, Suit::Spades, QStringLiteral("K"), fontFamily)};
  const QImage back = cardBack(24, 34, 0);
  // Each card turns face down in a quarter of the loop, rests, turns face up
  // in another quarter and rests; the right card follows a quarter later.
  auto turnAngle = [](double phase) {
    const double q = phase * 4;
    const int quarter = static_cast<int>(std::floor(q)) % 4;
    const double u = q - std::floor(q);
    const double ease = 0.5 - 0.5 * std::cos(kPi * u);
    switch (quarter) {
      case 0: return kPi * ease;
      case 1: return kPi;
      case 2: return kPi + kPi * ease;
      default: return 0.0;
    }
  };
  return strip(kKindFrames, kKindFrame, [&](QPainter& p, int, double phase) {
    for (int i = 0; i < 2; ++i) {
      const double angle = turnAngle(phase - i * 0.25 + 1);
      const double sx = std::cos(angle);
      const double lift = 4 * std::sin(std::fmod(angle, kPi));
      const QImage& picture = sx >= 0 ? faces[i] : back;
      const QPointF centre(i == 0 ? 17.5 : 42.5, 40 - lift + (i == 0 ? 0 : 2));
      const double tilt = i == 0 ? -9 : 9;
      QImage placed = canvas(kKindFrame.width(), kKindFrame.height());
      {
        QPainter cp(&placed);
        smooth(cp);
        cp.translate(centre);
        cp.rotate(tilt);
        cp.scale(std::max(0.06, std::abs(sx)), 1);
        cp.drawImage(QPointF(-picture.width() / 2.0, -picture.height() / 2.0), picture);
        // A turning card catches less light.
        if (std::abs(sx) < 0.99) {
          cp.setCompositionMode(QPainter::CompositionMode_SourceAtop);
          cp.fillRect(QRectF(-picture.width() / 2.0, -picture.height() / 2.0, picture.width(), picture.height()),
                      QColor(0, 0, 0, toByte(90 * (1 - std::abs(sx)))));
        }
      }
      // The shadow stays on the table, spreading as the card lifts.
      softShadowOf(p, placed, QPointF(1 + lift * 0.4, 2 + lift * 0.8), 2 + static_cast<int>(lift / 2),
                   QColor(0, 0, 0, 120));
      p.drawImage(0, 0, placed);
    }
    // A twinkle on each card just after it has turned face up.
    twinkle(p, QPointF(9.5, 24), 7.5, pulse(phase - 0.8, 4));
    twinkle(p, QPointF(51, 27), 7.5, pulse(phase - 0.05, 4));
  });
}

// Tournament: a gold cup on a plinth; a shine sweeps across it, then a
// twinkle flashes on the rim.
QImage trophy() {
  QPainterPath bowl;
  bowl.moveTo(14, 9);
  bowl.lineTo(46, 9);
  bowl.cubicTo(46, 26, 40, 36, 32.5, 39);
  bowl.lineTo(27.5, 39);
  bowl.cubicTo(20, 36, 14, 26, 14, 9);
  bowl.closeSubpath();
  QPainterPath stem;
  stem.moveTo(27.5, 38);
  stem.lineTo(32.5, 38);
  stem.cubicTo(31.5, 44, 32, 48, 36, 51);
  stem.lineTo(24, 51);
  stem.cubicTo(28, 48, 28.5, 44, 27.5, 38);
  stem.closeSubpath();
  QPainterPath knot;
  knot.addEllipse(QPointF(30, 44.5), 4.2, 2.2);
  QPainterPath foot;
  foot.addRoundedRect(QRectF(20.5, 50.5, 19, 5), 1.5, 1.5);
  QPainterPath handles;
  for (int side : {-1, 1}) {
    QPainterPath h;
    const double x = 30 + side * 16;
    h.moveTo(x, 13);
    h.cubicTo(x + side * 11, 11, x + side * 11, 26, x - side * 4, 30);
    QPainterPathStroker stroker;
    stroker.setWidth(3.2);
    stroker.setCapStyle(Qt::RoundCap);
    handles = handles.united(stroker.createStroke(h));
  }
  const QPainterPath cup = bowl.united(stem).united(knot).united(foot).united(handles);
  const QRectF plinth(15.5, 55.5, 29, 15);
  const QPainterPath plinthPath = roundedRect(plinth, 2);

  return strip(kKindFrames, kKindFrame, [=](QPainter& p, int, double phase) {
    softShadow(p, cup.united(plinthPath), QPointF(1.2, 2), 2, QColor(0, 0, 0, 140));
    // Plinth: dark polished wood with a gold plate.
    QLinearGradient wood(plinth.topLeft(), plinth.bottomLeft());
    wood.setColorAt(0, QColor(120, 60, 26));
    wood.setColorAt(0.4, QColor(80, 36, 12));
    wood.setColorAt(1, QColor(44, 18, 4));
    p.fillPath(plinthPath, wood);
    p.strokePath(plinthPath, QPen(QColor(34, 12, 2), 0.9));
    const QRectF plate(21.5, 59.5, 17, 7);
    p.setPen(QPen(kBronze, 0.7));
    p.setBrush(goldBrush(plate));
    p.drawRect(plate);
    p.setPen(QPen(QColor(120, 80, 20), 0.6));
    for (double y : {62.0, 64.2}) p.drawLine(QPointF(24, y), QPointF(36, y));

    p.fillPath(cup, roundGold(6, 54));
    // The inside of the cup seen over the rim.
    QPainterPath mouth;
    mouth.addEllipse(QRectF(14, 6.5, 32, 5));
    QLinearGradient inside(0, 6.5, 0, 11.5);
    inside.setColorAt(0, QColor(120, 72, 10));
    inside.setColorAt(1, QColor(200, 150, 50));
    p.fillPath(mouth, inside);
    p.strokePath(mouth, QPen(QColor(255, 236, 160), 0.8));
    // An embossed star on the bowl.
    const QPainterPath star = starPath(QPointF(30, 22.5), 7.5, 3.2, 0);
    p.fillPath(star, QColor(176, 22, 32));
    p.strokePath(star, QPen(QColor(255, 228, 140), 0.8));
    p.strokePath(cup, QPen(kBronze, 0.9));

    // The shine: a bright slanted band crossing the cup in the first half.
    const double u = smoothstep(0.0, 0.55, phase);
    if (phase < 0.6) {
      QImage shine = canvas(kKindFrame.width(), kKindFrame.height());
      {
        QPainter sp(&shine);
        smooth(sp);
        const double x = -6 + 72 * u;
        sp.setTransform(QTransform().shear(-0.45, 0));
        QLinearGradient band(QPointF(x, 0), QPointF(x + 12, 0));
        band.setColorAt(0, QColor(255, 255, 240, 0));
        band.setColorAt(0.5, QColor(255, 255, 240, 210));
        band.setColorAt(1, QColor(255, 255, 240, 0));
        sp.fillRect(QRectF(x, 0, 12, 75), band);
      }
      keepInside(shine, cup);
      p.drawImage(0, 0, shine);
    }
    twinkle(p, QPointF(44, 8), 11, pulse(phase - 0.75, 4));
    twinkle(p, QPointF(17, 30), 6, pulse(phase - 0.9, 6));
  });
}

// Net duel: two players facing each other with a spark crackling between.
QImage duel() {
  // A player from the chest up: coloured coat, light face, dark hair
  // swept back from the side facing the other player.
  auto figure = [](QPainter& p, double x, const QColor& colour, const QColor& hairColour, bool facingRight) {
    const double face = facingRight ? 1 : -1;
    QPainterPath body;
    const double top = 49;
    body.moveTo(x - 12, 72);
    body.cubicTo(x - 12, top + 4, x - 7, top, x, top);
    body.cubicTo(x + 7, top, x + 12, top + 4, x + 12, 72);
    body.closeSubpath();
    const QPointF hc(x + face * 0.8, 39);
    QPainterPath head;
    head.addEllipse(hc, 7.0, 7.8);
    softShadow(p, body.united(head), QPointF(1, 1.6), 2, QColor(0, 0, 0, 130));

    QRadialGradient coat(QPointF(x - 4, top + 3), 24);
    coat.setColorAt(0, colour.lighter(165));
    coat.setColorAt(0.45, colour);
    coat.setColorAt(1, colour.darker(210));
    p.fillPath(body, coat);
    // A light collar at the neck.
    QPainterPath collar;
    collar.moveTo(x - 4.5, top + 0.6);
    collar.lineTo(x, top + 6);
    collar.lineTo(x + 4.5, top + 0.6);
    collar.closeSubpath();
    p.fillPath(collar.intersected(body), QColor(250, 240, 220));
    p.strokePath(body, QPen(colour.darker(300), 0.9));

    QRadialGradient skin(hc + QPointF(-2, -3), 10);
    skin.setColorAt(0, QColor(255, 238, 214));
    skin.setColorAt(1, QColor(222, 172, 128));
    p.fillPath(head, skin);
    QPainterPath bare;
    bare.addEllipse(hc + QPointF(face * 2.2, 3.2), 6.4, 7.2);
    const QPainterPath hair = head.subtracted(bare);
    QLinearGradient hg(hc.x(), hc.y() - 8, hc.x(), hc.y() + 4);
    hg.setColorAt(0, hairColour.lighter(170));
    hg.setColorAt(1, hairColour);
    p.fillPath(hair, hg);
    p.strokePath(head, QPen(QColor(90, 50, 20), 0.9));
  };
  // The bolt zig-zags down between the heads; two shapes take turns so it
  // flickers.
  auto bolt = [](int shape) {
    QPainterPath b;
    const double j = shape == 0 ? 0 : 1.5;
    b.moveTo(36 + j, 4);
    b.lineTo(21 - j * 0.5, 29);
    b.lineTo(29.5, 29.5 + j);
    b.lineTo(23 + j, 52);
    b.lineTo(40, 23.5 - j);
    b.lineTo(31.5 - j * 0.5, 23);
    b.lineTo(44, 4);
    b.closeSubpath();
    return b;
  };
  return strip(kKindFrames, kKindFrame, [=](QPainter& p, int index, double phase) {
    figure(p, 12.5, QColor(34, 82, 180), QColor(70, 40, 16), true);
    figure(p, 47.5, QColor(176, 24, 30), QColor(34, 24, 20), false);

    const double flicker[] = {1.0, 0.7, 0.95, 0.55, 0.9, 1.0, 0.65, 0.85, 1.0, 0.6, 0.9, 0.75};
    const double f = flicker[index % kKindFrames];
    const QPointF centre(31, 29);
    QRadialGradient glow(centre, 24);
    glow.setColorAt(0, QColor(255, 230, 120, toByte(220 * f)));
    glow.setColorAt(0.5, QColor(250, 170, 40, toByte(110 * f)));
    glow.setColorAt(1, QColor(255, 180, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 24, 24);
    const QPainterPath b = bolt(index % 2);
    softShadow(p, b, QPointF(1, 1.5), 2, QColor(80, 30, 0, 140));
    QLinearGradient g(0, 4, 0, 52);
    g.setColorAt(0, QColor(255, 255, 220));
    g.setColorAt(0.5, QColor(255, 224, 70));
    g.setColorAt(1, QColor(240, 150, 20));
    p.fillPath(b, g);
    QPen edge(QColor(150, 70, 0), 1.0);
    edge.setJoinStyle(Qt::MiterJoin);
    p.strokePath(b, edge);

    // Sparks flying out from the middle of the bolt.
    for (int k = 0; k < 5; ++k) {
      const double a = k * 72 + 25 + 20 * k;
      const double travel = std::fmod(phase * 2 + k * 0.2, 1.0);
      const QPointF pt = polar(centre, 6 + 16 * travel, a);
      const double fade = std::sin(kPi * travel);
      p.setPen(QPen(QColor(170, 70, 0, toByte(200 * fade)), 0.6));
      p.setBrush(QColor(255, 214, 80, toByte(240 * fade)));
      p.drawEllipse(pt, 1.5, 1.5);
    }
    twinkle(p, QPointF(40, 6), 7, pulse(phase - 0.1, 4) * f);
    twinkle(p, QPointF(23, 51), 6, pulse(phase - 0.6, 4) * f);
  });
}

}  // namespace

void addCountPictures(ArtBook& book, const QString& fontFamily) {
  book.add("GCap300", headingRibbon());
  book.add("GLenta200x100", headingRosette());
  book.add("GSvitok", scroll());
  book.add("GGenCount", handOfCards(fontFamily));
  book.add("Account48", account());
  book.add("LampR24", lamp(QColor(222, 24, 24)));
  book.add("LampY24", lamp(QColor(240, 190, 0)));
  book.add("LampG24", lamp(QColor(30, 176, 40)));
  book.add("GClubA", risingStar());
  book.add("GClubB", laurel());
  book.add("GClubC", monitor(fontFamily));
  book.add("GClubF", turningCards(fontFamily));
  book.add("GClubE", trophy());
  book.add("GClubG", duel());
}

}  // namespace art
