#include "media/radio_flags.h"

#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

#include "media/radio_stations.h"
#include "resources/flags.h"

namespace zembra {
namespace {

void Bands(QPainter& p, const QRectF& r, std::initializer_list<std::pair<QColor, double>> bands, bool vertical) {
  double total = 0;
  for (const auto& b : bands) total += b.second;
  double at = 0;
  for (const auto& [colour, share] : bands) {
    const double from = at / total, to = (at + share) / total;
    const QRectF part = vertical ? QRectF(r.x() + r.width() * from, r.y(), r.width() * (to - from), r.height())
                                 : QRectF(r.x(), r.y() + r.height() * from, r.width(), r.height() * (to - from));
    p.fillRect(part.adjusted(0, 0, 0.5, 0.5), colour);
    at += share;
  }
}

QPainterPath StarPath(QPointF c, double radius, int points = 5, double inner = 0.4) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const double a = -M_PI / 2 + i * M_PI / points;
    const double rr = i % 2 ? radius * inner : radius;
    const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    i ? path.lineTo(pt) : path.moveTo(pt);
  }
  path.closeSubpath();
  return path;
}

void Crescent(QPainter& p, QPointF c, double r, const QColor& colour, const QColor& ground, double shift) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(c, r, r);
  p.setBrush(ground);
  p.drawEllipse(c + QPointF(shift * r, 0), r * 0.8, r * 0.8);
}

// A Nordic cross of colour on ground.
void NordicCross(QPainter& p, const QRectF& r, const QColor& ground, const QColor& cross) {
  p.fillRect(r, ground);
  const double w = r.width(), h = r.height();
  p.fillRect(QRectF(r.x() + w * 0.3, r.y(), w * 0.14, h), cross);
  p.fillRect(QRectF(r.x(), r.y() + h * 0.41, w, h * 0.18), cross);
}

}  // namespace

void DrawCountryFlag(QPainter& p, const QRectF& r, int filterIndex) {
  // Flags the language selector already draws.
  switch (filterIndex) {
    case 0: DrawFlag(p, r, 1); return;   // Russian Federation
    case 14: DrawFlag(p, r, 0); return;  // United Kingdom
    case 16: DrawFlag(p, r, 2); return;  // Deutschland
    case 17: DrawFlag(p, r, 3); return;  // France
    case 18: DrawFlag(p, r, 6); return;  // Italy
    case 21: DrawFlag(p, r, 7); return;  // Czech Republic
    case 22: DrawFlag(p, r, 4); return;  // Spain
    case 25: DrawFlag(p, r, 5); return;  // China
    case 26: DrawFlag(p, r, 8); return;  // Japan
    case 27: DrawFlag(p, r, 9); return;  // South Korea
    default: break;
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(r);
  const double w = r.width(), h = r.height();
  const QColor white(255, 255, 255);
  switch (filterIndex) {
    case 1: Bands(p, r, {{QColor(0, 87, 183), 1}, {QColor(255, 215, 0), 1}}, false); break;
    case 2:  // Belarus: red over green, an ornament at the hoist
      Bands(p, r, {{QColor(200, 49, 43), 2}, {QColor(67, 153, 60), 1}}, false);
      p.fillRect(QRectF(r.x(), r.y(), w * 0.11, h), white);
      for (double y = 0; y < h; y += h / 6)
        p.fillPath(StarPath(QPointF(r.x() + w * 0.055, r.y() + y + h / 12), w * 0.045, 4, 0.5), QColor(200, 49, 43));
      break;
    case 3:  // Moldova
      Bands(p, r, {{QColor(0, 70, 174), 1}, {QColor(255, 210, 0), 1}, {QColor(204, 9, 47), 1}}, true);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(176, 120, 40));
      p.drawEllipse(r.center(), w * 0.07, h * 0.16);
      break;
    case 4: Bands(p, r, {{QColor(0, 114, 206), 1}, {Qt::black, 1}, {white, 1}}, false); break;
    case 5: Bands(p, r, {{QColor(158, 48, 57), 2}, {white, 1}, {QColor(158, 48, 57), 2}}, false); break;
    case 6: Bands(p, r, {{QColor(253, 185, 19), 1}, {QColor(0, 106, 68), 1}, {QColor(193, 39, 45), 1}}, false); break;
    case 7: Bands(p, r, {{QColor(217, 0, 18), 1}, {QColor(0, 51, 160), 1}, {QColor(242, 168, 0), 1}}, false); break;
    case 8: {  // Georgia: a red cross and four small crosses
      p.fillRect(r, white);
      const QColor red(255, 0, 0);
      p.fillRect(QRectF(r.x() + w * 0.43, r.y(), w * 0.14, h), red);
      p.fillRect(QRectF(r.x(), r.y() + h * 0.4, w, h * 0.2), red);
      for (QPointF c : {QPointF(0.22, 0.2), QPointF(0.78, 0.2), QPointF(0.22, 0.8), QPointF(0.78, 0.8)}) {
        const QPointF at(r.x() + w * c.x(), r.y() + h * c.y());
        p.fillRect(QRectF(at.x() - w * 0.025, at.y() - h * 0.11, w * 0.05, h * 0.22), red);
        p.fillRect(QRectF(at.x() - w * 0.06, at.y() - h * 0.035, w * 0.12, h * 0.07), red);
      }
      break;
    }
    case 9: {  // Azerbaijan
      Bands(p, r, {{QColor(0, 181, 226), 1}, {QColor(239, 51, 64), 1}, {QColor(80, 158, 47), 1}}, false);
      Crescent(p, r.center() - QPointF(w * 0.03, 0), h * 0.13, white, QColor(239, 51, 64), 0.25);
      p.fillPath(StarPath(r.center() + QPointF(w * 0.08, 0), h * 0.07, 8), white);
      break;
    }
    case 10: {  // Kazakhstan: sky blue, a golden sun
      p.fillRect(r, QColor(0, 175, 202));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(254, 197, 14));
      p.drawEllipse(r.center(), h * 0.18, h * 0.18);
      p.setPen(QPen(QColor(254, 197, 14), std::max(0.6, h / 24)));
      for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        p.drawLine(r.center() + QPointF(std::cos(a), std::sin(a)) * h * 0.23,
                   r.center() + QPointF(std::cos(a), std::sin(a)) * h * 0.3);
      }
      p.fillRect(QRectF(r.x() + w * 0.05, r.y() + h * 0.1, w * 0.05, h * 0.8), QColor(254, 197, 14, 200));
      break;
    }
    case 11: {  // Uzbekistan
      Bands(p, r, {{QColor(0, 153, 181), 10}, {QColor(206, 17, 38), 1}, {white, 8}, {QColor(206, 17, 38), 1},
                   {QColor(30, 181, 58), 10}},
            false);
      Crescent(p, QPointF(r.x() + w * 0.14, r.y() + h * 0.17), h * 0.12, white, QColor(0, 153, 181), 0.35);
      for (int i = 0; i < 3; ++i)
        p.fillPath(StarPath(QPointF(r.x() + w * (0.3 + i * 0.07), r.y() + h * 0.17), h * 0.04), white);
      break;
    }
    case 12: {  // USA
      for (int i = 0; i < 13; ++i)
        p.fillRect(QRectF(r.x(), r.y() + h * i / 13, w, h / 13 + 0.5), i % 2 ? white : QColor(178, 34, 52));
      const QRectF canton(r.x(), r.y(), w * 0.4, h * 7 / 13);
      p.fillRect(canton, QColor(60, 59, 110));
      for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 5; ++col)
          p.fillPath(StarPath(QPointF(canton.x() + canton.width() * (col + 0.5 + (row % 2) * 0.25) / 5.4,
                                      canton.y() + canton.height() * (row + 0.5) / 4),
                              canton.height() * 0.08),
                     white);
      break;
    }
    case 13: {  // Canada: a maple leaf
      Bands(p, r, {{QColor(216, 6, 33), 1}, {white, 2}, {QColor(216, 6, 33), 1}}, true);
      const QPointF c = r.center();
      const double s = h * 0.36;
      QPainterPath leaf = StarPath(c - QPointF(0, s * 0.1), s, 11, 0.55);
      leaf.addRect(QRectF(c.x() - s * 0.06, c.y() + s * 0.4, s * 0.12, s * 0.55));
      p.fillPath(leaf, QColor(216, 6, 33));
      break;
    }
    case 15: {  // Australia: the union flag in the canton, stars
      p.fillRect(r, QColor(1, 33, 105));
      DrawFlag(p, QRectF(r.x(), r.y(), w / 2, h / 2), 0);
      p.fillPath(StarPath(QPointF(r.x() + w * 0.25, r.y() + h * 0.75), h * 0.12, 7), white);
      for (QPointF c : {QPointF(0.75, 0.25), QPointF(0.62, 0.5), QPointF(0.88, 0.45), QPointF(0.75, 0.82)})
        p.fillPath(StarPath(QPointF(r.x() + w * c.x(), r.y() + h * c.y()), h * 0.07, 7), white);
      break;
    }
    case 19: Bands(p, r, {{QColor(174, 28, 40), 1}, {white, 1}, {QColor(33, 70, 139), 1}}, false); break;
    case 20: NordicCross(p, r, QColor(0, 106, 167), QColor(254, 204, 0)); break;
    case 23: {  // Brazil: a yellow rhombus and a blue globe
      p.fillRect(r, QColor(0, 156, 59));
      QPainterPath rhombus;
      rhombus.moveTo(r.x() + w * 0.08, r.center().y());
      rhombus.lineTo(r.center().x(), r.y() + h * 0.1);
      rhombus.lineTo(r.right() - w * 0.08, r.center().y());
      rhombus.lineTo(r.center().x(), r.bottom() - h * 0.1);
      rhombus.closeSubpath();
      p.fillPath(rhombus, QColor(255, 223, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 39, 118));
      p.drawEllipse(r.center(), h * 0.22, h * 0.22);
      p.setPen(QPen(white, std::max(0.6, h / 22)));
      p.drawArc(QRectF(r.center().x() - h * 0.3, r.center().y() - h * 0.12, h * 0.6, h * 0.5), 40 * 16, 100 * 16);
      break;
    }
    case 24: {  // India: saffron, white, green and the wheel
      Bands(p, r, {{QColor(255, 153, 51), 1}, {white, 1}, {QColor(19, 136, 8), 1}}, false);
      p.setPen(QPen(QColor(0, 0, 128), std::max(0.6, h / 24)));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(r.center(), h * 0.13, h * 0.13);
      for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(r.center(), r.center() + QPointF(std::cos(a), std::sin(a)) * h * 0.13);
      }
      break;
    }
    default: p.fillRect(r, QColor(200, 200, 200)); break;
  }
  p.setClipping(false);
  p.setPen(QPen(QColor(0, 0, 0, 90), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.restore();
}

QPixmap CountryFlag(int filterIndex, int width, int height) {
  QPixmap pm(width, height);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  DrawCountryFlag(p, QRectF(0, 0, width, height), filterIndex);
  return pm;
}

QPixmap CountryFlagOfCode(const std::string& code, int width, int height) {
  const std::optional<int> index = RadioCountryIndex(code);
  if (!index) return QPixmap();
  return CountryFlag(*index, width, height);
}

}  // namespace zembra
