// "Other": ten backs of mixed motifs: a starry night, waves, a honeycomb,
// rings, chevrons, a Greek key, triangles, polka dots, a compass rose and
// a basket weave.
#include "backs_parts.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace packgen::backs {

namespace {

double Hash(int i, int salt) {
  unsigned h = static_cast<unsigned>(i) * 2654435761u ^ static_cast<unsigned>(salt) * 40503u;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  return (h & 0xffffff) / 16777215.0;
}

void Gradient(QPainter& p, const QRectF& panel, const QColor& centre, const QColor& edge) {
  QRadialGradient g(panel.center(), std::hypot(panel.width(), panel.height()) * 0.55);
  g.setColorAt(0, centre);
  g.setColorAt(1, edge);
  p.fillRect(panel, g);
}

void StarryNight(QPainter& p, const QRectF& panel, double k) {
  Gradient(p, panel, QColor(40, 50, 120), QColor(8, 12, 44));
  p.setPen(Qt::NoPen);
  // Stars in point symmetry about the middle.
  const QPointF m = panel.center();
  for (int i = 0; i < 40; ++i) {
    const QPointF off((Hash(i, 1) - 0.5) * panel.width(), (Hash(i, 2) - 0.5) * panel.height());
    const double r = (0.8 + 1.6 * Hash(i, 3) * Hash(i, 4)) * k;
    p.setBrush(QColor(255, 246, 200, 150 + static_cast<int>(100 * Hash(i, 5))));
    for (int s : {1, -1}) p.drawPolygon(Star(m + off * s, r * 1.6, r * 0.45, i % 3 ? 4 : 5));
  }
  // The moon and its star.
  const double r = std::min(panel.width(), panel.height()) * 0.2;
  QRadialGradient glow(m, r * 2);
  glow.setColorAt(0, QColor(255, 240, 180, 90));
  glow.setColorAt(1, QColor(255, 240, 180, 0));
  p.setBrush(glow);
  p.drawEllipse(m, r * 2, r * 2);
  QPainterPath moon, bite;
  moon.addEllipse(m, r, r);
  bite.addEllipse(m + QPointF(r * 0.4, -r * 0.25), r * 0.85, r * 0.85);
  p.fillPath(moon.subtracted(bite), QColor(255, 236, 160));
  p.setBrush(QColor(255, 236, 160));
  p.drawPolygon(Star(m + QPointF(r * 0.45, r * 0.05), r * 0.32, r * 0.13, 5));
}

void Seigaiha(QPainter& p, const QRectF& panel, double k) {
  const QColor deep(20, 60, 130), light(236, 242, 248);
  p.fillRect(panel, deep);
  const double r = 6.0 * k;
  const QPointF m = panel.center();
  const int nx = static_cast<int>(panel.width() / r / 2) + 2, ny = static_cast<int>(panel.height() / r * 2) + 3;
  for (int j = -ny; j <= ny; ++j)
    for (int i = -nx; i <= nx; ++i) {
      const QPointF at(m.x() + i * 2 * r + ((j & 1) ? r : 0), m.y() + j * r * 0.5);
      for (int ring = 0; ring < 4; ++ring) {
        const double rr = r * (1.0 - ring * 0.24);
        p.setPen(Qt::NoPen);
        p.setBrush(ring % 2 ? light : QColor(40, 96, 176));
        p.drawPie(QRectF(at.x() - rr, at.y() - rr, 2 * rr, 2 * rr), 0, 180 * 16);
      }
      p.setPen(QPen(deep, 0.5 * k));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    }
}

void Honeycomb(QPainter& p, const QRectF& panel, double k) {
  Gradient(p, panel, QColor(150, 90, 10), QColor(90, 50, 6));
  const double r = 4.2 * k;
  const double dx = r * std::sqrt(3.0), dy = r * 1.5;
  ForGrid(panel, dx, dy, true, [&](QPointF at, int, int) {
    QRadialGradient g(at - QPointF(r * 0.3, r * 0.3), r * 1.2);
    g.setColorAt(0, QColor(255, 214, 90));
    g.setColorAt(1, QColor(222, 150, 20));
    p.setPen(QPen(QColor(110, 60, 8), 0.7 * k));
    p.setBrush(g);
    p.drawPolygon(RegularPolygon(at, r * 0.94, 6));
  });
  // A bee in the middle.
  const QPointF m = panel.center();
  const double s = std::min(panel.width(), panel.height()) * 0.22;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(m + QPointF(-s * 0.45, -s * 0.5), s * 0.5, s * 0.3);
  p.drawEllipse(m + QPointF(s * 0.45, -s * 0.5), s * 0.5, s * 0.3);
  QPainterPath body;
  body.addEllipse(m, s * 0.45, s * 0.7);
  p.fillPath(body, QColor(250, 200, 40));
  p.save();
  p.setClipPath(body);
  for (int i = -1; i <= 1; ++i) p.fillRect(QRectF(m.x() - s, m.y() + i * s * 0.36 - s * 0.08, 2 * s, s * 0.18), QColor(40, 30, 20));
  p.restore();
  p.setBrush(QColor(40, 30, 20));
  p.drawEllipse(m + QPointF(0, -s * 0.78), s * 0.28, s * 0.24);
  p.strokePath(body, QPen(QColor(40, 30, 20), 0.6 * k));
}

void Rings(QPainter& p, const QRectF& panel, double k) {
  const QColor a(20, 110, 120), b(240, 232, 210);
  p.fillRect(panel, a);
  const QPointF m = panel.center();
  const double step = 4.0 * k;
  const double far = std::hypot(panel.width(), panel.height()) / 2 + step;
  for (int i = static_cast<int>(far / step); i >= 1; --i) {
    const double r = i * step;
    p.setPen(QPen(QColor(220, 180, 90), 0.5 * k));
    p.setBrush(i % 2 ? a : b);
    p.drawEllipse(m, r, r * 1.25);
  }
  // Eight petals across the rings.
  for (int i = 0; i < 8; ++i) {
    p.save();
    p.translate(m);
    p.rotate(i * 45.0);
    QPainterPath petal;
    const double len = std::min(panel.width(), panel.height()) * 0.34;
    petal.moveTo(0, 0);
    petal.cubicTo(len * 0.25, -len * 0.3, len * 0.12, -len * 0.8, 0, -len);
    petal.cubicTo(-len * 0.12, -len * 0.8, -len * 0.25, -len * 0.3, 0, 0);
    p.setPen(QPen(QColor(120, 60, 20), 0.5 * k));
    p.setBrush(QColor(230, 110, 50, 220));
    p.drawPath(petal);
    p.restore();
  }
  p.setBrush(QColor(240, 200, 90));
  p.drawEllipse(m, 3 * k, 3 * k);
}

void Chevrons(QPainter& p, const QRectF& panel, double k) {
  const QColor colours[3] = {QColor(226, 90, 70), QColor(248, 236, 214), QColor(30, 50, 90)};
  const double band = 3.4 * k, tooth = 5.0 * k;
  const QPointF m = panel.center();
  const int n = static_cast<int>(panel.height() / band) + 6;
  for (int i = -n; i <= n; ++i) {
    QPolygonF z;
    const double y = m.y() + i * band;
    const int teeth = static_cast<int>(panel.width() / tooth) + 4;
    for (int t = -teeth; t <= teeth; ++t) z << QPointF(m.x() + t * tooth, y + ((t & 1) ? -tooth * 0.55 : 0));
    for (int t = teeth; t >= -teeth; --t) z << QPointF(m.x() + t * tooth, y + band + ((t & 1) ? -tooth * 0.55 : 0));
    p.setPen(Qt::NoPen);
    p.setBrush(colours[((i % 4) + 4) % 4 == 3 ? 1 : ((i % 4) + 4) % 4]);
    p.drawPolygon(z);
  }
}

void GreekKey(QPainter& p, const QRectF& panel, double k) {
  const QColor ground(24, 30, 40), gold(226, 186, 100);
  p.fillRect(panel, ground);
  const double u = 1.6 * k;  // one stroke of the key
  const double cell = 6 * u, rowH = 7 * u;
  const QPointF m = panel.center();
  const int rows = static_cast<int>(panel.height() / rowH / 2) + 2, cols = static_cast<int>(panel.width() / cell / 2) + 2;
  p.setPen(QPen(gold, u * 0.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  for (int r = -rows; r <= rows; ++r) {
    const double y = m.y() + r * rowH * 1.6;
    QPainterPath key;
    const double x0 = m.x() - cols * cell - cell / 2;
    key.moveTo(x0, y + 2.5 * u);
    key.lineTo(x0 + (2 * cols + 2) * cell, y + 2.5 * u);
    for (int c = 0; c < 2 * cols + 2; ++c) {
      // One hook of the key spiralling in from the base line.
      const double x = x0 + c * cell;
      key.moveTo(x, y + 2.5 * u);
      key.lineTo(x, y - 2.5 * u);
      key.lineTo(x + 4 * u, y - 2.5 * u);
      key.lineTo(x + 4 * u, y + 0.5 * u);
      key.lineTo(x + 1.8 * u, y + 0.5 * u);
      key.lineTo(x + 1.8 * u, y - 0.9 * u);
    }
    p.drawPath(key);
    // Rows of little rosettes between the bands.
    for (int c = -cols; c <= cols; ++c) {
      const QPointF at(m.x() + c * cell, y + rowH * 0.8);
      p.save();
      p.setPen(Qt::NoPen);
      p.setBrush(WithAlpha(gold, 0.8));
      p.drawPolygon(Star(at, 1.7 * k, 0.7 * k, 4));
      p.restore();
    }
  }
}

void Triangles(QPainter& p, const QRectF& panel, double k) {
  const QColor shades[4] = {QColor(60, 40, 110), QColor(110, 70, 170), QColor(190, 110, 200), QColor(240, 190, 90)};
  const double s = 7.0 * k, h = s * 0.866;
  const QPointF m = panel.center();
  const int ny = static_cast<int>(panel.height() / h / 2) + 2, nx = static_cast<int>(panel.width() / s / 2) + 3;
  p.setPen(QPen(QColor(30, 20, 50), 0.4 * k));
  for (int j = -ny; j <= ny; ++j)
    for (int i = -nx; i <= nx; ++i) {
      const double x = m.x() + i * s / 2, y = m.y() + j * h;
      const bool up = ((i + j) & 1) == 0;
      QPolygonF t;
      if (up)
        t << QPointF(x, y - h / 2) << QPointF(x + s / 2, y + h / 2) << QPointF(x - s / 2, y + h / 2);
      else
        t << QPointF(x - s / 2, y - h / 2) << QPointF(x + s / 2, y - h / 2) << QPointF(x, y + h / 2);
      // Hexagonal rings of colour around the middle, like a kaleidoscope.
      const QPointF mid = (t[0] + t[1] + t[2]) / 3 - m;
      double hex = 0;
      for (int e = 0; e < 3; ++e) {
        const double a = kPi / 3 * e;
        hex = std::max(hex, std::abs(mid.x() * std::cos(a) + mid.y() * std::sin(a)));
      }
      const int ring = static_cast<int>(hex / (h * 0.98));
      p.setBrush(up ? shades[ring % 4] : shades[ring % 4].darker(118));
      p.drawPolygon(t);
    }
}

void Polka(QPainter& p, const QRectF& panel, double k) {
  Gradient(p, panel, QColor(210, 40, 50), QColor(130, 16, 28));
  ForGrid(panel, 8.0 * k, 4.6 * k, true, [&](QPointF at, int i, int j) {
    p.setPen(Qt::NoPen);
    if ((i + j) & 1) {
      p.setBrush(QColor(252, 246, 232));
      p.drawEllipse(at, 2.3 * k, 2.3 * k);
    } else {
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(252, 230, 200), 0.7 * k));
      p.drawEllipse(at, 1.4 * k, 1.4 * k);
    }
  });
}

void Compass(QPainter& p, const QRectF& panel, double k) {
  Gradient(p, panel, QColor(30, 60, 110), QColor(10, 22, 50));
  const QPointF m = panel.center();
  const double far = std::hypot(panel.width(), panel.height());
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 32; i += 2) {
    const double a0 = 2 * kPi * i / 32, a1 = 2 * kPi * (i + 1) / 32;
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawPolygon(QPolygonF({m, m + QPointF(std::cos(a0), std::sin(a0)) * far, m + QPointF(std::cos(a1), std::sin(a1)) * far}));
  }
  const double r = std::min(panel.width() * 0.46, panel.height() * 0.36);
  p.setPen(QPen(QColor(226, 190, 110), 0.7 * k));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(m, r * 0.8, r * 0.8);
  p.drawEllipse(m, r * 0.74, r * 0.74);
  // An eight-point star in two tones, each point split into a light and dark half.
  auto points = [&](double len, double turn, const QColor& light, const QColor& dark) {
    for (int i = 0; i < 4; ++i) {
      const double a = turn + i * kPi / 2 - kPi / 2;
      const QPointF tip = m + QPointF(std::cos(a), std::sin(a)) * len;
      const QPointF side1 = m + QPointF(std::cos(a + kPi / 4), std::sin(a + kPi / 4)) * len * 0.2;
      const QPointF side2 = m + QPointF(std::cos(a - kPi / 4), std::sin(a - kPi / 4)) * len * 0.2;
      p.setPen(QPen(QColor(40, 30, 20), 0.35 * k));
      p.setBrush(light);
      p.drawPolygon(QPolygonF({m, tip, side1}));
      p.setBrush(dark);
      p.drawPolygon(QPolygonF({m, tip, side2}));
    }
  };
  points(r * 0.7, kPi / 4, QColor(240, 236, 220), QColor(170, 160, 140));
  points(r, 0, QColor(250, 210, 110), QColor(190, 130, 40));
  p.setBrush(QColor(180, 40, 40));
  p.drawEllipse(m, 1.6 * k, 1.6 * k);
}

void Basket(QPainter& p, const QRectF& panel, double k) {
  const QColor cane(214, 170, 110), dark(120, 80, 40);
  p.fillRect(panel, dark.darker(140));
  const double cell = 8.0 * k, strip = cell / 3;
  ForGrid(panel, cell, cell, false, [&](QPointF at, int i, int j) {
    const bool across = ((i + j) & 1) == 0;
    for (int s = 0; s < 3; ++s) {
      QRectF r = across ? QRectF(at.x() - cell / 2, at.y() - cell / 2 + s * strip, cell, strip)
                        : QRectF(at.x() - cell / 2 + s * strip, at.y() - cell / 2, strip, cell);
      r.adjust(0.25 * k, 0.25 * k, -0.25 * k, -0.25 * k);
      QLinearGradient g(across ? r.topLeft() : r.topLeft(), across ? r.bottomLeft() : r.topRight());
      g.setColorAt(0, cane.lighter(115));
      g.setColorAt(0.5, cane);
      g.setColorAt(1, cane.darker(130));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawRoundedRect(r, 0.6 * k, 0.6 * k);
    }
  });
}

using TPattern = void (*)(QPainter&, const QRectF&, double);
const TPattern kPatterns[10] = {StarryNight, Seigaiha, Honeycomb, Rings, Chevrons, GreekKey, Triangles, Polka, Compass, Basket};
const QColor kRims[10] = {QColor(8, 12, 44),  QColor(14, 40, 90),  QColor(80, 44, 6),  QColor(10, 60, 66),  QColor(30, 50, 90),
                          QColor(20, 24, 30), QColor(40, 26, 80),  QColor(100, 10, 20), QColor(10, 22, 50), QColor(80, 50, 20)};
const QColor kLines[10] = {QColor(240, 210, 120), QColor(236, 242, 248), QColor(255, 220, 120), QColor(226, 190, 100),
                           QColor(248, 236, 214), QColor(226, 186, 100), QColor(240, 190, 90),  QColor(252, 240, 220),
                           QColor(226, 190, 110), QColor(240, 210, 160)};

}  // namespace

QImage OtherBack(int w, int h, int index) {
  const int i = (index - 1) % 10;
  TFrame frame;
  frame.rim = kRims[i];
  frame.line = kLines[i];
  return PaintBack(w, h, frame, [&](QPainter& p, const QRectF& panel, double k) { kPatterns[i](p, panel, k); });
}

}  // namespace packgen::backs
