// The one widget that paints the whole window: the intro, the menu's
// backdrop and the card table as it is shown, and a flying card over a
// picture of the table. A flight runs on the event loop and never blocks
// it. Mouse actions go to the main window.
#pragma once

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QVariantAnimation>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/card_flight.h"

#include "app/view_state.h"
#include "engine/game.h"
#include "records/settings.h"

namespace zembra {

class TTableView : public QWidget {
  Q_OBJECT

 public:
  TTableView(TViewState& view, const TSettings& settings, QWidget* parent);

  // Renders the current picture (without any sprite) into a pixmap.
  QPixmap RenderPicture();
  // Starts a sprite's flight from one point to another over the current
  // picture, paced by the speed setting, and returns at once; arrived runs
  // when it has landed. Repaints only around the sprite.
  void StartFlight(const QPixmap& sprite, QPoint from, QPoint to, std::function<void()> arrived);
  // Ends a flight where it is, without its arrival (leaving the table).
  void StopFlight();
  bool Flying() const { return View.Flying; }
  // Shakes a card of the own hand sideways for a moment (a refused card).
  // Input does not wait for it.
  void Shake(TCardCode card);
  bool Shaking() const { return !View.Shaken.IsEmpty(); }

  std::function<void(QMouseEvent*)> OnMousePress, OnMouseRelease, OnMouseMove;
  std::function<void(QContextMenuEvent*)> OnContextMenu;
  std::function<bool(QHelpEvent*)> OnToolTip;
  std::function<void()> OnLeave;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void leaveEvent(QEvent* e) override;
  bool event(QEvent* e) override;

 private:
  void PaintAll(QPainter& p);
  void FlightStep(int step);

  TViewState& View;
  const TSettings& Settings;
  QVariantAnimation* Flight = nullptr;
  QVariantAnimation* Shaker = nullptr;
  std::vector<TPoint> Path;
  std::function<void()> Arrived;
};

}  // namespace zembra
