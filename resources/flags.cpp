#include "resources/flags.h"

#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace zembra {
namespace {

void Stripes(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours, bool vertical) {
  const int n = static_cast<int>(colours.size());
  int i = 0;
  for (const QColor& c : colours) {
    const QRectF part = vertical ? QRectF(r.x() + r.width() * i / n, r.y(), r.width() / n, r.height())
                                 : QRectF(r.x(), r.y() + r.height() * i / n, r.width(), r.height() / n);
    p.fillRect(part.adjusted(0, 0, 0.5, 0.5), c);
    ++i;
  }
}

void Star(QPainter& p, QPointF c, double radius, const QColor& colour) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double rr = i % 2 ? radius * 0.4 : radius;
    const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    i ? path.lineTo(pt) : path.moveTo(pt);
  }
  path.closeSubpath();
  p.fillPath(path, colour);
}

}  // namespace

void DrawFlag(QPainter& p, const QRectF& r, int language) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(r);
  const double w = r.width(), h = r.height();
  switch (language) {
    case 1: Stripes(p, r, {Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}, false); break;
    case 2: Stripes(p, r, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false); break;
    case 3: Stripes(p, r, {QColor(0, 85, 164), Qt::white, QColor(239, 65, 53)}, true); break;
    case 4:
      p.fillRect(r, QColor(198, 11, 30));
      p.fillRect(QRectF(r.x(), r.y() + h / 4, w, h / 2), QColor(255, 196, 0));
      break;
    case 5:
      p.fillRect(r, QColor(222, 41, 16));
      Star(p, QPointF(r.x() + w * 0.17, r.y() + h * 0.28), h * 0.16, QColor(255, 222, 0));
      for (int i = 0; i < 4; ++i)
        Star(p, QPointF(r.x() + w * (0.30 + (i % 2) * 0.06), r.y() + h * (0.12 + i * 0.1)), h * 0.05,
             QColor(255, 222, 0));
      break;
    case 6: Stripes(p, r, {QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)}, true); break;
    case 7: {
      Stripes(p, r, {Qt::white, QColor(215, 20, 26)}, false);
      QPainterPath tri;
      tri.moveTo(r.topLeft());
      tri.lineTo(r.x() + w / 2, r.y() + h / 2);
      tri.lineTo(r.bottomLeft());
      tri.closeSubpath();
      p.fillPath(tri, QColor(17, 69, 126));
      break;
    }
    case 8:
      p.fillRect(r, Qt::white);
      p.setBrush(QColor(188, 0, 45));
      p.setPen(Qt::NoPen);
      p.drawEllipse(r.center(), h * 0.3, h * 0.3);
      break;
    case 9: {
      p.fillRect(r, Qt::white);
      const double rad = h * 0.25;
      const QRectF disc(r.center().x() - rad, r.center().y() - rad, 2 * rad, 2 * rad);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(205, 46, 58));
      p.drawPie(disc, 0, 180 * 16);
      p.setBrush(QColor(0, 71, 160));
      p.drawPie(disc, 180 * 16, 180 * 16);
      p.setPen(QPen(Qt::black, std::max(1.0, h / 20)));
      for (int i = 0; i < 4; ++i) {
        const double x = i % 2 ? r.x() + w * 0.82 : r.x() + w * 0.12;
        const double y = i / 2 ? r.y() + h * 0.75 : r.y() + h * 0.18;
        p.drawLine(QPointF(x, y), QPointF(x + w * 0.06, y + h * 0.06));
      }
      break;
    }
    default: {  // English: the union flag
      p.fillRect(r, QColor(1, 33, 105));
      p.setPen(QPen(Qt::white, h * 0.2));
      p.drawLine(r.topLeft(), r.bottomRight());
      p.drawLine(r.bottomLeft(), r.topRight());
      p.setPen(QPen(QColor(200, 16, 46), h * 0.07));
      p.drawLine(r.topLeft(), r.bottomRight());
      p.drawLine(r.bottomLeft(), r.topRight());
      p.fillRect(QRectF(r.x() + w * 0.42, r.y(), w * 0.16, h), Qt::white);
      p.fillRect(QRectF(r.x(), r.y() + h * 0.36, w, h * 0.28), Qt::white);
      p.fillRect(QRectF(r.x() + w * 0.45, r.y(), w * 0.10, h), QColor(200, 16, 46));
      p.fillRect(QRectF(r.x(), r.y() + h * 0.41, w, h * 0.18), QColor(200, 16, 46));
      break;
    }
  }
  p.setClipping(false);
  p.setPen(QPen(QColor(0, 0, 0, 90), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.restore();
}

QPixmap FlagPixmap(int language, int width, int height) {
  QPixmap pm(width, height);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  DrawFlag(p, QRectF(0, 0, width, height), language);
  return pm;
}

}  // namespace zembra
