// The one widget that paints the whole window: the intro, the menu's
// backdrop and the card table, and a flying card over a snapshot of the
// table. Mouse actions go to the main window.
#pragma once

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QWidget>
#include <functional>

#include "app/view_state.h"
#include "engine/game.h"
#include "records/settings.h"

namespace zembra {

class TTableView : public QWidget {
  Q_OBJECT

 public:
  TTableView(TViewState& view, const TGame& game, const TSettings& settings, QWidget* parent);

  // Renders the current picture (without any sprite) into a pixmap.
  QPixmap RenderPicture();
  // Flies a sprite from one point to another over the current picture;
  // returns when it has arrived. Repaints only around the sprite.
  void Fly(const QPixmap& sprite, QPoint from, QPoint to);

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

  TViewState& View;
  const TGame& Game;
  const TSettings& Settings;
};

}  // namespace zembra
