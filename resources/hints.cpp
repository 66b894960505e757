#include "resources/hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPalette>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace zembra {
namespace {

// The pause before a hint wakes up.
class THintStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return kHintPauseMs;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

// A widget's own hint, bounded by the widget and shown for kHintShowMs.
class THintFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::ToolTip || !watched->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(watched);
    if (w->toolTip().isEmpty()) return false;  // the widget answers itself
    auto* help = static_cast<QHelpEvent*>(e);
    ShowHintBalloon(help->globalPos(), w->toolTip(), w, w->rect());
    return true;
  }
};

}  // namespace

void InstallHints() {
  static bool installed = false;
  if (installed || !qApp) return;
  installed = true;
  // The style first: changing it resets the application's palette.
  QApplication::setStyle(new THintStyle);
  QPalette pal = QToolTip::palette();
  pal.setColor(QPalette::ToolTipBase, kHintColour);
  pal.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(pal);
  // The style's own palette paints the balloon on some platforms.
  QPalette app = QApplication::palette();
  app.setColor(QPalette::ToolTipBase, kHintColour);
  app.setColor(QPalette::ToolTipText, Qt::black);
  QApplication::setPalette(app);
  qApp->installEventFilter(new THintFilter(qApp));
}

void ShowHintBalloon(const QPoint& global, const QString& text, QWidget* widget, const QRect& area) {
  QToolTip::showText(global, text, widget, area, kHintShowMs);
}

}  // namespace zembra
