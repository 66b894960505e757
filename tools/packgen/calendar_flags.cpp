// The flags of the holiday table, each waving on a pole over a summer sky:
// Russia, the United States, France, Germany, Spain and England.
#include <QLinearGradient>

#include "calendar_kit.h"

namespace packgen::cal {
namespace {

using TFlat = std::function<void(QPainter&, const QRectF&)>;

TFlat Stripes(std::initializer_list<QColor> colours, bool vertical) {
  const std::vector<QColor> list(colours);
  return [list, vertical](QPainter& p, const QRectF& r) {
    const double n = static_cast<double>(list.size());
    for (size_t i = 0; i < list.size(); ++i) {
      const QRectF band = vertical ? QRectF(r.left() + r.width() * i / n, r.top(), r.width() / n + 0.5, r.height())
                                   : QRectF(r.left(), r.top() + r.height() * i / n, r.width(), r.height() / n + 0.5);
      p.fillRect(band, list[i]);
    }
  };
}

void UnitedStates(QPainter& p, const QRectF& r) {
  const QColor red(178, 34, 52), white(255, 255, 255), blue(60, 59, 110);
  for (int i = 0; i < 13; ++i)
    p.fillRect(QRectF(r.left(), r.top() + r.height() * i / 13, r.width(), r.height() / 13 + 0.5), i % 2 ? white : red);
  const QRectF canton(r.left(), r.top(), r.width() * 0.4, r.height() * 7 / 13);
  p.fillRect(canton, blue);
  // Fifty stars: rows of six and five.
  for (int row = 0; row < 9; ++row) {
    const int n = row % 2 ? 5 : 6;
    for (int i = 0; i < n; ++i) {
      const double x = canton.left() + canton.width() * ((row % 2 ? 2 : 1) + 2 * i) / 12.0;
      const double y = canton.top() + canton.height() * (1 + row) / 10.0;
      p.fillPath(Star(QPointF(x, y), canton.height() * 0.045, canton.height() * 0.018), white);
    }
  }
}

void Spain(QPainter& p, const QRectF& r) {
  Stripes({QColor(170, 21, 27), QColor(241, 191, 0), QColor(241, 191, 0), QColor(170, 21, 27)}, false)(p, r);
  // The arms, simplified: a crowned shield between two pillars.
  const double u = r.height() / 20;
  const QPointF c(r.left() + r.width() * 0.33, r.top() + r.height() * 0.5);
  QPainterPath shield;
  shield.moveTo(c + QPointF(-3 * u, -3 * u));
  shield.lineTo(c + QPointF(3 * u, -3 * u));
  shield.lineTo(c + QPointF(3 * u, 1.5 * u));
  shield.quadTo(c + QPointF(3 * u, 4 * u), c + QPointF(0, 4.2 * u));
  shield.quadTo(c + QPointF(-3 * u, 4 * u), c + QPointF(-3 * u, 1.5 * u));
  shield.closeSubpath();
  p.fillPath(shield, QColor(198, 28, 36));
  p.fillRect(QRectF(c.x(), c.y() - 3 * u, 3 * u, 3.5 * u), QColor(230, 200, 60));
  p.strokePath(shield, QPen(QColor(120, 70, 10), 0.4 * u));
  p.fillPath(Poly({c + QPointF(-2.6 * u, -3.4 * u), c + QPointF(-2.6 * u, -5.4 * u), c + QPointF(-1.3 * u, -4.3 * u),
                   c + QPointF(0, -5.8 * u), c + QPointF(1.3 * u, -4.3 * u), c + QPointF(2.6 * u, -5.4 * u),
                   c + QPointF(2.6 * u, -3.4 * u)}),
             QColor(200, 150, 20));
  for (double dx : {-4.6, 4.6}) {
    p.fillRect(QRectF(c.x() + (dx - 0.6) * u, c.y() - 3 * u, 1.2 * u, 6.5 * u), QColor(230, 230, 230));
    p.fillRect(QRectF(c.x() + (dx - 0.9) * u, c.y() - 3.6 * u, 1.8 * u, 0.8 * u), QColor(200, 150, 20));
  }
}

void England(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(255, 255, 255));
  const double w = r.height() / 5;
  p.fillRect(QRectF(r.center().x() - w / 2, r.top(), w, r.height()), QColor(206, 17, 36));
  p.fillRect(QRectF(r.left(), r.center().y() - w / 2, r.width(), w), QColor(206, 17, 36));
}

}  // namespace

void AddFlags(TPackWriter& pack) {
  pack.AddPng("R_RUSFLAG", WavingFlag(Stripes({QColor(255, 255, 255), QColor(0, 57, 166), QColor(213, 43, 30)}, false)));
  pack.AddPng("R_USAFLAG", WavingFlag(&UnitedStates, 10.0 / 19.0));
  pack.AddPng("R_FRAFLAG", WavingFlag(Stripes({QColor(0, 35, 149), QColor(255, 255, 255), QColor(237, 41, 57)}, true)));
  pack.AddPng("R_DEUFLAG", WavingFlag(Stripes({QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)}, false), 0.6));
  pack.AddPng("R_ISPFLAG", WavingFlag(&Spain));
  pack.AddPng("R_ENGFLAG", WavingFlag(&England, 0.6));
}

}  // namespace packgen::cal
