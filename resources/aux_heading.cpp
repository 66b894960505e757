#include "resources/aux_heading.h"

#include <QPainter>
#include <QPainterPath>

#include "resources/fonts.h"

namespace zembra {
namespace {

void Ribbon(QPainter& p, const QRectF& r, const QColor& colour, double fold) {
  // A band with notched tails, darker folds under its ends.
  QPainterPath tails;
  const double tail = r.height() * 0.6;
  for (int side : {0, 1}) {
    const double x = side ? r.right() - fold : r.left() + fold;
    const double dir = side ? 1 : -1;
    QPainterPath t;
    t.moveTo(x, r.top() + r.height() * 0.25);
    t.lineTo(x + dir * tail, r.top() + r.height() * 0.25);
    t.lineTo(x + dir * tail * 0.7, r.top() + r.height() * 0.62);
    t.lineTo(x + dir * tail, r.bottom() + r.height() * 0.05);
    t.lineTo(x, r.bottom() + r.height() * 0.05);
    t.closeSubpath();
    tails.addPath(t);
  }
  p.fillPath(tails, colour.darker(160));
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, colour.lighter(140));
  g.setColorAt(0.5, colour);
  g.setColorAt(1, colour.darker(130));
  QPainterPath band;
  band.addRoundedRect(r.adjusted(fold, 0, -fold, -r.height() * 0.2), 4, 4);
  p.fillPath(band, g);
  p.setPen(QPen(colour.darker(200), 1));
  p.drawPath(band);
}

}  // namespace

TAuxHeading::TAuxHeading(QWidget* parent) : QWidget(parent) { SetDesign(2); }

int TAuxHeading::EffectiveDesign(const TSettings& s, bool graphicsPack) {
  if (s.AuxPictureDesign && !graphicsPack) return 2;
  if (s.AuxPictureDesign) return 4;
  return s.AuxDesign >= 1 && s.AuxDesign <= 3 ? s.AuxDesign : 2;
}

int TAuxHeading::HeadingHeight(int design) {
  switch (design) {
    case 1: return 48;
    case 3: return 90;
    case 4: return 74;
    default: return 64;
  }
}

void TAuxHeading::SetDesign(int design) {
  CurrentDesign = design;
  setFixedHeight(HeadingHeight(design));
  update();
}

void TAuxHeading::SetTitle(const QString& title) {
  Title = title;
  update();
}

void TAuxHeading::SetPicture(const QPixmap& picture) {
  HeadingPicture = picture;
  update();
}

void TAuxHeading::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = rect();
  QFont f(FamilyFor("Comic Sans MS"));
  f.setBold(true);
  // A picture centred on a point of the heading.
  auto centred = [&](QPointF centre) {
    const QPointF at = centre - QPointF(HeadingPicture.width() / 2.0, HeadingPicture.height() / 2.0);
    p.drawPixmap(at.toPoint(), HeadingPicture);
  };
  switch (CurrentDesign) {
    case 4: {
      if (!HeadingPicture.isNull()) {
        centred(r.center());
        break;
      }
      f.setPixelSize(40);
      p.setFont(f);
      p.setPen(QColor(90, 60, 10));
      p.drawText(r.translated(1, 1), Qt::AlignCenter, Title.toUpper());
      p.setPen(QColor(230, 195, 80));
      p.drawText(r, Qt::AlignCenter, Title.toUpper());
      break;
    }
    case 1: {
      if (!HeadingPicture.isNull()) {
        centred(r.center());
        break;
      }
      f.setPixelSize(30);
      p.setFont(f);
      p.setPen(QColor(130, 20, 20));
      p.drawText(r, Qt::AlignCenter, Title);
      break;
    }
    case 3: {
      Ribbon(p, QRectF(r.center().x() - 200, 14, 400, 64), QColor(170, 20, 30), 22);
      if (!HeadingPicture.isNull()) {
        // The gold heading over the ribbon, a little above its middle.
        centred(QPointF(r.center().x(), 14 + 32 - 7));
        break;
      }
      f.setPixelSize(38);
      p.setFont(f);
      p.setPen(QColor(90, 50, 0));
      p.drawText(QRectF(r.left() + 1, 5, r.width(), 64), Qt::AlignCenter, Title.toUpper());
      p.setPen(QColor(255, 230, 90));
      p.drawText(QRectF(r.left(), 4, r.width(), 64), Qt::AlignCenter, Title.toUpper());
      break;
    }
    default: {
      Ribbon(p, QRectF(r.center().x() - 150, 6, 300, 56), QColor(185, 25, 35), 16);
      // Yellow capitals with a shadow of half their brightness one pixel down and right.
      f.setPixelSize(34);
      p.setFont(f);
      const QColor yellow(255, 255, 0);
      p.setPen(QColor(yellow.red() / 2, yellow.green() / 2, 0));
      p.drawText(QRectF(r.left() + 1, 1, r.width(), 50), Qt::AlignCenter, Title.toUpper());
      p.setPen(yellow);
      p.drawText(QRectF(r.left(), 0, r.width(), 50), Qt::AlignCenter, Title.toUpper());
      break;
    }
  }
}

}  // namespace zembra
