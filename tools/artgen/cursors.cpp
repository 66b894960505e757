// Mouse cursors, 32 x 32 on a transparent ground, white with a black outline
// and a soft shadow so they read on the green table and on light panels.
// Hotspots (x, y) the program must use:
//   CURARROW  (2, 2)   tip of the arrow
//   CURHAND   (12, 2)  tip of the pointing finger
//   CURWAIT   (16, 16) middle of the hourglass
//   CUREDIT   (16, 16) middle of the I-beam
#include "art.h"
#include "paint_kit.h"

#include <QLinearGradient>

namespace art {

namespace {

const QColor kInk(0, 0, 0);

// Draws a white shape with a crisp black outline and a small shadow.
void outlined(QPainter& p, const QPainterPath& shape, const QBrush& fill = QColor(255, 255, 255)) {
  softShadow(p, shape, QPointF(1.2, 1.6), 1, QColor(0, 0, 0, 90));
  p.fillPath(shape, fill);
  QPen pen(kInk, 1.0);
  pen.setJoinStyle(Qt::MiterJoin);
  p.strokePath(shape, pen);
}

QImage arrowCursor() {
  QImage img = canvas(32, 32);
  QPainter p(&img);
  smooth(p);
  QPainterPath arrow;
  arrow.moveTo(2.5, 2.5);
  arrow.lineTo(2.5, 24.5);
  arrow.lineTo(7.5, 19.5);
  arrow.lineTo(11.5, 28.5);
  arrow.lineTo(15.0, 27.0);
  arrow.lineTo(11.2, 18.5);
  arrow.lineTo(18.5, 18.5);
  arrow.closeSubpath();
  outlined(p, arrow);
  return img;
}

QImage handCursor() {
  QImage img = canvas(32, 32);
  QPainter p(&img);
  smooth(p);
  QPainterPath hand;
  // The pointing index finger, its tip at (12, 2).
  hand.addRoundedRect(QRectF(9.5, 1.5, 5, 16), 2.5, 2.5);
  // Three bent fingers, each a little lower than the last.
  hand.addRoundedRect(QRectF(14.0, 9.5, 4.6, 10), 2.3, 2.3);
  hand.addRoundedRect(QRectF(18.2, 10.5, 4.6, 9.5), 2.3, 2.3);
  hand.addRoundedRect(QRectF(22.4, 12.0, 4.2, 8.5), 2.1, 2.1);
  // Palm and wrist.
  QPainterPath palm;
  palm.moveTo(9.5, 14);
  palm.lineTo(26.6, 16);
  palm.lineTo(26.6, 22);
  palm.cubicTo(26.6, 25.5, 25, 27.5, 23.5, 28.5);
  palm.lineTo(23.5, 30.5);
  palm.lineTo(12.0, 30.5);
  palm.lineTo(12.0, 28.5);
  palm.cubicTo(10.5, 27.5, 9.5, 26, 9.5, 24);
  palm.closeSubpath();
  // The thumb, resting against the palm on the left.
  QPainterPath thumb;
  thumb.moveTo(10.5, 24.5);
  thumb.cubicTo(8.5, 22.5, 5.0, 19.5, 4.0, 18.0);
  thumb.cubicTo(3.0, 16.3, 5.2, 14.5, 7.0, 16.0);
  thumb.lineTo(10.5, 19.0);
  thumb.closeSubpath();
  QPainterPath shape = hand.united(palm).united(thumb);
  shape.setFillRule(Qt::WindingFill);
  outlined(p, shape);
  // Lines between the bent fingers and the cuff.
  QPen crease(kInk, 0.9, Qt::SolidLine, Qt::RoundCap);
  p.setPen(crease);
  p.drawLine(QPointF(14.5, 13.5), QPointF(14.5, 17.5));
  p.drawLine(QPointF(18.5, 12.8), QPointF(18.5, 18.2));
  p.drawLine(QPointF(22.6, 14.2), QPointF(22.6, 18.8));
  p.drawLine(QPointF(12.0, 28.5), QPointF(23.5, 28.5));
  return img;
}

QImage waitCursor() {
  QImage img = canvas(32, 32);
  QPainter p(&img);
  smooth(p);
  // Glass bulbs meeting at the middle (16, 16).
  QPainterPath glass;
  glass.moveTo(9.5, 6);
  glass.lineTo(22.5, 6);
  glass.cubicTo(22.5, 11.5, 17.6, 13.5, 17.2, 16);
  glass.cubicTo(17.6, 18.5, 22.5, 20.5, 22.5, 26);
  glass.lineTo(9.5, 26);
  glass.cubicTo(9.5, 20.5, 14.4, 18.5, 14.8, 16);
  glass.cubicTo(14.4, 13.5, 9.5, 11.5, 9.5, 6);
  glass.closeSubpath();
  QLinearGradient g(9, 0, 23, 0);
  g.setColorAt(0, QColor(214, 232, 246));
  g.setColorAt(0.35, QColor(255, 255, 255));
  g.setColorAt(1, QColor(184, 206, 226));
  outlined(p, glass, g);
  // Sand: what is left on top, the thin stream and the heap below.
  QPainterPath sandTop;
  sandTop.moveTo(11.6, 10.5);
  sandTop.lineTo(20.4, 10.5);
  sandTop.cubicTo(19.5, 12.6, 16.6, 13.8, 16, 15.6);
  sandTop.cubicTo(15.4, 13.8, 12.5, 12.6, 11.6, 10.5);
  sandTop.closeSubpath();
  QPainterPath heap;
  heap.moveTo(10.3, 25.2);
  heap.cubicTo(11.5, 22.0, 14.5, 20.6, 16, 20.2);
  heap.cubicTo(17.5, 20.6, 20.5, 22.0, 21.7, 25.2);
  heap.closeSubpath();
  const QColor sand(222, 168, 60);
  p.fillPath(sandTop, sand);
  p.fillPath(heap, sand);
  p.setPen(QPen(sand, 1.0));
  p.drawLine(QPointF(16, 15.5), QPointF(16, 20.5));
  // Wooden caps top and bottom.
  QLinearGradient wood(0, 0, 0, 4);
  wood.setColorAt(0, QColor(176, 112, 52));
  wood.setColorAt(1, QColor(110, 62, 22));
  for (double y : {3.0, 25.5}) {
    QPainterPath cap;
    cap.addRoundedRect(QRectF(7.5, y, 17, 3.5), 1.2, 1.2);
    QLinearGradient w(0, y, 0, y + 3.5);
    w.setColorAt(0, QColor(190, 124, 60));
    w.setColorAt(1, QColor(112, 62, 22));
    outlined(p, cap, w);
  }
  return img;
}

QImage editCursor() {
  QImage img = canvas(32, 32);
  QPainter p(&img);
  smooth(p);
  QPainterPath beam;
  beam.moveTo(12.5, 6.5);
  beam.cubicTo(14.5, 6.5, 16, 7.2, 16, 8.5);
  beam.cubicTo(16, 7.2, 17.5, 6.5, 19.5, 6.5);
  beam.moveTo(16, 8.5);
  beam.lineTo(16, 23.5);
  beam.moveTo(12.5, 25.5);
  beam.cubicTo(14.5, 25.5, 16, 24.8, 16, 23.5);
  beam.cubicTo(16, 24.8, 17.5, 25.5, 19.5, 25.5);
  // A white halo first so the beam shows on dark ground, then the ink.
  p.strokePath(beam, QPen(QColor(255, 255, 255, 230), 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.strokePath(beam, QPen(kInk, 1.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  return img;
}

}  // namespace

void addCursors(ArtBook& book) {
  book.add("CURARROW", arrowCursor());
  book.add("CURHAND", handCursor());
  book.add("CURWAIT", waitCursor());
  book.add("CUREDIT", editCursor());
}

}  // namespace art
