// The program's icon "ZembraIcon" (256 x 256): the marriage of hearts, king
// and queen fanned on a rounded square of green baize, for the window and
// the desktop's menu. Drawn from the large card faces already in the book.
#include "art.h"
#include "paint_kit.h"

#include <QRadialGradient>

namespace art {

void addIcon(ArtBook& book) {
  const auto& pics = book.pictures();
  const auto king = pics.find(QStringLiteral("Ch4KB"));
  const auto queen = pics.find(QStringLiteral("Ch3QB"));
  if (king == pics.end() || queen == pics.end()) throw ArtError("icon: the large heart faces must be drawn first");

  QImage img = canvas(256, 256);
  QPainter p(&img);
  smooth(p);

  // Baize plate with a soft light in the middle and a dark rim.
  const QPainterPath plate = roundedRect(QRectF(8, 8, 240, 240), 44);
  softShadow(p, plate, QPointF(0, 4), 6, QColor(0, 0, 0, 120));
  QRadialGradient felt(QPointF(128, 110), 170);
  felt.setColorAt(0.0, QColor(46, 150, 74));
  felt.setColorAt(1.0, QColor(12, 78, 36));
  p.fillPath(plate, felt);
  p.strokePath(plate, QPen(QColor(6, 44, 20), 4));

  // Two cards fanned about a point below the plate's centre.
  const QSizeF card(118, 160);
  auto put = [&](const QImage& face, double angle, double dx) {
    p.save();
    p.translate(128 + dx, 212);
    p.rotate(angle);
    const QRectF r(-card.width() / 2, -card.height() - 10, card.width(), card.height());
    QPainterPath edge = roundedRect(r, 9);
    softShadow(p, edge, QPointF(3, 4), 5, QColor(0, 0, 0, 140));
    p.drawImage(r, face);
    p.restore();
  };
  put(queen->second, -14, -26);
  put(king->second, 12, 26);
  p.end();
  book.add(QStringLiteral("ZembraIcon"), img);
}

}  // namespace art
