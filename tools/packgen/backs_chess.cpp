// "Chess": a chequered board round an oval with a chessman, a different
// piece each weekday. "Knightly": a shield with its charge on crossed
// swords over a vair field, each weekday its own arms.
#include "backs_parts.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen::backs {

namespace {

// ---- Chess ----

struct TBoardColours {
  QColor dark, light, frame;
};

const TBoardColours kBoards[7] = {
    {QColor(150, 30, 36), QColor(232, 206, 170), QColor(226, 186, 100)},
    {QColor(34, 64, 130), QColor(214, 222, 236), QColor(222, 190, 110)},
    {QColor(40, 104, 62), QColor(226, 222, 190), QColor(226, 196, 110)},
    {QColor(44, 40, 38), QColor(214, 198, 168), QColor(216, 176, 96)},
    {QColor(120, 70, 34), QColor(236, 210, 164), QColor(236, 206, 140)},
    {QColor(84, 42, 120), QColor(224, 212, 232), QColor(232, 198, 120)},
    {QColor(24, 100, 110), QColor(216, 232, 226), QColor(232, 210, 140)},
};

// The pedestal every chessman stands on, unit high, feet at y = 0.5.
void AddPedestal(QPainterPath& path) {
  path.addRoundedRect(QRectF(-0.3, 0.38, 0.6, 0.12), 0.04, 0.04);
  path.addRoundedRect(QRectF(-0.22, 0.29, 0.44, 0.1), 0.03, 0.03);
}

// A body rising from the pedestal to a neck of half-width neck at y = top.
void AddBody(QPainterPath& path, double top, double neck, double foot = 0.17) {
  QPainterPath body;
  body.moveTo(-foot, 0.3);
  body.cubicTo(-foot + 0.02, 0.12, -neck, top + 0.15, -neck, top);
  body.lineTo(neck, top);
  body.cubicTo(neck, top + 0.15, foot - 0.02, 0.12, foot, 0.3);
  body.closeSubpath();
  path.addPath(body);
}

QPainterPath Knight() {
  QPainterPath head;
  head.moveTo(0.22, 0.3);
  head.cubicTo(0.3, 0.02, 0.28, -0.3, 0.06, -0.41);
  head.lineTo(0.04, -0.5);
  head.lineTo(-0.03, -0.41);
  head.cubicTo(-0.16, -0.36, -0.25, -0.2, -0.31, -0.07);
  head.cubicTo(-0.34, 0.0, -0.3, 0.05, -0.24, 0.05);
  head.cubicTo(-0.18, 0.05, -0.12, 0.0, -0.02, -0.04);
  head.cubicTo(-0.1, 0.08, -0.17, 0.18, -0.18, 0.3);
  head.closeSubpath();
  return head;
}

// Chessman silhouettes one unit high centred on the origin; kind 0..6.
QPainterPath Chessman(int kind) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  switch (kind) {
    case 0:  // king
      AddPedestal(path);
      AddBody(path, -0.18, 0.09);
      path.addRoundedRect(QRectF(-0.17, -0.24, 0.34, 0.08), 0.03, 0.03);
      {
        QPainterPath crown;
        crown.moveTo(-0.15, -0.23);
        crown.cubicTo(-0.22, -0.3, -0.2, -0.38, -0.1, -0.36);
        crown.lineTo(0.1, -0.36);
        crown.cubicTo(0.2, -0.38, 0.22, -0.3, 0.15, -0.23);
        crown.closeSubpath();
        path.addPath(crown);
      }
      path.addRect(QRectF(-0.035, -0.5, 0.07, 0.15));
      path.addRect(QRectF(-0.09, -0.46, 0.18, 0.06));
      break;
    case 1:  // queen
      AddPedestal(path);
      AddBody(path, -0.18, 0.09);
      path.addRoundedRect(QRectF(-0.16, -0.24, 0.32, 0.08), 0.03, 0.03);
      {
        QPainterPath crown;
        crown.moveTo(-0.15, -0.22);
        crown.lineTo(-0.22, -0.4);
        crown.lineTo(-0.1, -0.3);
        crown.lineTo(0, -0.44);
        crown.lineTo(0.1, -0.3);
        crown.lineTo(0.22, -0.4);
        crown.lineTo(0.15, -0.22);
        crown.closeSubpath();
        path.addPath(crown);
        for (double x : {-0.22, 0.0, 0.22}) path.addEllipse(QPointF(x, x == 0.0 ? -0.46 : -0.42), 0.045, 0.045);
      }
      break;
    case 2:  // rook
      AddPedestal(path);
      AddBody(path, -0.2, 0.13, 0.19);
      {
        QPainterPath top;
        top.moveTo(-0.2, -0.18);
        top.lineTo(-0.2, -0.42);
        top.lineTo(-0.12, -0.42);
        top.lineTo(-0.12, -0.34);
        top.lineTo(-0.04, -0.34);
        top.lineTo(-0.04, -0.42);
        top.lineTo(0.04, -0.42);
        top.lineTo(0.04, -0.34);
        top.lineTo(0.12, -0.34);
        top.lineTo(0.12, -0.42);
        top.lineTo(0.2, -0.42);
        top.lineTo(0.2, -0.18);
        top.closeSubpath();
        path.addPath(top);
      }
      break;
    case 3:  // bishop
      AddPedestal(path);
      AddBody(path, -0.1, 0.07);
      path.addEllipse(QPointF(0, -0.11), 0.13, 0.035);
      {
        QPainterPath mitre;
        mitre.moveTo(0, -0.42);
        mitre.cubicTo(0.16, -0.3, 0.16, -0.16, 0.1, -0.13);
        mitre.lineTo(-0.1, -0.13);
        mitre.cubicTo(-0.16, -0.16, -0.16, -0.3, 0, -0.42);
        mitre.closeSubpath();
        QPainterPath slit;
        slit.moveTo(0.1, -0.33);
        slit.lineTo(0.0, -0.22);
        slit.lineTo(0.03, -0.2);
        slit.lineTo(0.12, -0.3);
        slit.closeSubpath();
        path.addPath(Subtracted(mitre, slit));
      }
      path.addEllipse(QPointF(0, -0.46), 0.045, 0.045);
      break;
    case 4:  // knight
      AddPedestal(path);
      path.addPath(Knight());
      break;
    case 5:  // pawn
      AddPedestal(path);
      AddBody(path, -0.06, 0.07);
      path.addEllipse(QPointF(0, -0.07), 0.13, 0.04);
      path.addEllipse(QPointF(0, -0.22), 0.13, 0.13);
      break;
    default: {  // two knights face to face
      QPainterPath one;
      AddPedestal(one);
      one.addPath(Knight());
      const QPainterPath left = QTransform().translate(-0.2, 0).scale(0.82, 0.82).map(one);
      path.addPath(QTransform().scale(-1, 1).map(left));
      path.addPath(left);
      break;
    }
  }
  QPainterPath result = Simplified(path);
  if (kind == 4 || kind == 6) {
    // The eye.
    QPainterPath eye;
    eye.addEllipse(QPointF(-0.12, -0.24), 0.03, 0.03);
    if (kind == 6) {
      QPainterPath eyes;
      eyes.addPath(QTransform().translate(-0.2, 0).scale(0.82, 0.82).map(eye));
      eyes.addPath(QTransform().scale(-1, 1).translate(-0.2, 0).scale(0.82, 0.82).map(eye));
      eye = eyes;
    }
    result = Subtracted(result, eye);
  }
  return result;
}

void Chessboard(QPainter& p, const QRectF& panel, double k, const TBoardColours& c, int kind) {
  p.fillRect(panel, c.light);
  const double s = 5.6 * k;
  const QPointF m = panel.center();
  const int n = static_cast<int>(panel.height() / s / 2) + 2;
  for (int j = -n; j <= n; ++j)
    for (int i = -n; i <= n; ++i) {
      if (((i + j) & 1) == 0) continue;
      const QRectF sq(m.x() + (i - 0.5) * s, m.y() + (j - 0.5) * s, s, s);
      QLinearGradient g(sq.topLeft(), sq.bottomRight());
      g.setColorAt(0, c.dark.lighter(118));
      g.setColorAt(1, c.dark);
      p.fillRect(sq, g);
    }
  // The oval with the chessman.
  const QRectF oval = MedallionRect(panel, 0.7, 1.32);
  QRadialGradient og(oval.center() - QPointF(oval.width() * 0.2, oval.height() * 0.2), oval.height() * 0.8);
  og.setColorAt(0, QColor(255, 252, 240));
  og.setColorAt(1, Mix(c.light, QColor(255, 255, 255), 0.3));
  p.setPen(QPen(c.dark.darker(150), 2.6 * k));
  p.setBrush(og);
  p.drawEllipse(oval);
  p.setPen(QPen(c.frame, 1.2 * k));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(oval.adjusted(1.8 * k, 1.8 * k, -1.8 * k, -1.8 * k));
  const double size = oval.height() * 0.66;
  p.save();
  p.translate(oval.center() + QPointF(0, oval.height() * 0.02));
  p.scale(size, size);
  const QPainterPath man = Chessman(kind);
  p.fillPath(man.translated(0.02, 0.025), QColor(0, 0, 0, 45));
  QLinearGradient mg(-0.3, -0.5, 0.3, 0.5);
  mg.setColorAt(0, c.dark.lighter(130));
  mg.setColorAt(1, c.dark.darker(150));
  p.fillPath(man, mg);
  p.restore();
}

// ---- Knightly ----

struct TArms {
  QColor field, charge, vair;
};

const TArms kArms[7] = {
    {QColor(178, 28, 36), QColor(244, 206, 90), QColor(160, 28, 38)},
    {QColor(30, 70, 160), QColor(240, 240, 236), QColor(38, 74, 150)},
    {QColor(30, 120, 64), QColor(244, 206, 90), QColor(30, 100, 58)},
    {QColor(36, 34, 36), QColor(244, 206, 90), QColor(66, 60, 58)},
    {QColor(118, 44, 140), QColor(240, 240, 236), QColor(96, 40, 118)},
    {QColor(30, 70, 160), QColor(244, 206, 90), QColor(158, 32, 40)},
    {QColor(190, 40, 40), QColor(240, 240, 236), QColor(44, 70, 140)},
};

QPainterPath HeaterShield(const QRectF& r) {
  QPainterPath s;
  s.moveTo(r.left(), r.top());
  s.lineTo(r.right(), r.top());
  s.lineTo(r.right(), r.top() + r.height() * 0.42);
  s.cubicTo(r.right(), r.top() + r.height() * 0.78, r.center().x() + r.width() * 0.18, r.bottom() - r.height() * 0.08,
            r.center().x(), r.bottom());
  s.cubicTo(r.center().x() - r.width() * 0.18, r.bottom() - r.height() * 0.08, r.left(), r.top() + r.height() * 0.78,
            r.left(), r.top() + r.height() * 0.42);
  s.closeSubpath();
  return s;
}

// The charge on a shield one unit wide, top at y = 0 (kind 0..6).
QPainterPath Charge(int kind) {
  QPainterPath c;
  c.setFillRule(Qt::WindingFill);
  switch (kind) {
    case 0:  // a cross
      c.addRect(QRectF(-0.1, 0, 0.2, 1.2));
      c.addRect(QRectF(-0.5, 0.36, 1.0, 0.2));
      break;
    case 1: {  // a chevron
      QPolygonF v;
      v << QPointF(-0.5, 0.9) << QPointF(0, 0.3) << QPointF(0.5, 0.9) << QPointF(0.5, 1.15) << QPointF(0, 0.56)
        << QPointF(-0.5, 1.15);
      c.addPolygon(v);
      break;
    }
    case 2:  // three stars, two and one
      for (QPointF at : {QPointF(-0.2, 0.27), QPointF(0.2, 0.27), QPointF(0, 0.68)}) c.addPolygon(Star(at, 0.15, 0.062, 5));
      break;
    case 3: {  // a saltire
      QPainterPath bar;
      bar.addRect(QRectF(-0.09, -0.8, 0.18, 1.6));
      c.addPath(QTransform().translate(0, 0.48).rotate(38).map(bar));
      c.addPath(QTransform().translate(0, 0.48).rotate(-38).map(bar));
      break;
    }
    case 4: {  // a crescent
      QPainterPath outer, inner;
      outer.addEllipse(QPointF(0, 0.5), 0.28, 0.28);
      inner.addEllipse(QPointF(0, 0.38), 0.24, 0.24);
      c.addPath(Subtracted(outer, inner));
      break;
    }
    case 5: {  // a tower
      QPolygonF t;
      t << QPointF(-0.22, 0.85) << QPointF(-0.2, 0.32) << QPointF(-0.26, 0.32) << QPointF(-0.26, 0.16) << QPointF(-0.16, 0.16)
        << QPointF(-0.16, 0.24) << QPointF(-0.05, 0.24) << QPointF(-0.05, 0.16) << QPointF(0.05, 0.16) << QPointF(0.05, 0.24)
        << QPointF(0.16, 0.24) << QPointF(0.16, 0.16) << QPointF(0.26, 0.16) << QPointF(0.26, 0.32) << QPointF(0.2, 0.32)
        << QPointF(0.22, 0.85);
      QPainterPath tower;
      tower.addPolygon(t);
      QPainterPath door;
      door.moveTo(-0.07, 0.85);
      door.lineTo(-0.07, 0.66);
      door.quadTo(0, 0.56, 0.07, 0.66);
      door.lineTo(0.07, 0.85);
      door.closeSubpath();
      c.addPath(Subtracted(tower, door));
      break;
    }
    default:  // a sun
      c.addPolygon(Star(QPointF(0, 0.47), 0.32, 0.17, 12));
      break;
  }
  return Simplified(c);
}

QPainterPath Sword(double length) {
  // Pointing up from the origin (the pommel).
  QPainterPath s;
  const double w = length * 0.045;
  s.addEllipse(QPointF(0, 0), w * 1.2, w * 1.2);
  s.addRect(QRectF(-w * 0.6, -length * 0.2, w * 1.2, length * 0.2));
  s.addRoundedRect(QRectF(-w * 3.2, -length * 0.24, w * 6.4, w * 1.1), w * 0.5, w * 0.5);
  QPolygonF blade;
  blade << QPointF(-w, -length * 0.23) << QPointF(-w * 0.8, -length * 0.92) << QPointF(0, -length)
        << QPointF(w * 0.8, -length * 0.92) << QPointF(w, -length * 0.23);
  s.addPolygon(blade);
  s.setFillRule(Qt::WindingFill);
  return s;
}

void VairField(QPainter& p, const QRectF& panel, double k, const TArms& a) {
  const QColor light(238, 236, 228);
  p.fillRect(panel, light);
  const double w = 6.0 * k, hh = 5.0 * k;
  p.setPen(Qt::NoPen);
  ForGrid(panel, w, hh, true, [&](QPointF at, int, int) {
    QPolygonF bell;
    bell << at + QPointF(-w / 2, hh / 2) << at + QPointF(-w / 2, hh * 0.12) << at + QPointF(-w / 4, -hh * 0.1)
         << at + QPointF(-w / 4, -hh / 2) << at + QPointF(w / 4, -hh / 2) << at + QPointF(w / 4, -hh * 0.1)
         << at + QPointF(w / 2, hh * 0.12) << at + QPointF(w / 2, hh / 2);
    QLinearGradient g(at + QPointF(0, -hh / 2), at + QPointF(0, hh / 2));
    g.setColorAt(0, a.vair.lighter(115));
    g.setColorAt(1, a.vair.darker(110));
    p.setBrush(g);
    p.drawPolygon(bell);
  });
  // Darken the field so the arms stand out.
  QRadialGradient shade(panel.center(), std::max(panel.width(), panel.height()) * 0.7);
  shade.setColorAt(0, QColor(0, 0, 0, 70));
  shade.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(panel, shade);
}

void Arms(QPainter& p, const QRectF& panel, double k, const TArms& a, int kind) {
  VairField(p, panel, k, a);
  const QPointF m = panel.center();
  const double sw = std::min(panel.width() * 0.52, panel.height() * 0.42);
  const double sh = sw * 1.2;
  const QRectF sr(m.x() - sw / 2, m.y() - sh * 0.48, sw, sh);
  // Swords crossed behind the shield, hilts above its corners.
  const QPainterPath sword = Sword(sh * 1.5);
  for (int side : {-1, 1}) {
    QTransform t;
    t.translate(m.x() + side * sw * 0.62, m.y() - sh * 0.7);
    t.rotate(180.0 + side * 34.0);
    const QPainterPath s = t.map(sword);
    p.fillPath(s.translated(0.6 * k, 0.8 * k), QColor(0, 0, 0, 70));
    QLinearGradient g(s.boundingRect().topLeft(), s.boundingRect().topRight());
    g.setColorAt(0, QColor(250, 250, 252));
    g.setColorAt(1, QColor(150, 156, 168));
    p.fillPath(s, g);
    p.strokePath(s, QPen(QColor(60, 60, 70), 0.5 * k));
  }
  // The shield.
  const QPainterPath shield = HeaterShield(sr);
  p.fillPath(shield.translated(0.8 * k, 1.0 * k), QColor(0, 0, 0, 80));
  QLinearGradient fg(sr.topLeft(), sr.bottomRight());
  fg.setColorAt(0, a.field.lighter(125));
  fg.setColorAt(1, a.field.darker(125));
  p.fillPath(shield, fg);
  p.save();
  p.setClipPath(shield);
  p.translate(sr.center().x(), sr.top());
  p.scale(sw, sw);
  const QPainterPath charge = Charge(kind);
  p.fillPath(charge.translated(0.012, 0.015), QColor(0, 0, 0, 60));
  p.fillPath(charge, a.charge);
  p.restore();
  p.strokePath(shield, QPen(QColor(232, 200, 110), 1.4 * k));
  p.strokePath(shield, QPen(QColor(90, 66, 20), 0.4 * k));
}

}  // namespace

QImage ChessBack(int w, int h, int index) {
  const TBoardColours& c = kBoards[(index - 1) % 7];
  TFrame frame;
  frame.rim = c.dark.darker(160);
  frame.line = c.frame;
  return PaintBack(w, h, frame,
                   [&](QPainter& p, const QRectF& panel, double k) { Chessboard(p, panel, k, c, (index - 1) % 7); });
}

QImage KnightlyBack(int w, int h, int index) {
  const TArms& a = kArms[(index - 1) % 7];
  TFrame frame;
  frame.rim = a.vair.darker(180);
  frame.line = QColor(214, 176, 90);
  frame.doubleLine = true;
  return PaintBack(w, h, frame, [&](QPainter& p, const QRectF& panel, double k) { Arms(p, panel, k, a, (index - 1) % 7); });
}

}  // namespace packgen::backs
