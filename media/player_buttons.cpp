#include "media/player_buttons.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "media/online_music.h"

namespace zembra {
namespace {

// Drawn in the base button's units: a 61 × 61 square.
constexpr double kUnit = kPlayerButtonSize;
constexpr double kMid = kUnit / 2.0;

QPainterPath SignOf(const TPlayerLook& look) {
  QPainterPath sign;
  // Overlapping parts (the plus's bars, the next sign's triangles) join.
  sign.setFillRule(Qt::WindingFill);
  auto triangle = [&sign](double left, double top, double right) {
    QPolygonF t;
    t << QPointF(left, top) << QPointF(left, kUnit - top) << QPointF(right, kMid) << QPointF(left, top);
    sign.addPolygon(t);
  };
  switch (look.Picture) {
    case TPlayerPicture::Play: triangle(24.5, 18.5, 43.0); break;
    case TPlayerPicture::Pause:
      sign.addRoundedRect(QRectF(21.5, 19.5, 7.0, 22.0), 1.6, 1.6);
      sign.addRoundedRect(QRectF(32.5, 19.5, 7.0, 22.0), 1.6, 1.6);
      break;
    case TPlayerPicture::Next:
      triangle(16.5, 20.5, 29.5);
      triangle(28.5, 20.5, 41.5);
      sign.addRoundedRect(QRectF(41.0, 20.5, 4.5, 20.0), 1.2, 1.2);
      break;
    case TPlayerPicture::Volume: {
      // A loudspeaker in the middle, minus on the left, plus on the right:
      // where a press makes it softer or louder.
      sign.addRect(QRectF(24.5, 26.5, 4.5, 8.0));
      QPolygonF cone;
      cone << QPointF(28.5, 26.5) << QPointF(35.0, 21.0) << QPointF(35.0, 40.0) << QPointF(28.5, 34.5)
           << QPointF(28.5, 26.5);
      sign.addPolygon(cone);
      sign.addRoundedRect(QRectF(11.5, 29.0, 9.0, 3.0), 1.2, 1.2);
      sign.addRoundedRect(QRectF(40.5, 29.0, 9.0, 3.0), 1.2, 1.2);
      sign.addRoundedRect(QRectF(43.5, 26.0, 3.0, 9.0), 1.2, 1.2);
      break;
    }
  }
  return sign.simplified();
}

}  // namespace

QPixmap PlayerPicture(const TPlayerLook& look, int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kUnit, size / kUnit);
  if (look.Down) p.translate(0.6, 0.8);
  // A soft shadow on the table under the disc.
  QRadialGradient shade(QPointF(kMid + 1.2, kMid + 2.0), 30.5);
  shade.setColorAt(0.85, QColor(0, 0, 0, 110));
  shade.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawEllipse(QPointF(kMid + 1.2, kMid + 2.0), 30.0, 30.0);
  // The gold rim, lit from the top left.
  QLinearGradient rim(QPointF(6, 4), QPointF(54, 58));
  rim.setColorAt(0.0, look.Hover ? QColor(255, 246, 200) : QColor(255, 234, 160));
  rim.setColorAt(0.45, look.Hover ? QColor(230, 180, 70) : QColor(205, 155, 50));
  rim.setColorAt(1.0, QColor(115, 75, 18));
  p.setBrush(rim);
  p.drawEllipse(QPointF(kMid, kMid), 28.6, 28.6);
  // The deep green face, the table's colour.
  QRadialGradient face(QPointF(24, 21), 34);
  face.setColorAt(0.0, look.Hover ? QColor(74, 165, 96) : QColor(52, 135, 74));
  face.setColorAt(1.0, look.Down ? QColor(4, 30, 14) : QColor(8, 48, 24));
  p.setBrush(face);
  p.setPen(QPen(QColor(60, 35, 5, 170), 0.9));
  p.drawEllipse(QPointF(kMid, kMid), 25.2, 25.2);
  if (look.Picture == TPlayerPicture::Volume) {
    // The volume as a lit arc from the lower left, over the top, to the
    // lower right.
    const QRectF arc(kMid - 23.0, kMid - 23.0, 46.0, 46.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 86, 30, 170), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(arc, 225 * 16, -270 * 16);
    const int lit = std::clamp(look.Volume, 0, 100) * 270 / 100;
    if (lit > 0) {
      p.setPen(QPen(QColor(255, 214, 90), 2.4, Qt::SolidLine, Qt::RoundCap));
      p.drawArc(arc, 225 * 16, -lit * 16);
    }
  }
  // The sign in gold with a dark edge below it.
  const QPainterPath sign = SignOf(look);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 120));
  p.drawPath(sign.translated(0.8, 1.2));
  QLinearGradient gold(QPointF(0, 18), QPointF(0, 43));
  gold.setColorAt(0.0, QColor(255, 240, 170));
  gold.setColorAt(1.0, QColor(222, 162, 48));
  p.setBrush(gold);
  p.setPen(QPen(QColor(120, 78, 10, 160), 0.6));
  p.drawPath(sign);
  // Gloss on the upper half of the face.
  QLinearGradient gloss(QPointF(0, 6), QPointF(0, 30));
  gloss.setColorAt(0.0, QColor(255, 255, 255, 95));
  gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(gloss);
  p.drawEllipse(QRectF(13.0, 7.0, 35.0, 21.0));
  return pm;
}

TPlayerButton::TPlayerButton(TPlayerPicture picture, QWidget* parent) : QAbstractButton(parent) {
  Look.Picture = picture;
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
}

void TPlayerButton::SetPicture(TPlayerPicture picture) {
  if (Look.Picture == picture) return;
  Look.Picture = picture;
  update();
}

void TPlayerButton::SetVolume(int volume) {
  if (Look.Volume == volume) return;
  Look.Volume = volume;
  update();
}

void TPlayerButton::paintEvent(QPaintEvent*) {
  TPlayerLook look = Look;
  look.Down = isDown();
  const int size = std::min(width(), height());
  QPainter p(this);
  p.drawPixmap((width() - size) / 2, (height() - size) / 2, PlayerPicture(look, size));
}

void TPlayerButton::enterEvent(QEnterEvent* e) {
  Look.Hover = true;
  update();
  QAbstractButton::enterEvent(e);
}

void TPlayerButton::leaveEvent(QEvent* e) {
  Look.Hover = false;
  update();
  QAbstractButton::leaveEvent(e);
}

void TPlayerButton::mousePressEvent(QMouseEvent* e) {
  PressX = static_cast<int>(e->position().x());
  QAbstractButton::mousePressEvent(e);
}

}  // namespace zembra
