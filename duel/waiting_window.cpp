#include "duel/waiting_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "resources/orv_cards_button.h"
#include "resources/strip_animation.h"
#include "resources/text.h"

namespace zembra {

// Four suit symbols going round, the animation of waiting.
class TSuitWheel : public QWidget {
 public:
  explicit TSuitWheel(QWidget* parent) : QWidget(parent) {
    setFixedSize(96, 96);
    Timer.setInterval(60);
    connect(&Timer, &QTimer::timeout, this, [this] {
      ++Step;
      update();
    });
  }
  void Run(bool on) { on ? Timer.start() : Timer.stop(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    static const char* const kSuits[] = {"Cher", "Bubi", "Kres", "Piki"};
    for (int i = 0; i < 4; ++i) {
      const double a = (Step * 6 + i * 90) * M_PI / 180.0;
      const QPointF at(48 + 28 * std::cos(a) - 14, 48 + 28 * std::sin(a) - 14);
      p.drawPixmap(QRectF(at, QSizeF(28, 28)), ArtPicture(QString::fromLatin1(kSuits[i]) + QLatin1Char('B')),
                   QRectF());
    }
  }

 private:
  QTimer Timer;
  int Step = 0;
};

TWaitingWindow::TWaitingWindow(bool server, QWidget* parent) : QDialog(parent) {
  setWindowTitle(Row(394));
  setModal(true);
  StatusText = new QLabel(Row(server ? 395 : 396), this);
  StatusText->setWordWrap(true);
  StatusText->setStyleSheet(QStringLiteral("font-weight: bold; color: #800000;"));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  Wheel = new TSuitWheel(this);
  top->addWidget(Wheel);
  auto* texts = new QVBoxLayout;
  texts->addWidget(StatusText);
  for (int i = 0; i < 3; ++i) {
    Lines[i] = new QLabel(Row(397 + i), this);
    Lines[i]->setStyleSheet(QStringLiteral("color: #006000;"));
    Lines[i]->hide();
    texts->addWidget(Lines[i]);
  }
  texts->addStretch();
  top->addLayout(texts, 1);
  layout->addLayout(top);
  Ok = new TOrvCardsButton(QStringLiteral("Ok"), this);
  Cancel = new TOrvCardsButton(Row(75), this);
  Ok->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Ok);
  buttons->addWidget(Cancel);
  layout->addLayout(buttons);
  setMinimumWidth(380);
  connect(Ok, &QPushButton::clicked, this, [this] {
    Started();
  });
  connect(Cancel, &QPushButton::clicked, this, [this] {
    Wheel->Run(false);
    reject();
  });
  Timer = new QTimer(this);
  Timer->setInterval(1000);
  connect(Timer, &QTimer::timeout, this, &TWaitingWindow::Tick);
  Timer->start();
  Wheel->Run(true);
}

void TWaitingWindow::PlayerJoined() {
  Lines[0]->show();
  Ok->setEnabled(true);
  Cancel->setEnabled(false);
  TOrvCardsButton::StyleDialog(this);
}

void TWaitingWindow::PlayerLeft() {
  Lines[0]->hide();
  Ok->setEnabled(false);
  Cancel->setEnabled(true);
  TOrvCardsButton::StyleDialog(this);
}

void TWaitingWindow::Started() {
  Began = true;
  Wheel->Run(false);
  Timer->stop();
  accept();
}

void TWaitingWindow::Tick() {
  if (ConnectionError) StatusText->setText(Row(400));
}

}  // namespace zembra
