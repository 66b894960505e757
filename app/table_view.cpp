#include "app/table_view.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

#include "app/card_flight.h"
#include "app/screens_painter.h"
#include "app/table_painter.h"
#include "resources/words.h"

namespace zembra {

TTableView::TTableView(TViewState& view, const TSettings& settings, QWidget* parent)
    : QWidget(parent), View(view), Settings(settings) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  Flight = new QVariantAnimation(this);
  Flight->setEasingCurve(QEasingCurve::Linear);
  connect(Flight, &QVariantAnimation::valueChanged, this,
          [this](const QVariant& v) { FlightStep(v.toInt()); });
  connect(Flight, &QVariantAnimation::finished, this, [this] {
    if (!View.Flying) return;
    FlightStep(static_cast<int>(Path.size()) - 1);
    View.Flying = false;
    View.Snapshot = QPixmap();
    update();
    if (auto arrived = std::move(Arrived)) arrived();
  });
}

inline constexpr int kShakeMs = 360;

void TTableView::Shake(TCardCode card) {
  if (!Shaker) {
    Shaker = new QVariantAnimation(this);
    Shaker->setStartValue(0.0);
    Shaker->setEndValue(1.0);
    Shaker->setDuration(kShakeMs);
    connect(Shaker, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
      // Three swings that die away, a few pixels (scaled) either side.
      const double t = v.toDouble();
      const double amplitude = 7.0 * View.Layout.Scale.S * (1.0 - t);
      View.ShakeOffset = static_cast<int>(std::lround(amplitude * std::sin(t * 6.0 * M_PI)));
      const TRect& h = View.Layout.HandHit[2];
      update(QRect(h.X, h.Y, h.W, h.H).adjusted(-12, 0, 12, 0));
    });
    connect(Shaker, &QVariantAnimation::finished, this, [this] {
      View.Shaken = TCardCode();
      View.ShakeOffset = 0;
      update();
    });
  }
  Shaker->stop();
  View.Shaken = card;
  View.ShakeOffset = 0;
  Shaker->start();
}

void TTableView::PaintAll(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::TextAntialiasing);
  const TPaintContext c{View, View.Shown, Settings};
  switch (View.Screen) {
    case TScreen::Intro: PaintIntro(p, c); break;
    case TScreen::Menu: PaintMenu(p, c); break;
    case TScreen::Table: PaintTable(p, c); break;
  }
  if (View.WaitBanner) PaintWaitBanner(p, c, QString::fromStdString(W(View.BannerRow)));
}

QPixmap TTableView::RenderPicture() {
  QPixmap pm(size());
  QPainter p(&pm);
  PaintAll(p);
  return pm;
}

void TTableView::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  if (View.Flying && !View.Snapshot.isNull()) {
    p.drawPixmap(e->rect(), View.Snapshot, e->rect());
    p.drawPixmap(View.SpritePos, View.Sprite);
    return;
  }
  p.setClipRect(e->rect());
  PaintAll(p);
}

void TTableView::StartFlight(const QPixmap& sprite, QPoint from, QPoint to,
                             std::function<void()> arrived) {
  StopFlight();
  View.Snapshot = RenderPicture();
  View.Sprite = sprite;
  View.SpritePos = from;
  View.Flying = true;
  Arrived = std::move(arrived);
  Path = FlightPath({from.x(), from.y()}, {to.x(), to.y()});
  // The whole picture first, so nothing of the layout before the move
  // stays on the screen; then only the sprite's track.
  update();
  const int last = static_cast<int>(Path.size()) - 1;
  Flight->setStartValue(0);
  Flight->setEndValue(last);
  Flight->setDuration(FlightDurationMs(Settings.FlightSpeed, last));
  Flight->start();
}

void TTableView::StopFlight() {
  if (!View.Flying) return;
  View.Flying = false;
  Arrived = nullptr;
  Flight->stop();
  View.Snapshot = QPixmap();
  update();
}

void TTableView::FlightStep(int step) {
  if (!View.Flying || Path.empty()) return;
  step = std::clamp(step, 0, static_cast<int>(Path.size()) - 1);
  const QRect before(View.SpritePos, View.Sprite.size());
  View.SpritePos = QPoint(Path[step].X, Path[step].Y);
  update(before.united(QRect(View.SpritePos, View.Sprite.size())));
}

void TTableView::mousePressEvent(QMouseEvent* e) {
  if (OnMousePress) OnMousePress(e);
}
void TTableView::mouseReleaseEvent(QMouseEvent* e) {
  if (OnMouseRelease) OnMouseRelease(e);
}
void TTableView::mouseMoveEvent(QMouseEvent* e) {
  if (OnMouseMove) OnMouseMove(e);
}
void TTableView::contextMenuEvent(QContextMenuEvent* e) {
  if (OnContextMenu) OnContextMenu(e);
}
void TTableView::leaveEvent(QEvent* e) {
  if (OnLeave) OnLeave();
  QWidget::leaveEvent(e);
}

bool TTableView::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip && OnToolTip) {
    if (OnToolTip(static_cast<QHelpEvent*>(e))) return true;
  }
  return QWidget::event(e);
}

}  // namespace zembra
