#include "app/table_view.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>

#include "app/card_flight.h"
#include "app/screens_painter.h"
#include "app/table_painter.h"
#include "resources/words.h"

namespace zembra {

TTableView::TTableView(TViewState& view, const TGame& game, const TSettings& settings,
                       QWidget* parent)
    : QWidget(parent), View(view), Game(game), Settings(settings) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void TTableView::PaintAll(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::TextAntialiasing);
  const TPaintContext c{View, Game, Settings};
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

void TTableView::Fly(const QPixmap& sprite, QPoint from, QPoint to) {
  const int speed = Settings.FlightSpeed;
  View.Snapshot = RenderPicture();
  View.Sprite = sprite;
  View.Flying = true;
  const std::vector<TPoint> path = FlightPath({from.x(), from.y()}, {to.x(), to.y()});
  QRect last;
  for (size_t i = 0; i < path.size(); ++i) {
    View.SpritePos = QPoint(path[i].X, path[i].Y);
    const QRect now(View.SpritePos, sprite.size());
    if (DrawStep(speed, static_cast<int>(i)) && isVisible()) repaint(now.united(last));
    last = now;
    if (const int ms = SleepAfterStep(speed, static_cast<int>(i))) QThread::msleep(ms);
    // The window stays responsive; clicks, keys and ticks that arrive while
    // the card flies are delivered now and dropped by their handlers.
    QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
  View.Flying = false;
  View.Snapshot = QPixmap();
  update();
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
