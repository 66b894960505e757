#include "calendar_kit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cmath>

#include "paint_kit.h"

namespace packgen::cal {

QImage Sheet(double w, double h, const TPaint& paint) {
  QImage image = art::canvas(static_cast<int>(std::lround(w * kScale)), static_cast<int>(std::lround(h * kScale)));
  QPainter p(&image);
  art::smooth(p);
  p.scale(kScale, kScale);
  paint(p);
  return image;
}

QImage Vignette(const TPaint& background, const TPaint& scene) {
  const QRectF card(0.5, 0.5, kPictureW - 1, kPictureH - 1);
  const QPainterPath shape = art::roundedRect(card, 4);
  QImage layer = Sheet(kPictureW, kPictureH, [&](QPainter& p) {
    background(p);
    scene(p);
  });
  art::keepInside(layer, shape, QTransform::fromScale(kScale, kScale));
  return Sheet(kPictureW, kPictureH, [&](QPainter& p) {
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
    // A light inner edge and a fine dark rim.
    p.strokePath(art::roundedRect(card.adjusted(0.7, 0.7, -0.7, -0.7), 3.4), QPen(QColor(255, 255, 255, 70), 0.6));
    p.strokePath(shape, QPen(QColor(60, 40, 30, 170), 0.7));
  });
}

void Sky(QPainter& p, const QColor& top, const QColor& bottom) {
  QLinearGradient g(0, 0, 0, kPictureH);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(QRectF(0, 0, kPictureW, kPictureH), g);
}

void Radial(QPainter& p, QPointF c, double r, const QColor& inner, const QColor& outer) {
  QRadialGradient g(c, r);
  g.setColorAt(0, inner);
  g.setColorAt(1, outer);
  p.fillRect(QRectF(0, 0, kPictureW, kPictureH), g);
}

void Ledge(QPainter& p, double y, const QColor& colour) {
  p.fillRect(QRectF(0, y, kPictureW, kPictureH - y), colour);
  p.fillRect(QRectF(0, y, kPictureW, 0.9), colour.lighter(130));
}

QLinearGradient Gold(double top, double bottom) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, QColor(255, 240, 170));
  g.setColorAt(0.5, QColor(232, 180, 60));
  g.setColorAt(1, QColor(150, 96, 20));
  return g;
}

QPainterPath Ellipse(QPointF c, double rx, double ry, double turnDeg) {
  QPainterPath e;
  e.addEllipse(QPointF(0, 0), rx, ry);
  return QTransform().translate(c.x(), c.y()).rotate(turnDeg).map(e);
}

QPainterPath Poly(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

QPainterPath Box(const QRectF& r) {
  QPainterPath path;
  path.addRect(r);
  return path;
}

QPainterPath Star(QPointF c, double outer, double inner, int points, double turnDeg) {
  QPolygonF poly;
  for (int k = 0; k < 2 * points; ++k) {
    const double a = (-90 + turnDeg) * kPi / 180 + k * kPi / points;
    const double r = k % 2 ? inner : outer;
    poly << c + QPointF(std::cos(a) * r, std::sin(a) * r);
  }
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  return path;
}

QPainterPath Heart(QPointF c, double size) {
  const double s = size / 2;
  QPainterPath path;
  path.moveTo(c.x(), c.y() + 0.95 * s);
  path.cubicTo(c.x() - 0.35 * s, c.y() + 0.6 * s, c.x() - 1.0 * s, c.y() + 0.15 * s, c.x() - 1.0 * s, c.y() - 0.3 * s);
  path.cubicTo(c.x() - 1.0 * s, c.y() - 0.8 * s, c.x() - 0.4 * s, c.y() - 1.0 * s, c.x(), c.y() - 0.55 * s);
  path.cubicTo(c.x() + 0.4 * s, c.y() - 1.0 * s, c.x() + 1.0 * s, c.y() - 0.8 * s, c.x() + 1.0 * s, c.y() - 0.3 * s);
  path.cubicTo(c.x() + 1.0 * s, c.y() + 0.15 * s, c.x() + 0.35 * s, c.y() + 0.6 * s, c.x(), c.y() + 0.95 * s);
  path.closeSubpath();
  return path;
}

QPainterPath Stroke(const QPainterPath& path, double width, Qt::PenCapStyle cap) {
  QPainterPathStroker s;
  s.setWidth(width);
  s.setCapStyle(cap);
  s.setJoinStyle(Qt::RoundJoin);
  return s.createStroke(path);
}

QPainterPath Unite(std::initializer_list<QPainterPath> parts) {
  // A true union, worked at a hundred times the size so that Qt's
  // flattening of the curves stays fine.
  const QTransform up = QTransform::fromScale(100, 100), down = QTransform::fromScale(0.01, 0.01);
  QPainterPath all;
  for (const QPainterPath& part : parts) all = all.isEmpty() ? up.map(part) : all.united(up.map(part));
  return down.map(all);
}

void Lit(QPainter& p, const QPainterPath& path, const QColor& colour, bool gloss) {
  const QRectF b = path.boundingRect();
  QRadialGradient g(b.left() + b.width() * 0.35, b.top() + b.height() * 0.3, std::max(b.width(), b.height()) * 0.85);
  g.setColorAt(0, colour.lighter(135));
  g.setColorAt(0.55, colour);
  g.setColorAt(1, colour.darker(150));
  p.save();
  p.setPen(Qt::NoPen);
  p.fillPath(path, g);
  if (gloss) {
    const QPainterPath spot = Ellipse(QPointF(b.left() + b.width() * 0.33, b.top() + b.height() * 0.27),
                                      b.width() * 0.16, b.height() * 0.11, -30);
    p.fillPath(spot.intersected(path), QColor(255, 255, 255, 150));
  }
  p.restore();
}

void Shadow(QPainter& p, const QPainterPath& path, QPointF offset, double blur, int alpha) {
  art::softShadow(p, path, offset * kScale, static_cast<int>(std::lround(blur * kScale)), QColor(0, 0, 0, alpha));
}

void Sparkle(QPainter& p, QPointF c, double r, const QColor& colour) {
  QPainterPath s;
  const double k = r * 0.22;
  s.moveTo(c.x(), c.y() - r);
  s.quadTo(c.x() + k, c.y() - k, c.x() + r, c.y());
  s.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + r);
  s.quadTo(c.x() - k, c.y() + k, c.x() - r, c.y());
  s.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - r);
  p.fillPath(s, colour);
}

void Dots(QPainter& p, const QRectF& area, int count, double radius, const QColor& colour, unsigned seed) {
  QRandomGenerator rng(seed);
  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const QPointF at(area.left() + rng.generateDouble() * area.width(), area.top() + rng.generateDouble() * area.height());
    const double r = radius * (0.5 + rng.generateDouble() * 0.7);
    QColor c = colour;
    c.setAlphaF(colour.alphaF() * (0.55 + 0.45 * rng.generateDouble()));
    p.setBrush(c);
    p.drawEllipse(at, r, r);
  }
  p.restore();
}

void Glow(QPainter& p, QPointF c, double r, const QColor& colour) {
  QRadialGradient g(c, r);
  g.setColorAt(0, colour);
  QColor edge = colour;
  edge.setAlpha(0);
  g.setColorAt(1, edge);
  p.fillRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), g);
}

QPainterPath Note(QPointF head, double stem) {
  QPainterPath note = Ellipse(head, 2.1, 1.5, -22);
  note.addRect(QRectF(head.x() + 1.6, head.y() - stem, 0.6, stem));
  QPainterPath flag(QPointF(head.x() + 2.2, head.y() - stem));
  flag.cubicTo(head.x() + 2.8, head.y() - stem + 3, head.x() + 6, head.y() - stem + 3.5, head.x() + 4.6, head.y() - stem + 7);
  return Unite({note, Stroke(flag, 0.8)});
}

QPainterPath MapleLeaf(QPointF c, double r, double turn) {
  QPolygonF poly;
  const double lobes[] = {1.0, 0.55, 0.8, 0.45, 0.95, 0.35, 0.95, 0.45, 0.8, 0.55};
  for (int i = 0; i < 10; ++i) {
    const double a = (turn - 90 + i * 36) * kPi / 180;
    poly << c + QPointF(std::cos(a), std::sin(a)) * r * lobes[i];
  }
  QPainterPath leaf;
  leaf.addPolygon(poly);
  leaf.closeSubpath();
  const double a = (turn + 90) * kPi / 180;
  QPainterPath stalk(c);
  stalk.lineTo(c + QPointF(std::cos(a), std::sin(a)) * r * 1.3);
  return Unite({leaf, Stroke(stalk, r * 0.12)});
}

QImage WavingFlag(const std::function<void(QPainter&, const QRectF&)>& flat, double aspect) {
  // The flat flag at a fine resolution, then laid on a wave column by
  // column with light on the crests.
  const int fw = 240, fh = static_cast<int>(std::lround(fw * aspect));
  QImage cloth = art::canvas(fw, fh);
  {
    QPainter fp(&cloth);
    art::smooth(fp);
    flat(fp, QRectF(0, 0, fw, fh));
  }
  return Vignette(
      [](QPainter& p) {
        Sky(p, QColor(96, 160, 226), QColor(206, 232, 250));
        p.setPen(Qt::NoPen);
        for (const auto& [c, r] : {std::pair{QPointF(40, 54), 9.0}, std::pair{QPointF(48, 57), 7.0},
                                   std::pair{QPointF(33, 58), 6.0}, std::pair{QPointF(12, 62), 7.0}}) {
          p.setBrush(QColor(255, 255, 255, 190));
          p.drawEllipse(c, r, r * 0.6);
        }
      },
      [&](QPainter& p) {
        const double left = 9, top = 10, width = 42, height = width * aspect;
        // The pole with its golden knob.
        const QPainterPath pole = Poly({{6.2, 8}, {8.0, 8}, {8.0, 70}, {6.2, 70}});
        Shadow(p, pole, QPointF(0.8, 0.6), 0.8, 80);
        QLinearGradient wood(6.2, 0, 8, 0);
        wood.setColorAt(0, QColor(190, 190, 196));
        wood.setColorAt(0.4, QColor(245, 245, 250));
        wood.setColorAt(1, QColor(120, 120, 130));
        p.fillPath(pole, wood);
        Lit(p, Ellipse(QPointF(7.1, 7.2), 2.1, 2.1), QColor(222, 170, 40), true);
        // The cloth on a wave: each column of pixels samples the flat flag
        // between its lifted edges, with light on the crests.
        const int w = static_cast<int>(kPictureW * kScale), h = static_cast<int>(kPictureH * kScale);
        QImage wave = art::canvas(w, h);
        const QImage flatCloth = cloth.convertToFormat(QImage::Format_ARGB32);
        auto sample = [&](double x, double y) {
          const int x0 = std::clamp(static_cast<int>(x), 0, fw - 1), y0 = std::clamp(static_cast<int>(y), 0, fh - 1);
          const int x1 = std::min(x0 + 1, fw - 1), y1 = std::min(y0 + 1, fh - 1);
          const double fx = std::clamp(x - x0, 0.0, 1.0), fy = std::clamp(y - y0, 0.0, 1.0);
          double out[3] = {};
          const QRgb c[4] = {flatCloth.pixel(x0, y0), flatCloth.pixel(x1, y0), flatCloth.pixel(x0, y1), flatCloth.pixel(x1, y1)};
          const double k[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
          for (int i = 0; i < 4; ++i) {
            out[0] += qRed(c[i]) * k[i];
            out[1] += qGreen(c[i]) * k[i];
            out[2] += qBlue(c[i]) * k[i];
          }
          return std::array<double, 3>{out[0], out[1], out[2]};
        };
        for (int px = static_cast<int>(left * kScale); px < static_cast<int>((left + width) * kScale); ++px) {
          const double t = (px + 0.5 - left * kScale) / (width * kScale);
          const double phase = t * 2.3 * kPi;
          const double lift = std::sin(phase) * 2.2 * t + t * 1.5;
          const double squeeze = 1 - 0.04 * t;
          const double top0 = (top + lift + height * (1 - squeeze) / 2) * kScale, span = height * squeeze * kScale;
          const double light = std::cos(phase);
          auto line = [&](int y) { return reinterpret_cast<QRgb*>(wave.scanLine(y)); };
          for (int py = static_cast<int>(std::floor(top0)); py <= static_cast<int>(std::ceil(top0 + span)) && py < h; ++py) {
            if (py < 0) continue;
            const double cover = std::clamp(std::min(py + 1 - top0, top0 + span - py), 0.0, 1.0);
            if (cover <= 0) continue;
            auto rgb = sample(t * (fw - 1), (py + 0.5 - top0) / span * fh - 0.5);
            for (double& v : rgb) v = light > 0 ? v + (255 - v) * 0.24 * light : v * (1 + 0.28 * light);
            const double a = cover;
            line(py)[px] = qRgba(art::toByte(rgb[0] * a), art::toByte(rgb[1] * a), art::toByte(rgb[2] * a), art::toByte(255 * a));
          }
        }
        QImage alpha = wave;
        p.save();
        p.resetTransform();
        art::softShadowOf(p, alpha, QPointF(1.5, 2), 2, QColor(0, 0, 0, 70));
        p.drawImage(0, 0, wave);
        p.restore();
      });
}

}  // namespace packgen::cal
