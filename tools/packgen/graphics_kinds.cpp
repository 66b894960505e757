// The kind-of-game pictures of the general-score window, 70 x 70 animated
// GIF on a lacquer tile with a gold rim. A rated game of the online club
// shows "GifA" (a turning globe with a star) and "GifB" (a card fan opening
// and closing); an ordinary game "GifC" (a player by the account's glowing
// lamp) and "GifF" (the club's emblem); a tournament "GifE" (a cup with a
// running glint); a net duel "GifG" (crossed swords with a spark).
#include "graphics_kit.h"
#include "graphics_parts.h"
#include "paint_kit.h"

#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace packgen {

namespace {

using namespace gfx;

constexpr int kFrames = 8;
const QColor kMatte(16, 12, 10);

QPainterPath star(QPointF c, double r, double inner, double turn = 0) {
  QPainterPath path;
  for (int k = 0; k < 10; ++k) {
    const double a = -M_PI / 2 + k * M_PI / 5 + turn;
    const double rr = k % 2 ? r * inner : r;
    const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * rr;
    if (k == 0) path.moveTo(pt); else path.lineTo(pt);
  }
  path.closeSubpath();
  return path;
}

QPainterPath glint(QPointF c, double r) {
  QPainterPath path;
  const double k = r * 0.22;
  path.moveTo(c.x(), c.y() - r);
  path.quadTo(c.x() + k, c.y() - k, c.x() + r, c.y());
  path.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + r);
  path.quadTo(c.x() - k, c.y() + k, c.x() - r, c.y());
  path.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - r);
  return path;
}

void goldShape(QPainter& p, const QPainterPath& path, const QRectF& area) {
  art::softShadow(p, path, QPointF(1, 1.5), 2, QColor(0, 0, 0, 200));
  p.fillPath(path, goldGradient(area));
  p.strokePath(path, QPen(QColor(80, 46, 6), 0.8));
}

QImage tile() {
  QImage img = art::canvas(70, 70);
  QPainter p(&img);
  art::smooth(p);
  const QPainterPath shape = art::roundedRect(QRectF(1.5, 1.5, 67, 67), 10);
  QRadialGradient g(QPointF(35, 26), 46);
  g.setColorAt(0, QColor(52, 42, 32));
  g.setColorAt(1, QColor(12, 9, 7));
  p.fillPath(shape, g);
  p.strokePath(shape, QPen(QBrush(goldGradient(QRectF(0, 0, 70, 70))), 1.8));
  p.strokePath(art::roundedRect(QRectF(5, 5, 60, 60), 7), QPen(QColor(200, 150, 60, 110), 0.7));
  return img;
}

// --- the suits for the card fan ---
QPainterPath heart(double s) {
  QPainterPath h;
  h.moveTo(0, s * 0.45);
  h.cubicTo(-s * 0.9, -s * 0.1, -s * 0.45, -s * 0.75, 0, -s * 0.25);
  h.cubicTo(s * 0.45, -s * 0.75, s * 0.9, -s * 0.1, 0, s * 0.45);
  return h;
}
QPainterPath diamond(double s) {
  QPainterPath d;
  d.moveTo(0, -s * 0.55);
  d.lineTo(s * 0.4, 0);
  d.lineTo(0, s * 0.55);
  d.lineTo(-s * 0.4, 0);
  d.closeSubpath();
  return d;
}
QPainterPath spade(double s) {
  QPainterPath h = QTransform::fromScale(1, -1).map(heart(s));
  h.translate(0, -s * 0.05);
  QPainterPath stem;
  stem.moveTo(-s * 0.05, s * 0.2);
  stem.lineTo(-s * 0.22, s * 0.55);
  stem.lineTo(s * 0.22, s * 0.55);
  stem.lineTo(s * 0.05, s * 0.2);
  stem.closeSubpath();
  return h.united(stem);
}
QPainterPath club(double s) {
  QPainterPath c;
  const double r = s * 0.23;
  c.addEllipse(QPointF(0, -s * 0.25), r, r);
  c.addEllipse(QPointF(-s * 0.24, s * 0.08), r, r);
  c.addEllipse(QPointF(s * 0.24, s * 0.08), r, r);
  QPainterPath stem;
  stem.moveTo(-s * 0.05, 0);
  stem.lineTo(-s * 0.2, s * 0.55);
  stem.lineTo(s * 0.2, s * 0.55);
  stem.lineTo(s * 0.05, 0);
  stem.closeSubpath();
  c.setFillRule(Qt::WindingFill);
  return c.united(stem);
}

// A: a globe turning under gold meridians with a twinkling star.
void globe(QPainter& p, double ph) {
  const QPointF c(33, 38);
  const double R = 20;
  QPainterPath ball;
  ball.addEllipse(c, R, R);
  art::softShadow(p, ball, QPointF(1, 2), 3, QColor(0, 0, 0, 220));
  QRadialGradient sea(c + QPointF(-7, -8), R * 1.5);
  sea.setColorAt(0, QColor(110, 190, 200));
  sea.setColorAt(0.5, QColor(20, 90, 110));
  sea.setColorAt(1, QColor(4, 28, 40));
  p.fillPath(ball, sea);
  p.save();
  p.setClipPath(ball);
  // Meridians drift round: their widths follow the turning longitude.
  for (int k = 0; k < 6; ++k) {
    const double lon = (k + ph) * M_PI / 6;
    const double w = R * std::fabs(std::cos(lon));
    p.setPen(QPen(QColor(240, 200, 100, 150 + static_cast<int>(80 * std::sin(lon))), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, w, R);
  }
  for (double lat : {-0.5, 0.0, 0.5}) {
    const double y = c.y() + R * std::sin(lat * 1.2);
    const double w = R * std::cos(lat * 1.2);
    p.drawEllipse(QPointF(c.x(), y), w, w * 0.18);
  }
  p.restore();
  p.strokePath(ball, QPen(QBrush(goldGradient(ball.boundingRect())), 1.6));
  // The star on top, breathing.
  const double pulse = 0.5 + 0.5 * std::sin(ph * 2 * M_PI);
  const QPainterPath st = star(QPointF(52, 17), 9 + 1.5 * pulse, 0.45);
  goldShape(p, st, st.boundingRect());
  p.setOpacity(pulse);
  p.fillPath(glint(QPointF(49, 13), 5), QColor(255, 252, 230));
  p.setOpacity(1);
}

// B: a fan of five cards opening and closing.
void cardFan(QPainter& p, double ph) {
  const double spread = 11 + 7 * std::sin(ph * 2 * M_PI);
  const std::function<QPainterPath(double)> suits[5] = {spade, heart, club, diamond, spade};
  const bool red[5] = {false, true, false, true, false};
  for (int k = 0; k < 5; ++k) {
    p.save();
    p.translate(35, 58);
    p.rotate((k - 2) * spread);
    const QRectF card(-10, -40, 20, 29);
    const QPainterPath shape = art::roundedRect(card, 2.5);
    art::softShadow(p, shape, QPointF(1, 1), 2, QColor(0, 0, 0, 180));
    QLinearGradient paper(card.topLeft(), card.bottomRight());
    paper.setColorAt(0, QColor(255, 253, 244));
    paper.setColorAt(1, QColor(226, 218, 196));
    p.fillPath(shape, paper);
    p.strokePath(shape, QPen(QColor(150, 110, 40), 0.8));
    const QColor ink = red[k] ? QColor(190, 20, 30) : QColor(20, 20, 26);
    // A small pip in the corner that shows in the fan, a big one in the middle.
    p.fillPath(suits[k](5).translated(-6, -35), ink);
    p.translate(0, -24);
    p.fillPath(suits[k](11), ink);
    p.restore();
  }
}

// C: a tournament cup with a glint running over it.
void cup(QPainter& p, double ph) {
  QPainterPath bowl;
  bowl.moveTo(19, 13);
  bowl.lineTo(51, 13);
  bowl.cubicTo(51, 30, 45, 39, 38, 41);
  bowl.lineTo(37, 47);
  bowl.cubicTo(37, 50, 42, 52, 44, 53);
  bowl.lineTo(46, 57);
  bowl.lineTo(24, 57);
  bowl.lineTo(26, 53);
  bowl.cubicTo(28, 52, 33, 50, 33, 47);
  bowl.lineTo(32, 41);
  bowl.cubicTo(25, 39, 19, 30, 19, 13);
  bowl.closeSubpath();
  QPainterPath handles;
  handles.moveTo(20, 17);
  handles.cubicTo(9, 16, 9, 30, 24, 33);
  handles.moveTo(50, 17);
  handles.cubicTo(61, 16, 61, 30, 46, 33);
  QPainterPathStroker stroker;
  stroker.setWidth(2.6);
  stroker.setCapStyle(Qt::RoundCap);
  const QPainterPath whole = bowl.united(stroker.createStroke(handles));
  goldShape(p, whole, QRectF(0, 12, 70, 46));
  // A plinth band and a star on the bowl.
  p.fillRect(QRectF(23, 57, 24, 4), QColor(40, 26, 10));
  p.fillRect(QRectF(23, 57, 24, 1), QColor(200, 150, 60));
  p.fillPath(star(QPointF(35, 24), 5.5, 0.45), QColor(120, 70, 8));
  // The glint: a bright slanted band clipped to the cup.
  p.save();
  p.setClipPath(whole);
  // Slanted: it runs from the top left to the bottom right across the cup.
  const double x = -15 + ph * 100;
  QLinearGradient band(QPointF(x - 6, 35 - 6), QPointF(x + 6, 35 + 6));
  band.setColorAt(0, QColor(255, 255, 240, 0));
  band.setColorAt(0.5, QColor(255, 255, 240, 150));
  band.setColorAt(1, QColor(255, 255, 240, 0));
  p.fillRect(QRectF(0, 0, 70, 70), band);
  p.restore();
  const double tw = std::max(0.0, std::sin(ph * 2 * M_PI));
  p.setOpacity(tw);
  p.fillPath(glint(QPointF(47, 15), 6), QColor(255, 252, 230));
  p.setOpacity(1);
}

// One sword pointing up from the origin's grip.
QPainterPath swordBlade() {
  QPainterPath b;
  b.moveTo(-2.2, 0);
  b.lineTo(-2.2, -30);
  b.lineTo(0, -35);
  b.lineTo(2.2, -30);
  b.lineTo(2.2, 0);
  b.closeSubpath();
  return b;
}

// F: crossed swords with a spark where they meet.
void swords(QPainter& p, double ph) {
  for (int side = 0; side < 2; ++side) {
    p.save();
    p.translate(35, 36);
    p.rotate(side ? 45 : -45);
    p.translate(0, 17);
    const QPainterPath blade = swordBlade();
    art::softShadow(p, blade, QPointF(1, 1.5), 2, QColor(0, 0, 0, 200));
    QLinearGradient steel(QPointF(-2.2, 0), QPointF(2.2, 0));
    steel.setColorAt(0, QColor(250, 252, 255));
    steel.setColorAt(0.5, QColor(170, 180, 196));
    steel.setColorAt(1, QColor(90, 96, 110));
    p.fillPath(blade, steel);
    p.strokePath(blade, QPen(QColor(40, 40, 50), 0.6));
    QPainterPath hilt;
    hilt.addRoundedRect(QRectF(-8, -1, 16, 3.4), 1.5, 1.5);
    hilt.addEllipse(QPointF(0, 11.5), 2.6, 2.6);
    goldShape(p, hilt, QRectF(-8, -2, 16, 16));
    p.fillRect(QRectF(-1.6, 2.4, 3.2, 7), QColor(90, 40, 20));
    p.restore();
  }
  const double pulse = 0.5 + 0.5 * std::cos(ph * 2 * M_PI);
  QRadialGradient flash(QPointF(35, 36), 7 + 7 * pulse);
  flash.setColorAt(0, QColor(255, 240, 190, static_cast<int>(200 * pulse)));
  flash.setColorAt(1, QColor(255, 200, 80, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(flash);
  p.drawEllipse(QPointF(35, 36), 7 + 7 * pulse, 7 + 7 * pulse);
  p.save();
  p.translate(35, 36);
  p.rotate(ph * 90);
  p.fillPath(glint(QPointF(0, 0), 2 + 5 * pulse), QColor(255, 252, 232, 120 + static_cast<int>(135 * pulse)));
  p.restore();
}

// E: the account: a figure sitting by a lamp whose light breathes.
void account(QPainter& p, double ph) {
  const double glow = 0.75 + 0.25 * std::sin(ph * 2 * M_PI);
  QRadialGradient light(QPointF(50, 24), 30);
  light.setColorAt(0, QColor(255, 200, 100, static_cast<int>(150 * glow)));
  light.setColorAt(1, QColor(255, 160, 60, 0));
  p.fillRect(QRectF(4, 4, 62, 62), light);
  // The figure: head and shoulders, lit from the lamp's side.
  QPainterPath figure;
  figure.addEllipse(QPointF(27, 28), 8, 9);
  QPainterPath body;
  body.moveTo(10, 60);
  body.cubicTo(10, 44, 17, 39, 27, 39);
  body.cubicTo(37, 39, 44, 44, 44, 60);
  body.closeSubpath();
  figure = figure.united(body);
  QLinearGradient lit(QPointF(44, 0), QPointF(10, 0));
  lit.setColorAt(0, QColor(200, 150, 80).darker(static_cast<int>(100 + 60 * (1 - glow))));
  lit.setColorAt(0.45, QColor(70, 50, 30));
  lit.setColorAt(1, QColor(24, 18, 12));
  art::softShadow(p, figure, QPointF(1, 1.5), 2, QColor(0, 0, 0, 200));
  p.fillPath(figure, lit);
  p.strokePath(figure, QPen(QColor(230, 180, 80, 160), 0.8));
  // The lamp: a gold stand and a shade with the bulb showing below.
  QPainterPath stand;
  stand.addRect(QRectF(55, 30, 2, 26));
  stand.addRoundedRect(QRectF(49, 55, 14, 3.5), 1.5, 1.5);
  goldShape(p, stand, QRectF(48, 28, 16, 32));
  QRadialGradient bulb(QPointF(56, 27), 5);
  bulb.setColorAt(0, QColor(255, 255, 230));
  bulb.setColorAt(1, QColor(255, 200, 90, 0));
  p.setBrush(bulb);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(56, 27), 5 * glow + 1, 5 * glow + 1);
  QPainterPath shade;
  shade.moveTo(50, 25);
  shade.lineTo(53, 14);
  shade.lineTo(59, 14);
  shade.lineTo(62, 25);
  shade.closeSubpath();
  goldShape(p, shade, QRectF(48, 12, 16, 14));
}

// G: the neutral emblem: a gold lozenge in a ring, a shimmer round it.
void emblem(QPainter& p, double ph) {
  const QPointF c(35, 35);
  QPainterPath ring;
  ring.addEllipse(c, 22, 22);
  ring.addEllipse(c, 19, 19);
  ring.setFillRule(Qt::OddEvenFill);
  goldShape(p, ring, QRectF(13, 13, 44, 44));
  QPainterPath lozenge;
  lozenge.moveTo(35, 19);
  lozenge.lineTo(47, 35);
  lozenge.lineTo(35, 51);
  lozenge.lineTo(23, 35);
  lozenge.closeSubpath();
  goldShape(p, lozenge, QRectF(23, 19, 24, 32));
  QRadialGradient baize(c, 8);
  baize.setColorAt(0, QColor(60, 160, 90));
  baize.setColorAt(1, QColor(8, 60, 30));
  p.setBrush(baize);
  p.setPen(QPen(QColor(255, 236, 170), 0.8));
  p.drawEllipse(c, 5, 5);
  const double a = ph * 2 * M_PI - M_PI / 2;
  p.fillPath(glint(c + QPointF(std::cos(a), std::sin(a)) * 20.5, 5.5), QColor(255, 252, 230));
}

QByteArray animation(const std::function<void(QPainter&, double)>& draw) {
  std::vector<QImage> frames;
  const QImage base = tile();
  for (int i = 0; i < kFrames; ++i) {
    QImage img = base;
    QPainter p(&img);
    art::smooth(p);
    draw(p, static_cast<double>(i) / kFrames);
    p.end();
    frames.push_back(img);
  }
  const QByteArray gif = encodeGif(frames, 12, kMatte);
  if (gif.isEmpty()) throw PackError("cannot write an animated GIF");
  return gif;
}

}  // namespace

void AddKindPictures(TPackWriter& pack) {
  pack.AddRaw("GifA", "GIF", animation(globe));
  pack.AddRaw("GifB", "GIF", animation(cardFan));
  pack.AddRaw("GifC", "GIF", animation(account));
  pack.AddRaw("GifF", "GIF", animation(emblem));
  pack.AddRaw("GifE", "GIF", animation(cup));
  pack.AddRaw("GifG", "GIF", animation(swords));
}

}  // namespace packgen
