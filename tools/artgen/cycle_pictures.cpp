// Pictures of the end-of-cycle window, shown after every 30th match with the
// player's place among the club's ten best cycles:
//
//   "GMedal"             120 x 120  gold medal on a red and white neck
//                                    ribbon; its centre is a plain disc of
//                                    radius 30 round (60, 66) where the
//                                    window draws the place number
//   "GPlace01".."GPlace10"  56 x 56  embossed dark red numerals 1..10 with a
//                                    light outline, to sit centred on the disc
//
// and three animations, each 30 frames of 100 x 90 (strip 3000 x 90):
//
//   "GEndBest"  the best result: fireworks bursting over a crown; frame 25
//               is the still picture
//   "GEndGood"  a good result: a trophy with stars circling it; frame 24 is
//               the still picture
//   "GEndBads"  regrets: a small rain cloud drizzling over a card with a sad
//               face; frame 3 is the still picture
//
// Every strip loops: the last frame leads smoothly into the first.
#include "anim_kit.h"
#include "art.h"
#include "paint_kit.h"
#include "suits.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <numbers>

namespace art {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kEndFrames = 30;
const QSize kEndFrame(100, 90);

const QColor kBronze(92, 54, 8);
const QColor kRibbonRed(184, 22, 32);


double frac(double x) { return x - std::floor(x); }

// Peaks at 1 when phase (in turns) is a whole number, 0 for most of the loop.


// Equal frames side by side, each painted on its own canvas so glows never
// reach a neighbour.

// Polished gold on a round body, lit from the left.

QBrush goldBand(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, QColor(255, 244, 186));
  g.setColorAt(0.3, QColor(240, 196, 84));
  g.setColorAt(0.65, QColor(184, 128, 30));
  g.setColorAt(1.0, QColor(140, 90, 16));
  return QBrush(g);
}


// A bevelled gold star; alpha fades it as a whole.
void goldStar(QPainter& p, QPointF c, double outer, double turn, double alpha = 1) {
  const double inner = outer * 0.45;
  p.save();
  p.setOpacity(alpha);
  const QPainterPath star = starPath(c, outer, inner, turn);
  softShadow(p, star, QPointF(0.8, 1.3), 2, QColor(60, 30, 0, 110));
  p.setPen(Qt::NoPen);
  for (int k = 0; k < 5; ++k) {
    const double a = -90 + turn + k * 72;
    const QPointF tip = polar(c, outer, a);
    for (int side : {-1, 1}) {
      const double facing = std::cos((a + side * 36 + 135) * kPi / 180);
      p.setBrush(mix(QColor(255, 240, 170), QColor(176, 112, 18), 0.5 + 0.5 * facing));
      p.drawPolygon(QPolygonF({c, polar(c, inner, a + side * 36), tip}));
    }
  }
  QPen edge(kBronze, std::max(0.7, outer / 12));
  edge.setJoinStyle(Qt::RoundJoin);
  p.strokePath(star, edge);
  p.restore();
}

// A four-pointed twinkle with a warm glow; nothing when strength is 0.
void twinkle(QPainter& p, QPointF c, double radius, double strength) {
  if (strength <= 0.01) return;
  p.save();
  QRadialGradient glow(c, radius * 0.8);
  glow.setColorAt(0, QColor(255, 236, 150, toByte(220 * strength)));
  glow.setColorAt(0.5, QColor(250, 190, 50, toByte(90 * strength)));
  glow.setColorAt(1, QColor(240, 170, 30, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, radius * 0.8, radius * 0.8);
  const double r = radius * (0.55 + 0.45 * strength);
  QPainterPath s;
  const QPointF a = polar(c, r, 0), b = polar(c, r, 90), d = polar(c, r, 180), e = polar(c, r, 270);
  s.moveTo(a);
  s.quadTo(c, b);
  s.quadTo(c, d);
  s.quadTo(c, e);
  s.quadTo(c, a);
  s.closeSubpath();
  p.strokePath(s, QPen(QColor(176, 110, 6, toByte(220 * strength)), 0.8));
  p.fillPath(s, QColor(255, 255, 245, toByte(255 * strength)));
  p.restore();
}

// --- The medal --------------------------------------------------------------

const QPointF kMedalCentre(60, 66);
constexpr double kMedalRadius = 42;
constexpr double kDiscRadius = 30;

// One strap of the neck ribbon from the top edge down behind the medal.
void ribbonStrap(QPainter& p, QPointF from, QPointF to, double width) {
  const QLineF axis(from, to);
  p.save();
  p.translate(from);
  p.rotate(-axis.angle() - 90);  // the strap runs along +y
  const double len = axis.length();
  const QRectF band(-width / 2, -2, width, len + 2);
  softShadow(p, roundedRect(band, 0), QPointF(1, 1.5), 2, QColor(0, 0, 0, 120));
  QLinearGradient across(band.left(), 0, band.right(), 0);
  across.setColorAt(0, kRibbonRed.darker(140));
  across.setColorAt(0.25, kRibbonRed.lighter(115));
  across.setColorAt(0.75, kRibbonRed);
  across.setColorAt(1, kRibbonRed.darker(150));
  p.fillRect(band, across);
  for (double x : {-width * 0.2, width * 0.2}) {
    const QRectF stripe(x - width * 0.08, band.top(), width * 0.16, band.height());
    p.fillRect(stripe, QColor(250, 246, 236));
  }
  // Deeper shade where the strap disappears behind the medal.
  QLinearGradient shade(0, len * 0.4, 0, len);
  shade.setColorAt(0, QColor(0, 0, 0, 0));
  shade.setColorAt(1, QColor(40, 0, 0, 120));
  p.fillRect(band, shade);
  p.setPen(QPen(QColor(96, 6, 12), 0.9));
  p.drawLine(QPointF(band.left(), band.top()), QPointF(band.left(), band.bottom()));
  p.drawLine(QPointF(band.right(), band.top()), QPointF(band.right(), band.bottom()));
  p.restore();
}

QImage medal() {
  QImage img = canvas(120, 120);
  QPainter p(&img);
  smooth(p);
  const QPointF c = kMedalCentre;

  ribbonStrap(p, QPointF(26, -2), QPointF(56, 40), 26);
  ribbonStrap(p, QPointF(94, -2), QPointF(64, 40), 26);

  // The ring that holds the medal on the ribbon.
  QPainterPath ring;
  ring.addEllipse(QPointF(60, 22), 6, 5);
  QPainterPathStroker ringStroke;
  ringStroke.setWidth(3);
  const QPainterPath ringBody = ringStroke.createStroke(ring);
  softShadow(p, ringBody, QPointF(0.8, 1.2), 1, QColor(0, 0, 0, 120));
  p.fillPath(ringBody, roundGold(52, 68));
  p.strokePath(ringBody, QPen(kBronze, 0.6));

  // Body: a rim lit from the upper left.
  QPainterPath body;
  body.addEllipse(c, kMedalRadius, kMedalRadius);
  softShadow(p, body, QPointF(2, 3), 3, QColor(40, 20, 0, 150));
  QLinearGradient rim(c + QPointF(-kMedalRadius, -kMedalRadius), c + QPointF(kMedalRadius, kMedalRadius));
  rim.setColorAt(0, QColor(255, 244, 186));
  rim.setColorAt(0.3, QColor(238, 192, 80));
  rim.setColorAt(0.65, QColor(190, 132, 34));
  rim.setColorAt(1, QColor(120, 76, 10));
  p.fillPath(body, rim);
  p.strokePath(body, QPen(kBronze, 1.2));

  // A ring of beads round the rim.
  for (int k = 0; k < 28; ++k) {
    const QPointF b = polar(c, kMedalRadius - 5, k * 360.0 / 28);
    const double lit = 0.5 + 0.5 * std::cos((k * 360.0 / 28 + 135) * kPi / 180);
    QRadialGradient bead(b + QPointF(-0.8, -0.8), 2.6);
    bead.setColorAt(0, mix(QColor(212, 160, 56), QColor(255, 250, 214), lit));
    bead.setColorAt(1, QColor(150, 100, 20));
    p.setPen(QPen(QColor(110, 68, 8, 200), 0.5));
    p.setBrush(bead);
    p.drawEllipse(b, 2.1, 2.1);
  }

  // A raised ring round the disc: light below right, dark above left.
  QPainterPath raised;
  raised.addEllipse(c, kDiscRadius + 2.6, kDiscRadius + 2.6);
  QLinearGradient edge(c + QPointF(-30, -30), c + QPointF(30, 30));
  edge.setColorAt(0, QColor(255, 248, 200));
  edge.setColorAt(1, QColor(150, 98, 18));
  p.fillPath(raised, edge);
  p.strokePath(raised, QPen(QColor(120, 76, 10), 0.6));

  // The plain disc, sunk a little into the medal.
  QPainterPath disc;
  disc.addEllipse(c, kDiscRadius, kDiscRadius);
  QRadialGradient face(c + QPointF(-8, -10), kDiscRadius * 1.5);
  face.setColorAt(0, QColor(255, 238, 168));
  face.setColorAt(0.6, QColor(238, 198, 98));
  face.setColorAt(1, QColor(206, 156, 58));
  p.fillPath(disc, face);
  insetShadow(p, disc, QPointF(1.2, 1.6), 2, QColor(90, 52, 0, 170));
  p.strokePath(disc, QPen(QColor(132, 84, 12), 0.8));

  // A soft gleam on the upper left of the rim.
  QPainterPath gleam;
  gleam.arcMoveTo(QRectF(c.x() - 38, c.y() - 38, 76, 76), 110);
  gleam.arcTo(QRectF(c.x() - 38, c.y() - 38, 76, 76), 110, 50);
  p.strokePath(gleam, QPen(QColor(255, 255, 240, 150), 2.2, Qt::SolidLine, Qt::RoundCap));
  return img;
}

// --- Place numerals ---------------------------------------------------------

QImage placeNumeral(int place, const QString& fontFamily) {
  QImage img = canvas(56, 56);
  QPainter p(&img);
  smooth(p);
  QFont font(fontFamily);
  font.setPixelSize(100);
  font.setBold(true);
  QPainterPath text;
  text.addText(0, 0, font, QString::number(place));
  // Every numeral as tall as a "0"; "10" is narrowed a little to fit.
  QPainterPath zero;
  zero.addText(0, 0, font, "0");
  const QRectF box = text.boundingRect();
  const double height = zero.boundingRect().height();
  const double sy = 36 / height;
  const double sx = std::min(sy, 44 / box.width());
  QTransform t;
  t.translate(28, 28);
  t.scale(sx, sy);
  t.translate(-box.center().x(), -box.center().y());
  const QPainterPath glyph = t.map(text);

  softShadow(p, glyph, QPointF(1.2, 1.8), 2, QColor(40, 10, 0, 150));
  // The light outline.
  QPen outline(QColor(255, 244, 210), 4.2);
  outline.setJoinStyle(Qt::RoundJoin);
  p.strokePath(glyph, outline);
  p.strokePath(glyph, QPen(QColor(170, 120, 40, 160), 0.7));

  const QRectF r = glyph.boundingRect();
  QLinearGradient ink(r.topLeft(), r.bottomLeft());
  ink.setColorAt(0, QColor(168, 26, 34));
  ink.setColorAt(1, QColor(104, 8, 16));
  p.fillPath(glyph, ink);
  // Bevels: lit edges to the upper left, shaded ones to the lower right.
  p.fillPath(glyph.subtracted(QTransform::fromTranslate(1.1, 1.1).map(glyph)), QColor(232, 110, 100, 220));
  p.fillPath(glyph.subtracted(QTransform::fromTranslate(-1.1, -1.1).map(glyph)), QColor(60, 0, 6, 210));
  p.strokePath(glyph, QPen(QColor(70, 4, 10), 0.6));
  return img;
}

// --- Best result: fireworks over a crown -------------------------------------

struct Burst {
  QPointF centre;
  double radius;
  double start;  // phase at which it bursts
  QColor colour, second;
};

// One firework: a rocket rising in the last part of its turn, then a ring of
// sparks that spreads, drops a little and fades.
void firework(QPainter& p, const Burst& b, double phase) {
  const double age = frac(phase - b.start);
  p.save();
  if (age > 0.84) {
    const double u = (age - 0.84) / 0.16;
    const double climb = 1 - (1 - u) * (1 - u);
    const QPointF from(b.centre.x() - 6, 92), at = from + (b.centre - from) * climb;
    QLinearGradient trail(at, at + QPointF(-1.2, 12));
    trail.setColorAt(0, QColor(255, 226, 140, 220));
    trail.setColorAt(1, QColor(255, 170, 40, 0));
    p.setPen(QPen(QBrush(trail), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at, at + QPointF(-1.2, 12));
    p.setPen(QPen(QColor(150, 80, 0), 0.6));
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(at, 1.5, 1.5);
  }
  constexpr double life = 0.7;
  if (age < life) {
    const double t = age / life;
    const double grow = 1 - std::pow(1 - t, 3);
    const double fade = 1 - smoothstep(0.45, 1, t);
    if (t < 0.2) {
      const double flash = 1 - t / 0.2;
      QRadialGradient glow(b.centre, b.radius * 0.6);
      glow.setColorAt(0, QColor(255, 250, 220, toByte(230 * flash)));
      glow.setColorAt(1, QColor(255, 200, 80, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(glow);
      p.drawEllipse(b.centre, b.radius * 0.6, b.radius * 0.6);
    }
    for (int ring = 0; ring < 2; ++ring) {
      const int n = ring == 0 ? 12 : 8;
      const QColor colour = ring == 0 ? b.colour : b.second;
      const double reach = b.radius * grow * (ring == 0 ? 1.0 : 0.55);
      for (int k = 0; k < n; ++k) {
        const double angle = k * 360.0 / n + (ring == 0 ? 0 : 22.5) + b.start * 97;
        const QPointF drop(0, 7 * t * t);
        const QPointF head = polar(b.centre, reach, angle) + drop;
        const QPointF tail = polar(b.centre, reach * (0.2 + 0.55 * t), angle) + drop * 0.5;
        QLinearGradient trail(head, tail);
        trail.setColorAt(0, withAlpha(colour, fade));
        trail.setColorAt(1, withAlpha(colour, 0));
        p.setPen(QPen(QBrush(trail), ring == 0 ? 2.0 : 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tail, head);
        const double size = (ring == 0 ? 1.8 : 1.4) * (1 - 0.3 * t);
        p.setPen(QPen(withAlpha(colour.darker(160), fade), 0.7));
        p.setBrush(withAlpha(mix(colour, QColor(255, 250, 220), 0.4), fade));
        p.drawEllipse(head, size, size);
      }
    }
  }
  p.restore();
}

QImage crownFireworks() {
  // The crown: five points with pearls on a jewelled band.
  QPainterPath crown;
  crown.moveTo(28, 74);
  crown.lineTo(24, 53);
  crown.lineTo(36, 64);
  crown.lineTo(38, 56);
  crown.lineTo(44, 63);
  crown.lineTo(50, 46);
  crown.lineTo(56, 63);
  crown.lineTo(62, 56);
  crown.lineTo(64, 64);
  crown.lineTo(76, 53);
  crown.lineTo(72, 74);
  crown.closeSubpath();
  const QRectF band(26, 71, 48, 11);
  const QPainterPath bandPath = roundedRect(band, 2.5);
  const QPointF pearls[] = {{24, 52}, {38, 55}, {50, 44.5}, {62, 55}, {76, 52}};
  QPainterPath whole = crown.united(bandPath);
  for (const QPointF& pearl : pearls) {
    QPainterPath dot;
    dot.addEllipse(pearl, 2.8, 2.8);
    whole = whole.united(dot);
  }

  const Burst bursts[] = {
      {{50, 24}, 21, 0.52, QColor(222, 30, 34), QColor(232, 170, 20)},
      {{22, 22}, 15, 0.62, QColor(232, 168, 20), QColor(214, 40, 30)},
      {{78, 23}, 15, 0.35, QColor(240, 112, 16), QColor(210, 24, 40)},
      {{66, 16}, 14, 0.05, QColor(230, 160, 16), QColor(222, 30, 34)},
      {{34, 17}, 13, 0.86, QColor(214, 30, 40), QColor(240, 130, 20)},
  };

  return strip(kEndFrames, kEndFrame, [=](QPainter& p, int, double phase) {
    for (const Burst& b : bursts) firework(p, b, phase);

    // A faint shadow on the ground under the crown.
    QRadialGradient ground(QPointF(50, 84), 30);
    ground.setColorAt(0, QColor(60, 30, 0, 90));
    ground.setColorAt(1, QColor(60, 30, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawEllipse(QPointF(50, 84), 30, 5);

    softShadow(p, whole, QPointF(1.2, 2), 2, QColor(40, 20, 0, 140));
    p.fillPath(crown, roundGold(22, 78));
    // The red cap seen between the points.
    QPainterPath cap;
    cap.moveTo(30, 71);
    cap.cubicTo(34, 62, 66, 62, 70, 71);
    cap.closeSubpath();
    QPainterPath inner = cap.intersected(crown);
    p.fillPath(inner, QColor(150, 16, 26, 170));
    p.strokePath(crown, QPen(kBronze, 1.0));
    p.fillPath(bandPath, goldBand(band));
    p.strokePath(bandPath, QPen(kBronze, 1.0));
    for (const QPointF& pearl : pearls) {
      QRadialGradient shine(pearl + QPointF(-0.9, -0.9), 3.2);
      shine.setColorAt(0, QColor(255, 255, 250));
      shine.setColorAt(1, QColor(208, 196, 176));
      p.setPen(QPen(QColor(120, 100, 80), 0.6));
      p.setBrush(shine);
      p.drawEllipse(pearl, 2.8, 2.8);
    }
    // Jewels on the band: a ruby between two pearls.
    auto jewel = [&](QPointF at, double rx, double ry, const QColor& colour) {
      QRadialGradient g(at + QPointF(-rx * 0.3, -ry * 0.4), rx * 1.2);
      g.setColorAt(0, colour.lighter(170));
      g.setColorAt(0.5, colour);
      g.setColorAt(1, colour.darker(180));
      p.setPen(QPen(kBronze, 0.7));
      p.setBrush(g);
      p.drawEllipse(at, rx, ry);
    };
    jewel(QPointF(50, 76.5), 4.2, 3.4, QColor(196, 18, 30));
    jewel(QPointF(36, 76.5), 2.6, 2.6, QColor(196, 18, 30));
    jewel(QPointF(64, 76.5), 2.6, 2.6, QColor(196, 18, 30));

    twinkle(p, QPointF(50, 44), 10, pulse(phase - 0.55, 5));
    twinkle(p, QPointF(29, 72), 7, pulse(phase - 0.15, 6));
    twinkle(p, QPointF(70, 62), 7, pulse(phase - 0.85, 6));
  });
}

// --- Good result: a trophy with circling stars -------------------------------

QImage trophyStars() {
  QPainterPath bowl;
  bowl.moveTo(32, 18);
  bowl.lineTo(68, 18);
  bowl.cubicTo(68, 38, 61, 49, 53, 52);
  bowl.lineTo(47, 52);
  bowl.cubicTo(39, 49, 32, 38, 32, 18);
  bowl.closeSubpath();
  QPainterPath stem;
  stem.moveTo(47, 51);
  stem.lineTo(53, 51);
  stem.cubicTo(52, 58, 52.5, 62, 57, 65);
  stem.lineTo(43, 65);
  stem.cubicTo(47.5, 62, 48, 58, 47, 51);
  stem.closeSubpath();
  QPainterPath knot;
  knot.addEllipse(QPointF(50, 57.5), 4.6, 2.4);
  QPainterPath foot;
  foot.addRoundedRect(QRectF(40, 64.5, 20, 5), 1.5, 1.5);
  QPainterPath handles;
  for (int side : {-1, 1}) {
    QPainterPath h;
    const double x = 50 + side * 17.5;
    h.moveTo(x, 22);
    h.cubicTo(x + side * 12, 20, x + side * 12, 37, x - side * 4, 41);
    QPainterPathStroker stroker;
    stroker.setWidth(3.4);
    stroker.setCapStyle(Qt::RoundCap);
    handles = handles.united(stroker.createStroke(h));
  }
  const QPainterPath cup = bowl.united(stem).united(knot).united(foot).united(handles);
  const QRectF plinth(34.5, 69.5, 31, 14);
  const QPainterPath plinthPath = roundedRect(plinth, 2);

  auto drawTrophy = [=](QPainter& p, double phase) {
    softShadow(p, cup.united(plinthPath), QPointF(1.2, 2), 2, QColor(0, 0, 0, 140));
    QLinearGradient wood(plinth.topLeft(), plinth.bottomLeft());
    wood.setColorAt(0, QColor(120, 60, 26));
    wood.setColorAt(0.4, QColor(80, 36, 12));
    wood.setColorAt(1, QColor(44, 18, 4));
    p.fillPath(plinthPath, wood);
    p.strokePath(plinthPath, QPen(QColor(34, 12, 2), 0.9));
    const QRectF plate(41.5, 73.5, 17, 6.5);
    p.setPen(QPen(kBronze, 0.7));
    p.setBrush(goldBand(plate));
    p.drawRect(plate);

    p.fillPath(cup, roundGold(26, 74));
    QPainterPath mouth;
    mouth.addEllipse(QRectF(32, 15.5, 36, 5));
    QLinearGradient inside(0, 15.5, 0, 20.5);
    inside.setColorAt(0, QColor(120, 72, 10));
    inside.setColorAt(1, QColor(200, 150, 50));
    p.fillPath(mouth, inside);
    p.strokePath(mouth, QPen(QColor(255, 236, 160), 0.8));
    const QPainterPath star = starPath(QPointF(50, 32.5), 8, 3.4, 0);
    p.fillPath(star, QColor(176, 22, 32));
    p.strokePath(star, QPen(QColor(255, 228, 140), 0.8));
    p.strokePath(cup, QPen(kBronze, 0.9));
    twinkle(p, QPointF(64, 17), 10, pulse(phase - 0.4, 5));
  };

  // Three stars on a tilted ellipse round the cup; those on the far side
  // are smaller and pass behind it.
  const QPointF orbit(50, 38);
  auto starAt = [=](double phase, int k, bool front, QPainter& p) {
    for (int trailStep = 4; trailStep >= 0; --trailStep) {
      const double angle = 2 * kPi * (phase + k / 3.0) - 156 * kPi / 180 - trailStep * 0.16;
      const double depth = std::sin(angle);  // 1 nearest
      if ((depth >= 0) != front) continue;
      const QPointF at = orbit + QPointF(std::cos(angle) * 41, depth * 9 - std::cos(angle) * 4);
      const double size = 6.4 + 2.4 * depth;
      if (trailStep == 0) {
        goldStar(p, at, size, phase * 144 + k * 24, 0.8 + 0.2 * depth);
      } else {
        const double fade = (1 - trailStep / 5.0) * (0.6 + 0.3 * depth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 176, 40, toByte(220 * fade)));
        p.drawEllipse(at, 1.9 * (1 - trailStep / 6.0), 1.9 * (1 - trailStep / 6.0));
      }
    }
  };

  return strip(kEndFrames, kEndFrame, [=](QPainter& p, int, double phase) {
    for (int k = 0; k < 3; ++k) starAt(phase, k, false, p);
    drawTrophy(p, phase);
    for (int k = 0; k < 3; ++k) starAt(phase, k, true, p);
  });
}

// --- Regrets: a rain cloud over a sad card -----------------------------------

QImage sadCard() {
  const QRectF card(-17, -50, 34, 48);  // its bottom middle is the pivot
  const QPointF pivot(50, 85);

  QPainterPath cloud;
  for (const auto& [x, y, r] : {std::tuple{36.0, 20.0, 9.0}, std::tuple{47.0, 14.0, 11.5}, std::tuple{60.0, 16.0, 10.0},
                                std::tuple{68.0, 22.0, 7.5}, std::tuple{30.0, 24.0, 6.5}}) {
    QPainterPath puff;
    puff.addEllipse(QPointF(x, y), r, r);
    cloud = cloud.united(puff);
  }
  QPainterPath base;
  base.addRoundedRect(QRectF(26, 20, 48, 10), 5, 5);
  cloud = cloud.united(base);

  // Drizzle: drops with their own column, start and speed (whole turns per
  // loop, so the rain loops).
  struct Drop {
    double x, offset;
    int speed;
  };
  const Drop drops[] = {{31, 0.05, 2}, {37, 0.55, 1}, {43, 0.3, 2}, {49, 0.8, 1},
                        {55, 0.15, 2}, {61, 0.65, 1}, {67, 0.4, 2}, {72, 0.9, 1}};

  return strip(kEndFrames, kEndFrame, [=](QPainter& p, int, double phase) {
    const double sway = 2.5 * std::sin(2 * kPi * phase);
    const double bob = 1.2 * std::sin(2 * kPi * (phase - 0.2));

    // Shadow on the ground under the card.
    QRadialGradient ground(QPointF(50, 86), 24);
    ground.setColorAt(0, QColor(20, 30, 50, 90));
    ground.setColorAt(1, QColor(20, 30, 50, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawEllipse(QPointF(50, 86), 24, 3.5);

    // The card, swaying a little on its bottom edge.
    p.save();
    p.translate(pivot);
    p.rotate(sway);
    const QPainterPath cardPath = roundedRect(card, 4);
    softShadow(p, cardPath, QPointF(1.2, 1.8), 2, QColor(0, 0, 0, 120));
    QLinearGradient paper(card.topLeft(), card.bottomRight());
    paper.setColorAt(0, QColor(255, 252, 240));
    paper.setColorAt(1, QColor(232, 222, 200));
    p.fillPath(cardPath, paper);
    p.strokePath(roundedRect(card.adjusted(2.5, 2.5, -2.5, -2.5), 2.5), QPen(QColor(184, 22, 32, 150), 0.8));
    p.strokePath(cardPath, QPen(QColor(110, 100, 84), 1.0));
    paintSuit(p, Suit::Hearts, QRectF(card.left() + 4, card.top() + 4, 7, 7), false, 0);
    paintSuit(p, Suit::Hearts, QRectF(card.right() - 11, card.bottom() - 11, 7, 7), false, 0);

    // The sad face.
    const QColor inkColour(70, 40, 30);
    const QPointF face(0, -27);
    p.setPen(QPen(inkColour, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(face + QPointF(-9, -7), face + QPointF(-3.5, -9));  // brows rise in the middle
    p.drawLine(face + QPointF(9, -7), face + QPointF(3.5, -9));
    p.setPen(Qt::NoPen);
    p.setBrush(inkColour);
    p.drawEllipse(face + QPointF(-6, -3), 1.8, 2.4);
    p.drawEllipse(face + QPointF(6, -3), 1.8, 2.4);
    QPainterPath mouth;
    mouth.moveTo(face + QPointF(-6.5, 9));
    mouth.quadTo(face + QPointF(0, 2), face + QPointF(6.5, 9));
    p.strokePath(mouth, QPen(inkColour, 1.5, Qt::SolidLine, Qt::RoundCap));
    // A tear wells under the left eye, slides down the cheek and fades.
    const double tearAge = frac(phase + 0.2);
    if (tearAge < 0.7) {
      const double grow = smoothstep(0.0, 0.2, tearAge);
      const double slide = smoothstep(0.2, 0.65, tearAge) * 9;
      const double fade = 1 - smoothstep(0.5, 0.7, tearAge);
      const QPointF at = face + QPointF(-7, 1.5 + slide);
      QPainterPath tear;
      const double r = 1.7 * grow;
      tear.moveTo(at + QPointF(0, -r * 1.9));
      tear.cubicTo(at + QPointF(r * 0.4, -r), at + QPointF(r, -r * 0.2), at + QPointF(r, r * 0.2));
      tear.cubicTo(at + QPointF(r, r * 1.2), at + QPointF(-r, r * 1.2), at + QPointF(-r, r * 0.2));
      tear.cubicTo(at + QPointF(-r, -r * 0.2), at + QPointF(-r * 0.4, -r), at + QPointF(0, -r * 1.9));
      p.fillPath(tear, QColor(120, 180, 240, toByte(230 * fade)));
      p.strokePath(tear, QPen(QColor(40, 90, 170, toByte(230 * fade)), 0.5));
    }
    p.restore();

    // Drizzle falls from under the cloud onto the card or the ground.
    for (const Drop& d : drops) {
      const double u = frac(phase * d.speed + d.offset);
      const bool overCard = std::abs(d.x - 50) < 15;
      const double top = 26 + bob, bottom = overCard ? 36 : 84;
      const double fall = 0.82;
      if (u < fall) {
        const double y = top + (bottom - top) * (u / fall);
        const double alpha = smoothstep(0, 0.12, u / fall);
        const QPointF head(d.x - (y - top) * 0.08, y);
        QLinearGradient streak(head, head + QPointF(0.5, -7));
        streak.setColorAt(0, QColor(40, 96, 196, toByte(240 * alpha)));
        streak.setColorAt(1, QColor(60, 120, 210, 0));
        p.setPen(QPen(QBrush(streak), 1.7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(head, head + QPointF(0.5, -7));
      } else {
        // A tiny splash.
        const double s = (u - fall) / (1 - fall);
        const QPointF at(d.x - (bottom - top) * 0.08, bottom);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 120, 210, toByte(200 * (1 - s))));
        for (int side : {-1, 1}) p.drawEllipse(at + QPointF(side * (1 + 3 * s), -2.5 * std::sin(kPi * s)), 1.0, 1.0);
      }
    }

    // The cloud, bobbing gently.
    p.save();
    p.translate(0, bob);
    softShadow(p, cloud, QPointF(1, 2), 2, QColor(20, 30, 60, 110));
    QLinearGradient grey(0, 2, 0, 31);
    grey.setColorAt(0, QColor(226, 230, 238));
    grey.setColorAt(0.55, QColor(168, 176, 192));
    grey.setColorAt(1, QColor(112, 120, 140));
    p.fillPath(cloud, grey);
    // A lighter rim on the top of each puff.
    QPainterPath lit;
    lit.addEllipse(QPointF(45, 10), 7, 4);
    p.fillPath(lit.intersected(cloud), QColor(255, 255, 255, 110));
    p.strokePath(cloud, QPen(QColor(84, 92, 112), 1.0));
    p.restore();
  });
}

}  // namespace

void addCyclePictures(ArtBook& book, const QString& fontFamily) {
  book.add("GMedal", medal());
  for (int place = 1; place <= 10; ++place)
    book.add(QString("GPlace%1").arg(place, 2, 10, QChar('0')), placeNumeral(place, fontFamily));
  book.add("GEndBest", crownFireworks());
  book.add("GEndGood", trophyStars());
  book.add("GEndBads", sadCard());
}

}  // namespace art
