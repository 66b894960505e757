#include "records/speed_dialog.h"
#include "resources/orv_cards_button.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "records/settings.h"
#include "resources/aux_design.h"
#include "resources/words.h"

namespace zembra {

int TFormSpeed::DecorationInterval(int speed) {
  static constexpr int kMs[] = {110, 95, 80, 65, 40, 25};
  return kMs[std::clamp(speed, 1, 6) - 1];
}

TFormSpeed::TFormSpeed(TSettings& settings, QWidget* parent, const QString& packFolder)
    : QDialog(parent), Settings(settings) {
  setWindowTitle(QString::fromStdString(W(299)));
  auto* label = Caption = new QLabel(QString::fromStdString(W(300)));
  TrackBar = new QSlider(Qt::Horizontal);
  TrackBar->setRange(1, 6);
  TrackBar->setTickPosition(QSlider::TicksBelow);
  TrackBar->setTickInterval(1);
  TrackBar->setPageStep(1);
  TrackBar->setValue(std::clamp<int>(Settings.FlightSpeed, 1, 6));
  auto* ok = new TOrvCardsButton(QStringLiteral("Ok"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addSpacing(46);  // the flying card's lane
  layout->addWidget(TrackBar);
  layout->addWidget(ok, 0, Qt::AlignRight);
  setMinimumWidth(360);
  if (Settings.AuxPictureDesign && !packFolder.isEmpty())
    Backdrop = LoadAuxPictures(packFolder, QStringLiteral("GFormOpt"), QString(), QString()).Background;
  if (!Backdrop.isNull()) {
    // The caption on the background's band, the card's lane under it.
    label->setAlignment(Qt::AlignCenter);
    layout->setContentsMargins(18, 38, 18, 20);
    layout->setSpacing(14);
    layout->insertSpacing(2, 30);  // the lane lies below the band
    layout->setAlignment(ok, Qt::AlignHCenter);
    ApplyPictureDesignColours(this);
    ok->SetColorSB(TColorSB::DCards);
    ok->SetLightFont(true);
    ok->SetColorMouse(QColor(255, 230, 120));
    QPalette pal = ok->palette();
    pal.setColor(QPalette::ButtonText, QColor(200, 175, 50));
    ok->setPalette(pal);
  }

  Decoration = new QTimer(this);
  Decoration->setInterval(DecorationInterval(TrackBar->value()));
  connect(Decoration, &QTimer::timeout, this, [this] {
    ++Phase;
    update();
  });
  Decoration->start();
  connect(TrackBar, &QSlider::valueChanged, this, [this](int v) {
    Settings.FlightSpeed = static_cast<uint8_t>(v);
    Decoration->setInterval(DecorationInterval(v));
  });
}

void TFormSpeed::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  QPainter p(this);
  if (!Backdrop.isNull()) PaintAuxBackground(p, rect(), Backdrop);
  // A small card travelling to and fro along the lane under the caption.
  p.setRenderHint(QPainter::Antialiasing);
  const int lane = width() - 60;
  const double t = std::fabs(std::fmod(Phase / 20.0, 2.0) - 1.0);
  const int top = Backdrop.isNull() ? Caption->geometry().bottom() + 10 : kAuxBandHeight + 8;
  const QRectF card(20 + t * lane, top, 22, 30);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(card, 3, 3);
  p.setPen(QColor(200, 0, 0));
  p.drawText(card, Qt::AlignCenter, QString(QChar(0x2665)));
}

}  // namespace zembra
